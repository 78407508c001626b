#include "tests/wine/WineRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

extern char** environ;

namespace winetest {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

RunResult Run(const std::vector<std::string>& argv) {
    char name[] = "/tmp/qor-run-XXXXXX";
    const int fd = mkstemp(name);
    RunResult r;
    if (fd < 0) return r;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fd, 1);
    // Standard error goes nowhere: Wine's helper processes outlive the
    // program and would hold a pipe of the test runner open.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);

    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(fd);
    r.output = ReadFile(name);
    unlink(name);
    return r;
}

RunResult RunWine(const std::string& exe, const std::vector<std::string>& args, int timeoutSeconds) {
    std::vector<std::string> argv{SourceDir() + "/tools/wine/qwine", "-t", std::to_string(timeoutSeconds), exe};
    argv.insert(argv.end(), args.begin(), args.end());
    return Run(argv);
}

BackgroundProcess::BackgroundProcess(int pid, std::string outputPath)
    : pid_(pid), outputPath_(std::move(outputPath)) {}

BackgroundProcess::~BackgroundProcess() { Release(); }

BackgroundProcess::BackgroundProcess(BackgroundProcess&& o) noexcept
    : pid_(std::exchange(o.pid_, -1)),
      exited_(o.exited_),
      exitCode_(o.exitCode_),
      outputPath_(std::move(o.outputPath_)) {
    o.outputPath_.clear();
}

BackgroundProcess& BackgroundProcess::operator=(BackgroundProcess&& o) noexcept {
    if (this != &o) {
        Release();
        pid_ = std::exchange(o.pid_, -1);
        exited_ = o.exited_;
        exitCode_ = o.exitCode_;
        outputPath_ = std::move(o.outputPath_);
        o.outputPath_.clear();
    }
    return *this;
}

void BackgroundProcess::Release() {
    Stop();
    if (!outputPath_.empty()) unlink(outputPath_.c_str());
    outputPath_.clear();
}

bool BackgroundProcess::WaitForExit(int timeoutMs) {
    if (pid_ <= 0) return false;
    if (exited_) return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno == ECHILD)) {
            exited_ = true;
            if (r == pid_) exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void BackgroundProcess::Stop() {
    if (pid_ <= 0) return;
    // The group is signalled only while its leader is not yet reaped, so its
    // number cannot have been given to another group.
    if (!exited_) {
        kill(-pid_, SIGTERM);
        if (!WaitForExit(3000)) {
            kill(-pid_, SIGKILL);
            WaitForExit(10000);
        }
    }
    pid_ = -1;
}

std::string BackgroundProcess::Output() const { return outputPath_.empty() ? std::string() : ReadFile(outputPath_); }

BackgroundProcess RunWineBackground(const std::string& exe, const std::vector<std::string>& args,
                                    int timeoutSeconds) {
    char name[] = "/tmp/qor-bg-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return {};

    std::vector<std::string> argv{SourceDir() + "/tools/wine/qwine", "-t", std::to_string(timeoutSeconds), exe};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargs;
    for (const std::string& a : argv) cargs.push_back(const_cast<char*>(a.c_str()));
    cargs.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fd, 1);
    // Standard error goes nowhere: Wine's helper processes outlive the
    // program and would hold a pipe of the test runner open.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);  // a group of its own, named by its pid

    pid_t pid = 0;
    const bool started = posix_spawn(&pid, cargs[0], &actions, &attributes, cargs.data(), environ) == 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(fd);
    if (!started) {
        unlink(name);
        return {};
    }
    return BackgroundProcess(pid, name);
}

std::string WinePath(const std::string& linuxPath) {
    std::string p = "Z:" + linuxPath;
    for (char& c : p) {
        if (c == '/') c = '\\';
    }
    return p;
}

std::string SourceDir() { return QOR_SOURCE_DIR; }

std::string Win64BinDir() {
    const char* env = std::getenv("QOR_WIN64_BIN");
    return env != nullptr ? env : QOR_WIN64_BIN_DEFAULT;
}

}  // namespace winetest
