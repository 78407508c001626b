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

// Z:\ path of a Linux path, as Wine maps the root file system.
std::string WinePath(const std::string& linuxPath);

// Folders the build passes in: the source tree and the win64 programs.
std::string SourceDir();
std::string Win64BinDir();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace winetest
