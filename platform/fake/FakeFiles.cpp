#include "platform/fake/FakeFiles.h"

#include <algorithm>
#include <cctype>

namespace platform::fake {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool ValidName(const std::string& name) {
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*') return false;
    }
    return true;
}

bool WildMatch(const std::string& pattern, const std::string& name) {
    // '*' any run, '?' one character, case-insensitive; "*.*" matches names without a dot too.
    if (pattern == "*.*") return true;
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' ||
                                   std::toupper(static_cast<unsigned char>(pattern[p])) ==
                                       std::toupper(static_cast<unsigned char>(name[n])))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

FakeFiles::FakeFiles() : current_("C:") {
    AddDrive("C:", 1ull << 30);
    SetWindowsDirectory("C:\\WINDOWS");
    SetSystemDirectory("C:\\WINDOWS\\SYSTEM32");
}

std::optional<std::string> FakeFiles::Canonical(const std::string& path) const {
    std::string s = path;
    std::replace(s.begin(), s.end(), '/', '\\');
    if (s.empty() || s.rfind("\\\\", 0) == 0) return std::nullopt;  // no network paths here
    std::string drive;
    std::string rest;
    if (s.size() >= 2 && s[1] == ':') {
        if (!std::isalpha(static_cast<unsigned char>(s[0]))) return std::nullopt;
        drive = Upper(s.substr(0, 2));
        rest = s.substr(2);
        if (rest.empty() || rest[0] != '\\') {
            // "X:name" is relative to the current directory when it is on that drive.
            const std::string base = (Upper(current_.substr(0, 2)) == drive) ? current_.substr(2) : "";
            rest = base + "\\" + rest;
        }
    } else if (s[0] == '\\') {
        drive = Upper(current_.substr(0, 2));
        rest = s;
    } else {
        drive = Upper(current_.substr(0, 2));
        rest = current_.substr(2) + "\\" + s;
    }
    std::vector<std::string> parts;
    std::string cur;
    auto flush = [&]() -> bool {
        if (cur.empty() || cur == ".") {
        } else if (cur == "..") {
            if (!parts.empty()) parts.pop_back();
        } else {
            if (!ValidName(cur)) return false;
            parts.push_back(cur);
        }
        cur.clear();
        return true;
    };
    for (char c : rest) {
        if (c == '\\') {
            if (!flush()) return std::nullopt;
        } else {
            cur += c;
        }
    }
    if (!flush()) return std::nullopt;
    std::string out = drive;
    for (const auto& p : parts) out += "\\" + p;
    return out;
}

std::string FakeFiles::KeyOf(const std::string& canonical) { return Upper(canonical); }

std::string FakeFiles::ParentOf(const std::string& canonical) {
    const auto pos = canonical.rfind('\\');
    return pos == std::string::npos ? canonical : canonical.substr(0, pos);
}

const FakeFiles::Node* FakeFiles::Get(const std::string& path) const {
    const auto c = Canonical(path);
    if (!c) return nullptr;
    auto it = nodes_.find(KeyOf(*c));
    return it == nodes_.end() ? nullptr : &it->second;
}

FakeFiles::Node* FakeFiles::Get(const std::string& path) {
    return const_cast<Node*>(static_cast<const FakeFiles*>(this)->Get(path));
}

const FakeFiles::Drive* FakeFiles::DriveOf(const std::string& canonical) const {
    auto it = drives_.find(Upper(canonical.substr(0, 2)));
    return it == drives_.end() ? nullptr : &it->second;
}

bool FakeFiles::Writable(const std::string& canonical) const {
    const Drive* d = DriveOf(canonical);
    return d && !d->writeProtected;
}

bool FakeFiles::ParentIsDirectory(const std::string& canonical) const {
    if (canonical.size() <= 2) return false;  // a root has no parent
    auto it = nodes_.find(KeyOf(ParentOf(canonical)));
    return it != nodes_.end() && it->second.directory;
}

std::uint64_t FakeFiles::UsedBytes(const std::string& drive) const {
    const std::string prefix = Upper(drive.substr(0, 2));
    std::uint64_t used = 0;
    for (const auto& [key, node] : nodes_) {
        if (!node.directory && key.compare(0, 2, prefix) == 0) used += node.data.size();
    }
    return used;
}

bool FakeFiles::Fits(const std::string& canonical, std::uint64_t oldSize, std::uint64_t newSize) const {
    const Drive* d = DriveOf(canonical);
    if (!d) return false;
    const std::uint64_t used = UsedBytes(canonical) - oldSize;
    return used + newSize <= d->capacity;
}

