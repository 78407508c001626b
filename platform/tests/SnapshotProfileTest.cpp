// Reads come from the copy taken at Refresh; writes reach the real store and
// the copy alike.
#include <gtest/gtest.h>

#include "platform/fake/FakeProfile.h"
#include "platform/ini/SnapshotProfile.h"

namespace {

TEST(SnapshotProfile, ReadsTheCopyAndWritesThrough) {
    platform::fake::MemoryProfile file;
    file.SetText("[Panel]\r\nPanelNow=2\r\nHavePanel=3\r\n");
    int fileReads = 0;
    platform::ini::SnapshotProfile snap(file, [&] {
        ++fileReads;
        return file.Text();
    });
    snap.Refresh();
    EXPECT_EQ(snap.ReadInt("panel", "panelnow", 1), 2u);
    EXPECT_EQ(snap.ReadText("Panel", "HavePanel", "1", 260), "3");
    EXPECT_EQ(fileReads, 1);

    // A change made behind its back shows only after the next Refresh.
    file.WriteText("Panel", "HavePanel", "4");
    EXPECT_EQ(snap.ReadText("Panel", "HavePanel", "1", 260), "3");
    snap.Refresh();
    EXPECT_EQ(snap.ReadText("Panel", "HavePanel", "1", 260), "4");

    // Its own writes go to the file and show at once.
    EXPECT_TRUE(snap.WriteText("Panel", "PanelNow", "1"));
    EXPECT_EQ(file.ReadInt("Panel", "PanelNow", 0), 1u);
    EXPECT_EQ(snap.ReadInt("Panel", "PanelNow", 0), 1u);
    EXPECT_TRUE(snap.DeleteSection("Panel"));
    EXPECT_EQ(snap.ReadText("Panel", "PanelNow", "gone", 260), "gone");
    EXPECT_EQ(file.Text(), "");
}

}  // namespace
