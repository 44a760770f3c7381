// Forms: top-level windowed controls with show, hide, modal showing, close actions, key preview
// and an active control through which the focus moves.
#pragma once

#include <string>

#include "platform/Controls.h"

namespace znp {

ZNP_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized);
ZNP_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter);
using TBorderIcons = std::uint8_t;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8;
// The element names of the set, bit i first.
inline const std::vector<std::string> kBorderIconNames{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};

class TCustomForm : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Reads the stored-form files of the class chain, then raises OnCreate.
    void AfterConstruction() override;

    // Shows (raising OnShow) and hides (raising OnHide) the form.
    void Show();
    void Hide();
    void SetVisible(bool value) override;
    // Shows the form modally through the dialog service and returns the modal result.
    virtual TModalResult ShowModal();
    bool IsModal() const { return modal_; }
    TModalResult ModalResult = mrNone;

    // Asks OnCloseQuery, then OnClose decides the action: hide (default), free, minimise or nothing.
    void Close();
    // Frees the form once the messages posted so far are processed.
    void Release();
    bool CloseQuery();

    // The control that has the focus; during a focus move already the control the focus goes to,
    // while exit handlers of the old one run.
    TWinControl* ActiveControl() const { return activeControl_; }
    // Moves the focus to Control (raising exit and enter events) when the form is showing;
    // otherwise only remembers it, and the focus goes there when the form is shown.
    void SetActiveControl(TWinControl* control);
    // Moves the focus synchronously: exit events from the old control up to the common parent,
    // enter events from there down to the new control, then the focus-changed notification.
    void FocusControl(TWinControl* control);
    // Presses a key on the form: the form sees it first when KeyPreview is on, then the active
    // control, then the form's dialog keys (Tab, Enter to the default button, Esc to the cancel button).
    void PressKey(std::uint16_t key, TShiftState shift = 0);
    // Types a character into the active control.
    void TypeChar(char ch);

    bool KeyPreview = false;
    TWindowState WindowState = TWindowState::wsNormal;
    TPosition Position = TPosition::poDesigned;
    TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // A control inside the form is going away: the form forgets it as its active control.
    void ControlRemoved(TWinControl* control);
    // Brings the form's window to the foreground of the desktop.
    void BringToFront();
    void WndProc(TMessage& message) override;
    bool CanFocus() const override;

protected:
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    // The focus has moved from Previous to Control (the platform's CM_FOCUSCHANGED).
    virtual void FocusChanged(TWinControl* previous, TWinControl* control);
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* activeControl_ = nullptr;
    // Where the focus move has got to: the control whose exit or enter event ran last.
    TWinControl* focusedControl_ = nullptr;
    int focusCount_ = 0;
    bool modal_ = false;
    bool destroyRaised_ = false;
};

class TForm : public TCustomForm {
public:
    ZNP_DECLARE_CLASS()
    using TCustomForm::TCustomForm;
};

}  // namespace znp
