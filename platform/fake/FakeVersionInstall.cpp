#include "platform/fake/FakeVersionInstall.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::fake {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool IsSzdd(const std::vector<std::uint8_t>& d) {
    static const std::uint8_t magic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    return d.size() >= 8 && std::equal(magic, magic + 8, d.begin());
}

}  // namespace

void FakeVersionInstall::Script(const std::string& destName, std::vector<std::uint32_t> results) {
    auto& q = scripted_[Upper(destName)];
    q.insert(q.end(), results.begin(), results.end());
}

std::uint32_t FakeVersionInstall::Install(std::uint32_t flags, const std::string& sourceName,
                                          const std::string& destName, const std::string& sourceDir,
                                          const std::string& targetDir, const std::string& currentDir,
                                          std::string& tempName) {
    calls_.push_back({flags, sourceName, destName, sourceDir, targetDir, currentDir});
    tempName.clear();
    auto it = scripted_.find(Upper(destName));
    if (it != scripted_.end() && !it->second.empty()) {
        const std::uint32_t r = it->second.front();
        it->second.pop_front();
        if (r & kVifTempFile) {
            char name[32];
            std::snprintf(name, sizeof name, "VIF%04X.tmp", ++tempCounter_);
            tempName = name;
            files_.WriteAll(targetDir + "\\" + tempName, {1, 2, 3});
        }
        return r;
    }
    auto data = files_.ReadAll(sourceDir + "\\" + sourceName);
    if (!data) return kVifCannotReadSrc;
    if (IsSzdd(*data) && expand_) {
        auto expanded = expand_(*data);
        if (!expanded) return kVifCannotReadSrc;
        data = std::move(expanded);
    }
    if (!files_.IsDirectory(targetDir)) return kVifCannotCreate;
    const std::string dest = targetDir + "\\" + destName;
    if (auto attrs = files_.GetAttributes(dest); attrs && (*attrs & kAttrReadOnly)) return kVifAccessViolation;
    if (!files_.WriteAll(dest, *data)) return kVifOutOfSpace;
    return 0;
}

}  // namespace platform::fake
