// Labelled edits: TZnEdit (a single-line edit), TZnDBEdit (a data-aware edit) and TZnBtnDBEdit (a
// data-aware edit with a lookup button). Each owns a label named "EditLabel" whose caption is the
// edit's Caption; the button variant also owns a flat picture button named "F2Button". Label and
// button are placed beside the edit every time its bounds change, and follow its parent, enabled
// state and visibility. Nothing is clamped: a label may end up at a negative position.
#pragma once

#include <string>
#include <vector>

#include "controls/GSpdBtn.h"
#include "controls/ZNForm.h"
#include "platform/DBCtrls.h"
#include "platform/StdCtrls.h"

namespace znp {

ZNP_ENUM(TLabelPosition, lpAbove, lpBelow, lpLeft, lpRight);

// The label part shared by the labelled edits: the owned label, its side and its spacing.
class TEditLabelPart {
public:
    // Creates the label owned by Edit; the edit is its focus control.
    explicit TEditLabelPart(TWinControl& edit);
    TLabel* Label() const { return label_; }
    const std::string& Caption() const;
    void SetCaption(const std::string& value);
    TLabelPosition Position() const { return position_; }
    void SetPosition(TLabelPosition value);
    int Spacing() const { return spacing_; }
    // A negative spacing is ignored.
    void SetSpacing(int value);
    // Places the label beside the edit.
    void Place();
    // The edit's parent, enabled state and visibility changed.
    void Follow();
    // The edit was told that Component goes away.
    void Removed(const TComponent* component) {
        if (component == label_) label_ = nullptr;
    }

private:
    TWinControl& edit_;
    TLabel* label_ = nullptr;
    TLabelPosition position_ = TLabelPosition::lpLeft;
    int spacing_ = 4;
};

class TZnEdit : public TEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnEdit(TComponent* owner);

    TLabel* EditLabel() const { return label_.Label(); }
    // The text of the owned label, published as Caption ("" when there is no label).
    const std::string& LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const std::string& value) { label_.SetCaption(value); }
    TLabelPosition LabelPosition() const { return label_.Position(); }
    void SetLabelPosition(TLabelPosition value) { label_.SetPosition(value); }
    int LabelSpacing() const { return label_.Spacing(); }
    void SetLabelSpacing(int value) { label_.SetSpacing(value); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TEditLabelPart label_;
};

class TZnDBEdit : public TDBEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnDBEdit(TComponent* owner);

    TLabel* EditLabel() const { return label_.Label(); }
    const std::string& LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const std::string& value) { label_.SetCaption(value); }
    TLabelPosition LabelPosition() const { return label_.Position(); }
    void SetLabelPosition(TLabelPosition value) { label_.SetPosition(value); }
    int LabelSpacing() const { return label_.Spacing(); }
    void SetLabelSpacing(int value) { label_.SetSpacing(value); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;

protected:
    // Label first, then whatever else the edit keeps beside itself.
    virtual void PlaceParts() { label_.Place(); }
    virtual void FollowParts() { label_.Follow(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TEditLabelPart label_;
};

// The lookup button of a TZnBtnDBEdit.
class TZnEditButton : public TGSpeedButton {
public:
    ZNP_DECLARE_CLASS()
    using TGSpeedButton::TGSpeedButton;
    // Tells the edit that owns the button.
    void Click() override;
};

class TZnBtnDBEdit : public TZnDBEdit, public IDisabledImageButtons {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnBtnDBEdit(TComponent* owner);

    // The base form gives the lookup button its disabled image.
    std::vector<TControl*> DisabledImageButtons() const override {
        return button_ ? std::vector<TControl*>{button_} : std::vector<TControl*>{};
    }

    TGSpeedButton* Button() const { return button_; }
    int ButtonSpacing() const { return buttonSpacing_; }
    void SetButtonSpacing(int value);
    int GlyphIndex() const { return glyphIndex_; }
    // The button loads the picture; the number is kept only while the button exists.
    void SetGlyphIndex(int value);
    const std::string& ButtonHint() const { return buttonHint_; }
    void SetButtonHint(const std::string& value);
    // Called with the edit instead of sending the quick-pick request.
    TNotifyEvent OnDialog;

    // The button was clicked: OnDialog when set; otherwise the edit takes the focus when it can
    // and, once it has it, its owner's form handles the quick-pick request (WM_USER+10, the edit
    // in LParam) before the click returns.
    void ButtonClick();

protected:
    void PlaceParts() override;
    void FollowParts() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TGSpeedButton* button_ = nullptr;
    int buttonSpacing_ = 2;
    int glyphIndex_ = 8;
    std::string buttonHint_;
};

}  // namespace znp
