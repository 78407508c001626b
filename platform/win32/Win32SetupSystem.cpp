#include <windows.h>

#include <winver.h>

#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Setup.h"

namespace platform::win32 {

std::uint32_t Win32SetupSystem::Version() {
    // The version word the family test reads; the call is deprecated, not gone.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersion();
#pragma GCC diagnostic pop
}

std::string Win32SetupSystem::ModuleFileName() {
    std::vector<char> path(MAX_PATH + 1, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size() - 1) return std::string(path.data(), n);
        if (path.size() >= 32768) return {};   // longer than any path the system makes
        path.assign(path.size() * 2, '\0');
    }
}

std::string Win32SetupSystem::ExpandEnvironment(const std::string& text) {
    std::vector<char> out(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD n = ::ExpandEnvironmentStringsA(text.c_str(), out.data(), static_cast<DWORD>(out.size()));
        if (n == 0) return text;
        if (n <= out.size()) return std::string(out.data());   // n counts the terminating zero
        out.assign(n, '\0');
    }
    return text;
}

std::optional<std::uint16_t> Win32SetupSystem::FileLanguage(const std::string& path) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> info(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return std::nullopt;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length) || value == nullptr ||
        length < sizeof(WORD)) {
        return std::nullopt;
    }
    return *static_cast<const WORD*>(value);
}

bool Win32SetupSystem::ExitWindowsReboot() { return ::ExitWindowsEx(EWX_REBOOT, 0) != FALSE; }

bool Win32SetupSystem::EnableShutdownPrivilege() {
    UniqueObject token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) {
        token.release();
        return false;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
    return true;
}

}  // namespace platform::win32
