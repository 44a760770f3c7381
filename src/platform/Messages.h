// Window messages, virtual keys and modal results of the platform.
#pragma once

#include <cstdint>

namespace znp {

using HWND = std::uintptr_t;

struct TMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr std::uint32_t WM_MOVE = 0x0003, WM_SIZE = 0x0005, WM_CLOSE = 0x0010, WM_KEYDOWN = 0x0100,
                        WM_CHAR = 0x0102, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_USER = 0x0400;
// Messages of the class library itself.
constexpr std::uint32_t CM_BASE = 0xB000, CM_RELEASE = CM_BASE + 33, CM_FOCUSCHANGED = CM_BASE + 7;

constexpr std::uint16_t VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                        VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
                        VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
                        VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

}  // namespace znp
