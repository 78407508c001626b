// Profile (INI) store: one settings file, accessed key by key with the
// private-profile semantics of Windows (names match without regard to case,
// a missing file, section or key gives the caller's default, reads are cut
// to the caller's capacity, every write goes straight to the file).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // Text of [section] key, or def when the key is missing or has no "=".
    // The result holds at most capacity - 1 characters (a capacity of 0
    // gives an empty text), like a C buffer of that size.
    virtual std::string ReadText(std::string_view section, std::string_view key,
                                 std::string_view def, std::size_t capacity) = 0;

    // Integer of [section] key: the number at the start of the text; a text
    // that is no number gives 0; a missing or empty value gives def.  The
    // result is the 32-bit unsigned pattern Windows returns (-1 is 4294967295).
    virtual std::uint32_t ReadInt(std::string_view section, std::string_view key,
                                  std::int32_t def) = 0;

    // Writes [section] key=value, creating the file, section or key as needed.
    virtual bool WriteText(std::string_view section, std::string_view key,
                           std::string_view value) = 0;

    // Removes one key, or a whole section with all its keys.
    virtual bool DeleteKey(std::string_view section, std::string_view key) = 0;
    virtual bool DeleteSection(std::string_view section) = 0;
};

// Where profile stores come from: a named private file, or win.ini.
class ProfileProvider {
public:
    virtual ~ProfileProvider() = default;
    virtual std::unique_ptr<ProfileStore> OpenPrivate(const std::string& path) = 0;
    virtual ProfileStore& WinIni() = 0;
};

}  // namespace platform
