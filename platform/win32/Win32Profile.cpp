#include "platform/win32/Win32Profile.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {
namespace {

std::string Z(std::string_view s) { return std::string(s); }

std::string ReadWith(std::size_t capacity, auto&& read) {
    if (capacity == 0) return {};
    std::vector<char> buf(capacity + 1, '\0');
    DWORD n = read(buf.data(), static_cast<DWORD>(capacity));
    if (n >= capacity) n = static_cast<DWORD>(capacity - 1);
    return std::string(buf.data(), n);
}

}  // namespace

std::string PrivateProfile::ReadText(std::string_view section, std::string_view key,
                                     std::string_view def, std::size_t capacity) {
    return ReadWith(capacity, [&](char* buf, DWORD cap) {
        return GetPrivateProfileStringA(Z(section).c_str(), Z(key).c_str(), Z(def).c_str(), buf, cap,
                                        path_.c_str());
    });
}

std::uint32_t PrivateProfile::ReadInt(std::string_view section, std::string_view key, std::int32_t def) {
    return GetPrivateProfileIntA(Z(section).c_str(), Z(key).c_str(), def, path_.c_str());
}

bool PrivateProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    return WritePrivateProfileStringA(Z(section).c_str(), Z(key).c_str(), Z(value).c_str(), path_.c_str());
}

bool PrivateProfile::DeleteKey(std::string_view section, std::string_view key) {
    return WritePrivateProfileStringA(Z(section).c_str(), Z(key).c_str(), nullptr, path_.c_str());
}

bool PrivateProfile::DeleteSection(std::string_view section) {
    return WritePrivateProfileStringA(Z(section).c_str(), nullptr, nullptr, path_.c_str());
}

std::string WinIniProfile::ReadText(std::string_view section, std::string_view key,
                                    std::string_view def, std::size_t capacity) {
    return ReadWith(capacity, [&](char* buf, DWORD cap) {
        return GetProfileStringA(Z(section).c_str(), Z(key).c_str(), Z(def).c_str(), buf, cap);
    });
}

std::uint32_t WinIniProfile::ReadInt(std::string_view section, std::string_view key, std::int32_t def) {
    return GetProfileIntA(Z(section).c_str(), Z(key).c_str(), def);
}

bool WinIniProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    return WriteProfileStringA(Z(section).c_str(), Z(key).c_str(), Z(value).c_str());
}

bool WinIniProfile::DeleteKey(std::string_view section, std::string_view key) {
    return WriteProfileStringA(Z(section).c_str(), Z(key).c_str(), nullptr);
}

bool WinIniProfile::DeleteSection(std::string_view section) {
    return WriteProfileStringA(Z(section).c_str(), nullptr, nullptr);
}

std::unique_ptr<ProfileStore> Win32ProfileProvider::OpenPrivate(const std::string& path) {
    return std::make_unique<PrivateProfile>(path);
}

}  // namespace platform::win32
