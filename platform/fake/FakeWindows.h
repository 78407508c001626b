// In-memory windows for tests: registered windows (class and title), a log
// of every message posted or sent, a queue of posted messages that the test
// drains into the receivers' handlers, and sending that runs the receiver's
// handler at once (nested), as on the real system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"

namespace platform::fake {

struct LoggedMessage {
    WindowId target = 0;
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool posted = false;     // false: sent
    bool delivered = false;  // the target existed when it was posted or sent
};

// One WM_COMMAND seen by a window: identifier (low word of wParam) and value.
struct LoggedCommand {
    std::uint16_t id = 0;
    std::intptr_t lParam = 0;
    bool posted = false;
    bool operator==(const LoggedCommand&) const = default;
};

class FakeWindows final : public Windows {
public:
    using Handler = std::function<std::intptr_t(WindowId self, std::uint32_t msg, std::uintptr_t wParam,
                                                std::intptr_t lParam)>;

    // Registers a window; the handler (optional) receives what is sent to it
    // and what the queue delivers to it.
    WindowId Add(const std::string& className, const std::string& title, Handler handler = {});
    void Remove(WindowId w);  // the window vanishes; its queued messages are dropped on delivery
    void SetHandler(WindowId w, Handler handler);

    // Windows interface.  An empty class name finds any class (FindWindowA
    // with a null class); the title is compared exactly.
    WindowId Find(const std::string& className, const std::string& title) override;
    bool Post(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t Send(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void Show(WindowId w, int showCommand) override;
    void SetForeground(WindowId w) override;
    void SetTopmost(WindowId w, bool topmost) override;
    void SetFocus(WindowId w) override;
    bool Exists(WindowId w) override { return windows_.count(w) != 0; }

    // Delivers queued posted messages in order (including those posted while
    // delivering) until the queue is empty; returns how many were taken.
    // Stops after `limit` messages so that a posting loop shows up in a test
    // instead of hanging it (LimitReached()).
    std::size_t DeliverPosted(std::size_t limit = 10000);
    bool LimitReached() const { return limitReached_; }
    std::size_t QueuedCount() const { return queue_.size(); }
    void DropQueued() { queue_.clear(); }

    // What happened.
    const std::vector<LoggedMessage>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    std::vector<LoggedCommand> CommandsTo(WindowId w) const;     // WM_COMMAND only
    std::vector<LoggedMessage> MessagesTo(WindowId w) const;     // every message
    bool Received(WindowId w, std::uint16_t commandId) const;  // a WM_COMMAND with that id

    std::optional<int> LastShow(WindowId w) const;  // last ShowWindow command, if any
    std::vector<int> ShowLog(WindowId w) const;
    bool Topmost(WindowId w) const;
    WindowId Foreground() const { return foreground_; }
    WindowId Focus() const { return focus_; }
    int ForegroundCount(WindowId w) const;

private:
    struct Window {
        std::string className, title;
        Handler handler;
        std::vector<int> shows;
        bool topmost = false;
        int foregrounds = 0;
    };
    struct Queued {
        WindowId target;
        std::uint32_t msg;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };

    std::map<WindowId, Window> windows_;
    std::deque<Queued> queue_;
    std::vector<LoggedMessage> log_;
    WindowId next_ = 0x100;
    WindowId foreground_ = 0;
    WindowId focus_ = 0;
    bool limitReached_ = false;
};

}  // namespace platform::fake
