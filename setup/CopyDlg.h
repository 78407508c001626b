// The copy dialog: installs the manifest's files with version-aware
// installation, offers Abort, Retry and Ignore on errors, refreshes the
// skin directories and keeps a drawn percentage bar.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/DialogView.h"
#include "platform/SetupUi.h"
#include "setup/Manifest.h"
#include "setup/SetupServices.h"

namespace setup {

// The message for an installation result, or none when the result counts
// as success.  An access violation is an error that is skipped silently.
struct CopyFailure {
    std::string text;
    bool silent = false;
};
std::optional<CopyFailure> CopyFailureFor(std::uint32_t result, const std::string& targetDir,
                                          const std::string& destName, const std::string& sourceDir,
                                          const std::string& sourceName);

class CCopyDlg {
public:
    static constexpr int kDialogId = 135;
    static constexpr int kFromText = 1005;
    static constexpr int kToText = 1006;
    static constexpr int kBarFrame = 1007;
    static constexpr std::uint32_t kTimerId = 101;
    static constexpr std::uint32_t kTimerPeriodMs = 50;
    static constexpr std::uint64_t kFullBytes = 2200000;   // the bar's fixed 100 %

    CCopyDlg(SetupServices& s, SetupDirectories& dirs, std::string sourceDir, std::string destination,
             std::span<const ManifestRecord> manifest = InstallManifest());

    struct Point {
        int x = 0, y = 0;
    };
    // Centred horizontally, top at screen height - window height x 6 / 5.
    static Point Placement(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

    // Runs once on the first timer expiry; ends the dialog with 1, or 2
    // after Abort.
    void CopyFiles(platform::DialogView& view, platform::ProgressView& progress);
    void InstallSkins();

    struct Rect {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    struct BarPaint {
        Rect area;          // the frame shrunk by one pixel: light grey
        int filledWidth;    // green from the left
        std::string text;   // "42%", centred at the top
    };
    BarPaint PaintBar(Rect frame);   // clamps the percent to 100

    std::uint64_t BytesDone() const { return bytesDone_; }
    std::uint32_t Percent() const { return percent_; }
    bool Aborted() const { return aborted_ != 0; }

private:
    SetupServices& s_;
    SetupDirectories& dirs_;
    std::string source_;
    std::string destination_;
    std::span<const ManifestRecord> manifest_;
    std::uint64_t bytesDone_ = 0;
    std::uint32_t percent_ = 0;
    int aborted_ = 0;
};

}  // namespace setup
