#include <windows.h>
// The portable interface has methods of these names; <windows.h> makes them macros.
#undef CreateDirectory
#undef SetCurrentDirectory

#include <cstring>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {
namespace {

// Calls one of the "fill this buffer" functions that answer the length
// written, or the size needed when the buffer is too small; 0 is failure.
template <typename Get>
std::string ReadSystemText(Get&& get) {
    std::string buf(MAX_PATH + 1, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD n = get(buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.assign(n + 1, '\0');
    }
    return {};
}

bool IsDirectory(const std::string& path) {
    const DWORD a = ::GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<FoundFile> Win32Files::Find(const std::string& pattern) {
    std::vector<FoundFile> found;
    WIN32_FIND_DATAA data{};
    UniqueFind search(::FindFirstFileA(pattern.c_str(), &data));
    if (!search) return found;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0) continue;
        FoundFile f;
        f.name = data.cFileName;
        f.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        f.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        found.push_back(std::move(f));
    } while (::FindNextFileA(search.get(), &data));
    return found;
}

bool Win32Files::Delete(const std::string& path) { return ::DeleteFileA(path.c_str()) != FALSE; }

bool Win32Files::Copy(const std::string& from, const std::string& to) {
    return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool Win32Files::CreateDirectory(const std::string& path) {
    if (::CreateDirectoryA(path.c_str(), nullptr)) return true;
    return ::GetLastError() == ERROR_ALREADY_EXISTS && IsDirectory(path);
}

std::optional<std::uint64_t> Win32Files::FreeBytes(const std::string& directory) {
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!::GetDiskFreeSpaceExA(directory.empty() ? nullptr : directory.c_str(), &available, &total, &totalFree)) {
        return std::nullopt;
    }
    return available.QuadPart;  // what this user may still write
}

std::string Win32Files::WindowsDirectory() {
    return ReadSystemText([](char* b, DWORD n) { return static_cast<DWORD>(::GetWindowsDirectoryA(b, n)); });
}

std::string Win32Files::SystemDirectory() {
    return ReadSystemText([](char* b, DWORD n) { return static_cast<DWORD>(::GetSystemDirectoryA(b, n)); });
}

std::string Win32Files::CurrentDirectory() {
    return ReadSystemText([](char* b, DWORD n) { return ::GetCurrentDirectoryA(n, b); });
}

bool Win32Files::SetCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) != FALSE;
}

}  // namespace platform::win32