bool FakeFiles::HasChildren(const std::string& canonical) const {
    const std::string prefix = KeyOf(canonical) + "\\";
    auto it = nodes_.lower_bound(prefix);
    return it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

bool FakeFiles::Exists(const std::string& path) { return Get(path) != nullptr; }

std::vector<FoundFile> FakeFiles::Find(const std::string& pattern) {
    std::vector<FoundFile> found;
    std::string p = pattern;
    std::replace(p.begin(), p.end(), '/', '\\');
    const auto pos = p.rfind('\\');
    const std::string dir = pos == std::string::npos ? "." : (pos == 2 && p[1] == ':' ? p.substr(0, 3) : p.substr(0, pos));
    const std::string mask = pos == std::string::npos ? p : p.substr(pos + 1);
    const auto c = Canonical(dir);
    if (!c) return found;
    const std::string prefix = KeyOf(*c) + "\\";
    for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->first.find('\\', prefix.size()) != std::string::npos) continue;
        const std::string name = it->second.display.substr(it->second.display.rfind('\\') + 1);
        if (WildMatch(mask, name)) found.push_back({name, it->second.data.size(), it->second.directory});
    }
    return found;
}

bool FakeFiles::Delete(const std::string& path) {
    const auto c = Canonical(path);
    if (!c || !Writable(*c)) return false;
    auto it = nodes_.find(KeyOf(*c));
    if (it == nodes_.end() || it->second.directory || (it->second.attributes & kAttrReadOnly)) return false;
    nodes_.erase(it);
    return true;
}

bool FakeFiles::Copy(const std::string& from, const std::string& to) {
    const Node* src = Get(from);
    const auto c = Canonical(to);
    if (!src || src->directory || !c || !Writable(*c) || !ParentIsDirectory(*c)) return false;
    Node* dst = Get(to);
    if (dst && (dst->directory || (dst->attributes & kAttrReadOnly))) return false;
    if (!Fits(*c, dst ? dst->data.size() : 0, src->data.size())) return false;
    Node copy = *src;
    copy.display = dst ? dst->display : *c;
    nodes_[KeyOf(*c)] = std::move(copy);
    return true;
}

bool FakeFiles::CreateDirectory(const std::string& path) {
    const auto c = Canonical(path);
    if (!c || !Writable(*c) || !ParentIsDirectory(*c) || nodes_.count(KeyOf(*c))) return false;
    nodes_[KeyOf(*c)] = Node{true, *c, {}, kAttrDirectory};
    return true;
}

std::optional<std::uint64_t> FakeFiles::FreeBytes(const std::string& directory) {
    const auto c = Canonical(directory);
    if (!c) return std::nullopt;
    const Drive* d = DriveOf(*c);
    if (!d) return std::nullopt;
    return d->capacity - std::min(d->capacity, UsedBytes(*c));
}

std::string FakeFiles::CurrentDirectory() { return current_.size() == 2 ? current_ + "\\" : current_; }

bool FakeFiles::SetCurrentDirectory(const std::string& path) {
    currentChanges_.push_back(path);
    const auto c = Canonical(path);
    if (!c) return false;
    auto it = nodes_.find(KeyOf(*c));
    if (it == nodes_.end() || !it->second.directory) return false;
    current_ = it->second.display;
    return true;
}

std::optional<std::uint32_t> FakeFiles::GetAttributes(const std::string& path) {
    const Node* n = Get(path);
    if (!n) return std::nullopt;
    return n->attributes;
}

bool FakeFiles::SetAttributes(const std::string& path, std::uint32_t attributes) {
    const auto c = Canonical(path);
    Node* n = Get(path);
    if (!n || !Writable(*c)) return false;
    attributes &= ~kAttrDirectory;
    if (n->directory) attributes |= kAttrDirectory;
    if (attributes != kAttrNormal && (attributes & kAttrNormal)) attributes &= ~kAttrNormal;
    n->attributes = attributes == 0 ? kAttrNormal : attributes;
    return true;
}

bool FakeFiles::RemoveDirectory(const std::string& path) {
    const auto c = Canonical(path);
    if (!c || !Writable(*c) || c->size() <= 2) return false;
    auto it = nodes_.find(KeyOf(*c));
    if (it == nodes_.end() || !it->second.directory || HasChildren(*c)) return false;
    // The current directory (or a directory holding it) is in use.
    const std::string cur = KeyOf(current_);
    const std::string key = KeyOf(*c);
    if (cur == key || cur.rfind(key + "\\", 0) == 0) return false;
    nodes_.erase(it);
    return true;
}

