// An in-memory registry that keeps values as typed bytes, the way the
// system keeps them: keys by root and path, names compared without regard
// to case, subkeys enumerated in sorted order (as the NT family does).  A
// string written through the interface carries its terminating zero, a
// value seeded raw may lack it, and reading a string always gives a
// terminated text.  The single-key delete behaves as on the family chosen.
// Every change is recorded in order in a journal; keys can be made to
// refuse opening.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryKeys.h"

namespace platform::fake {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

struct RegValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class RawRegistry final : public Registry, public RegistryKeys {
public:
    explicit RawRegistry(bool ntFamily = true) : ntFamily_(ntFamily) {}

    bool CreateKey(RegRoot root, const std::string& path) override;
    bool KeyExists(RegRoot root, const std::string& path) override;
    std::optional<std::string> ReadString(RegRoot root, const std::string& path, const std::string& name) override;
    std::optional<std::uint32_t> ReadDword(RegRoot root, const std::string& path, const std::string& name) override;
    // Writing creates the key when it is missing, as the system layer does.
    bool WriteString(RegRoot root, const std::string& path, const std::string& name, const std::string& value) override;
    bool WriteDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
    bool DeleteKey(RegRoot root, const std::string& path) override;
    std::vector<std::string> SubKeys(RegRoot root, const std::string& path) override;

    bool DeleteSingleKey(RegRoot root, const std::string& path) override;

    // Test side: seeding is not journaled.
    void SetNtFamily(bool nt) { ntFamily_ = nt; }
    void AddKey(RegRoot root, const std::string& path);
    void SetRaw(RegRoot root, const std::string& path, const std::string& name, RegValue value);
    void SetText(RegRoot root, const std::string& path, const std::string& name, const std::string& text);
    std::optional<RegValue> Raw(RegRoot root, const std::string& path, const std::string& name) const;
    // Creating or opening this key (or one below it) fails from now on.
    void Deny(RegRoot root, const std::string& path);
    const std::vector<std::string>& Journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }

    static std::string RootName(RegRoot root);  // "HKLM", "HKCU", "HKCR", "HKU"

private:
    struct CaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Key {
        std::map<std::string, Key, CaseLess> subkeys;
        std::map<std::string, RegValue, CaseLess> values;
    };

    Key* Find(RegRoot root, const std::string& path);
    const Key* Find(RegRoot root, const std::string& path) const;
    bool Denied(RegRoot root, const std::string& path) const;
    Key* Create(RegRoot root, const std::string& path);
    bool Erase(RegRoot root, const std::string& path, bool whole);
    void Note(const std::string& line) { journal_.push_back(line); }

    bool ntFamily_;
    std::map<RegRoot, Key> roots_;
    std::set<std::pair<int, std::string>> denied_;
    std::vector<std::string> journal_;
};

}  // namespace platform::fake
