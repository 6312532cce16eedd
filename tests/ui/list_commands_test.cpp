#include <QLineEdit>
#include <QMenu>

#include "ui/edit/edit_dialog.h"
#include "ui/record_windows_fixture.h"

namespace quillory::testkit {
namespace {

class ListCommandsTest : public RecordWindowsFixture {
protected:
    std::vector<int> AllMarks() {
        std::vector<int> marks;
        for (int n = 1; n <= Store().HeaderRecordCount(); ++n) {
            marks.push_back(Marks(Store().gFileBytes, n));
        }
        return marks;
    }
    // Records whose titles sort otherwise than their numbers: Zed, Amy, Max; tempos 90, 140
    // and 190; keywords "rock", none and 32 characters.
    void OpenUnsortedSongs() {
        songs = {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3), Song("Max", "Jazz", 2)};
        for (std::size_t i = 0; i < songs.size(); ++i) {
            songs[i].tempo = 90 + 50 * static_cast<int>(i);
        }
        songs[0].keywords = "rock";
        songs[1].marks = 4;
        songs[2].keywords = std::string(32, 'k');
        OpenSongs(songs);
    }

    std::vector<RecordSpec> songs;
};

TEST_F(ListCommandsTest, CheckButtonsDeleteAndClearMarksWithTheCounter) {
    std::vector<RecordSpec> five(5, Song("Song", "Pop", 1));
    const std::uint8_t marks[] = {7, 6, 5, 3, 0};
    for (std::size_t i = 0; i < five.size(); ++i) {
        five[i].marks = marks[i];
    }
    OpenSongs(five);

    Click("cmdCheck");
    EXPECT_EQ(Counter(), "5");
    EXPECT_TRUE(Enabled("cmdDeleteChecked") && Enabled("cmdPlayList"));
    Click("CmdUnCheck");
    EXPECT_EQ(Counter(), "0");
    EXPECT_FALSE(Enabled("cmdDeleteChecked") || Enabled("cmdPlayList"));
    for (int row : {0, 1, 2}) {
        ListModel().setData(ListModel().index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
    EXPECT_EQ(Counter(), "3");
    Click("cmdInvert");
    EXPECT_EQ(Counter(), "2");
    EXPECT_TRUE(!RowTicked(0) && !RowTicked(2) && RowTicked(3) && RowTicked(4));
    EXPECT_TRUE(Enabled("cmdDeleteChecked") && Enabled("cmdPlayList"));

    ClickRow(0);
    Click("CmdDelete");
    EXPECT_EQ(RowCells(0), QStringList({"00001", "deleted", "", "", "", "", "", "Yes", "Yes", "Yes",
                                        "Off", "Off"}));
    Click("cmdModify");
    EXPECT_FALSE(app->Editor()->isVisible());
    Click("cmdDeleteChecked");
    EXPECT_EQ(Counter(), "0");
    EXPECT_FALSE(Enabled("cmdDeleteChecked"));
    EXPECT_TRUE(Enabled("cmdPlayList"));
    EXPECT_EQ(ColumnCells(kGenreColumn),
              QStringList({"deleted", "Pop", "Pop", "deleted", "deleted"}));
    EXPECT_FALSE(RowTicked(3) || RowTicked(4));

    Click("CmdFav");
    EXPECT_EQ(AllMarks(), std::vector<int>({6, 6, 4, 2, 0}));
    Click("cmdS1");
    EXPECT_EQ(AllMarks(), std::vector<int>({4, 4, 4, 0, 0}));
    Click("cmdS2");
    EXPECT_EQ(AllMarks(), std::vector<int>({0, 0, 0, 0, 0}));
    for (int column : {kFavoriteColumn, kSearch1Column, kSearch2Column}) {
        EXPECT_EQ(ColumnCells(column), QStringList(5, "No")) << column;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(ListCommandsTest, KeywordAddAsksForTheTextAndAppendsItToEveryRecord) {
    OpenUnsortedSongs();
    ClickHeader(kMusicColumn);
    ASSERT_EQ(Cell(0, kMusicColumn), "Amy");

    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter text to be included with all keywords");
    EXPECT_EQ(dialogs.inputs[0].title, "Add Keyword to all entries");
    EXPECT_EQ(ColumnCells(kKeywordsColumn),
              QStringList({",live", QString(32, 'k') + ",live", "rock,live"}));
    // The keywords fill their 32 bytes; the third record's are full already.
    songs[0].keywords = "rock,live";
    songs[1].keywords = ",live";
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Record(Store().gFileBytes, n), Record(songs[n - 1u], n - 1)) << n;
    }

    Trigger("mnuKeyword_add");
    EXPECT_EQ(dialogs.inputs.size(), 2u);
    EXPECT_EQ(Record(Store().gFileBytes, 1), Record(songs[0], 0));
    EXPECT_EQ(Cell(0, kKeywordsColumn), ",live");
}

TEST_F(ListCommandsTest, HeaderClicksSortReverseAndShowTheIndicator) {
    OpenUnsortedSongs();
    ClickRow(0);
    QHeaderView& header = *List().header();

    ClickHeader(kTempoColumn);
    EXPECT_EQ(ColumnCells(kTempoColumn), QStringList({"090", "140", "190"}));
    EXPECT_TRUE(header.isSortIndicatorShown());
    EXPECT_EQ(header.sortIndicatorSection(), kTempoColumn);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    ClickHeader(kTempoColumn);
    EXPECT_EQ(ColumnCells(kTempoColumn), QStringList({"190", "140", "090"}));
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Amy", "Max", "Zed"}));
    EXPECT_EQ(header.sortIndicatorSection(), kMusicColumn);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);

    // The clicked record stays selected wherever its row went.
    EXPECT_EQ(Cell(SelectedRow(), kNumberColumn), "00001");
    EXPECT_EQ(Store().gSelectedRecord, 1);
}

TEST_F(ListCommandsTest, DoubleClickEditsOrTogglesTheFavouriteAndSoDoesThePopUpMenu) {
    OpenUnsortedSongs();
    ClickHeader(kMusicColumn);
    const int amy = RowOf("00002");

    ASSERT_TRUE(Ticked("mnuEditRecord"));
    DoubleClickRow(amy);
    EditDialog* editor = app->Editor();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(Store().gAddMode);
    EXPECT_EQ(FindIn<QLineEdit>(editor, "txtMusic")->text(), "Amy");
    editor->hide();

    Trigger("mnuToggleFavorite");
    Trigger("mnuToggleFavorite");
    EXPECT_TRUE(Ticked("mnuToggleFavorite") && !Ticked("mnuEditRecord"));
    DoubleClickRow(amy);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Cell(amy, kFavoriteColumn), "Yes");
    EXPECT_EQ(AllMarks(), std::vector<int>({0, 5, 0}));
    DoubleClickRow(amy);
    EXPECT_EQ(Cell(amy, kFavoriteColumn), "No");
    EXPECT_EQ(AllMarks(), std::vector<int>({0, 4, 0}));
    Trigger("mnuEditRecord");
    EXPECT_TRUE(Ticked("mnuEditRecord") && !Ticked("mnuToggleFavorite"));

    // The pop-up menu opens on a right button press over the rows, not on a left one.
    auto* menu = Find<QMenu>("mnuTrackMenu");
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, RowPoint(amy));
    EXPECT_FALSE(menu->isVisible());
    QTest::mousePress(List().viewport(), Qt::RightButton, {}, RowPoint(amy));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(Cell(amy, kFavoriteColumn), "Yes");
    EXPECT_EQ(AllMarks(), std::vector<int>({0, 5, 0}));
    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(AllMarks(), std::vector<int>({0, 4, 0}));
}

}  // namespace
}  // namespace quillory::testkit
