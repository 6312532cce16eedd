#include <QHeaderView>
#include <QPointer>
#include <QTest>
#include <QTreeView>
#include <string>
#include <vector>

#include "ui/playlist/play_list_window.h"
#include "ui/print_capture.h"

namespace quillory::testkit {
namespace {

class PlayListWindowTest : public PrintFixture {
  protected:
    // Opens songs.mfd with seven records "Song 1" ... "Song 7".
    void OpenSevenSongs() {
        WriteSongTables();
        std::vector<RecordSpec> songs(7);
        for (std::size_t i = 0; i < songs.size(); ++i) {
            songs[i].music = "Song " + std::to_string(i + 1);
            songs[i].genre = i % 2 ? "Rock" : "Pop";
            songs[i].style = i % 2 ? 3 : 1;
        }
        OpenFile("songs.mfd", BuildMfd("PSR-2000", songs));
    }

    void Tick(int row, bool ticked = true) {
        ListModel().setData(ListModel().index(row, 0), ticked ? Qt::Checked : Qt::Unchecked,
                            Qt::CheckStateRole);
    }

    // "Play List " in the main window; the window builds its rows when it becomes active.
    PlayListWindow* Open() {
        Click("cmdPlayList");
        Settle();
        Activate();
        return app->PlayList();
    }

    // The user switches back to the play list window.
    void Activate() {
        if (PlayListWindow* window = app->PlayList()) {
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window, &activate);
        }
    }

    QTreeView* View() { return FindIn<QTreeView>(app->PlayList(), "ListView1"); }
    QAbstractItemModel& Model() { return *View()->model(); }
    QString At(int row, int column) { return Model().index(row, column).data().toString(); }
    int Rows() { return Model().rowCount(); }

    QAction* Item(const char* name) { return FindIn<QAction>(app->PlayList(), name); }
    void Press(const char* button) { FindIn<QPushButton>(app->PlayList(), button)->click(); }

