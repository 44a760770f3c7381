// TBitCheckBox: a three-state check box drawn from bitmaps, one picture per state. A picture may
// hold a second image, used while the box is disabled. A click (or the space key, or the
// caption's accelerator) toggles unchecked → grayed (with AllowGrayed) or checked → unchecked,
// grayed → checked, and then raises OnClick; setting the state in code raises nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/StdButtons.h"

namespace znp {

class TBitCheckBox : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TBitCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed = false;
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value);

    // The pictures of the states. Setting copies the bitmap (null loads the state's resource
    // picture again); a picture whose width is a whole multiple of its height sets the image count
    // to width ÷ height, clamped to 1..2; any other keeps the count it had.
    TBitmap* CheckedGlyph() const { return glyphs_[1].get(); }
    TBitmap* UncheckedGlyph() const { return glyphs_[0].get(); }
    TBitmap* GrayedGlyph() const { return glyphs_[2].get(); }
    void SetCheckedGlyph(const TBitmap* value) { SetGlyph(TCheckBoxState::cbChecked, value); }
    void SetUncheckedGlyph(const TBitmap* value) { SetGlyph(TCheckBoxState::cbUnchecked, value); }
    void SetGrayedGlyph(const TBitmap* value) { SetGlyph(TCheckBoxState::cbGrayed, value); }
    void SetGlyph(TCheckBoxState state, const TBitmap* value);
    // Images per picture, 1 or 2 (other values are clamped).
    int CheckedNumGlyphs() const { return numGlyphs_[1]; }
    int UncheckedNumGlyphs() const { return numGlyphs_[0]; }
    int GrayedNumGlyphs() const { return numGlyphs_[2]; }
    void SetCheckedNumGlyphs(int value) { SetNumGlyphs(TCheckBoxState::cbChecked, value); }
    void SetUncheckedNumGlyphs(int value) { SetNumGlyphs(TCheckBoxState::cbUnchecked, value); }
    void SetGrayedNumGlyphs(int value) { SetNumGlyphs(TCheckBoxState::cbGrayed, value); }
    void SetNumGlyphs(TCheckBoxState state, int value);

    // The 3-D look comes from the parent until set here.
    bool Ctl3D() const;
    void SetCtl3D(bool value);
    bool ParentCtl3D = true;

    // The state's transition of a click.
    void Toggle();
    // The user's click: toggles, then OnClick.
    void Click() override;
    void KeyPress(char& key) override;
    // The caption's accelerator typed with Alt (or alone where the form passes it on): toggles
    // and clicks when it is this box's; true when it was.
    bool DialogChar(char key);

    // Draws the box on Canvas in its client area (0, 0, Width, Height).
    void Paint(TCanvas& canvas) const;
    // How many times the box asked to be drawn again (a state, picture or look changed).
    int RepaintCount() const { return repaints_; }

private:
    static int Slot(TCheckBoxState state) { return static_cast<int>(state); }
    void Repaint();
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    TLeftRight alignment_ = TLeftRight::taRightJustify;
    std::unique_ptr<TBitmap> glyphs_[3];
    int numGlyphs_[3] = {1, 1, 1};
    bool ctl3D_ = true;
    int repaints_ = 0;
};

// The module's picture resources of the check box: "CHECKED", "UNCHECKED", "GRAYED".
TBitmap CheckBoxResource(TCheckBoxState state);

}  // namespace znp
