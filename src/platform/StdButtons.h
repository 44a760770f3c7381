// Push buttons, check boxes and radio buttons.
#pragma once

#include <string>

#include "platform/Controls.h"

namespace znp {

ZNP_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed);
ZNP_ENUM(TLeftRight, taLeftJustify, taRightJustify);

// The base of the button controls: clicks can be held back while the control sets its own state.
class TButtonControl : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TButtonControl(TComponent* owner) : TWinControl(owner) { TabStop = true; }
    bool ClicksDisabled() const { return clicksDisabled_ > 0; }
    void DisableClicks() { ++clicksDisabled_; }
    void EnableClicks() { --clicksDisabled_; }

protected:
    // Raises OnClick unless clicks are held back or the form is being read.
    void RaiseClick();

private:
    int clicksDisabled_ = 0;
};

class TButton : public TButtonControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TButton(TComponent* owner);

    TModalResult ModalResult = mrNone;
    // Enter on the form clicks the default button, Esc the cancel button (ClickDialogButton).
    bool Default = false;
    bool Cancel = false;

    // Sets the form's ModalResult to the button's, then raises OnClick.
    void Click() override;
    // Space clicks the focused button, as Enter does (the form's dialog keys send Enter here).
    void KeyPress(char& key) override;
};

// A three-state check box. A click toggles (unchecked → grayed when AllowGrayed, else checked;
// checked → unchecked; grayed → checked); every change of the state raises OnClick, whether
// the user or the program made it, as on the platform.
class TCheckBox : public TButtonControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed = false;
    TLeftRight Alignment = TLeftRight::taRightJustify;

    // The user's click: toggles.
    void Click() override { Toggle(); }
    virtual void Toggle();
    void KeyPress(char& key) override;

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
};

// A radio button: checking it unchecks the radio buttons with the same parent.
class TRadioButton : public TButtonControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // Checking raises OnClick once (the buttons unchecked by it raise nothing); a checked button
    // takes part in tab order, the unchecked ones of its group do not.
    virtual void SetChecked(bool value);
    TLeftRight Alignment = TLeftRight::taRightJustify;

    // The user's click checks the button.
    void Click() override { SetChecked(true); }
    void KeyPress(char& key) override;

private:
    bool checked_ = false;
};

// The dialog keys of a form: Enter clicks the focused button, or else the form's visible and
// enabled Default button (not while a memo that takes returns has the focus); Esc clicks its
// Cancel button. True when a button was clicked (the key
// is then used up). The form calls this for Enter and Esc that no control took.
bool ClickDialogButton(TCustomForm& form, std::uint16_t key);

}  // namespace znp
