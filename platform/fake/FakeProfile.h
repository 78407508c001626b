// In-memory profile files for tests, with exactly the rules of the real store
// (the same engine): a test can seed a file's text and read it back byte for
// byte after the code under test has written to it.
#pragma once

#include <map>
#include <string>

#include "platform/Profile.h"

namespace platform::fake {

class MemoryProfile final : public ProfileStore {
public:
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def, std::size_t capacity) override;
    std::uint32_t ReadInt(std::string_view section, std::string_view key, std::int32_t def) override;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    int Writes() const { return writes_; }  // times the file was rewritten

private:
    template <typename Change>
    bool Rewrite(Change&& change);

    std::string text_;
    int writes_ = 0;
};

// Private files by path (created empty on first use) and win.ini.  Stores it
// hands out stay valid as long as the provider lives.
class MemoryProfiles final : public ProfileProvider {
public:
    std::unique_ptr<ProfileStore> OpenPrivate(const std::string& path) override;
    ProfileStore& WinIni() override { return winIni_; }

    MemoryProfile& File(const std::string& path) { return files_[path]; }
    MemoryProfile& WinIniFile() { return winIni_; }

private:
    std::map<std::string, MemoryProfile> files_;
    MemoryProfile winIni_;
};

}  // namespace platform::fake
