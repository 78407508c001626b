// What the stand-in programs share: the log of the messages they receive and
// the directory they run from.
//
// A log is a file beside the program, opened once for appending; each line
// reaches the file before Append returns, so a test can read it at any time:
//   <message> <first> <second> <posted|sent>
// "sent" when the message came by SendMessage from another thread.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

namespace standins {

inline std::string ProgramDirectory() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n < MAX_PATH ? n : MAX_PATH);
    const std::size_t slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
}

class MessageLog {
public:
    // `fileName` lies beside the program.
    explicit MessageLog(const std::string& fileName)
        : file_(::CreateFileA((ProgramDirectory() + "\\" + fileName).c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}

    void Append(const std::string& message, long long first, long long second) {
        if (!file_) return;
        const std::string line = message + " " + std::to_string(first) + " " + std::to_string(second) +
                                 (::InSendMessage() ? " sent\n" : " posted\n");
        DWORD written = 0;
        ::WriteFile(file_.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

private:
    platform::win32::UniqueFile file_;
};

// The panel window, to which the stand-ins report.
inline constexpr char kPanelClass[] = "Kestrova Glimvale";
inline constexpr char kPanelTitle[] = "Panel";

}  // namespace standins
