// Running programs from the tests: native ones directly, Windows ones under
// the project's Wine prefix (tools/wine/qwine), with their standard output
// caught in a file (a pipe could be held open by the Wine server).
#pragma once

#include <string>
#include <vector>

namespace winetest {

struct RunResult {
    int exitCode = -1;
    std::string output;
};

// Runs argv[0] with the rest as arguments and waits for it.
RunResult Run(const std::vector<std::string>& argv);
// Runs a Windows program under Wine; the arguments are passed as they are.
RunResult RunWine(const std::string& exe, const std::vector<std::string>& args, int timeoutSeconds = 60);

// A program started in the background, in a process group of its own (with
// the Wine process under it).  Standard output goes to a file that can be
// read at any time.  Going out of scope stops the whole group and waits for
// it, so nothing outlives a failed test.
class BackgroundProcess {
public:
    BackgroundProcess() = default;
    BackgroundProcess(int pid, std::string outputPath);
    ~BackgroundProcess();
    BackgroundProcess(BackgroundProcess&& o) noexcept;
    BackgroundProcess& operator=(BackgroundProcess&& o) noexcept;
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // Waits up to timeoutMs for the program to end by itself.
    bool WaitForExit(int timeoutMs);
    bool Exited() const { return exited_; }
    int ExitCode() const { return exitCode_; }
    // Terminates the group (SIGTERM, then SIGKILL after a grace period) and waits.
    void Stop();
    std::string Output() const;

private:
    void Release();

    int pid_ = -1;
    bool exited_ = false;
    int exitCode_ = -1;
    std::string outputPath_;
};

// Runs a Windows program under Wine without waiting for it.
BackgroundProcess RunWineBackground(const std::string& exe, const std::vector<std::string>& args,
                                    int timeoutSeconds = 60);

// Z:\ path of a Linux path, as Wine maps the root file system.
std::string WinePath(const std::string& linuxPath);

// Folders the build passes in: the source tree and the win64 programs.
std::string SourceDir();
std::string Win64BinDir();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace winetest
