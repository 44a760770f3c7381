// Image lists: numbered pictures of one size for tool buttons, menus and list views.
#pragma once

#include <vector>

#include "platform/Bitmap.h"
#include "platform/Component.h"

namespace znp {

class TImageList : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    explicit TImageList(TComponent* owner) : TComponent(owner) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list, as the platform does.
    void SetWidth(int value);
    void SetHeight(int value);
    TColor BkColor = 0x1FFFFFFF;  // clNone

    int Count() const { return static_cast<int>(images_.size()); }
    // Adds the picture cut into images of the list's size from the left (a strip of images); a
    // picture narrower than one image is added as one image. Mask (may be null) is cut alike.
    // Returns the index of the first image added.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // Adds the picture with the mask made from MaskColor.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Copies image Index into Bitmap; false (Bitmap untouched) for an index out of range.
    bool GetBitmap(int index, TBitmap& bitmap) const;
    bool GetMask(int index, TBitmap& mask) const;
    void Delete(int index);
    void Clear() { images_.clear(); }

    TNotifyEvent OnChange;

private:
    struct Entry {
        TBitmap image;
        TBitmap mask;
    };
    int width_ = 16, height_ = 16;
    std::vector<Entry> images_;
};

}  // namespace znp
