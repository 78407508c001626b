#include "setup/InstallFlow.h"

#include "setup/CopyDlg.h"
#include "setup/HeadlessViews.h"
#include "setup/Registration.h"
#include "setup/SetupApp.h"

namespace setup {

namespace {

bool IsFullPath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) || path.rfind("\\\\", 0) == 0;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

void RunInstallFlow(SetupServices& s, SetupDirectories& dirs, const CDestinationDlg& destination, InstallFlowUi& ui) {
    if (ui.RunInstallWizard() != 1) {
        ui.CloseBackground();
        return;
    }
    PreInstallCleanup(s, dirs);
    if (ui.RunCopyDialog(destination.Buffer()) == 1) {
        PostCopyRegistration(s, dirs);
        ui.RunCompleteSheet();
    }
    ui.CloseBackground();
}

std::optional<UnattendedOptions> ParseUnattended(const std::string& commandLine) {
    UnattendedOptions options;
    bool silent = false;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        if (commandLine[i] == ' ' || commandLine[i] == '\t') {
            ++i;
            continue;
        }
        if (UpperAscii(commandLine.substr(i, 3)) == "/D=") {
            std::string dir = TrimBlanks(commandLine.substr(i + 3));
            if (dir.size() >= 2 && dir.front() == '"' && dir.back() == '"') dir = dir.substr(1, dir.size() - 2);
            options.directory = dir;
            if (dir.empty() && options.error.empty()) options.error = "/D= names no directory";
            break;
        }
        std::string token;
        bool quoted = false;
        while (i < commandLine.size() && (quoted || (commandLine[i] != ' ' && commandLine[i] != '\t'))) {
            if (commandLine[i] == '"') {
                quoted = !quoted;
            } else {
                token += commandLine[i];
            }
            ++i;
        }
        const std::string upper = UpperAscii(token);
        if (upper == "/S") {
            silent = true;
        } else if (upper.rfind("/LOG=", 0) == 0) {
            options.logFile = token.substr(5);
            if (options.logFile.empty() && options.error.empty()) options.error = "/LOG= names no file";
        } else if (options.error.empty()) {
            options.error = "unknown option \"" + token + "\"";
        }
    }
    if (!silent) return std::nullopt;
    return options;
}

int RunUnattendedInstall(SetupServices& s, const UnattendedOptions& options, const std::string& sourceDir) {
    NullLog noLog;
    FileLog fileLog(s.fileOps, options.logFile);
    InstallLog& log = options.logFile.empty() ? static_cast<InstallLog&>(noLog) : fileLog;

    log.Line(std::string("Unattended install of ") + kProduct + " " + kVersionText + " from " + sourceDir);
    if (!options.error.empty()) {
        log.Line("Error: " + options.error);
        return kExitBadCommandLine;
    }

    LoggedBoxes boxes(log);
    NoDialogs dialogs;
    LoggingRegistry registry(s.registry, s.registryKeys, log);
    LoggingProfiles profiles(s.profiles, log);
    SetupServices u{s.files,    s.fileOps,         registry, registry,     profiles, s.processes,
                    s.versionInstall, s.dde, s.shellLinks, boxes, s.strings, dialogs,
                    s.system,   s.directX,         s.clock,  log};

    if (!CheckDirectX(u)) {
        log.Line("Error: DirectX 9 is not installed");
        return kExitNoDirectX;
    }

    CMainFrame frame(u.files);
    SetupDirectories& dirs = frame.directories;
    CDestinationDlg destination(u, dirs);
    std::string dir = options.directory.empty() ? CDestinationDlg::OnWindowsDrive(destination.Path(), dirs.windows)
                                                : options.directory;
    while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    if (!IsFullPath(dir) || dir.size() <= 3 || dir.size() >= CDestinationDlg::kBufferChars) {
        log.Line("Error: \"" + dir + "\" is not a full directory path below a drive");
        return kExitBadDestination;
    }
    destination.SetPath(dir);
    destination.OnWizardNext();
    const auto attributes = u.fileOps.GetAttributes(dir);
    if (!attributes || !(*attributes & platform::kAttrDirectory)) {
        log.Line("Error: the directory " + dir + " cannot be created");
        return kExitBadDestination;
    }
    log.Line("Installing to " + dir);

    PreInstallCleanup(u, dirs);

    CCopyDlg copy(u, dirs, sourceDir, dir);
    HeadlessDialog view;
    view.SetText(CCopyDlg::kFromText, "Copying Files From:");
    view.SetText(CCopyDlg::kToText, "To:");
    NullProgress progress;
    copy.CopyFiles(view, progress);
    if (view.Result() != 1) {
        log.Line("Error: copying stopped; nothing was registered");
        return kExitCopyFailed;
    }

    PostCopyRegistration(u, dirs);
    log.Line("Installation complete");
    return kExitInstalled;
}

}  // namespace setup
