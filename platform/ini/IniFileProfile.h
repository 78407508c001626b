// A profile store on a real file, with the system's private-profile rules
// (see IniText.h).  Every call goes to the file: reads load and scan it,
// writes load, change and replace it.  A write never leaves a torn file for a
// reader in another process: the new text goes to a temporary file beside
// the old one, which is then renamed over it.
#pragma once

#include "platform/Profile.h"

namespace platform::ini {

class IniFileProfile final : public ProfileStore {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def, std::size_t capacity) override;
    std::uint32_t ReadInt(std::string_view section, std::string_view key, std::int32_t def) override;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;

    const std::string& Path() const { return path_; }

private:
    template <typename Change>
    bool Rewrite(Change&& change);

    std::string path_;
};

// Reads a whole file; a missing or unreadable file gives an empty text.
std::string ReadWholeFile(const std::string& path);
// Replaces a file's content through a temporary file and a rename.
bool ReplaceFile(const std::string& path, std::string_view content);

class IniFileProvider final : public ProfileProvider {
public:
    explicit IniFileProvider(std::string winIniPath) : winIni_(std::move(winIniPath)) {}
    std::unique_ptr<ProfileStore> OpenPrivate(const std::string& path) override {
        return std::make_unique<IniFileProfile>(path);
    }
    ProfileStore& WinIni() override { return winIni_; }

private:
    IniFileProfile winIni_;
};

}  // namespace platform::ini
