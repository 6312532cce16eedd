#include <QInputDialog>
#include <QPointer>

#include "ui/playlist/play_list_window.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class PlayListWindowTest : public UiFixture {
protected:
    QTreeView* View() { return FindIn<QTreeView>(Main().PlayList(), "ListView1"); }
    QString At(int row, int column) {
        return View()->model()->index(row, column).data().toString();
    }
    // The ticked layouts, the headers, then each row's number and first column:
    // "Song-Genre: Number Genre Music|00002 Pop".
    QString Shown() {
        return QString(Item("mnuDefault")->isChecked() ? "Default" : "") +
               (Item("mnuSong_Genre")->isChecked() ? "Song-Genre" : "") + ": " +
               Headers(*View()->model()).join(' ') + "|" +
               Texts(View()->model()->rowCount(), [&](int row) {
                   return At(row, 0) + " " + At(row, 1);
               }).join('|');
    }
    QAction* Item(const char* name) { return FindIn<QAction>(Main().PlayList(), name); }
    void Press(const char* button, const QString& answer = QString()) {
        dialogs.inputAnswers.push_back(answer);
        FindIn<QPushButton>(Main().PlayList(), button)->click();
    }
};

const QString kOpened = ": Number Music Style TimeSig Tempo Comments";
const QString kSubscriptError =
    "Error #: 9, Subscript out of range, encountered in Function %1. If the solution is not "
    "obvious, please report this to the author.";

TEST_F(PlayListWindowTest, OpensOnlyWithATickedRowClosesOnlyByExitAndExportsItsRows) {
    OpenSongs();
    Tick({0, 2});
    Click("cmdPlayList");  // the window takes the ticked rows when it is shown
    QPointer<PlayListWindow> window = Main().PlayList();
    EXPECT_EQ(window->windowTitle(), "Quillory  Play List");
    Item("mnuSong_Genre")->trigger();
    window->close();
    Settle();
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{window.data()});
    EXPECT_EQ(Messages(), QStringList{"Please use the menu item Exit to close"});
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    Item("mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(window.isNull());
    Tick({1});
    Click("cmdPlayList");
    EXPECT_EQ(Shown(), kOpened + "|00001 Song A|00002 Song B|00003 Song C");

    Press("cmdNotes", "fade out");
    dialogs.files.push_back(QString::fromStdString(folder.File("play.txt")));
    Item("mnuTextFile")->trigger();
    EXPECT_NE(FileText("play.txt").find("\n1\tSong A\tCool Pop\t 4/ 4\t120\tfade out\r"),
              std::string::npos);
    // In the song-genre layout there is nothing to export.
    Item("mnuSong_Genre")->trigger();
    Item("mnuTextFile")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(Messages(), QStringList{kSubscriptError.arg("PlayList TextFile")});

    Item("mnuPrint")->trigger();
    EXPECT_EQ(dialogs.previews.back().caption, "Quillory Play List Print Preview");
}

