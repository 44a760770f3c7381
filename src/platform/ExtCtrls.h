// Panels, splitters, radio groups and the simple drawn controls (shape, bevel, image).
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/StdCtrls.h"

namespace znp {

ZNP_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace);
ZNP_ENUM(TBorderStyle, bsNone, bsSingle);

class TPanel : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }
    TPanelBevel BevelOuter = TPanelBevel::bvRaised;
    TPanelBevel BevelInner = TPanelBevel::bvNone;
    int BevelWidth = 1;
    int BorderWidth = 0;
    TBorderStyle BorderStyle = TBorderStyle::bsNone;
    TAlignment Alignment = TAlignment::taCenter;
};

// A bar that resizes the control it is aligned against; here it keeps its settings only.
class TSplitter : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TSplitter(TComponent* owner) : TControl(owner) {
        Align = TAlign::alLeft;
        SetBounds(0, 0, 3, 100);
    }
    int MinSize = 30;
    bool Beveled = false;
    bool AutoSnap = true;
};

// A frame of radio choices given by Items; ItemIndex is the checked one (-1: none).
class TRadioGroup : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TRadioGroup(TComponent* owner);

    TStringList* Items() const { return items_.get(); }
    int ItemIndex() const;
    // Clamped to -1 ... Count - 1; the program's change raises no event.
    void SetItemIndex(int value);
    int Columns() const { return columns_; }
    void SetColumns(int value) { columns_ = std::clamp(value, 1, 16); }

    // The user clicks the button of item Index: it becomes the ItemIndex and OnClick is raised.
    void ClickItem(int index);
    // Arrow keys move the choice, as between the buttons of the group.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void Loaded() override;

private:
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    mutable int itemIndex_ = -1;  // brought back inside when the items shrank
    int columns_ = 1;
};

ZNP_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle);

class TShape : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TShape(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 65); }
    TShapeType Shape = TShapeType::stRectangle;
    TColor BrushColor = clWhite;
    TColor PenColor = clBlack;
};

ZNP_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer);
ZNP_ENUM(TBevelStyle, bsLowered, bsRaised);

class TBevel : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TBevel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 50, 50); }
    TBevelShape Shape = TBevelShape::bsBox;
    TBevelStyle Style = TBevelStyle::bsLowered;
};

// A picture on the form.
class TImage : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TImage(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 105, 105); }
    TBitmap* Picture() const { return picture_.get(); }
    bool Center = false;
    bool Stretch = false;
    bool Transparent = false;
    bool AutoSize = false;

private:
    std::unique_ptr<TBitmap> picture_ = std::make_unique<TBitmap>();
};

}  // namespace znp
