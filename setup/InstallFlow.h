// The install flow that timer 101 of the background window starts, and the
// same flow without any window for "/S" runs.
#pragma once

#include <optional>
#include <string>

#include "setup/Manifest.h"
#include "setup/SetupServices.h"
#include "setup/WizardPages.h"

namespace setup {

// What the flow asks of the windowing layer.
class InstallFlowUi {
public:
    virtual ~InstallFlowUi() = default;
    virtual int RunInstallWizard() = 0;                               // 1: the destination page's Next
    virtual int RunCopyDialog(const std::string& destination) = 0;    // 1 complete, 2 aborted
    virtual void RunCompleteSheet() = 0;
    virtual void CloseBackground() = 0;                               // WM_CLOSE to the background window
};

// Wizard, cleanup, copying, registration and the Setup Complete page;
// a closed wizard or an aborted copy ends the program with nothing registered.
void RunInstallFlow(SetupServices& s, SetupDirectories& dirs, const CDestinationDlg& destination, InstallFlowUi& ui);

// "SETUP.EXE /S [/LOG=file] [/D=directory]": options in any order, names
// without regard to case, a log file name in double quotes when it holds
// blanks; "/D=" comes last and takes the rest of the line, blanks included.
struct UnattendedOptions {
    std::string directory;   // empty: the default destination
    std::string logFile;     // empty: no log
    std::string error;       // a command line that cannot be used
};
// None when the command line does not ask for an unattended run.
std::optional<UnattendedOptions> ParseUnattended(const std::string& commandLine);

enum UnattendedExit : int {
    kExitInstalled = 0,
    kExitBadCommandLine = 1,
    kExitNoDirectX = 2,
    kExitBadDestination = 3,
    kExitCopyFailed = 4,
};

// The install flow without windows or message boxes: every file copied and
// every registry and INI value written goes to the log, an error ends the
// run with its exit code and a log line, and the machine is never restarted.
int RunUnattendedInstall(SetupServices& s, const UnattendedOptions& options, const std::string& sourceDir);

}  // namespace setup
