#include "platform/fake/RawRegistry.h"

#include <algorithm>
#include <cctype>

namespace platform::fake {

namespace {

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : path) {
        if (c == '\\') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) {
        if (!out.empty()) out += '\\';
        out += p;
    }
    return out;
}

}  // namespace

bool RawRegistry::CaseLess::operator()(const std::string& a, const std::string& b) const {
    return Upper(a) < Upper(b);
}

std::string RawRegistry::RootName(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot: return "HKCR";
        case RegRoot::CurrentUser: return "HKCU";
        case RegRoot::LocalMachine: return "HKLM";
        case RegRoot::Users: return "HKU";
    }
    return "?";
}

RawRegistry::Key* RawRegistry::Find(RegRoot root, const std::string& path) {
    return const_cast<Key*>(static_cast<const RawRegistry*>(this)->Find(root, path));
}

const RawRegistry::Key* RawRegistry::Find(RegRoot root, const std::string& path) const {
    if (Denied(root, path)) return nullptr;
    auto r = roots_.find(root);
    if (r == roots_.end()) return nullptr;
    const Key* k = &r->second;
    for (const auto& part : Split(path)) {
        auto it = k->subkeys.find(part);
        if (it == k->subkeys.end()) return nullptr;
        k = &it->second;
    }
    return k;
}

bool RawRegistry::Denied(RegRoot root, const std::string& path) const {
    const std::string p = Upper(Joined(Split(path)));
    for (const auto& [r, d] : denied_) {
        if (r != static_cast<int>(root)) continue;
        if (p == d || (p.size() > d.size() && p.compare(0, d.size(), d) == 0 && p[d.size()] == '\\')) return true;
    }
    return false;
}

RawRegistry::Key* RawRegistry::Create(RegRoot root, const std::string& path) {
    if (Denied(root, path)) return nullptr;
    Key* k = &roots_[root];
    for (const auto& part : Split(path)) k = &k->subkeys[part];
    return k;
}

bool RawRegistry::CreateKey(RegRoot root, const std::string& path) {
    const bool existed = Find(root, path) != nullptr;
    if (!Create(root, path)) return false;
    if (!existed) Note("create " + RootName(root) + "\\" + path);
    return true;
}

bool RawRegistry::KeyExists(RegRoot root, const std::string& path) { return Find(root, path) != nullptr; }

std::optional<std::string> RawRegistry::ReadString(RegRoot root, const std::string& path, const std::string& name) {
    const Key* k = Find(root, path);
    if (!k) return std::nullopt;
    auto it = k->values.find(name);
    if (it == k->values.end() || (it->second.type != kRegSz && it->second.type != 2)) return std::nullopt;
    const auto& d = it->second.data;
    // The text ends at the first zero; data stored without one still gives
    // a terminated text of the stored bytes.
    auto end = std::find(d.begin(), d.end(), std::uint8_t{0});
    return std::string(d.begin(), end);
}

std::optional<std::uint32_t> RawRegistry::ReadDword(RegRoot root, const std::string& path, const std::string& name) {
    const Key* k = Find(root, path);
    if (!k) return std::nullopt;
    auto it = k->values.find(name);
    if (it == k->values.end() || it->second.type != kRegDword || it->second.data.size() != 4) return std::nullopt;
    const auto& d = it->second.data;
    return static_cast<std::uint32_t>(d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<std::uint32_t>(d[3]) << 24));
}

bool RawRegistry::WriteString(RegRoot root, const std::string& path, const std::string& name, const std::string& value) {
    if (!CreateKey(root, path)) return false;
    Key* k = Find(root, path);
    RegValue v{kRegSz, std::vector<std::uint8_t>(value.begin(), value.end())};
    v.data.push_back(0);
    k->values[name] = std::move(v);
    Note("string " + RootName(root) + "\\" + path + "\\" + name + "=" + value);
    return true;
}

bool RawRegistry::WriteDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) {
    if (!CreateKey(root, path)) return false;
    Key* k = Find(root, path);
    k->values[name] = RegValue{kRegDword, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
    Note("dword " + RootName(root) + "\\" + path + "\\" + name + "=" + std::to_string(value));
    return true;
}

bool RawRegistry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    Key* k = Find(root, path);
    if (!k || k->values.erase(name) == 0) return false;
    Note("delete value " + RootName(root) + "\\" + path + "\\" + name);
    return true;
}

bool RawRegistry::Erase(RegRoot root, const std::string& path, bool whole) {
    auto parts = Split(path);
    if (parts.empty()) return false;
    const std::string last = parts.back();
    parts.pop_back();
    Key* parent = Find(root, Joined(parts));
    if (!parent || Denied(root, path)) return false;
    auto it = parent->subkeys.find(last);
    if (it == parent->subkeys.end()) return false;
    if (!whole && !it->second.subkeys.empty()) return false;
    parent->subkeys.erase(it);
    Note("delete key " + RootName(root) + "\\" + path);
    return true;
}

bool RawRegistry::DeleteKey(RegRoot root, const std::string& path) { return Erase(root, path, true); }

bool RawRegistry::DeleteSingleKey(RegRoot root, const std::string& path) { return Erase(root, path, !ntFamily_); }

std::vector<std::string> RawRegistry::SubKeys(RegRoot root, const std::string& path) {
    std::vector<std::string> names;
    if (const Key* k = Find(root, path)) {
        for (const auto& [name, sub] : k->subkeys) names.push_back(name);
    }
    return names;
}

void RawRegistry::AddKey(RegRoot root, const std::string& path) {
    Key* k = &roots_[root];
    for (const auto& part : Split(path)) k = &k->subkeys[part];
}

void RawRegistry::SetRaw(RegRoot root, const std::string& path, const std::string& name, RegValue value) {
    Key* k = &roots_[root];
    for (const auto& part : Split(path)) k = &k->subkeys[part];
    k->values[name] = std::move(value);
}

void RawRegistry::SetText(RegRoot root, const std::string& path, const std::string& name, const std::string& text) {
    RegValue v{kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    v.data.push_back(0);
    SetRaw(root, path, name, std::move(v));
}

std::optional<RegValue> RawRegistry::Raw(RegRoot root, const std::string& path, const std::string& name) const {
    const Key* k = Find(root, path);
    if (!k) return std::nullopt;
    auto it = k->values.find(name);
    if (it == k->values.end()) return std::nullopt;
    return it->second;
}

void RawRegistry::Deny(RegRoot root, const std::string& path) {
    denied_.insert({static_cast<int>(root), Upper(Joined(Split(path)))});
}

}  // namespace platform::fake