TEST_F(PlayListWindowTest, ListsTheTickedRowsOnceAndMovesAndCommentsTheClickedNumber) {
    // Songs "Song 1" to "Song 6", Pop in Cool Pop and Rock in 8Beat by turns, then Song 1 again
    // in Cool Pop (a row listed already) and in 8Beat (a row of its own).
    std::vector<RecordValues> songs;
    for (int i = 0; i < 7; ++i) {
        songs.push_back(
            Song("Song " + std::to_string(i % 6 + 1), i % 2 ? "Rock" : "Pop", i % 2 ? 3 : 1));
    }
    songs.push_back(Song("Song 1", "Rock", 3));
    OpenSongs(songs);
    Tick({0, 2, 3});
    Click("cmdPlayList");
    EXPECT_EQ(Shown(), kOpened + "|00001 Song 1|00002 Song 3|00003 Song 4");
    EXPECT_EQ(View()->currentIndex().row(), 0);

    // Back in the main list, sorted by genre (records 1 3 5 7 2 4 6 8): the new ticks join in
    // that order when the user comes back from the main window, not when a box of the play
    // list's own closes, and the first row is selected again. The same song and style are not
    // listed twice, and a cleared tick removes nothing.
    ClickHeader(kGenreColumn);
    Tick({2, 3, 4, 7});
    Tick({0}, false);
    ClickRow(2, View());
    CloseOwnBox<QInputDialog>(*Main().PlayList());
    EXPECT_EQ(Shown(), kOpened + "|00001 Song 1|00002 Song 3|00003 Song 4");
    EXPECT_EQ(View()->currentIndex().row(), 2);
    ComeFromMain(*Main().PlayList());
    EXPECT_EQ(View()->currentIndex().row(), 0);
    EXPECT_EQ(Shown(), kOpened +
                           "|00001 Song 1|00002 Song 3|00003 Song 4|00004 Song 5|"
                           "00005 Song 2|00006 Song 1");

    // The layouts rebuild from the ticks as they are now, numbering from 1.
    Item("mnuSong_Genre")->trigger();
    EXPECT_EQ(Shown(),
              "Song-Genre: Number Genre Music|00001 Pop|00002 Pop|00003 Pop|00004 Rock|"
              "00005 Rock|00006 Rock");
    ClickHeader(kNumberColumn);
    Click("cmdCheck");
    Item("mnuDefault")->trigger();
    const QString kDefault = "Default" + kOpened;
    EXPECT_EQ(Shown(), kDefault +
                           "|00001 Song 1|00002 Song 2|00003 Song 3|00004 Song 4|"
                           "00005 Song 5|00006 Song 6|00007 Song 1");

    // A number moves up or down and the numbers between follow, then the first row is selected;
    // "2.5" rounds to 2 and "0.5" to 0, which like 8 and "abc" is out of range; no answer does
    // nothing.
    const QString moved = kDefault +
                          "|00001 Song 1|00002 Song 5|00003 Song 2|00004 Song 3|"
                          "00005 Song 4|00006 Song 6|00007 Song 1";
    ClickRow(4, View());
    Press("cmdOrder", "2");
    EXPECT_EQ(Shown(), moved);
    EXPECT_EQ(View()->currentIndex().row(), 0);
    for (const char* answer : {"8", "abc", "0.5", "", "2.5"}) {
        ClickRow(4, View());
        Press("cmdOrder", answer);
    }
    EXPECT_EQ(Messages(), QStringList(3, "Keep your choices within 1 and 7"));
    EXPECT_EQ(Shown(), kDefault +
                           "|00001 Song 1|00002 Song 4|00003 Song 5|00004 Song 2|"
                           "00005 Song 3|00006 Song 6|00007 Song 1");
    ClickRow(1, View());
    Press("cmdOrder", "5");
    EXPECT_EQ(Shown(), moved);

    // Sorted by Music, descending: Song 6 (00006) first, Song 1 (00001) next to last.
    ClickHeader(1, View());
    ClickHeader(1, View());
    ClickRow(0, View());
    Press("cmdNotes", "slow start");
    EXPECT_EQ(At(0, 5), "slow start");
    // Cancel clears the comment; without a new click the command acts on number 1.
    ClickRow(0, View());
    Press("cmdNotes");
    Press("cmdNotes", "opener");
    EXPECT_EQ(At(0, 5) + "|" + At(5, 5), "|opener");
    EXPECT_EQ(dialogs.inputs.back().prompt + ": " + dialogs.inputs.back().title,
              "Enter Comments: Song 1");
    // A move acts on the clicked number too and shows the sorted column ascending.
    ClickRow(0, View());
    Press("cmdOrder", "1");
    EXPECT_EQ(Shown(), kDefault +
                           "|00002 Song 1|00007 Song 1|00004 Song 2|00005 Song 3|"
                           "00006 Song 4|00003 Song 5|00001 Song 6");

    // The song-genre rows have no comment.
    Item("mnuSong_Genre")->trigger();
    Press("cmdNotes", "x");
    EXPECT_EQ(Messages(), QStringList{kSubscriptError.arg("Notes")});
}

}  // namespace
}  // namespace quillory::testkit
