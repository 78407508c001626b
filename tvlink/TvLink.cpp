#include "tvlink/TvLink.h"

#include "platform/WinConst.h"

namespace tvlink {

std::string InstallationDirectory(platform::ProfileStore& winIni, platform::Files& files) {
    std::string dir = winIni.ReadText("AP", "222APDirectory", "", 260);
    return dir.empty() ? files.CurrentDirectory() : dir;
}

std::string ProgramCommandLine(const std::string& directory, const std::string& program,
                               const std::string& arguments) {
    std::string line = "\"" + directory + "\\" + program + "\"";
    if (!arguments.empty()) line += " " + arguments;
    return line;
}

platform::WindowId TvLink::Find() {
    last_ = windows_.Find(kTvClass, kTvTitle);
    return last_;
}

bool TvLink::Post(std::uint16_t id, std::intptr_t lParam) {
    const platform::WindowId w = Find();
    return w != 0 && windows_.Post(w, platform::win::kWmCommand, platform::win::MakeCommandWParam(id), lParam);
}

std::intptr_t TvLink::Send(std::uint16_t id, std::intptr_t lParam) {
    const platform::WindowId w = Find();
    return w != 0 ? windows_.Send(w, platform::win::kWmCommand, platform::win::MakeCommandWParam(id), lParam) : 0;
}

bool TvLink::PostToLast(std::uint16_t id, std::intptr_t lParam) {
    return last_ != 0 &&
           windows_.Post(last_, platform::win::kWmCommand, platform::win::MakeCommandWParam(id), lParam);
}

bool TvLink::PostWindowMessage(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    const platform::WindowId w = Find();
    return w != 0 && windows_.Post(w, msg, wParam, lParam);
}

std::string TvLink::StartCommandLine() {
    return ProgramCommandLine(InstallationDirectory(winIni_, files_), kTvProgram);
}

bool TvLink::Start(int showCommand) { return processes_.Run(StartCommandLine(), showCommand); }

}  // namespace tvlink