std::optional<std::uint64_t> FakeFiles::FileSize(const std::string& path) {
    const Node* n = Get(path);
    if (!n || n->directory) return std::nullopt;
    return n->data.size();
}

std::optional<std::vector<std::uint8_t>> FakeFiles::ReadAll(const std::string& path) {
    const Node* n = Get(path);
    if (!n || n->directory) return std::nullopt;
    return n->data;
}

bool FakeFiles::WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const auto c = Canonical(path);
    if (!c || !Writable(*c) || !ParentIsDirectory(*c)) return false;
    Node* n = Get(path);
    if (n && (n->directory || (n->attributes & kAttrReadOnly))) return false;
    if (!Fits(*c, n ? n->data.size() : 0, bytes.size())) return false;
    if (n) {
        n->data = bytes;
    } else {
        nodes_[KeyOf(*c)] = Node{false, *c, bytes, kAttrArchive};
    }
    return true;
}

bool FakeFiles::AppendText(const std::string& path, const std::string& text) {
    const Node* n = Get(path);
    std::vector<std::uint8_t> bytes = n && !n->directory ? n->data : std::vector<std::uint8_t>{};
    bytes.insert(bytes.end(), text.begin(), text.end());
    return WriteAll(path, bytes);
}

void FakeFiles::SetCurrentDirectoryValue(const std::string& path) {
    MakeDirectories(path);
    if (const auto c = Canonical(path)) current_ = *c;
}

void FakeFiles::AddDrive(const std::string& drive, std::uint64_t capacity) {
    const std::string d = Upper(drive.substr(0, 2));
    drives_[d].capacity = capacity;
    nodes_[d] = Node{true, d, {}, kAttrDirectory};
}

void FakeFiles::SetDriveWriteProtected(const std::string& drive, bool on) {
    drives_[Upper(drive.substr(0, 2))].writeProtected = on;
}

void FakeFiles::SetWindowsDirectory(const std::string& path) {
    MakeDirectories(path);
    windows_ = path;
}

void FakeFiles::SetSystemDirectory(const std::string& path) {
    MakeDirectories(path);
    system_ = path;
}

void FakeFiles::MakeDirectories(const std::string& path) {
    const auto c = Canonical(path);
    if (!c) return;
    std::string cur = c->substr(0, 2);
    if (!drives_.count(Upper(cur))) AddDrive(cur, 1ull << 30);
    std::size_t pos = 2;
    while (pos < c->size()) {
        const auto next = c->find('\\', pos + 1);
        cur = c->substr(0, next == std::string::npos ? c->size() : next);
        auto& n = nodes_[KeyOf(cur)];
        if (n.display.empty()) n = Node{true, cur, {}, kAttrDirectory};
        pos = next == std::string::npos ? c->size() : next;
    }
}

void FakeFiles::PutFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::uint32_t attributes) {
    const auto c = Canonical(path);
    if (!c) return;
    MakeDirectories(ParentOf(*c));
    nodes_[KeyOf(*c)] = Node{false, *c, bytes, attributes};
}

void FakeFiles::PutText(const std::string& path, const std::string& text, std::uint32_t attributes) {
    PutFile(path, std::vector<std::uint8_t>(text.begin(), text.end()), attributes);
}

std::optional<std::string> FakeFiles::Text(const std::string& path) const {
    const Node* n = Get(path);
    if (!n || n->directory) return std::nullopt;
    return std::string(n->data.begin(), n->data.end());
}

bool FakeFiles::IsFile(const std::string& path) const {
    const Node* n = Get(path);
    return n && !n->directory;
}

bool FakeFiles::IsDirectory(const std::string& path) const {
    const Node* n = Get(path);
    return n && n->directory;
}

std::vector<std::string> FakeFiles::Names(const std::string& directory) const {
    std::vector<std::string> names;
    const auto c = Canonical(directory);
    if (!c) return names;
    const std::string prefix = KeyOf(*c) + "\\";
    for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->first.find('\\', prefix.size()) != std::string::npos) continue;
        names.push_back(it->second.display.substr(it->second.display.rfind('\\') + 1));
    }
    return names;
}

}  // namespace platform::fake
