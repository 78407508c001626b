// Processes (shape): starting programs without waiting (WinExec) and opening
// documents with their program (ShellExecuteA "open").
#pragma once

#include <string>

namespace platform {

class Processes {
public:
    virtual ~Processes() = default;
    // The command line is taken as it stands; callers quote program paths.
    virtual bool Run(const std::string& commandLine, int showCommand) = 0;
    virtual bool Open(const std::string& document) = 0;
};

}  // namespace platform