    void ClickRow(int row) {
        QTreeView* view = View();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(Model().index(row, 0)).center());
    }
    void ClickHeader(int column) {
        QHeaderView* header = View()->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    // Numbers and musics in display order, as "00002 Song 5".
    QStringList Shown() {
        QStringList shown;
        for (int row = 0; row < Rows(); ++row) {
            shown << At(row, 0) + " " + At(row, 1);
        }
        return shown;
    }
    QString ShownMusicOf(const QString& number) {
        for (int row = 0; row < Rows(); ++row) {
            if (At(row, 0) == number) {
                return At(row, 1);
            }
        }
        return "none";
    }
    int RowOf(const QString& number) {
        for (int row = 0; row < Rows(); ++row) {
            if (At(row, 0) == number) {
                return row;
            }
        }
        return -1;
    }

    std::string FileText(const std::string& name) {
        const Bytes bytes = ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(PlayListWindowTest, OpensOnlyWithATickedRow) {
    OpenThreeSongs();
    Tick(1);
    Tick(1, false);
    ASSERT_TRUE(InMain<QPushButton>("cmdPlayList")->isEnabled());
    Click("cmdPlayList");
    EXPECT_EQ(dialogs.messages,
              QStringList{"At least one record must be checked to go to PlayList"});
    EXPECT_FALSE(InMain<QPushButton>("cmdPlayList")->isEnabled());
    EXPECT_EQ(app->PlayList(), nullptr);
}

TEST_F(PlayListWindowTest, ListsTheTickedRowsAndAppendsOnEachReturn) {
    OpenSevenSongs();
    for (int row : {0, 2, 3}) {
        Tick(row);
    }
    PlayListWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), "frmPlayList");
    EXPECT_EQ(window->windowTitle(), "Quillory  Play List");
    EXPECT_FALSE(Item("mnuDefault")->isChecked());
    EXPECT_FALSE(Item("mnuSong_Genre")->isChecked());
    EXPECT_EQ(Shown(), QStringList({"00001 Song 1", "00002 Song 3", "00003 Song 4"}));
    for (int column = 1; column <= 4; ++column) {
        EXPECT_EQ(At(1, column), Cell(2, column + 1)) << column;
    }
    EXPECT_EQ(At(1, 5), " ");
    EXPECT_EQ(View()->currentIndex().row(), 0);

    // Back in the main list: a fourth tick is appended, a cleared tick removes nothing.
    Tick(6);
    Tick(0, false);
    Activate();
    EXPECT_EQ(Shown(),
              QStringList({"00001 Song 1", "00002 Song 3", "00003 Song 4", "00004 Song 7"}));

    // The layouts rebuild from the ticks as they are now, numbering from 1.
    Item("mnuSong_Genre")->trigger();
    EXPECT_TRUE(Item("mnuSong_Genre")->isChecked());
    EXPECT_FALSE(Item("mnuDefault")->isChecked());
    ASSERT_EQ(Model().columnCount(), 3);
    EXPECT_EQ(Model().headerData(1, Qt::Horizontal).toString(), "Genre");
    EXPECT_EQ(Model().headerData(2, Qt::Horizontal).toString(), "Music");
    EXPECT_EQ(Shown(), QStringList({"00001 Pop", "00002 Rock", "00003 Pop"}));
    EXPECT_EQ(At(0, 2), "Song 3");

    Item("mnuDefault")->trigger();
    EXPECT_TRUE(Item("mnuDefault")->isChecked());
    EXPECT_FALSE(Item("mnuSong_Genre")->isChecked());
    ASSERT_EQ(Model().columnCount(), 6);
    EXPECT_EQ(Shown(), QStringList({"00001 Song 3", "00002 Song 4", "00003 Song 7"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlayListWindowTest, CommentsGoToTheClickedNumber) {
    OpenSevenSongs();
    for (int row : {0, 1, 2}) {
        Tick(row);
    }
    Open();
    ClickHeader(1);
    ClickHeader(1);  // Song 3, Song 2, Song 1
    ASSERT_EQ(At(0, 0), "00003");

    ClickRow(0);
    dialogs.inputAnswers.push_back("slow start");
    Press("cmdNotes");
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter Comments");
    EXPECT_EQ(dialogs.inputs[0].title, "Song 3");
    EXPECT_EQ(At(RowOf("00003"), 5), "slow start");
    EXPECT_EQ(View()->currentIndex().row(), 0);

    // Without a new click the command acts on number 1; Cancel clears the comment.
    ClickRow(0);
    Press("cmdNotes");
    EXPECT_EQ(dialogs.inputs[1].title, "Song 3");
    EXPECT_EQ(At(RowOf("00003"), 5), "");
    dialogs.inputAnswers.push_back("opener");
    Press("cmdNotes");
    EXPECT_EQ(dialogs.inputs[2].title, "Song 1");
    EXPECT_EQ(At(RowOf("00001"), 5), "opener");

    // The song-genre rows have no comment.
    Item("mnuSong_Genre")->trigger();
    dialogs.inputAnswers.push_back("x");
    Press("cmdNotes");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("Notes")) << dialogs.messages[0].toStdString();
}

TEST_F(PlayListWindowTest, ChangePositionRenumbersAndRefusesPlacesOutsideTheList) {
    OpenSevenSongs();
    Click("cmdCheck");
    Open();
    ASSERT_EQ(Rows(), 7);

    ClickRow(4);
    dialogs.inputAnswers.push_back("2");
    Press("cmdOrder");
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].prompt, "Enter new position");
    EXPECT_EQ(dialogs.inputs[0].title, "Song 5");
    EXPECT_EQ(Shown(), QStringList({"00001 Song 1", "00002 Song 5", "00003 Song 2", "00004 Song 3",
                                    "00005 Song 4", "00006 Song 6", "00007 Song 7"}));

    ClickRow(1);
    dialogs.inputAnswers.push_back("5");
    Press("cmdOrder");
    EXPECT_EQ(Shown(), QStringList({"00001 Song 1", "00002 Song 2", "00003 Song 3", "00004 Song 4",
                                    "00005 Song 5", "00006 Song 6", "00007 Song 7"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    for (const char* answer : {"8", "abc"}) {
        ClickRow(4);
        dialogs.inputAnswers.push_back(answer);
        Press("cmdOrder");
    }
    EXPECT_EQ(dialogs.messages, QStringList(2, "Keep your choices within 1 and 7"));
    EXPECT_EQ(ShownMusicOf("00005"), "Song 5");

    ClickRow(4);
    dialogs.inputAnswers.push_back("2.5");
    Press("cmdOrder");
    EXPECT_EQ(ShownMusicOf("00002"), "Song 5");
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(PlayListWindowTest, ExportsItsOwnTextAndPrintsWithoutAFile) {
    OpenThreeSongs();
    Tick(0);
    Tick(1);
    Open();
    dialogs.inputAnswers.push_back("fade out");
    Press("cmdNotes");

    dialogs.files.push_back(QString::fromStdString(folder.File("play.txt")));
    Item("mnuTextFile")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Text file|*.txt");
    auto line = [&](int row, int count) {
        QString text = QString::number(count);
        for (int column = 1; column <= 5; ++column) {
            text += "\t" + At(row, column);
        }
        return text.toStdString() + "\r\n";
    };
    EXPECT_EQ(FileText("play.txt"),
              "Number\tMusic         \tStyleName\tTimeSig\tTempo\tComments\r\n" + line(0, 1) +
                  line(1, 2) + "\r\n");
    EXPECT_EQ(line(0, 1), "1\tSong A\tCool Pop\t 4/ 4\t120\tfade out\r\n");

    // In the song-genre layout there is nothing to export.
    Item("mnuSong_Genre")->trigger();
    Item("mnuTextFile")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("PlayList TextFile"))
        << dialogs.messages[0].toStdString();

    // The play list prints without an open file.
    Store().gFileName.clear();
    Item("mnuPrint")->trigger();
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previews[0].caption, "Quillory Play List Print Preview");
    EXPECT_EQ(dialogs.previews[0].iconFile,
              QString::fromStdString((folder.Path() / "styles256.ico").string()));
    ASSERT_EQ(printing.previewPages.size(), 1u);
    ASSERT_EQ(printing.previewPages[0].size(), 1u);
    const QStringList& page = printing.previewPages[0][0];
    EXPECT_TRUE(page.contains("Quillory Play List"));
    EXPECT_TRUE(page.contains("Song A"));
    EXPECT_TRUE(page.contains("Genre"));
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(PlayListWindowTest, OnlyExitClosesTheWindowAndTheNextOpeningStartsAfresh) {
    OpenThreeSongs();
    Tick(0);
    Tick(2);
    QPointer<PlayListWindow> window = Open();
    ASSERT_NE(window, nullptr);
    ClickRow(1);
    dialogs.inputAnswers.push_back("1");
    Press("cmdOrder");
    ASSERT_EQ(At(0, 1), "Song C");
    Item("mnuSong_Genre")->trigger();

    window->close();
    Settle();
    EXPECT_EQ(dialogs.messages, QStringList{"Please use the menu item Exit to close"});
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());

    Item("mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(app->PlayList(), nullptr);
    EXPECT_EQ(dialogs.messages.size(), 1);

    Tick(1);
    Open();
    EXPECT_FALSE(Item("mnuSong_Genre")->isChecked());
    ASSERT_EQ(Model().columnCount(), 6);
    EXPECT_EQ(Shown(), QStringList({"00001 Song A", "00002 Song B", "00003 Song C"}));
}

}  // namespace
}  // namespace quillory::testkit
