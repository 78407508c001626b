#include <windows.h>
// The portable interfaces have methods of these names; <windows.h> makes them macros.
#undef RemoveDirectory

#include <limits>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Setup.h"

namespace platform::win32 {
namespace {

HKEY RootKey(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

UniqueFile OpenForReading(const std::string& path) {
    return UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Writes all bytes, in pieces a single WriteFile takes.
bool WriteWhole(HANDLE file, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const DWORD piece = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file, data, piece, &written, nullptr) || written != piece) return false;
        data += piece;
        size -= piece;
    }
    return true;
}

// Length of an open file (GetFileSize: the 9x family lacks GetFileSizeEx).
std::optional<std::uint64_t> SizeOf(HANDLE file) {
    DWORD high = 0;
    const DWORD low = ::GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

}  // namespace

std::optional<std::uint32_t> Win32FileOps::GetAttributes(const std::string& path) {
    const DWORD a = ::GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

bool Win32FileOps::SetAttributes(const std::string& path, std::uint32_t attributes) {
    return ::SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool Win32FileOps::RemoveDirectory(const std::string& path) { return ::RemoveDirectoryA(path.c_str()) != FALSE; }

std::optional<std::uint64_t> Win32FileOps::FileSize(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file) return std::nullopt;
    return SizeOf(file.get());
}

std::optional<std::vector<std::uint8_t>> Win32FileOps::ReadAll(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file) return std::nullopt;
    const auto size = SizeOf(file.get());
    if (!size || *size > std::numeric_limits<DWORD>::max()) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32FileOps::WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // The new content goes to a file beside the old one first; only a
    // complete copy replaces it.
    const std::string temp = path + ".new";
    UniqueFile file(
        ::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const bool written = WriteWhole(file.get(), bytes.data(), bytes.size());
    file.reset();
    if (!written) {
        ::DeleteFileA(temp.c_str());
        return false;
    }
    if (::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    // The 9x family has no MoveFileEx: the old file goes first there.
    if (::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        const bool gone = ::DeleteFileA(path.c_str()) || ::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
        if (gone && ::MoveFileA(temp.c_str(), path.c_str())) return true;
    }
    ::DeleteFileA(temp.c_str());
    return false;
}

bool Win32FileOps::AppendText(const std::string& path, const std::string& text) {
    const UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LONG high = 0;
    if (::SetFilePointer(file.get(), 0, &high, FILE_END) == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
        return false;
    }
    return WriteWhole(file.get(), reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

bool Win32RegistryKeys::DeleteSingleKey(RegRoot root, const std::string& path) {
    if (path.find_first_not_of('\\') == std::string::npos) return false;
    return ::RegDeleteKeyA(RootKey(root), path.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform::win32
