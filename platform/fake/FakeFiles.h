// An in-memory file system for tests: drives with a capacity, directories
// and files with attributes and content, the Windows and system directories
// and a current directory.  Paths are compared without regard to case,
// "/" counts as "\", relative and drive-rooted paths resolve against the
// current directory, "." and ".." are resolved.  The system's refusals are
// modelled: no file in a missing directory, no write to a read-only file or
// a write-protected drive, no deletion of a read-only file, no removal of a
// directory that is not empty or is (or holds) the current directory, no
// name with characters the system rejects, nothing beyond free space.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/FileOps.h"
#include "platform/Files.h"

namespace platform::fake {

class FakeFiles final : public Files, public FileOps {
public:
    // Drive C: of 1 GiB with "C:\WINDOWS" and "C:\WINDOWS\SYSTEM32"; the
    // current directory is "C:\".
    FakeFiles();

    // Files
    bool Exists(const std::string& path) override;
    std::vector<FoundFile> Find(const std::string& pattern) override;
    bool Delete(const std::string& path) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool CreateDirectory(const std::string& path) override;
    std::optional<std::uint64_t> FreeBytes(const std::string& directory) override;
    std::string WindowsDirectory() override { return windows_; }
    std::string SystemDirectory() override { return system_; }
    std::string CurrentDirectory() override;
    bool SetCurrentDirectory(const std::string& path) override;

    // FileOps
    std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool RemoveDirectory(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool AppendText(const std::string& path, const std::string& text) override;

    // Test side.
    void AddDrive(const std::string& drive, std::uint64_t capacity);   // "D:"
    void SetDriveWriteProtected(const std::string& drive, bool on);
    void SetWindowsDirectory(const std::string& path);                  // created when missing
    void SetSystemDirectory(const std::string& path);
    void MakeDirectories(const std::string& path);
    void PutFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::uint32_t attributes = kAttrArchive);             // directories created
    void PutText(const std::string& path, const std::string& text, std::uint32_t attributes = kAttrArchive);
    std::optional<std::string> Text(const std::string& path) const;    // a file's content
    bool IsFile(const std::string& path) const;
    bool IsDirectory(const std::string& path) const;
    std::vector<std::string> Names(const std::string& directory) const; // sorted entries
    std::uint64_t UsedBytes(const std::string& drive) const;
    // Makes the directory (and its parents) and the current directory.
    void SetCurrentDirectoryValue(const std::string& path);
    // Every path SetCurrentDirectory was asked for, in order.
    const std::vector<std::string>& CurrentDirectoryChanges() const { return currentChanges_; }

private:
    struct Node {
        bool directory = false;
        std::string display;          // canonical path as first written
        std::vector<std::uint8_t> data;
        std::uint32_t attributes = kAttrArchive;
    };
    struct Drive {
        std::uint64_t capacity = 0;
        bool writeProtected = false;
    };

    // Canonical "X:\a\b" form ("X:" for a root); none for a path the
    // system would reject.
    std::optional<std::string> Canonical(const std::string& path) const;
    static std::string KeyOf(const std::string& canonical);
    static std::string ParentOf(const std::string& canonical);
    const Node* Get(const std::string& path) const;
    Node* Get(const std::string& path);
    const Drive* DriveOf(const std::string& canonical) const;
    bool Writable(const std::string& canonical) const;   // drive present, not protected
    bool ParentIsDirectory(const std::string& canonical) const;
    bool Fits(const std::string& canonical, std::uint64_t oldSize, std::uint64_t newSize) const;
    bool HasChildren(const std::string& canonical) const;

    std::map<std::string, Node> nodes_;     // by upper-case canonical path
    std::map<std::string, Drive> drives_;   // "C:"
    std::string windows_;
    std::string system_;
    std::string current_;
    std::vector<std::string> currentChanges_;
};

}  // namespace platform::fake
