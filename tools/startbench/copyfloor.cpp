// copyfloor: copies a directory tree with CopyFileA, the least an installer
// does (the floor against which the unattended install is measured).
//
//   copyfloor SOURCE_DIR TARGET_DIR
#include <windows.h>

#include <cstdio>
#include <string>

static int CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((from + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    int copied = 0;
    do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            copied += CopyTree(from + "\\" + name, to + "\\" + name);
        } else if (CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE)) {
            ++copied;
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return copied;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: copyfloor SOURCE_DIR TARGET_DIR\n");
        return 2;
    }
    std::printf("%d files copied\n", CopyTree(argv[1], argv[2]));
    return 0;
}
