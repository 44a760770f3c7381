#include "platform/Forms.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/FormReader.h"
#include "platform/StdButtons.h"

namespace znp {

const ClassInfo& TCustomForm::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TCustomForm", &TWinControl::StaticClass());
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Field("KeyPreview", &TCustomForm::KeyPreview);
        c.Field("WindowState", &TCustomForm::WindowState);
        c.Field("Position", &TCustomForm::Position);
        c.SetField("BorderIcons", &TCustomForm::BorderIcons, kBorderIconNames);
        c.Field("ModalResult", &TCustomForm::ModalResult);
        c.Event("OnCreate", &TCustomForm::OnCreate);
        c.Event("OnDestroy", &TCustomForm::OnDestroy);
        c.Event("OnShow", &TCustomForm::OnShow);
        c.Event("OnHide", &TCustomForm::OnHide);
        c.Event("OnActivate", &TCustomForm::OnActivate);
        c.Event("OnClose", &TCustomForm::OnClose);
        c.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
        return c;
    }();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    // A form is created hidden; Show or ShowModal makes it visible.
    TControl::SetVisible(false);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::AfterConstruction() {
    ReadFormResources(*this);
    DoCreate();
}

void TCustomForm::BeforeDestruction() {
    TWinControl::BeforeDestruction();
    if (!destroyRaised_) {
        destroyRaised_ = true;
        DoDestroy();
    }
}

void TCustomForm::DoCreate() { OnCreate(this); }
void TCustomForm::DoDestroy() { OnDestroy(this); }
void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }
void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }
void TCustomForm::FocusChanged(TWinControl*, TWinControl*) {}

void TCustomForm::SetVisible(bool value) {
    if (value == Visible()) return;
    if (value) {
        // OnShow comes before the window appears, as on the platform.
        DoShow();
        TWinControl::SetVisible(true);
        if (activeControl_ && activeControl_ != this) {
            TWinControl* wanted = activeControl_;
            activeControl_ = nullptr;
            if (wanted->CanFocus()) FocusControl(wanted);
        }
    } else {
        TWinControl::SetVisible(false);
        DoHide();
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::BringToFront() { Application().SetForegroundWindow(Handle()); }

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

TModalResult TCustomForm::ShowModal() {
    if (Visible() || modal_) throw Exception("Cannot make a visible window modal");
    modal_ = true;
    ModalResult = mrNone;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{modal_};
    Show();
    // The loop ends when ModalResult is set and the form agrees to close.
    for (;;) {
        Application().Dialogs().RunModal(*this);
        Application().ProcessMessages();
        if (ModalResult == mrNone) ModalResult = mrCancel;
        if (!CloseQuery()) {
            ModalResult = mrNone;
            continue;
        }
        TCloseAction action = TCloseAction::caHide;
        DoClose(action);
        if (action == TCloseAction::caNone) {
            ModalResult = mrNone;
            continue;
        }
        TModalResult result = ModalResult;
        Hide();
        if (action == TCloseAction::caFree) Release();
        return result;
    }
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    switch (action) {
        case TCloseAction::caNone: break;
        case TCloseAction::caHide: Hide(); break;
        case TCloseAction::caMinimize: WindowState = TWindowState::wsMinimized; break;
        case TCloseAction::caFree: Release(); break;
    }
}

void TCustomForm::Release() { Application().PostMessage(Handle(), CM_RELEASE); }

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_RELEASE: TObject::Free(this); return;
        case WM_CLOSE: Close(); return;
        default: TWinControl::WndProc(message);
    }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_) return;
    if (control && !ContainsControl(control)) throw Exception("Invalid active control");
    if (Visible() && control && control->CanFocus())
        FocusControl(control);
    else
        activeControl_ = control;
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (IsDestroying()) return;
    // Counted before the comparison, so that a handler sending the focus back to the control
    // being left still stops the move in progress.
    const int myCount = ++focusCount_;
    if (control == activeControl_ && control == focusedControl_) return;
    TWinControl* const previous = focusedControl_;
    // The new control is the active one from the start, so that the exit handlers of the old one
    // know where the focus is going (a move onto Cancel skips the field checks).
    activeControl_ = control;
    TWinControl* from = focusedControl_ ? focusedControl_ : this;
    // Exit events from the old control up to the first parent that also holds the new one.
    while (from && from != this && !from->ContainsControl(control)) {
        focusedControl_ = from;
        from->DoExit();
        if (focusCount_ != myCount) return;  // a handler moved the focus elsewhere
        from = from->Parent();
    }
    // Enter events from below that parent down to the new control.
    TWinControl* at = from ? from : this;
    while (control && at != control) {
        TWinControl* next = control;
        while (next->Parent() && next->Parent() != at) next = next->Parent();
        at = next;
        focusedControl_ = at;
        at->DoEnter();
        if (focusCount_ != myCount) return;
    }
    focusedControl_ = control;
    if (previous != control) FocusChanged(previous, control);
}

void TCustomForm::PressKey(std::uint16_t key, TShiftState shift) {
    if (KeyPreview) KeyDown(key, shift);
    if (key && activeControl_ && activeControl_ != this) activeControl_->KeyDown(key, shift);
    if (!key) return;
    if (key == VK_TAB) {
        SelectNext(activeControl_, !(shift & ssShift), true);
    } else if (key == VK_RETURN || key == VK_ESCAPE) {
        ClickDialogButton(*this, key);
    }
}

void TCustomForm::TypeChar(char ch) {
    if (KeyPreview) KeyPress(ch);
    if (ch && activeControl_ && activeControl_ != this) activeControl_->KeyPress(ch);
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
    if (focusedControl_ && control->ContainsControl(focusedControl_)) focusedControl_ = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == activeControl_) activeControl_ = nullptr;
    if (operation == TOperation::opRemove && component == focusedControl_) focusedControl_ = nullptr;
}

const ClassInfo& TForm::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TForm", &TCustomForm::StaticClass());
        c.Creatable<TForm>();
        return c;
    }();
    return info;
}

}  // namespace znp
