// The platform interfaces on the real Win32 functions.  This header does not
// include <windows.h>, so the portable headers keep their own names here
// (<windows.h> turns CreateDirectory and SetCurrentDirectory into macros).
#pragma once

#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "platform/Timers.h"
#include "platform/Windows.h"

namespace platform::win32 {

// FindWindowA, PostMessageA, SendMessageA and the window placement calls.
// An empty class name or title in Find matches any (a null argument).
// Window 0 is "no window": Post and Send to it do nothing (posting to a null
// window would otherwise land in the caller's own thread queue).
class Win32Windows final : public Windows {
public:
    WindowId Find(const std::string& className, const std::string& title) override;
    bool Post(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t Send(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void Show(WindowId w, int showCommand) override;
    void SetForeground(WindowId w) override;
    void SetTopmost(WindowId w, bool topmost) override;
    void SetFocus(WindowId w) override;
    bool Exists(WindowId w) override;
};

// SetTimer / KillTimer on a window; WM_TIMER carries the identifier.
class Win32Timers final : public Timers {
public:
    void Start(WindowId w, std::uint32_t id, std::uint32_t periodMs) override;
    void Stop(WindowId w, std::uint32_t id) override;
};

// GetSystemMetrics and SystemParametersInfoA.
class Win32System final : public System {
public:
    int ScreenWidth() override;
    int ScreenHeight() override;
    int GetPower(PowerSetting s) override;   // 0 when the system does not answer
    void SetPower(PowerSetting s, int value) override;
};

// WinExec and ShellExecuteA "open".
class Win32Processes final : public Processes {
public:
    bool Run(const std::string& commandLine, int showCommand) override;
    bool Open(const std::string& document) override;
};

// The file functions of kernel32.  Find leaves out "." and "..".
// CreateDirectory succeeds when the directory exists afterwards.
class Win32Files final : public Files {
public:
    bool Exists(const std::string& path) override;
    std::vector<FoundFile> Find(const std::string& pattern) override;
    bool Delete(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool CreateDirectory(const std::string& path) override;
    std::optional<std::uint64_t> FreeBytes(const std::string& directory) override;
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    std::string CurrentDirectory() override;
    bool SetCurrentDirectory(const std::string& path) override;
};

// The registry functions of advapi32.  Value name "" is the key's default
// value.  Writing a value creates its key when missing.  ReadString takes
// REG_SZ and REG_EXPAND_SZ (unexpanded) and ends the text at its first zero;
// ReadDword takes REG_DWORD.  DeleteKey refuses an empty path: it would
// otherwise empty a whole root.
class Win32Registry final : public Registry {
public:
    bool CreateKey(RegRoot root, const std::string& path) override;
    bool KeyExists(RegRoot root, const std::string& path) override;
    std::optional<std::string> ReadString(RegRoot root, const std::string& path, const std::string& name) override;
    std::optional<std::uint32_t> ReadDword(RegRoot root, const std::string& path, const std::string& name) override;
    bool WriteString(RegRoot root, const std::string& path, const std::string& name, const std::string& value) override;
    bool WriteDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
    bool DeleteKey(RegRoot root, const std::string& path) override;
    std::vector<std::string> SubKeys(RegRoot root, const std::string& path) override;
};

}  // namespace platform::win32
