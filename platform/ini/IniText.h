// The text form of a profile (INI) file and the rules by which Windows reads
// and rewrites it.  Reads scan the bytes without building anything; writes
// parse the whole file, change it and give back the text to store, which is
// what the Windows profile functions do too (they regenerate the file: CRLF
// line ends, blank lines dropped, names and values trimmed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ini {

// Blanks as the profile functions see them: tab, line feed, vertical tab,
// form feed, carriage return, space, and Ctrl-Z (the old end-of-file mark).
bool IsBlank(unsigned char c);
std::string_view Trim(std::string_view s);
std::string_view TrimLeft(std::string_view s);
// Case-insensitive name match in the Western code page (ASCII and Latin-1 letters).
bool NamesEqual(std::string_view a, std::string_view b);

// The value of [section] key as stored, or nullopt when the section or key is
// missing or the key line has no "=".  The first of duplicate sections or
// keys wins.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// What a text read returns for a stored value (or the default when the key is
// missing): one pair of matching surrounding quotes removed, cut to capacity - 1.
std::string ReadTextResult(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view def, std::size_t capacity);

// What an integer read returns: the number at the start of the text (optional
// sign, then decimal digits, or 0x / 0o / 0b and digits of that base), wrapped
// to 32 bits; a missing or empty value gives def.
std::uint32_t ReadIntResult(std::string_view text, std::string_view section, std::string_view key,
                            std::int32_t def);

// A profile file taken apart, for changing it.
class Document {
public:
    static Document Parse(std::string_view text);
    std::string Serialize() const;

    // Each returns true when the document changed (a write with the value a
    // key already has changes nothing and the file need not be rewritten).
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    bool RemoveKey(std::string_view section, std::string_view key);
    bool RemoveSection(std::string_view section);

private:
    struct Key {
        std::string name;
        std::optional<std::string> value;
    };
    struct Section {
        std::string name;  // empty: the lines before the first section header
        std::vector<Key> keys;
    };
    Section* FindSection(std::string_view name);

    bool bom_ = false;
    std::vector<Section> sections_;
};

}  // namespace platform::ini
