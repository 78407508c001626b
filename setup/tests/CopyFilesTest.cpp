// Copying the manifest: targets, error choices, skins, progress.
#include <gtest/gtest.h>

#include "setup/CopyDlg.h"
#include "setup/HeadlessViews.h"
#include "setup/SetupApp.h"
#include "setup/tests/SetupFixture.h"

namespace {

using setup::CCopyDlg;
using setup::testing::SetupWorld;

constexpr char kDest[] = "C:\\Program Files\\TV Drovan";

// An SZDD stream made of literals only.
std::vector<std::uint8_t> LiteralSzdd(const std::string& content) {
    const auto n = static_cast<std::uint32_t>(content.size());
    std::vector<std::uint8_t> out = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 'e',
                                     static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                     static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
    for (std::size_t i = 0; i < content.size(); i += 8) {
        out.push_back(0xFF);
        for (std::size_t k = i; k < std::min(content.size(), i + 8); ++k) out.push_back(static_cast<std::uint8_t>(content[k]));
    }
    return out;
}

class CopyFiles : public ::testing::Test {
protected:
    void SetUp() override {
        w.files.AddDrive("D:", 1ull << 31);
        for (const auto& row : setup::InstallManifest()) {
            w.files.PutText(std::string("D:\\") + row.sourceName, std::string("content of ") + row.sourceName);
        }
        w.files.PutFile("D:\\QOR.ex_", LiteralSzdd("the panel program"));
        w.files.MakeDirectories(kDest);
        for (auto dir : setup::kSkinDirectories) w.files.MakeDirectories(kDest + std::string(dir));
        view.SetText(CCopyDlg::kFromText, "Copying Files From:");
        view.SetText(CCopyDlg::kToText, "To:");
        progress.onPump = [this] {
            fromLines.push_back(view.GetText(CCopyDlg::kFromText));
            toLines.push_back(view.GetText(CCopyDlg::kToText));
        };
    }
    int Run(std::span<const setup::ManifestRecord> manifest = setup::InstallManifest()) {
        dlg = std::make_unique<CCopyDlg>(w.services, frame.directories, "D:", kDest, manifest);
        dlg->CopyFiles(view, progress);
        EXPECT_TRUE(view.Closed());
        return view.Result();
    }
    std::size_t CallsFor(const std::string& dest) const {
        std::size_t n = 0;
        for (const auto& c : w.versionInstall.Calls()) n += c.destName == dest;
        return n;
    }

