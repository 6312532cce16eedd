#include "data/conversion/remembered_options.h"
#include "data/document/recent_files.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

using RememberedTest = DataTest;

// Options of an earlier run come back where they still apply and are dropped quietly otherwise.
TEST_F(RememberedTest, RestoresOptionsThatStillApply) {
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    EXPECT_TRUE(RestoreOptions(ws, {"TYROS", "Swing", true}, ui));
    EXPECT_EQ(ws.settings.targetInstrument, "TYROS");
    EXPECT_EQ(ws.settings.defaultStyle, "Swing");
    EXPECT_TRUE(ws.settings.allowUserStyles);
    EXPECT_EQ(OptionsToRemember(ws.settings).defaultStyle, "Swing");

    EXPECT_TRUE(RestoreOptions(ws, {"TYROS", "Bossa", false}, ui));
    EXPECT_EQ(ws.settings.defaultStyle, "Cool Pop");  // the table's last style
    for (const char* gone : {"PSR-2000", "PSR-9999", ""}) {
        Workspace fresh{folder.Path(), folder.Path()};
        EXPECT_FALSE(RestoreOptions(fresh, {gone, "Swing", false}, ui));
        EXPECT_EQ(fresh.settings.targetInstrument, "");
        EXPECT_EQ(fresh.settings.defaultStyle, "");
    }
    EXPECT_EQ(Told(), "");
}

// The newest first, each file once however spelt, at most eight.
TEST(RecentFilesTest, KeepsTheNewestEightOnce) {
    RecentFiles recent({"a.mfd", "b.mfd", "c.mfd"});
    recent.Opened("x/../b.mfd");
    EXPECT_EQ(recent.Files(), (std::vector<std::filesystem::path>{"b.mfd", "a.mfd", "c.mfd"}));
    for (const char* file : {"1", "2", "3", "4", "5", "6"}) {
        recent.Opened(file);
    }
    EXPECT_EQ(recent.Files().size(), 8u);
    EXPECT_EQ(recent.Files().front(), "6");
    EXPECT_EQ(recent.Files().back(), "a.mfd");
    recent.Remove("./6");
    EXPECT_EQ(recent.Files().front(), "5");
    EXPECT_EQ(RecentFiles(std::vector<std::filesystem::path>(10, "same")).Files().size(), 1u);
}

}  // namespace
}  // namespace quillory::testkit
