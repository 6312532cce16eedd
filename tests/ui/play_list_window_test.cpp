#include <QPointer>

#include "ui/playlist/play_list_window.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class PlayListWindowTest : public UiFixture {
protected:
    // Songs "Song 1" to "Song 6", Pop in Cool Pop and Rock in 8Beat by turns, and a seventh
    // record as the first again: Song 1, Pop, Cool Pop.
    void OpenSevenSongs() {
        std::vector<RecordSpec> songs;
        for (int i = 0; i < 7; ++i) {
            songs.push_back(
                Song("Song " + std::to_string(i % 6 + 1), i % 2 ? "Rock" : "Pop", i % 2 ? 3 : 1));
        }
        OpenSongs(songs);
    }
    // "Play List " in the main window; the window builds its rows when it becomes active.
    void Open() {
        Click("cmdPlayList");
        Settle();
        Activate();
    }
    // The user switches back to the play list window.
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(app->PlayList(), &activate);
    }
    QTreeView& View() { return *FindIn<QTreeView>(app->PlayList(), "ListView1"); }
    QString At(int row, int column) { return View().model()->index(row, column).data().toString(); }
    // The ticked layouts, the headers, then each row's number and first column:
    // "Song-Genre: Number Genre Music|00002 Pop".
    QString Shown() {
        return QString(Item("mnuDefault")->isChecked() ? "Default" : "") +
               (Item("mnuSong_Genre")->isChecked() ? "Song-Genre" : "") + ": " +
               Headers(*View().model()).join(' ') + "|" +
               Texts(View().model()->rowCount(), [&](int row) {
                   return At(row, 0) + " " + At(row, 1);
               }).join('|');
    }
    QAction* Item(const char* name) { return FindIn<QAction>(app->PlayList(), name); }
    void Press(const char* button, const QString& answer = QString()) {
        dialogs.inputAnswers.push_back(answer);
        FindIn<QPushButton>(app->PlayList(), button)->click();
    }
};

const QString kOpened = ": Number Music Style TimeSig Tempo Comments";
const QString kDefault = "Default" + kOpened;
const QString kSongGenre = "Song-Genre: Number Genre Music";

