#include "platform/Application.h"

#include "platform/Controls.h"

namespace znp {

TApplication::TApplication() : dialogs_(std::make_shared<ScriptedDialogs>()) {}

TApplication& Application() {
    static TApplication application;
    return application;
}

HWND TApplication::RegisterWindow(TWinControl* control) {
    HWND handle = nextHandle_;
    nextHandle_ += 4;
    windows_[handle] = control;
    return handle;
}

void TApplication::UnregisterWindow(HWND handle) { windows_.erase(handle); }

TWinControl* TApplication::FindControl(HWND handle) const {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : it->second;
}

bool TApplication::PostMessage(HWND handle, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!IsWindow(handle)) return false;
    queue_.push_back({handle, TMessage{msg, wParam, lParam, 0}});
    return true;
}

std::intptr_t TApplication::SendMessage(HWND handle, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TWinControl* control = FindControl(handle);
    if (!control) return 0;
    TMessage message{msg, wParam, lParam, 0};
    control->WndProc(message);
    return message.Result;
}

void TApplication::ProcessMessages() {
    while (!queue_.empty()) {
        Posted posted = queue_.front();
        queue_.pop_front();
        if (TWinControl* control = FindControl(posted.Window)) control->WndProc(posted.Message);
    }
}

void TApplication::SetDialogs(std::shared_ptr<DialogService> service) {
    dialogs_ = service ? std::move(service) : std::make_shared<ScriptedDialogs>();
}

int TApplication::RepaintCount(HWND handle) const {
    auto it = repaints_.find(handle);
    return it == repaints_.end() ? 0 : it->second;
}

}  // namespace znp
