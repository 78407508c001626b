#include "core/tests/PanelFixture.h"

#include <algorithm>

namespace coretest {

namespace win = platform::win;

bool RecordingParts::Called(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int RecordingParts::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

std::unique_ptr<channels::FreqLibrary> FakeHost::LoadFreqLibrary(const std::string& path) {
    libraryPaths.push_back(path);
    if (!libraryLoads) return nullptr;
    return std::make_unique<channels::TableFreqLibrary>();
}

WindowId FakeHost::CreatePanelWindow(core::PanelContext& ctx, int x, int y, int w, int h) {
    steps.push_back("CreatePanelWindow");
    createdX = x, createdY = y, createdW = w, createdH = h;
    if (!windowCreates) return 0;
    panel = windows_.Add(core::kPanelClass, core::kPanelTitle,
                         [&ctx](WindowId self, std::uint32_t msg, std::uintptr_t wp, std::intptr_t lp) {
                             return core::HandlePanelMessage(ctx, self, msg, wp, lp).value_or(0);
                         });
    windows_.Send(panel, win::kWmCreate, 0, 0);
    return panel;
}

int FakeHost::RunMessageLoop() {
    steps.push_back("RunMessageLoop");
    windows_.DeliverPosted();
    if (whileLooping) whileLooping();
    windows_.DeliverPosted();
    return quits.empty() ? -1 : quits.front();
}

void FakeHost::DestroyPanel() {
    ++destroyCalls;
    windows_.Send(panel, win::kWmDestroy, 0, 0);
    windows_.Remove(panel);
}

void FakeHost::RunCountryDialog(core::PanelContext& ctx) {
    ++countryDialogs;
    platform::fake::FakeDialogView view;
    channels::CountryDialog dialog(view, {ctx.settings, ctx.winIni, *ctx.library, ctx.countryCount}, ctx.panelIni,
                                   ctx.s.SkinNumber);
    dialog.OnInit();
    if (countryChoice) countryChoice(dialog, view);
    dialog.OnCommand(channels::country_dialog::kOk, 0);
}

PanelWorld::PanelWorld() {
    WinIni().WriteText("AP", "222APDirectory", kInstallDir);
    WinIni().WriteText("AP", "QorSettingIniFile", "QorSFile.ini");
    WinIni().WriteText("AP", "QorPanelIniFile", "QorPFile.ini");
}

WindowId PanelWorld::AddTv() {
    return windows.Add("Kestrova Zunto", "Tv", [this](WindowId, std::uint32_t msg, std::uintptr_t wp, std::intptr_t) {
        // Asked for its FM capability, it tells the panel at once.
        if (msg == win::kWmCommand && win::CommandId(wp) == 42227) {
            const WindowId panelWindow = windows.Find(core::kPanelClass, core::kPanelTitle);
            windows.Send(panelWindow, win::kWmCommand, 42227, tvHasFm ? 1 : 0);
        }
        return std::intptr_t{0};
    });
}

void PanelWorld::TvAppearsWhenStarted() {
    processes.OnRun([this](const std::string& line, int) {
        if (line.find("video.ex_") != std::string::npos) AddTv();
    });
}

PanelTest::PanelTest() {
    ctx.library = &library;
    ctx.countryCount = library.CountryCount();
    panel = windows.Add(core::kPanelClass, core::kPanelTitle,
                        [this](WindowId self, std::uint32_t msg, std::uintptr_t wp, std::intptr_t lp) {
                            return core::HandlePanelMessage(ctx, self, msg, wp, lp).value_or(0);
                        });
    ctx.panel = panel;
    host.panel = panel;
    timers.SetHandler([this](WindowId w, std::uint32_t id) {
        windows.Send(w, win::kWmTimer, id, 0);  // as the loop dispatches WM_TIMER
        windows.DeliverPosted();
    });
}

void PanelTest::Create() { windows.Send(panel, win::kWmCreate, 0, 0); }

void PanelTest::Command(std::uint16_t id, std::intptr_t lParam) {
    windows.Post(panel, win::kWmCommand, win::MakeCommandWParam(id), lParam);
    Pump();
}

void PanelTest::Pump() {
    do {
        windows.DeliverPosted();
    } while (timers.FireDue() > 0 || windows.QueuedCount() > 0);
}

void PanelTest::Advance(std::uint64_t ms) {
    windows.DeliverPosted();
    timers.Advance(ms);
}

}  // namespace coretest
