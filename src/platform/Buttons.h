// Buttons with pictures: the bitmap button and the speed button.
#pragma once

#include <algorithm>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/StdButtons.h"

namespace znp {

ZNP_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);
ZNP_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll);

// The picture of a button: one to four images side by side (up, disabled, clicked, down).
// Assigning a picture whose width is a whole multiple (up to four) of its height takes that many
// images; a longer strip is one image.
class TButtonGlyph {
public:
    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value) { numGlyphs_ = std::clamp(value, 1, 4); }
    // Image Index (0 up, 1 disabled, 2 clicked, 3 down) cut from the picture; the up image when
    // the picture has fewer.
    TBitmap Image(int index) const;
    void GlyphChanged();

private:
    std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
    int numGlyphs_ = 1;
};

class TBitBtn : public TButton {
public:
    ZNP_DECLARE_CLASS()
    explicit TBitBtn(TComponent* owner);

    TBitmap* Glyph() const { return glyph_.Glyph(); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value) { glyph_.SetNumGlyphs(value); }
    TBitmap GlyphImage(int index) const { return glyph_.Image(index); }
    // A kind sets the modal result, Default/Cancel and the platform's caption of that kind.
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;

    // A Close button closes its form after OnClick.
    void Click() override;

private:
    void GlyphChanged(TObject*) { glyph_.GlyphChanged(); }
    TButtonGlyph glyph_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

// A flat picture button that takes no focus. Buttons with the same GroupIndex (not 0) under one
// parent go down one at a time; a button of a group stays down when clicked again unless
// AllowAllUp. A button without a group never stays down.
class TSpeedButton : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TSpeedButton(TComponent* owner);

    TBitmap* Glyph() const { return glyph_.Glyph(); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value) { glyph_.SetNumGlyphs(value); }
    TBitmap GlyphImage(int index) const { return glyph_.Image(index); }
    bool Flat = false;
    bool Transparent = true;
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;

    // The user's click: a grouped button goes down (or up, with AllowAllUp), then OnClick.
    void Click() override;
    void Loaded() override;

private:
    void GlyphChanged(TObject*) { glyph_.GlyphChanged(); }
    // The other buttons of the group under the same parent.
    std::vector<TSpeedButton*> GroupMates() const;
    TButtonGlyph glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};

}  // namespace znp
