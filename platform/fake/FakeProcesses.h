// Program starts for tests: every command line run and document opened is
// recorded; a hook lets a test make the started program "appear" (register
// its window) the way the real one would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace platform::fake {

struct StartedProgram {
    std::string commandLine;
    int showCommand = 0;
};

class FakeProcesses final : public Processes {
public:
    using RunHook = std::function<void(const std::string& commandLine, int showCommand)>;

    bool Run(const std::string& commandLine, int showCommand) override {
        runs_.push_back({commandLine, showCommand});
        if (onRun_) onRun_(commandLine, showCommand);
        return succeed_;
    }
    bool Open(const std::string& document) override {
        opened_.push_back(document);
        return succeed_;
    }

    void OnRun(RunHook hook) { onRun_ = std::move(hook); }
    void SetSucceed(bool ok) { succeed_ = ok; }
    const std::vector<StartedProgram>& Runs() const { return runs_; }
    const std::vector<std::string>& Opened() const { return opened_; }

private:
    RunHook onRun_;
    bool succeed_ = true;
    std::vector<StartedProgram> runs_;
    std::vector<std::string> opened_;
};

}  // namespace platform::fake
