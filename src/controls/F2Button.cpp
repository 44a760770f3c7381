#include "controls/F2Button.h"

#include "platform/Application.h"
#include "platform/Forms.h"

namespace znp {

namespace {

// The form that owns Control (through the owners of its owners), or else the form it lies on.
TCustomForm* OwningForm(const TControl& control) {
    for (TComponent* owner = control.Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    return GetParentForm(&control);
}

}  // namespace

const ClassInfo& TF2Button::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TF2Button", &TGSpeedButton::StaticClass());
        c.Creatable<TF2Button>();
        c.Prop("AutoAlign", &TF2Button::AutoAlign, &TF2Button::SetAutoAlign);
        c.Prop("Gap", &TF2Button::Gap, &TF2Button::SetGap);
        c.ReferenceProp("F2Control", &TF2Button::F2Control, &TF2Button::SetF2Control);
        return c;
    }();
    return info;
}

TF2Button::TF2Button(TComponent* owner) : TGSpeedButton(owner) {
    Flat = true;
    SetGlyphIndex(8);
}

void TF2Button::SetAutoAlign(bool value) {
    autoAlign_ = value;
    AlignToControl();
}

void TF2Button::SetGap(int value) {
    if (value == gap_) return;
    gap_ = value;
    AlignToControl();
}

void TF2Button::SetF2Control(TWinControl* control) {
    if (control && Parent()) {
        for (TComponent* component : Parent()->OwnedComponents()) {
            auto* other = dynamic_cast<TF2Button*>(component);
            if (!other || other->f2Control_ != control) continue;
            if (other != this) ShowButtonError("不能同时有两个 F2Button 指到同一个 Edit.");
            return;
        }
    }
    if (f2Control_ && f2Control_ != control) RemoveFreeNotification(f2Control_);
    f2Control_ = control;
    if (control) FreeNotification(control);
    AlignToControl();
}

void TF2Button::AlignToControl() {
    if (!f2Control_ || !autoAlign_) return;
    const int size = f2Control_->Height();
    SetBounds(f2Control_->Left() + f2Control_->Width() + gap_, f2Control_->Top(), size, size);
}

void TF2Button::Click() {
    TGSpeedButton::Click();
    TWinControl* control = f2Control_;
    if (!control || !control->Enabled()) return;
    if (control->CanFocus()) control->SetFocus();
    // A focus event may have freed the control; its removal clears the binding.
    if (f2Control_ != control || !control->Focused()) return;
    if (TCustomForm* form = OwningForm(*control))
        Application().SendMessage(form->Handle(), kQuickPickMessage, 0, reinterpret_cast<std::intptr_t>(control));
}

void TF2Button::Notification(TComponent* component, TOperation operation) {
    TGSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == f2Control_) f2Control_ = nullptr;
}

}  // namespace znp
