// profilebench: times single-key reads from a settings file of about 3,000
// keys through the profile store of this build (our own store natively, the
// system's functions in the Windows build).
//
//   profilebench FILE [READS]
//
// Writes FILE (30 sections of 100 keys), then reads keys spread over the
// whole file and prints the first (cold) read and the mean of the rest in
// microseconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#ifdef _WIN32
#include "platform/win32/Win32Profile.h"
using Store = platform::win32::PrivateProfile;
#else
#include "platform/ini/IniFileProfile.h"
using Store = platform::ini::IniFileProfile;
#endif

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: profilebench FILE [READS]\n");
        return 2;
    }
    const std::string path = argv[1];
    const int reads = argc > 2 ? std::atoi(argv[2]) : 2000;

    std::string text;
    for (int s = 0; s < 30; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 100; ++k) text += "Key" + std::to_string(k) + "=Value " + std::to_string(s * 100 + k) + "\r\n";
    }
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    } else {
        std::fprintf(stderr, "profilebench: cannot write %s\n", path.c_str());
        return 1;
    }

    Store store(path);
    using clock = std::chrono::steady_clock;
    auto t0 = clock::now();
    std::string first = store.ReadText("Section15", "Key50", "", 260);
    const double coldUs = std::chrono::duration<double, std::micro>(clock::now() - t0).count();

    std::size_t total = 0;
    t0 = clock::now();
    for (int i = 0; i < reads; ++i) {
        const int s = (i * 7) % 30, k = (i * 13) % 100;
        total += store.ReadText("Section" + std::to_string(s), "Key" + std::to_string(k), "", 260).size();
    }
    const double warmUs = std::chrono::duration<double, std::micro>(clock::now() - t0).count() / reads;
    std::printf("%s keys=3000 bytes=%zu first_read_us=%.1f mean_read_us=%.1f (%s, %zu chars read)\n",
#ifdef _WIN32
                "system-functions",
#else
                "our-store",
#endif
                text.size(), coldUs, warmUs, first.c_str(), total);
    return first == "Value 1550" ? 0 : 1;
}
