// Windows and messages (shape; filled in with the panel program).
// Window handles are opaque numbers; 0 is "no window".  Posting queues a
// message and returns at once; sending runs the receiver's handler before
// returning (nested on the same thread), and that difference is visible to
// the logic, so both exist.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using WindowId = std::uintptr_t;

class Windows {
public:
    virtual ~Windows() = default;
    virtual WindowId Find(const std::string& className, const std::string& title) = 0;  // FindWindowA
    virtual bool Post(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual std::intptr_t Send(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void Show(WindowId w, int showCommand) = 0;        // ShowWindow
    virtual void SetForeground(WindowId w) = 0;
    virtual void SetTopmost(WindowId w, bool topmost) = 0;     // z-order band only
    virtual void SetFocus(WindowId w) = 0;
    virtual bool Exists(WindowId w) = 0;
};

}  // namespace platform
