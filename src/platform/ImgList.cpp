#include "platform/ImgList.h"

#include <algorithm>

namespace znp {

const ClassInfo& TImageList::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TImageList", &TComponent::StaticClass());
        c.Creatable<TImageList>();
        c.Prop("Width", &TImageList::Width, &TImageList::SetWidth);
        c.Prop("Height", &TImageList::Height, &TImageList::SetHeight);
        c.Field("BkColor", &TImageList::BkColor);
        c.Event("OnChange", &TImageList::OnChange);
        return c;
    }();
    return info;
}

void TImageList::SetWidth(int value) {
    if (value <= 0) throw Exception("Invalid image size");
    if (value == width_) return;
    width_ = value;
    Clear();
    OnChange(this);
}

void TImageList::SetHeight(int value) {
    if (value <= 0) throw Exception("Invalid image size");
    if (value == height_) return;
    height_ = value;
    Clear();
    OnChange(this);
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    const int first = Count();
    const int pieces = std::max(1, image.Width() / width_);
    for (int i = 0; i < pieces; ++i) {
        const TRect from{i * width_, 0, (i + 1) * width_, height_};
        Entry e{TBitmap(width_, height_), TBitmap(width_, height_, clBlack)};
        e.image.CopyRect(0, 0, image, from);
        e.image.Transparent = image.Transparent;
        if (image.HasTransparentColor()) e.image.SetTransparentColor(image.TransparentColor());
        if (mask) e.mask.CopyRect(0, 0, *mask, from);
        images_.push_back(std::move(e));
    }
    OnChange(this);
    return first;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    TBitmap mask = image.Mask(maskColor);
    return Add(image, &mask);
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
    if (index < 0 || index >= Count()) return false;
    bitmap.Assign(images_[index].image);
    return true;
}

bool TImageList::GetMask(int index, TBitmap& mask) const {
    if (index < 0 || index >= Count()) return false;
    mask.Assign(images_[index].mask);
    return true;
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) throw Exception("Image index out of range");
    images_.erase(images_.begin() + index);
    OnChange(this);
}

}  // namespace znp
