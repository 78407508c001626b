// Version-aware installation over the in-memory file system.  A source in
// the "SZDD" compressed format goes through the expander the test supplies
// (unchanged without one); any other source is copied as it is.  Tests can
// script the results of the next attempts for a destination name.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/VersionInstall.h"
#include "platform/fake/FakeFiles.h"

namespace platform::fake {

class FakeVersionInstall final : public VersionInstall {
public:
    using Expander = std::function<std::optional<std::vector<std::uint8_t>>(const std::vector<std::uint8_t>&)>;

    struct Call {
        std::uint32_t flags = 0;
        std::string sourceName, destName, sourceDir, targetDir, currentDir;
    };

    explicit FakeVersionInstall(FakeFiles& files, Expander expand = {}) : files_(files), expand_(std::move(expand)) {}

    std::uint32_t Install(std::uint32_t flags, const std::string& sourceName, const std::string& destName,
                          const std::string& sourceDir, const std::string& targetDir,
                          const std::string& currentDir, std::string& tempName) override;

    // The next attempts for destName return these results in order without
    // installing; a result with kVifTempFile leaves a temporary file in the
    // target directory and names it.
    void Script(const std::string& destName, std::vector<std::uint32_t> results);
    const std::vector<Call>& Calls() const { return calls_; }

private:
    FakeFiles& files_;
    Expander expand_;
    std::map<std::string, std::deque<std::uint32_t>> scripted_;   // by upper-case name
    std::vector<Call> calls_;
    int tempCounter_ = 0;
};

}  // namespace platform::fake
