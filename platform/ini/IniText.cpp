#include "platform/ini/IniText.h"

#include <algorithm>

namespace platform::ini {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

unsigned char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // Latin-1 capitals of the Western code page, and the four in 0x80..0x9F.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool HasBom(std::string_view text) { return text.substr(0, kUtf8Bom.size()) == kUtf8Bom; }

// One line of a profile file as the reader understands it.
struct Line {
    bool header = false;
    std::string_view name;
    std::optional<std::string_view> value;  // entries only; nullopt: no "="
};

// Calls f(line) for every line the reader keeps, until f returns false.
// Blank lines are skipped; a line of a second consecutive key without a name
// is dropped, as the system's reader does.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    if (HasBom(text)) text.remove_prefix(kUtf8Bom.size());
    enum { kNone, kNamed, kUnnamed } prev = kNone;
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        const std::size_t start = pos;
        while (pos < n && text[pos] != '\n' && text[pos] != '\r') ++pos;
        const std::size_t end = pos;
        while (pos < n && (text[pos] == '\n' || text[pos] == '\r')) ++pos;

        std::string_view line = Trim(text.substr(start, end - start));
        if (line.empty()) continue;

        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                Line l;
                l.header = true;
                l.name = Trim(line.substr(1, close - 1));
                prev = kNone;
                if (!f(l)) return;
                continue;
            }
        }

        Line l;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            l.name = line;
        } else {
            l.name = TrimRight(line.substr(0, eq));
            l.value = TrimLeft(line.substr(eq + 1));
        }
        if (l.name.empty() && prev == kUnnamed) continue;
        prev = l.name.empty() ? kUnnamed : kNamed;
        if (!f(l)) return;
    }
}

enum class Lookup { Missing, NoValue, Found };

Lookup Find(std::string_view text, std::string_view section, std::string_view key,
            std::string_view& value) {
    section = Trim(section);
    key = Trim(key);
    // Keys before the first header belong to the section without a name.
    enum { kBefore, kInside, kAfter } state = section.empty() ? kInside : kBefore;
    Lookup result = Lookup::Missing;
    ForEachLine(text, [&](const Line& l) {
        if (l.header) {
            if (state == kInside) {
                state = kAfter;  // only the first of duplicate sections counts
                return false;
            }
            if (NamesEqual(l.name, section)) state = kInside;
            return true;
        }
        if (state == kInside && NamesEqual(l.name, key)) {
            if (l.value) {
                value = *l.value;
                result = Lookup::Found;
            } else {
                result = Lookup::NoValue;
            }
            return false;
        }
        return true;
    });
    return result;
}

// Copies a value the way the reader hands it out: a pair of matching quotes
// around it removed, then cut to capacity - 1.
std::string CopyEntry(std::string_view v, std::size_t capacity) {
    if (capacity == 0) return {};
    bool quoted = false;
    if (v.size() >= 2 && (v.front() == '\'' || v.front() == '"') && v.back() == v.front()) {
        quoted = true;
        v.remove_prefix(1);
    }
    std::string out(v.substr(0, std::min(v.size(), capacity - 1)));
    // The closing quote is dropped only when it made it into the buffer; a
    // value cut shorter loses its last character instead, as on the system.
    if (quoted && capacity >= v.size() && !out.empty()) out.pop_back();
    return out;
}

}  // namespace

bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    std::string_view value;
    if (Find(text, section, key, value) == Lookup::Found) return value;
    return std::nullopt;
}

std::string ReadTextResult(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view def, std::size_t capacity) {
    // Trailing spaces of the default go, but never its first character.
    std::size_t keep = def.size();
    while (keep > 1 && def[keep - 1] == ' ') --keep;
    def = def.substr(0, keep);

    std::string_view value;
    return CopyEntry(Find(text, section, key, value) == Lookup::Found ? value : def, capacity);
}

std::uint32_t ReadIntResult(std::string_view text, std::string_view section, std::string_view key,
                            std::int32_t def) {
    const std::string s = ReadTextResult(text, section, key, "", 30);
    if (s.empty()) return static_cast<std::uint32_t>(def);

    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    unsigned base = 10;
    if (s.size() - i >= 2 && s[i] == '0') {
        switch (s[i + 1]) {
            case 'b': base = 2; i += 2; break;
            case 'o': base = 8; i += 2; break;
            case 'x': base = 16; i += 2; break;
            default: break;
        }
    }
    std::uint32_t total = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'Z') digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'z') digit = static_cast<unsigned>(c - 'a' + 10);
        else break;
        if (digit >= base) break;
        total = total * base + digit;  // wraps like the system's 32-bit arithmetic
    }
    return negative ? 0u - total : total;
}

Document Document::Parse(std::string_view text) {
    Document doc;
    doc.bom_ = HasBom(text);
    doc.sections_.push_back(Section{});
    ForEachLine(text, [&](const Line& l) {
        if (l.header) {
            doc.sections_.push_back(Section{std::string(l.name), {}});
        } else {
            Key k{std::string(l.name), std::nullopt};
            if (l.value) k.value = std::string(*l.value);
            doc.sections_.back().keys.push_back(std::move(k));
        }
        return true;
    });
    return doc;
}

std::string Document::Serialize() const {
    std::string out;
    if (bom_) out += kUtf8Bom;
    for (const Section& s : sections_) {
        if (!s.name.empty()) {
            out += '[';
            out += s.name;
            out += "]\r\n";
        }
        for (const Key& k : s.keys) {
            out += k.name;
            if (k.value) {
                out += '=';
                out += *k.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

Document::Section* Document::FindSection(std::string_view name) {
    for (Section& s : sections_) {
        if (NamesEqual(s.name, name)) return &s;
    }
    return nullptr;
}

bool Document::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(Trim(section));
    if (s == nullptr) {
        // A new section goes to the end; its name keeps what follows the
        // leading blanks, as the system stores it.
        sections_.push_back(Section{std::string(TrimLeft(section)), {}});
        s = &sections_.back();
    }
    const std::string_view wanted = Trim(key);
    auto it = std::find_if(s->keys.begin(), s->keys.end(),
                           [&](const Key& k) { return NamesEqual(k.name, wanted); });
    if (it == s->keys.end()) {
        s->keys.push_back(Key{std::string(TrimLeft(key)), std::nullopt});
        it = s->keys.end() - 1;
    }
    value = TrimLeft(value);
    if (it->value && *it->value == value) return false;
    it->value = std::string(value);
    return true;
}

bool Document::RemoveKey(std::string_view section, std::string_view key) {
    // Names are taken as given here, and every section of that name is
    // searched, as the system does when deleting.
    for (Section& s : sections_) {
        if (!NamesEqual(s.name, section)) continue;
        for (auto it = s.keys.begin(); it != s.keys.end(); ++it) {
            if (NamesEqual(it->name, key)) {
                s.keys.erase(it);
                return true;
            }
        }
    }
    return false;
}

bool Document::RemoveSection(std::string_view section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        if (NamesEqual(it->name, section)) {
            if (it == sections_.begin()) {
                it->keys.clear();  // the nameless lead-in stays as the anchor
            } else {
                sections_.erase(it);
            }
            return true;
        }
    }
    return false;
}

}  // namespace platform::ini
