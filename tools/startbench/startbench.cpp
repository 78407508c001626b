// startbench: time from starting a program to its window being shown.
//
//   startbench RUNS CLASS TITLE CLOSE_ID COMMAND_LINE
//
// Starts COMMAND_LINE RUNS times; each time waits until a visible window of
// CLASS and TITLE exists, notes the time, then closes the window (WM_COMMAND
// CLOSE_ID, or WM_CLOSE when CLOSE_ID is 0) and waits for the process to end.
// Prints every time and the median in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startbench RUNS CLASS TITLE CLOSE_ID COMMAND_LINE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* cls = argv[2];
    const char* title = argv[3];
    const int closeId = std::atoi(argv[4]);
    std::string cmd = argv[5];

    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            std::fprintf(stderr, "startbench: cannot start %s\n", cmd.c_str());
            return 1;
        }
        HWND w = nullptr;
        for (;;) {
            w = FindWindowA(cls, title);
            if (w != nullptr && IsWindowVisible(w)) break;
            QueryPerformanceCounter(&t1);
            if ((t1.QuadPart - t0.QuadPart) / freq.QuadPart > 30) {
                std::fprintf(stderr, "startbench: no window after 30 s\n");
                TerminateProcess(pi.hProcess, 1);
                return 1;
            }
            Sleep(0);
        }
        QueryPerformanceCounter(&t1);
        times.push_back(1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart));
        if (closeId != 0) PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(closeId), 0);
        else PostMessageA(w, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        std::printf("run %d: %.1f ms\n", i + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms\n", times[times.size() / 2]);
    return 0;
}
