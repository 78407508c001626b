#include "platform/fake/FakeWindows.h"

#include "platform/WinConst.h"

namespace platform::fake {

WindowId FakeWindows::Add(const std::string& className, const std::string& title, Handler handler) {
    const WindowId id = next_;
    next_ += 0x10;
    Window& win = windows_[id];
    win.className = className;
    win.title = title;
    win.handler = std::move(handler);
    return id;
}

void FakeWindows::Remove(WindowId w) {
    windows_.erase(w);
    if (foreground_ == w) foreground_ = 0;
    if (focus_ == w) focus_ = 0;
}

void FakeWindows::SetHandler(WindowId w, Handler handler) {
    auto it = windows_.find(w);
    if (it != windows_.end()) it->second.handler = std::move(handler);
}

WindowId FakeWindows::Find(const std::string& className, const std::string& title) {
    for (const auto& [id, win] : windows_) {
        if ((className.empty() || win.className == className) && win.title == title) return id;
    }
    return 0;
}

bool FakeWindows::Post(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    const bool exists = Exists(w);
    log_.push_back({w, msg, wParam, lParam, true, exists});
    if (!exists) return false;
    queue_.push_back({w, msg, wParam, lParam});
    return true;
}

std::intptr_t FakeWindows::Send(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    const bool exists = Exists(w);
    log_.push_back({w, msg, wParam, lParam, false, exists});
    if (!exists) return 0;
    // Copy: the handler may replace or remove its own window.
    Handler h = windows_[w].handler;
    return h ? h(w, msg, wParam, lParam) : 0;
}

void FakeWindows::Show(WindowId w, int showCommand) {
    auto it = windows_.find(w);
    if (it != windows_.end()) it->second.shows.push_back(showCommand);
}

void FakeWindows::SetForeground(WindowId w) {
    auto it = windows_.find(w);
    if (it == windows_.end()) return;
    foreground_ = w;
    ++it->second.foregrounds;
}

void FakeWindows::SetTopmost(WindowId w, bool topmost) {
    auto it = windows_.find(w);
    if (it != windows_.end()) it->second.topmost = topmost;
}

void FakeWindows::SetFocus(WindowId w) {
    if (Exists(w)) focus_ = w;
}

std::size_t FakeWindows::DeliverPosted(std::size_t limit) {
    std::size_t taken = 0;
    while (!queue_.empty()) {
        if (taken == limit) {
            limitReached_ = true;
            break;
        }
        const Queued q = queue_.front();
        queue_.pop_front();
        ++taken;
        auto it = windows_.find(q.target);
        if (it == windows_.end()) continue;  // the window went away meanwhile
        Handler h = it->second.handler;
        if (h) h(q.target, q.msg, q.wParam, q.lParam);
    }
    return taken;
}

std::vector<LoggedCommand> FakeWindows::CommandsTo(WindowId w) const {
    std::vector<LoggedCommand> out;
    for (const LoggedMessage& m : log_) {
        if (m.target == w && m.msg == win::kWmCommand) out.push_back({win::CommandId(m.wParam), m.lParam, m.posted});
    }
    return out;
}

std::vector<LoggedMessage> FakeWindows::MessagesTo(WindowId w) const {
    std::vector<LoggedMessage> out;
    for (const LoggedMessage& m : log_) {
        if (m.target == w) out.push_back(m);
    }
    return out;
}

bool FakeWindows::Received(WindowId w, std::uint16_t commandId) const {
    for (const LoggedCommand& c : CommandsTo(w)) {
        if (c.id == commandId) return true;
    }
    return false;
}

std::optional<int> FakeWindows::LastShow(WindowId w) const {
    auto it = windows_.find(w);
    if (it == windows_.end() || it->second.shows.empty()) return std::nullopt;
    return it->second.shows.back();
}

std::vector<int> FakeWindows::ShowLog(WindowId w) const {
    auto it = windows_.find(w);
    return it == windows_.end() ? std::vector<int>{} : it->second.shows;
}

bool FakeWindows::Topmost(WindowId w) const {
    auto it = windows_.find(w);
    return it != windows_.end() && it->second.topmost;
}

int FakeWindows::ForegroundCount(WindowId w) const {
    auto it = windows_.find(w);
    return it == windows_.end() ? 0 : it->second.foregrounds;
}

}  // namespace platform::fake
