// The setup program's logic over in-memory platform parts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeProfile.h"
#include "platform/fake/RawRegistry.h"
#include "platform/fake/FakeSetupSystem.h"
#include "platform/fake/FakeSetupUi.h"
#include "platform/fake/FakeVersionInstall.h"
#include "setup/InstallLog.h"
#include "setup/SetupServices.h"
#include "setup/Szdd.h"

namespace setup::testing {

// Collects log lines.
class MemoryLog final : public InstallLog {
public:
    void Line(const std::string& text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

struct SetupWorld {
    platform::fake::FakeFiles files;
    platform::fake::RawRegistry registry;
    platform::fake::MemoryProfiles profiles;
    platform::fake::RecordingProcesses processes;
    platform::fake::FakeVersionInstall versionInstall{
        files, [](const std::vector<std::uint8_t>& d) { return szdd::Expand(d); }};
    platform::fake::FakeDde dde;
    platform::fake::FakeShellLinks links;
    platform::fake::FakeMessageBoxes boxes;
    platform::fake::FakeStringTable strings;
    platform::fake::FakeSetupDialogs dialogs;
    platform::fake::FakeSetupSystem system;
    platform::fake::FakeDirectXProbe directX;
    platform::fake::FakeClock clock;
    MemoryLog log;

    SetupServices services{files,  files,   registry, registry, profiles, processes, versionInstall, dde,
                           links,  boxes,   strings,  dialogs,  system,   directX,   clock,          log};

    // Every error bit's text mentions nothing; lines of one text file.
    static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
};

}  // namespace setup::testing
