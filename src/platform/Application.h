// The application object: the one message queue of the process, the window handles, the dialog
// service and the settings the class library keeps per application.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Messages.h"

namespace znp {

class TWinControl;

class TApplication {
public:
    TApplication();

    // Window handles of windowed controls.
    HWND RegisterWindow(TWinControl* control);
    void UnregisterWindow(HWND handle);
    TWinControl* FindControl(HWND handle) const;
    bool IsWindow(HWND handle) const { return FindControl(handle) != nullptr; }

    // Queues a message for the window; false when the window does not exist.
    bool PostMessage(HWND handle, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Handles the message at once; 0 when the window does not exist.
    std::intptr_t SendMessage(HWND handle, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Delivers the queued messages, including those posted while delivering; messages for windows
    // that no longer exist are dropped.
    void ProcessMessages();
    struct Posted {
        HWND Window;
        TMessage Message;
    };
    const std::deque<Posted>& PendingMessages() const { return queue_; }
    void ClearMessages() { queue_.clear(); }

    DialogService& Dialogs() { return *dialogs_; }
    void SetDialogs(std::shared_ptr<DialogService> service);

    // Windows outside the library (the host's main window): repaint requests and the foreground.
    void UpdateWindow(HWND handle) { ++repaints_[handle]; }
    int RepaintCount(HWND handle) const;
    void SetForegroundWindow(HWND handle) { foreground_ = handle; }
    HWND ForegroundWindow() const { return foreground_; }
    static constexpr HWND DesktopWindow = 0x10010;

    int HintHidePause = 2500;

private:
    std::map<HWND, TWinControl*> windows_;
    HWND nextHandle_ = 0x20000;
    std::deque<Posted> queue_;
    std::shared_ptr<DialogService> dialogs_;
    std::map<HWND, int> repaints_;
    HWND foreground_ = 0;
};

TApplication& Application();

}  // namespace znp
