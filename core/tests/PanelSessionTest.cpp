#include <gtest/gtest.h>

#include "core/PanelSession.h"

namespace {

// The flags that restrict the keyboard, one at a time.
TEST(PanelSession, EachRunningActivityMakesThePanelBusy) {
    using Field = std::int32_t core::PanelSession::*;
    const Field busy[] = {&core::PanelSession::Recording,    &core::PanelSession::CableScanning,
                          &core::PanelSession::AirScanning,  &core::PanelSession::PreviewOn,
                          &core::PanelSession::TimeShifting, &core::PanelSession::FmScanning,
                          &core::PanelSession::FullScanOpen, &core::PanelSession::PlayingBack};
    EXPECT_FALSE(core::PanelSession{}.Busy());
    for (Field f : busy) {
        core::PanelSession s;
        s.*f = 1;
        EXPECT_TRUE(s.Busy());
    }
    core::PanelSession s;
    s.AwaitingTv = 1;
    s.Standby = 1;
    EXPECT_FALSE(s.Busy());
}

}  // namespace
