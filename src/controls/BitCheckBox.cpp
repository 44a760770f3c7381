#include "controls/BitCheckBox.h"

#include <algorithm>

#include "platform/Forms.h"

namespace znp {

namespace {

constexpr int kResourceSize = 13;

// The pictures of the three states: a sunken square, a tick for checked, a gray face for grayed.
TBitmap DrawResource(TCheckBoxState state) {
    const TColor face = state == TCheckBoxState::cbGrayed ? clSilver : clWhite;
    TBitmap picture(kResourceSize, kResourceSize, face);
    for (int i = 0; i < kResourceSize; ++i) {
        picture.SetPixel(i, 0, clGray);
        picture.SetPixel(0, i, clGray);
        picture.SetPixel(i, kResourceSize - 1, clWhite);
        picture.SetPixel(kResourceSize - 1, i, clWhite);
    }
    if (state != TCheckBoxState::cbUnchecked) {
        const TColor mark = state == TCheckBoxState::cbGrayed ? clGray : clBlack;
        // A tick: down from (3, 5) to (5, 7), then up to (9, 3), three pixels thick.
        for (int x = 3; x <= 9; ++x) {
            const int y = x <= 5 ? x + 2 : 12 - x;
            for (int t = 0; t < 3; ++t) picture.SetPixel(x, y + t, mark);
        }
    }
    return picture;
}

}  // namespace

TBitmap CheckBoxResource(TCheckBoxState state) { return DrawResource(state); }

const ClassInfo& TBitCheckBox::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TBitCheckBox", &TWinControl::StaticClass());
        c.Creatable<TBitCheckBox>();
        c.Prop("State", &TBitCheckBox::State, &TBitCheckBox::SetState);
        c.Prop("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked);
        c.Field("AllowGrayed", &TBitCheckBox::AllowGrayed);
        c.Prop("Alignment", &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment);
        c.Prop("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs);
        c.Prop("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs);
        c.Prop("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs);
        c.Prop("Ctl3D", &TBitCheckBox::Ctl3D, &TBitCheckBox::SetCtl3D);
        c.Field("ParentCtl3D", &TBitCheckBox::ParentCtl3D);
        c.Prop("Caption", &TBitCheckBox::Caption, &TBitCheckBox::SetCaption);
        return c;
    }();
    return info;
}

TBitCheckBox::TBitCheckBox(TComponent* owner) : TWinControl(owner) {
    for (TCheckBoxState s : {TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed})
        glyphs_[Slot(s)] = std::make_unique<TBitmap>(DrawResource(s));
    TabStop = true;
    SetBounds(0, 0, 97, 17);
}

void TBitCheckBox::Repaint() { ++repaints_; }

void TBitCheckBox::SetState(TCheckBoxState value) {
    if (value < TCheckBoxState::cbUnchecked || value > TCheckBoxState::cbGrayed)
        throw Exception("Invalid property value");
    if (value == state_) return;
    state_ = value;
    NotifyView(TViewAspect::Checked);
    Repaint();
}

void TBitCheckBox::SetAlignment(TLeftRight value) {
    if (value != TLeftRight::taLeftJustify && value != TLeftRight::taRightJustify)
        throw Exception("Invalid property value");
    alignment_ = value;
    Repaint();
}

void TBitCheckBox::SetGlyph(TCheckBoxState state, const TBitmap* value) {
    TBitmap& picture = *glyphs_[Slot(state)];
    if (value)
        picture.Assign(*value);
    else
        picture.Assign(DrawResource(state));
    if (picture.Height() > 0 && picture.Width() > 0 && picture.Width() % picture.Height() == 0)
        numGlyphs_[Slot(state)] = std::clamp(picture.Width() / picture.Height(), 1, 2);
    Repaint();
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState state, int value) {
    numGlyphs_[Slot(state)] = std::clamp(value, 1, 2);
    Repaint();
}

bool TBitCheckBox::Ctl3D() const {
    if (ParentCtl3D && Parent())
        if (const PropInfo* prop = Parent()->ClassType().FindProperty("Ctl3D"); prop && prop->Get)
            return prop->Get(*Parent()).AsBoolean();
    return ctl3D_;
}

void TBitCheckBox::SetCtl3D(bool value) {
    ctl3D_ = value;
    ParentCtl3D = false;
    Repaint();
}

void TBitCheckBox::Toggle() {
    switch (state_) {
        case TCheckBoxState::cbUnchecked:
            SetState(AllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
            break;
        case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
        case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
    }
}

void TBitCheckBox::Click() {
    if (CanFocus() && !Focused()) SetFocus();
    Toggle();
    if (!IsLoading()) OnClick(this);
}

void TBitCheckBox::KeyPress(char& key) {
    TWinControl::KeyPress(key);
    if (key == ' ') {
        key = 0;
        Click();
    }
}

bool TBitCheckBox::DialogChar(char key) {
    if (key >= 'A' && key <= 'Z') key = static_cast<char>(key - 'A' + 'a');
    const char accel = AccelChar(Caption());
    if (!accel || accel != key || !CanFocus()) return false;
    Click();
    return true;
}

void TBitCheckBox::Paint(TCanvas& canvas) const {
    const int width = Width(), height = Height();
    canvas.BrushColor = Color();
    canvas.FillRect({0, 0, width, height});

    // The picture of the state: its first image, or its second while disabled.
    const TBitmap& picture = *glyphs_[Slot(state_)];
    const int count = numGlyphs_[Slot(state_)];
    const int imageWidth = picture.Width() / count;
    if (imageWidth > 0 && picture.Height() > 0) {
        const int index = !Enabled() && count == 2 ? 1 : 0;
        TBitmap image = picture.Section({index * imageWidth, 0, (index + 1) * imageWidth, picture.Height()});
        if (picture.Transparent || picture.HasTransparentColor()) image.SetTransparentColor(picture.TransparentColor());
        const int x = alignment_ == TLeftRight::taRightJustify ? 0 : width - imageWidth;
        canvas.Draw(x, (height - picture.Height()) / 2, image, true);
    }

    // The caption, one line, vertically centred in a band that begins 2 pixels above the text.
    canvas.Font.Assign(*Font());
    const int textHeight = canvas.TextHeight();
    const int textWidth = canvas.TextWidth(Caption());
    const int left = alignment_ == TLeftRight::taRightJustify ? std::max(imageWidth, 0) + 4 : 1;
    const int textTop = (height - textHeight) / 2;
    const TRect band{left, textTop - 2, left + textWidth, textTop + textHeight + 2};
    constexpr std::uint32_t format = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
    if (!Enabled()) {
        if (Ctl3D()) {
            canvas.Font.SetColor(clBtnHighlight);
            canvas.DrawText(Caption(), {band.Left + 1, band.Top + 1, band.Right + 1, band.Bottom + 1}, format);
        }
        canvas.Font.SetColor(clGrayText);
    }
    canvas.DrawText(Caption(), band, format);
    if (Focused())
        canvas.DrawFocusRect({std::max(0, band.Left - 1), std::max(0, band.Top - 1), std::min(width, band.Right + 1),
                              std::min(height, band.Bottom + 1)});
}

}  // namespace znp