TEST_F(PlayListWindowTest, OpensOnlyWithATickedRowAndClosesOnlyByExit) {
    OpenSongs();
    Tick(1);
    Tick(1, false);
    ASSERT_TRUE(Enabled("cmdPlayList"));
    Click("cmdPlayList");
    EXPECT_EQ(Messages(), QStringList{"At least one record must be checked to go to PlayList"});
    EXPECT_FALSE(Enabled("cmdPlayList"));
    EXPECT_EQ(app->PlayList(), nullptr);

    Tick(0);
    Tick(2);
    Open();
    QPointer<PlayListWindow> window = app->PlayList();
    Item("mnuSong_Genre")->trigger();
    window->close();
    Settle();
    EXPECT_EQ(Messages(), QStringList{"Please use the menu item Exit to close"});
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    Item("mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(window.isNull());
    Tick(1);
    Open();
    EXPECT_EQ(Shown(), kOpened + "|00001 Song A|00002 Song B|00003 Song C");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PlayListWindowTest, ListsTheTickedRowsOnceAppendsOnEachReturnAndRebuildsItsLayouts) {
    OpenSevenSongs();
    for (int row : {0, 2, 3}) {
        Tick(row);
    }
    Open();
    QWidget* window = app->PlayList();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName() + " " + window->windowTitle(),
              "frmPlayList Quillory  Play List");
    EXPECT_EQ(Shown(), kOpened + "|00001 Song 1|00002 Song 3|00003 Song 4");
    EXPECT_EQ(View().currentIndex().row(), 0);

    // Back in the main list: a new tick is appended, the same song and style are not listed
    // twice, and a cleared tick removes nothing.
    Tick(5);
    Tick(6);
    Tick(0, false);
    Activate();
    EXPECT_EQ(Shown(), kOpened + "|00001 Song 1|00002 Song 3|00003 Song 4|00004 Song 6");

    // The layouts rebuild from the ticks as they are now, numbering from 1.
    Item("mnuSong_Genre")->trigger();
    EXPECT_EQ(Shown(), kSongGenre + "|00001 Pop|00002 Rock|00003 Rock|00004 Pop");
    EXPECT_EQ(At(3, 2), "Song 1");
    Item("mnuDefault")->trigger();
    EXPECT_EQ(Shown(), kDefault + "|00001 Song 3|00002 Song 4|00003 Song 6|00004 Song 1");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PlayListWindowTest, PositionsAndCommentsGoToTheClickedNumber) {
    OpenSevenSongs();
    Click("cmdCheck");
    Open();
    ClickRow(View(), 4);
    Press("cmdOrder", "2");
    EXPECT_EQ(Shown(), kOpened +
                           "|00001 Song 1|00002 Song 5|00003 Song 2|00004 Song 3|"
                           "00005 Song 4|00006 Song 6");
    for (const char* answer : {"7", "abc", "2.5"}) {
        ClickRow(View(), 4);
        Press("cmdOrder", answer);
    }
    EXPECT_EQ(Messages(), QStringList(2, "Keep your choices within 1 and 6"));
    EXPECT_EQ(Shown(), kOpened +
                           "|00001 Song 1|00002 Song 4|00003 Song 5|00004 Song 2|"
                           "00005 Song 3|00006 Song 6");

    // Sorted by Music, descending: Song 6 (00006) first, Song 1 (00001) last.
    ClickHeader(View(), 1);
    ClickHeader(View(), 1);
    ClickRow(View(), 0);
    Press("cmdNotes", "slow start");
    EXPECT_EQ(At(0, 5), "slow start");
    EXPECT_EQ(View().currentIndex().row(), 0);
    // Cancel clears the comment; without a new click the command acts on number 1.
    ClickRow(View(), 0);
    Press("cmdNotes");
    Press("cmdNotes", "opener");
    EXPECT_EQ(At(0, 5) + "|" + At(5, 5), "|opener");
    EXPECT_EQ(
        Texts(static_cast<int>(dialogs.inputs.size()),
              [&](int i) { return dialogs.inputs[i].prompt + ": " + dialogs.inputs[i].title; }),
        QStringList({"Enter new position: Song 5", "Enter new position: Song 4",
                     "Enter new position: Song 4", "Enter new position: Song 4",
                     "Enter Comments: Song 6", "Enter Comments: Song 6",
                     "Enter Comments: Song 1"}));

    // The song-genre rows have no comment.
    Item("mnuSong_Genre")->trigger();
    Press("cmdNotes", "x");
    EXPECT_EQ(Messages(), QStringList{"Error #: 9, Subscript out of range, encountered in Function "
                                      "Notes. If the solution is not obvious, please report this "
                                      "to the author."});
}

TEST_F(PlayListWindowTest, ExportsItsOwnRowsInTheDefaultLayoutOnly) {
    OpenSongs();
    Tick(0);
    Tick(1);
    Open();
    Press("cmdNotes", "fade out");
    dialogs.files.push_back(QString::fromStdString(folder.File("play.txt")));
    Item("mnuTextFile")->trigger();
    EXPECT_EQ(dialogs.fileRequests.back().filter, "Text file|*.txt");
    EXPECT_EQ(
        FileText("play.txt"),
        "Number\tMusic         \tStyleName\tTimeSig\tTempo\tComments\r\n"
        "1\tSong A\tCool Pop\t 4/ 4\t120\tfade out\r\n2\tSong B\t8Beat\t 4/ 4\t120\t \r\n\r\n");

    // In the song-genre layout there is nothing to export.
    Item("mnuSong_Genre")->trigger();
    Item("mnuTextFile")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(Messages(), QStringList{"Error #: 9, Subscript out of range, encountered in Function "
                                      "PlayList TextFile. If the solution is not obvious, please "
                                      "report this to the author."});
}

}  // namespace
}  // namespace quillory::testkit
