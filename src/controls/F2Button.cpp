#include "controls/F2Button.h"

#include "platform/Application.h"
#include "platform/Forms.h"

namespace znp {

namespace {
// The quick-pick request of the forms (WM_USER+10), the control in LParam.
constexpr std::uint32_t kQuickPick = WM_USER + 10;
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
    if (!f2Control_ || !f2Control_->Enabled()) return;
    if (f2Control_->CanFocus()) f2Control_->SetFocus();
    if (!f2Control_->Focused()) return;
    if (TCustomForm* form = GetParentForm(f2Control_))
        Application().SendMessage(form->Handle(), kQuickPick, 0, reinterpret_cast<std::intptr_t>(f2Control_));
}

void TF2Button::Notification(TComponent* component, TOperation operation) {
    TGSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == f2Control_) f2Control_ = nullptr;
}

}  // namespace znp
