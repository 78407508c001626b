// skingen: draws the three skins that ship with the panel and writes them,
// with the panel INI, below a directory (default: skins).
//
//   skingen [DIRECTORY]
//
// Exit 0 on success, 1 when a file cannot be written, 2 on a usage error.
#include <cstdio>
#include <string>

#include "tools/skingen/SkinGen.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: skingen [DIRECTORY]\n");
        return 2;
    }
    const std::string dir = argc == 2 ? argv[1] : "skins";
    std::string error;
    if (!skingen::GenerateSkins(dir, &error)) {
        std::fprintf(stderr, "skingen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
