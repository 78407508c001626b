#include "tests/wine/WineRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

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
