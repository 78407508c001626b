#include "setup/CopyDlg.h"

#include <algorithm>
#include <limits>


namespace setup {

std::optional<CopyFailure> CopyFailureFor(std::uint32_t r, const std::string& targetDir, const std::string& destName,
                                          const std::string& sourceDir, const std::string& sourceName) {
    const std::string target = targetDir + "\\" + destName;
    // The first bit set decides.
    if (r & platform::kVifFileInUse) return CopyFailure{"File " + target + " in use."};
    if (r & platform::kVifOutOfSpace) return CopyFailure{"Out of disk space."};
    if (r & platform::kVifAccessViolation) return CopyFailure{"", true};
    if (r & platform::kVifSharingViolation) return CopyFailure{"File " + target + " sharing violation."};
    if (r & platform::kVifCannotCreate) return CopyFailure{"Cannot create a temporary file for " + target + "."};
    if (r & platform::kVifCannotDelete) return CopyFailure{"Cannot delete the existing file " + target + "."};
    if (r & platform::kVifCannotRename) return CopyFailure{"Cannot rename the temporary file to " + target + "."};
    if (r & platform::kVifCannotDeleteCur) return CopyFailure{"Cannot delete the current version of " + destName + "."};
    if (r & platform::kVifOutOfMemory) return CopyFailure{"Out of memory."};
    if (r & platform::kVifCannotReadSrc) return CopyFailure{"Cannot read source file " + sourceDir + "\\" + sourceName + "."};
    if (r & platform::kVifCannotReadDst) return CopyFailure{"Cannot read destination file " + target + "."};
    if (r & platform::kVifBuffTooSmall) return CopyFailure{"Cannot install " + target + ": the temporary name is too long."};
    return std::nullopt;
}

CCopyDlg::CCopyDlg(SetupServices& s, SetupDirectories& dirs, std::string sourceDir, std::string destination,
                   std::span<const ManifestRecord> manifest)
    : s_(s), dirs_(dirs), source_(std::move(sourceDir)), destination_(std::move(destination)), manifest_(manifest) {}

CCopyDlg::Point CCopyDlg::Placement(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / 2, screenHeight - windowHeight * 6 / 5};
}

void CCopyDlg::CopyFiles(platform::DialogView& view, platform::ProgressView& progress) {
    const std::string fromLabel = view.GetText(kFromText);
    const std::string toLabel = view.GetText(kToText);

    for (const ManifestRecord& row : manifest_) {
        if (IsDoNotCopy(row)) continue;
        const std::string src = row.sourceName;
        const std::string dst = row.destName;
        std::string target = CopyDirectory(row.directoryCode, dirs_);
        if (row.directoryCode == kDirInstall) {
            target = destination_;
            dirs_.installation = destination_;
            s_.profiles.OpenPrivate("DevCap.ini")->WriteText("Path", "Path", destination_);
        }
        view.SetText(kFromText, fromLabel + " " + source_ + "\\" + (row.showName == 1 ? src : std::string()));
        view.SetText(kToText, toLabel + " " + target + "\\" + dst);
        const std::uint64_t size = s_.fileOps.FileSize(source_ + "\\" + src).value_or(0);

        for (;;) {
            std::string temp;
            const std::uint32_t r =
                s_.versionInstall.Install(platform::kViffForceInstall, src, dst, source_, target, "", temp);
            if ((r & platform::kVifTempFile) && !temp.empty()) s_.files.Delete(target + "\\" + temp);
            const auto failure = CopyFailureFor(r, target, dst, source_, src);
            if (!failure) {
                s_.log.Line("Copied " + source_ + "\\" + src + " to " + target + "\\" + dst);
                break;
            }
            if (failure->silent) {
                s_.log.Line("Skipped " + target + "\\" + dst + " (access denied)");
                break;
            }
            s_.log.Line("Error: " + failure->text);
            const int answer = s_.boxes.Show(failure->text, kSetupCaption,
                                             platform::kMbAbortRetryIgnore | platform::kMbIconExclamation);
            if (answer == platform::kIdAbort) {
                aborted_ = 1;
                break;
            }
            if (answer != platform::kIdRetry) break;   // Ignore: the file stays as it was
        }
        if (aborted_) break;

        bytesDone_ += size;
        const std::uint64_t percent = bytesDone_ * 100 / kFullBytes;
        percent_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(percent, std::numeric_limits<std::uint32_t>::max()));
        progress.InvalidateBar();
        progress.PumpMessages();
    }

    InstallSkins();
    s_.clock.SleepMs(100);
    view.Close(aborted_ ? 2 : 1);
}

void CCopyDlg::InstallSkins() {
    for (auto dir : kSkinDirectories) {
        const std::string from = source_ + std::string(dir) + "\\";
        const std::string to = destination_ + std::string(dir) + "\\";
        for (auto name : kSkinBitmaps) s_.fileOps.SetAttributes(to + std::string(name), platform::kAttrNormal);
        for (auto name : kSkinBitmaps) s_.files.Delete(to + std::string(name));
        for (auto name : kSkinBitmaps) {
            if (s_.files.Copy(from + std::string(name), to + std::string(name))) {
                s_.log.Line("Copied " + from + std::string(name) + " to " + to + std::string(name));
            }
        }
    }
}

CCopyDlg::BarPaint CCopyDlg::PaintBar(Rect frame) {
    const Rect area{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    percent_ = std::min<std::uint32_t>(percent_, 100);
    const int width = std::max(0, area.right - area.left);
    return {area, static_cast<int>(static_cast<std::int64_t>(width) * percent_ / 100), std::to_string(percent_) + "%"};
}

}  // namespace setup
