// The command gates: while time-shift, playback or recording runs only the
// commands of its pass list get through.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/Dispatcher.h"
#include "core/tests/PanelFixture.h"

namespace {

using Ids = std::set<std::uint16_t>;

// Every identifier of the command table.
const Ids kAllCommands = {
    105,   32771, 32772, 32775, 32776, 32777, 32778, 32779, 40002, 40005, 40006, 40007, 40008, 40009, 40010,
    40011, 40012, 40014, 40015, 40016, 40017, 40018, 40029, 40030, 40031, 40032, 40034, 40037, 40038, 40039,
    40040, 40041, 40042, 40043, 40044, 40045, 40100, 40105, 40109, 40110, 40111, 40112, 40113, 40114, 40115,
    40116, 40117, 40118, 40119, 40120, 40121, 40122, 40123, 40124, 40125, 40201, 40301, 40311, 40312, 40314,
    40315, 40316, 40318, 40319, 40320, 40321, 40322, 40323, 40324, 40325, 40326, 40327, 42222, 42223, 42224,
    42225, 42227, 42228, 44000, 44001, 44002, 46101, 46102, 46103, 46203, 46204, 51222};

const Ids kTimeShiftPass = {40005, 40006, 40017, 40029, 40030, 40031, 40032, 40038,
                            40113, 40301, 40315, 40323, 40324, 40325, 46101};
const Ids kPlaybackPass = {32775, 40005, 40006, 40017, 40029, 40030, 40031, 40032, 40037,
                           40113, 40121, 40201, 40301, 40315, 40323, 40324, 40325, 40327};
const Ids kRecordingPass = {40005, 40006, 40016, 40114, 40124, 40201,
                            40311, 40312, 40314, 40323, 40324, 40325};
const Ids kTransport = {40017, 40029, 40030, 40031, 40032, 40301};

Ids Without(const Ids& all, const Ids& out) {
    Ids r;
    std::set_difference(all.begin(), all.end(), out.begin(), out.end(), std::inserter(r, r.end()));
    return r;
}
Ids Both(const Ids& a, const Ids& b) {
    Ids r;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::inserter(r, r.end()));
    return r;
}

TEST(Gates, PassListsOfEachRunningActivity) {
    struct Case {
        const char* name;
        int timeShifting, playingBack, recording;
        Ids pass;
    } cases[] = {
        {"idle: transport commands dropped", 0, 0, 0, Without(kAllCommands, kTransport)},
        {"time-shift", 1, 0, 0, kTimeShiftPass},
        {"playback", 0, 1, 0, kPlaybackPass},
        {"recording", 0, 0, 1, kRecordingPass},
        {"recording during time-shift", 1, 0, 1, Both(kTimeShiftPass, kRecordingPass)},
        {"recording during playback", 0, 1, 1, Both(kPlaybackPass, kRecordingPass)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::PanelSession s;
        s.TimeShifting = c.timeShifting;
        s.PlayingBack = c.playingBack;
        s.Recording = c.recording;
        for (std::uint16_t id : kAllCommands) {
            EXPECT_EQ(core::PassesGates(s, id), c.pass.count(id) == 1) << id;
        }
    }
}

class GatedPanel : public coretest::PanelTest {};

// Dropped commands leave no trace; passed ones still work.
TEST_F(GatedPanel, DroppedCommandsDoNothing) {
    AddTv();
    session.Volume = 100;

    session.TimeShifting = 1;
    Command(40016);  // record
    EXPECT_FALSE(parts.Called("RecordToggle"));
    session.TimeShifting = 0;

    session.Recording = 1;
    Command(40012);  // air
    Command(40039);  // FM
    EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), "<none>");
    EXPECT_TRUE(ToTv().empty());
    EXPECT_EQ(session.AwaitingTv, 0);

    Command(40006);  // volume passes
    EXPECT_EQ(session.Volume, 110);
    Command(40324);  // Down passes: volume down
    EXPECT_EQ(session.Volume, 100);
}

}  // namespace