    SetupWorld w;
    setup::CMainFrame frame{w.files};
    setup::HeadlessDialog view;
    platform::fake::FakeProgressView progress;
    std::unique_ptr<CCopyDlg> dlg;
    std::vector<std::string> fromLines, toLines;
};

TEST_F(CopyFiles, InstallsEveryRowIntoItsDirectory) {
    EXPECT_EQ(Run(), 1);
    const std::string sys = "C:\\WINDOWS\\SYSTEM32\\";
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\UNINSTAL.EXE"), "content of SETUP.EXE");
    EXPECT_EQ(w.files.Text(sys + "UNINSTAL.EXE"), "content of SETUP.EXE");
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\QOR.exe"), "the panel program");   // expanded
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\Video.ex_"), "content of Video.ex_");
    EXPECT_EQ(w.files.Text(sys + "KvTV.dll"), "content of KvTV.dll");
    EXPECT_EQ(w.files.Text(sys + "HT_INVER.ax"), "content of HT_INVER.ax");
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\QorSFile.ini"), "content of QorSFile.ini");
    EXPECT_EQ(frame.directories.installation, kDest);
    EXPECT_EQ(w.profiles.File("DevCap.ini").ReadText("Path", "Path", "", 260), kDest);
    ASSERT_EQ(w.versionInstall.Calls().size(), 19u);
    for (const auto& call : w.versionInstall.Calls()) {
        EXPECT_EQ(call.flags, platform::kViffForceInstall);
        EXPECT_EQ(call.sourceDir, "D:");
        EXPECT_EQ(call.currentDir, "");
    }
    EXPECT_EQ(w.clock.SleptMs(), 100u);
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST_F(CopyFiles, ProgressLinesNameTheSourceFileOnlyWhereTheRowSaysSo) {
    Run();
    ASSERT_EQ(fromLines.size(), 19u);
    EXPECT_EQ(fromLines[0], "Copying Files From: D:\\");
    EXPECT_EQ(toLines[0], "To: C:\\Program Files\\TV Drovan\\UNINSTAL.EXE");
    EXPECT_EQ(fromLines[1], "Copying Files From: D:\\QOR.ex_");
    EXPECT_EQ(fromLines[4], "Copying Files From: D:\\SETUP.EXE");
    EXPECT_EQ(toLines[4], "To: C:\\WINDOWS\\SYSTEM32\\UNINSTAL.EXE");
    EXPECT_EQ(fromLines[5], "Copying Files From: D:\\");
    EXPECT_EQ(toLines[5], "To: C:\\Program Files\\TV Drovan\\Vespero.EXE");
}

TEST_F(CopyFiles, RowsMarkedDoNotCopyAreNeitherCopiedNorCountedNorShown) {
    static const setup::ManifestRecord rows[] = {
        {1, "KvTV.dll", "KvTV.dll", setup::kDirSystem, "", 1},
        {1, "remote.exe", "remote.exe", setup::kDirInstall, "DO NOT COPY", 1},
        {1, "mpg2.bmp", "mpg2.bmp", setup::kDirInstall, "", 1},
    };
    EXPECT_EQ(Run(rows), 1);
    EXPECT_EQ(CallsFor("remote.exe"), 0u);
    EXPECT_FALSE(w.files.Exists(std::string(kDest) + "\\remote.exe"));
    EXPECT_EQ(dlg->BytesDone(), std::string("content of KvTV.dll").size() + std::string("content of mpg2.bmp").size());
    EXPECT_EQ(fromLines.size(), 2u);
    for (const auto& line : fromLines) EXPECT_EQ(line.find("remote"), std::string::npos);
}

TEST_F(CopyFiles, RetryRepeatsTheSameFileUntilItSucceeds) {
    w.versionInstall.Script("QOR.exe", {platform::kVifSharingViolation, platform::kVifSharingViolation});
    w.boxes.answers = {platform::kIdRetry, platform::kIdRetry};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(CallsFor("QOR.exe"), 3u);
    ASSERT_EQ(w.boxes.shown.size(), 2u);
    EXPECT_EQ(w.boxes.shown[0].text, "File C:\\Program Files\\TV Drovan\\QOR.exe sharing violation.");
    EXPECT_EQ(w.boxes.shown[0].caption, "Setup");
    EXPECT_EQ(w.boxes.shown[0].style, platform::kMbAbortRetryIgnore | platform::kMbIconExclamation);
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\QOR.exe"), "the panel program");
    EXPECT_EQ(CallsFor("Video.ex_"), 1u);   // then the next row
}

TEST_F(CopyFiles, AbortOnTheFirstRowStillRefreshesTheSkinsAndEndsWithTwo) {
    for (auto dir : setup::kSkinDirectories) {
        for (auto name : setup::kSkinBitmaps) {
            w.files.PutText(kDest + std::string(dir) + "\\" + std::string(name), "old", platform::kAttrReadOnly);
        }
    }
    for (auto name : setup::kSkinBitmaps) w.files.PutText("D:\\panelbmp1\\" + std::string(name), "new 1");
    w.files.PutText("D:\\panelbmp2\\panel.bmp", "new 2");   // the rest of skin 2 and all of skin 3 are missing
    w.versionInstall.Script("UNINSTAL.EXE", {platform::kVifFileInUse});
    w.boxes.answers = {platform::kIdAbort};

    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(w.versionInstall.Calls().size(), 1u);
    EXPECT_EQ(dlg->BytesDone(), 0u);
    EXPECT_EQ(w.boxes.shown[0].text, "File C:\\Program Files\\TV Drovan\\UNINSTAL.EXE in use.");
    EXPECT_EQ(w.files.Names(kDest + std::string("\\panelbmp1")).size(), 13u);
    EXPECT_EQ(w.files.Text(kDest + std::string("\\panelbmp1\\panelover.bmp")), "new 1");
    EXPECT_EQ(w.files.Names(kDest + std::string("\\panelbmp2")), std::vector<std::string>{"panel.bmp"});
    EXPECT_TRUE(w.files.Names(kDest + std::string("\\panelbmp3")).empty());
}

TEST_F(CopyFiles, IgnoreLeavesTheOldFileAndGoesOn) {
    w.files.PutText(std::string(kDest) + "\\MPLAYER2.EXE", "old player");
    w.versionInstall.Script("MPLAYER2.EXE", {platform::kVifOutOfSpace});
    w.boxes.answers = {platform::kIdIgnore};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(w.boxes.shown[0].text, "Out of disk space.");
    EXPECT_EQ(w.files.Text(std::string(kDest) + "\\MPLAYER2.EXE"), "old player");
    EXPECT_EQ(w.versionInstall.Calls().size(), 19u);
}

// Each result: whether it asks, what it says, and that a temporary file
// the installation left behind does not stay.
struct ResultCase {
    const char* name;
    std::uint32_t bits;
    const char* message;   // nullptr: no box
};

class InstallResult : public CopyFiles, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(InstallResult, DecidesTheBoxAndCleansUp) {
    const ResultCase& c = GetParam();
    static const setup::ManifestRecord rows[] = {{1, "KvTV.dll", "KvTV.dll", setup::kDirSystem, "", 1}};
    w.versionInstall.Script("KvTV.dll", {c.bits});
    w.boxes.answers = {platform::kIdIgnore};
    EXPECT_EQ(Run(rows), 1);
    if (c.message) {
        ASSERT_EQ(w.boxes.shown.size(), 1u);
        EXPECT_EQ(w.boxes.shown[0].text, c.message);
    } else {
        EXPECT_TRUE(w.boxes.shown.empty());
    }
    for (const auto& name : w.files.Names("C:\\WINDOWS\\SYSTEM32")) EXPECT_EQ(name.rfind("VIF", 0), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(Bits, InstallResult, ::testing::Values(
    ResultCase{"success", 0, nullptr},
    ResultCase{"mismatch_only", platform::kVifMismatch, nullptr},
    ResultCase{"access_violation_is_skipped", platform::kVifAccessViolation | platform::kVifTempFile, nullptr},
    ResultCase{"in_use", platform::kVifFileInUse, "File C:\\WINDOWS\\SYSTEM32\\KvTV.dll in use."},
    ResultCase{"first_bit_decides", platform::kVifFileInUse | platform::kVifOutOfMemory,
               "File C:\\WINDOWS\\SYSTEM32\\KvTV.dll in use."},
    ResultCase{"out_of_memory", platform::kVifOutOfMemory, "Out of memory."},
    ResultCase{"cannot_read_source", platform::kVifCannotReadSrc, "Cannot read source file D:\\KvTV.dll."},
    ResultCase{"cannot_create", platform::kVifCannotCreate | platform::kVifTempFile,
               "Cannot create a temporary file for C:\\WINDOWS\\SYSTEM32\\KvTV.dll."},
    ResultCase{"cannot_delete", platform::kVifCannotDelete | platform::kVifTempFile,
               "Cannot delete the existing file C:\\WINDOWS\\SYSTEM32\\KvTV.dll."},
    ResultCase{"cannot_rename", platform::kVifCannotRename | platform::kVifTempFile,
               "Cannot rename the temporary file to C:\\WINDOWS\\SYSTEM32\\KvTV.dll."},
    ResultCase{"cannot_delete_current", platform::kVifCannotDeleteCur, "Cannot delete the current version of KvTV.dll."},
    ResultCase{"cannot_read_destination", platform::kVifCannotReadDst,
               "Cannot read destination file C:\\WINDOWS\\SYSTEM32\\KvTV.dll."},
    ResultCase{"buffer_too_small", platform::kVifBuffTooSmall | platform::kVifTempFile,
               "Cannot install C:\\WINDOWS\\SYSTEM32\\KvTV.dll: the temporary name is too long."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyFiles, AMissingSourceCountsNothingAndReportsIt) {
    static const setup::ManifestRecord rows[] = {{1, "absent.dll", "absent.dll", setup::kDirSystem, "", 1}};
    w.boxes.answers = {platform::kIdIgnore};
    EXPECT_EQ(Run(rows), 1);
    EXPECT_EQ(dlg->BytesDone(), 0u);
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_EQ(w.boxes.shown[0].text, "Cannot read source file D:\\absent.dll.");
}

// The bar: a fixed 2,200,000 bytes are 100 %; more keeps it full, and a
// total far beyond 32 bits of percent arithmetic still shows 100 %.
struct BarCase {
    std::uint64_t bytes;
    std::uint32_t percent;   // before painting
    int filled;              // of 278 pixels
    const char* text;
};

class Bar : public CopyFiles, public ::testing::WithParamInterface<BarCase> {};

TEST_P(Bar, ShowsTheCopiedShare) {
    const BarCase& c = GetParam();
    static const setup::ManifestRecord rows[] = {{1, "big.bin", "big.bin", setup::kDirInstall, "", 1}};
    w.files.PutFile("D:\\big.bin", std::vector<std::uint8_t>(c.bytes));
    w.versionInstall.Script("big.bin", {0});   // installed without a second copy in memory
    Run(rows);
    EXPECT_EQ(dlg->Percent(), c.percent);
    const auto paint = dlg->PaintBar({0, 0, 280, 11});
    EXPECT_EQ(paint.area.left, 1);
    EXPECT_EQ(paint.area.right, 279);
    EXPECT_EQ(paint.area.bottom, 10);
    EXPECT_EQ(paint.filledWidth, c.filled);
    EXPECT_EQ(paint.text, c.text);
    EXPECT_LE(dlg->Percent(), 100u);
}

INSTANTIATE_TEST_SUITE_P(Totals, Bar, ::testing::Values(
    BarCase{1100000, 50, 139, "50%"},
    BarCase{2199999, 99, 275, "99%"},
    BarCase{2200000, 100, 278, "100%"},
    BarCase{3000000, 136, 278, "100%"},
    BarCase{45000000, 2045, 278, "100%"}));   // 45,000,000 x 100 does not fit 32 bits

TEST(CopyDialog, SitsCentredNearTheBottom) {
    const auto p = CCopyDlg::Placement(1024, 768, 450, 130);
    EXPECT_EQ(p.x, 287);
    EXPECT_EQ(p.y, 768 - 156);
}

}  // namespace
