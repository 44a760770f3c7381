#include "platform/StdButtons.h"

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace znp {

const ClassInfo& TButtonControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TButtonControl", &TWinControl::StaticClass());
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        return c;
    }();
    return info;
}

void TButtonControl::RaiseClick() {
    if (!ClicksDisabled() && !IsLoading()) TControl::Click();
}

// --- TButton ---------------------------------------------------------------------------------

const ClassInfo& TButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TButton", &TButtonControl::StaticClass());
        c.Creatable<TButton>();
        c.Field("ModalResult", &TButton::ModalResult);
        c.Field("Default", &TButton::Default);
        c.Field("Cancel", &TButton::Cancel);
        return c;
    }();
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this); form && ModalResult != mrNone) form->ModalResult = ModalResult;
    TControl::Click();
}

void TButton::KeyPress(char& key) {
    TButtonControl::KeyPress(key);
    if (key == ' ') {
        key = 0;
        Click();
    }
}

// --- TCheckBox -------------------------------------------------------------------------------

const ClassInfo& TCheckBox::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TCheckBox", &TButtonControl::StaticClass());
        c.Creatable<TCheckBox>();
        c.Prop("State", &TCheckBox::State, &TCheckBox::SetState);
        c.Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked);
        c.Field("AllowGrayed", &TCheckBox::AllowGrayed);
        c.Field("Alignment", &TCheckBox::Alignment);
        return c;
    }();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::SetState(TCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    NotifyView(TViewAspect::Checked);
    RaiseClick();
}

void TCheckBox::Toggle() {
    switch (state_) {
        case TCheckBoxState::cbUnchecked:
            SetState(AllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
            break;
        case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
        case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
    }
}

void TCheckBox::KeyPress(char& key) {
    TButtonControl::KeyPress(key);
    if (key == ' ') {
        key = 0;
        Click();
    }
}

// --- TRadioButton ----------------------------------------------------------------------------

const ClassInfo& TRadioButton::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TRadioButton", &TButtonControl::StaticClass());
        c.Creatable<TRadioButton>();
        c.Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
        c.Field("Alignment", &TRadioButton::Alignment);
        return c;
    }();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    TabStop = false;
}

void TRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    TabStop = value;
    NotifyView(TViewAspect::Checked);
    if (!value) return;
    if (Parent())
        for (TControl* sibling : Parent()->ChildControls())
            if (auto* other = dynamic_cast<TRadioButton*>(sibling); other && other != this) other->SetChecked(false);
    RaiseClick();
}

void TRadioButton::KeyPress(char& key) {
    TButtonControl::KeyPress(key);
    if (key == ' ') {
        key = 0;
        Click();
    }
}

// --- Dialog keys -----------------------------------------------------------------------------

namespace {

TButton* FindDialogButton(const TWinControl& parent, bool wantDefault) {
    for (TControl* child : parent.ChildControls()) {
        if (!child->Visible() || !child->Enabled()) continue;
        if (auto* button = dynamic_cast<TButton*>(child); button && (wantDefault ? button->Default : button->Cancel))
            return button;
        if (auto* win = dynamic_cast<TWinControl*>(child))
            if (TButton* inner = FindDialogButton(*win, wantDefault)) return inner;
    }
    return nullptr;
}

}  // namespace

bool ClickDialogButton(TCustomForm& form, std::uint16_t key) {
    TButton* button = nullptr;
    if (key == VK_RETURN) {
        // A memo that takes returns keeps Enter for a new line.
        if (auto* memo = dynamic_cast<TMemo*>(form.ActiveControl()); memo && memo->WantReturns) return false;
        button = dynamic_cast<TButton*>(form.ActiveControl());
        if (!button) button = FindDialogButton(form, true);
    } else if (key == VK_ESCAPE) {
        button = FindDialogButton(form, false);
    }
    if (!button) return false;
    button->Click();
    return true;
}

}  // namespace znp
