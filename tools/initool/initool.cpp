// initool: reads and writes settings files from the command line, through
// the same profile store the programs use (the real Windows functions in the
// Windows build, our own store elsewhere).
//
//   initool get FILE SECTION KEY DEFAULT SIZE   prints the text read and a newline
//   initool getint FILE SECTION KEY DEFAULT     prints the unsigned decimal result
//   initool set FILE SECTION KEY VALUE
//   initool delkey FILE SECTION KEY
//   initool delsection FILE SECTION
//
// Exit 0 on success, 1 when a write is refused, 2 on a usage error.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include "platform/win32/Win32Profile.h"
#else
#include "platform/ini/IniFileProfile.h"
#endif

namespace {

int Usage(const char* why) {
    std::fprintf(stderr, "initool: %s (usage: initool get|getint|set|delkey|delsection FILE SECTION [KEY [VALUE|DEFAULT [SIZE]]])\n", why);
    return 2;
}

bool ParseNumber(const char* text, long long low, long long high, long long& out) {
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

std::unique_ptr<platform::ProfileStore> Open(const char* path) {
#ifdef _WIN32
    return std::make_unique<platform::win32::PrivateProfile>(path);
#else
    return std::make_unique<platform::ini::IniFileProfile>(path);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc < 4) return Usage("too few arguments");
    const std::string op = argv[1];
    auto store = Open(argv[2]);
    const char* section = argv[3];

    if (op == "get") {
        if (argc != 7) return Usage("get takes FILE SECTION KEY DEFAULT SIZE");
        long long size = 0;
        if (!ParseNumber(argv[6], 0, 1 << 20, size)) return Usage("SIZE must be a number from 0 to 1048576");
        std::string text = store->ReadText(section, argv[4], argv[5], static_cast<std::size_t>(size));
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    }
    if (op == "getint") {
        if (argc != 6) return Usage("getint takes FILE SECTION KEY DEFAULT");
        long long def = 0;
        if (!ParseNumber(argv[5], -2147483648LL, 2147483647LL, def)) return Usage("DEFAULT must be a 32-bit number");
        std::printf("%lu\n", static_cast<unsigned long>(store->ReadInt(section, argv[4], static_cast<std::int32_t>(def))));
        return 0;
    }
    if (op == "set") {
        if (argc != 6) return Usage("set takes FILE SECTION KEY VALUE");
        return store->WriteText(section, argv[4], argv[5]) ? 0 : 1;
    }
    if (op == "delkey") {
        if (argc != 5) return Usage("delkey takes FILE SECTION KEY");
        return store->DeleteKey(section, argv[4]) ? 0 : 1;
    }
    if (op == "delsection") {
        if (argc != 4) return Usage("delsection takes FILE SECTION");
        return store->DeleteSection(section) ? 0 : 1;
    }
    return Usage("unknown operation");
}
