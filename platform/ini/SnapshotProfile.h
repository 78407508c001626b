// A profile store that answers reads from one copy of the file's text, taken
// when Refresh() is called, and sends writes through to the real store
// (updating the copy the same way).  For files the program reads many keys
// of at once and nobody else writes meanwhile, such as the panel INI during
// a layout load: one file read instead of one per key.  The rules are those
// of the real functions (IniText.h).
#pragma once

#include <functional>
#include <string>

#include "platform/Profile.h"

namespace platform::ini {

class SnapshotProfile final : public ProfileStore {
public:
    // readFile gives the file's whole text (empty when it cannot be read).
    SnapshotProfile(ProfileStore& backing, std::function<std::string()> readFile)
        : backing_(backing), readFile_(std::move(readFile)) {}

    void Refresh() { text_ = readFile_(); }

    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def, std::size_t capacity) override;
    std::uint32_t ReadInt(std::string_view section, std::string_view key, std::int32_t def) override;
    bool WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;

private:
    ProfileStore& backing_;
    std::function<std::string()> readFile_;
    std::string text_;
};

}  // namespace platform::ini
