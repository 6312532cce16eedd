#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class CollectionCommandsTest : public UiFixture {
protected:
    QString Status() { return Main().statusBar()->currentMessage(); }
};

TEST_F(CollectionCommandsTest, MergesATyrosFileUndoablyAndTicksItsDuplicates) {
    OpenSongs();
    WriteFile(folder.File("tyros.mfd"),
              BuildMfd("TYROS", {Song("Song D", "Folk", 20), Song("Song A", "Pop", 10),
                                 Song("Gone", "deleted", 10), Song("Song E", "Folk", 5),
                                 Song(" song b ", "Rock", 20)}));
    dialogs.files.push_back(Path("tyros.mfd"));
    Trigger("mnuMergeFile");
    EXPECT_EQ(dialogs.fileFilters.back(), "Music Finder Files(*.mfd)");
    EXPECT_EQ(Messages(), QStringList());
    EXPECT_EQ(Status(), "4 records merged");
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song A", "Song B", "Song C", "Song D",
                                                      "Song A", "Song E", " song b "}));
    EXPECT_EQ(ColumnCells(kStyleColumn).mid(3),
              QStringList({"Swing", "Cool Pop", "Swing", "Swing"}));
    Trigger("mnuUndo");
    EXPECT_EQ(RowCount(), 3);
    EXPECT_FALSE(Main().isWindowModified());
    Trigger("mnuRedo");

    Tick({0});
    Trigger("mnuFindDuplicates");
    EXPECT_EQ(Ticks() + " " + Counter(), "0000100 1");
    EXPECT_EQ(Status(), "1 duplicates of 1 songs ticked");
    Trigger("mnuFindDuplicateTitles");
    EXPECT_EQ(Ticks() + " " + Status(), "0000101 2 duplicates of 2 songs ticked");
    Click("cmdDeleteChecked");
    EXPECT_EQ(ColumnCells(kGenreColumn).mid(4), QStringList({"deleted", "Folk", "deleted"}));
}

}  // namespace
}  // namespace quillory::testkit
