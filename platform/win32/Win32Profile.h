// Profile stores on the real Windows private-profile functions.
#pragma once

#include "platform/Profile.h"

namespace platform::win32 {

// A named private INI file (GetPrivateProfileStringA family).
class PrivateProfile final : public ProfileStore {
public:
    explicit PrivateProfile(std::string path) : path_(std::move(path)) {}
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def, std::size_t capacity) override;
    std::uint32_t ReadInt(std::string_view section, std::string_view key, std::int32_t def) override;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;

private:
    std::string path_;
};

// win.ini (GetProfileStringA family).
class WinIniProfile final : public ProfileStore {
public:
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def, std::size_t capacity) override;
    std::uint32_t ReadInt(std::string_view section, std::string_view key, std::int32_t def) override;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;
};

class Win32ProfileProvider final : public ProfileProvider {
public:
    std::unique_ptr<ProfileStore> OpenPrivate(const std::string& path) override;
    ProfileStore& WinIni() override { return winIni_; }

private:
    WinIniProfile winIni_;
};

}  // namespace platform::win32
