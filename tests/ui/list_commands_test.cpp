#include <QInputDialog>
#include <QRegularExpression>

#include "data/common/codepage.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class ListCommandsTest : public UiFixture {
protected:
    // The first letters of the row's Fav, S1 and S2 cells: "YNY".
    QString Marks(int row) {
        return Cell(row, kFavoriteColumn).left(1) + Cell(row, kSearch1Column).left(1) +
               Cell(row, kSearch2Column).left(1);
    }
};

TEST_F(ListCommandsTest, ButtonsAndRowCommandsActOnTheTickedOrClickedRecordsOfASortedList) {
    std::vector<RecordValues> songs(4, Song("Song", "Pop", 1));
    songs[0].marks = 7;
    OpenSongs(songs);
    for (const auto& [button, marks] :
         {std::pair{"CmdFav", "NYY"}, {"cmdS1", "NNY"}, {"cmdS2", "NNN"}}) {
        Click(button);
        EXPECT_EQ(Marks(0), marks) << button;
    }
    Click("cmdCheck");
    EXPECT_EQ(Ticks() + Counter(), "11114");
    Click("CmdUnCheck");
    EXPECT_FALSE(Enabled("cmdDeleteChecked") || Enabled("cmdPlayList"));
    Tick({2});
    Tick({2}, false);  // the last tick cleared: Del Chk'd has nothing left, Play List stays
    EXPECT_TRUE(!Enabled("cmdDeleteChecked") && Enabled("cmdPlayList"));
    Tick({0, 1});
    Click("cmdInvert");
    EXPECT_EQ(Ticks() + Counter(), "00112");
    EXPECT_TRUE(Enabled("cmdDeleteChecked") && Enabled("cmdPlayList"));
    ClickRow(0);
    Click("CmdDelete");
    Click("cmdDeleteChecked");
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"deleted", "Pop", "deleted", "deleted"}));
    EXPECT_EQ(Counter(), "0");
    EXPECT_TRUE(Messages().isEmpty());

    std::vector<RecordValues> three = {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3),
                                       Song("Max", "Jazz", 2)};
    three[0].keywords = std::string(28, 'k');
    OpenSongs(three);
    ClickRow(0);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Amy", "Max", "Zed"}));
    EXPECT_EQ(Cell(SelectedRow(), kNumberColumn), "00001");
    for (int column = 0; column < kColumnCount; ++column) {  // room for the sort arrow
        EXPECT_GE(List().header()->sectionSize(column), List().header()->sectionSizeHint(column));
    }
    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    EXPECT_EQ(ColumnCells(kKeywordsColumn), QStringList({"live", "live", QString(28, 'k')}));
    EXPECT_EQ(Messages(), QStringList{"1 records had no room for the keyword"});

    ClickRow(0, nullptr, true);
    EXPECT_EQ(FindIn<QLineEdit>(Main().Editor(), "txtMusic")->text(), "Amy");
    Main().Editor()->hide();
    Trigger("mnuToggleFavorite");
    EXPECT_TRUE(Ticked("mnuToggleFavorite") && !Ticked("mnuEditRecord"));
    ClickRow(0, nullptr, true);
    EXPECT_FALSE(Main().Editor()->isVisible());
    EXPECT_EQ(Marks(0) + Marks(1), "YNNNNN");
    Trigger("mnuEditRecord");
    EXPECT_FALSE(Ticked("mnuToggleFavorite"));
    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(Marks(0), "NNN");

    dialogs.files.push_back(Path("list.txt"));
    Trigger("mnuTextFile");
    EXPECT_EQ(dialogs.fileFilters.back(), "Text file (*.txt)");
    EXPECT_EQ(FileText("list.txt"),
              "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
              "Search 1\tSearch 2\tIntro\tSection\r\n"
              "1\tRock\tAmy\t8Beat\t 4/ 4\t120\tlive\tNo\tNo\tNo\tOff\tOff\r\n"
              "2\tJazz\tMax\tSwing\t 4/ 4\t120\tlive\tNo\tNo\tNo\tOff\tOff\r\n"
              "3\tPop\tZed\tCool Pop\t 4/ 4\t120\t" +
                  std::string(28, 'k') + "\tNo\tNo\tNo\tOff\tOff\r\n\r\n");
    EXPECT_EQ(Main().statusBar()->currentMessage(),
              "Exported " + FromPath(folder.File("list.txt")));
}

TEST_F(ListCommandsTest, PrintsEveryRowOnceUnderHeadersOnEveryPageInTheChosenLayout) {
    OpenSongs(std::vector<RecordValues>(150, Song("Song", "Pop", 1)));
    ClickHeader(kNumberColumn);
    ClickHeader(kNumberColumn);
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.previewCaptions, QStringList{"Quillory Print Preview"});
    EXPECT_EQ(dialogs.previewLayouts[0].orientation(), QPageLayout::Portrait);
    // The heading on the first page only; headers and page numbers on every page.
    const std::vector<QStringList>& pages = dialogs.previewPages[0];
    ASSERT_GE(pages.size(), 2u);
    QStringList numbers;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(pages[page].count("Quillory of  songs.mfd"), page == 0 ? 1 : 0) << page;
        EXPECT_EQ(pages[page].count("Next Section"), 1) << page;
        EXPECT_TRUE(pages[page].contains(QString("Page %1 of %2").arg(page + 1).arg(pages.size())));
        numbers << pages[page].filter(QRegularExpression("^\\d{5}$"));
    }
    EXPECT_EQ(numbers, ColumnCells(kNumberColumn));

    // The layout chosen in the preview holds, and texts as long as a record holds are whole.
    RecordValues song = Song("Wonderful Tonight Wide World Wal", "Worldwide Waltz!", 3);
    song.keywords = "Wedding Wonder Waltz WWW Wow Wow";
    OpenSongs({song});
    Trigger("mnuLand");
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.previewLayouts.back().orientation(), QPageLayout::Landscape);
    dialogs.previewLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                        QMarginsF(5, 10, 5, 10), QPageLayout::Millimeter);
    Trigger("mnuPrint");
    EXPECT_TRUE(dialogs.previewLayouts.back().isEquivalentTo(*dialogs.previewLayout));
    QStringList cut = Headers(ListModel()) + Texts(kColumnCount, [&](int c) { return Cell(0, c); });
    cut.removeIf([&](const QString& t) { return dialogs.previewPages.back()[0].contains(t); });
    EXPECT_EQ(cut, QStringList());

    dialogs.previewPdf = Path("missing/list.pdf");
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Error 482;Printer error"});
}

class PlayListWindowTest : public UiFixture {
protected:
    QTreeView* View() { return FindIn<QTreeView>(Main().PlayList(), "ListView1"); }
    // Each row's number and first column, the current row marked: "00001 Song A|*00002 Song B".
    QString Shown() {
        const QAbstractItemModel& model = *View()->model();
        return Texts(model.rowCount(),
                     [&](int row) {
                         return (row == View()->currentIndex().row() ? "*" : "") +
                                model.index(row, 0).data().toString() + " " +
                                model.index(row, 1).data().toString();
                     })
            .join('|');
    }
    void Trigger(const char* item) { UiFixture::Trigger(item, Main().PlayList()); }
    void Press(const char* button, const QString& answer) {
        dialogs.inputAnswers.push_back(answer);
        FindIn<QPushButton>(Main().PlayList(), button)->click();
    }
};

TEST_F(PlayListWindowTest, OpensWithATickedRowClosesByExitAndItsCommandsReachTheList) {
    OpenSongs();
    Tick({0});
    Tick({0}, false);
    Click("cmdPlayList");
    EXPECT_EQ(Messages(), QStringList{"At least one record must be checked to go to PlayList"});
    EXPECT_TRUE(Main().PlayList() == nullptr && !Enabled("cmdPlayList"));
    Tick({0});
    Click("cmdPlayList");
    QPointer<PlayListWindow> window = Main().PlayList();
    ASSERT_TRUE(window);
    window->close();
    Settle();
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{window.data()});
    EXPECT_EQ(Messages(), QStringList{"Please use the menu item Exit to close"});
    ASSERT_TRUE(window && window->isVisible());
    Trigger("mnuExit");
    EXPECT_TRUE(window.isNull());

    Tick({1});
    Click("cmdPlayList");
    ClickRow(1, View());
    // New ticks join when the user comes from the main window, not after a box of the window's.
    Tick({2});
    CloseOwnBox<QInputDialog>(*Main().PlayList());
    EXPECT_EQ(Shown(), "00001 Song A|*00002 Song B");
    ComeFromMain(*Main().PlayList());
    EXPECT_EQ(Shown(), "*00001 Song A|00002 Song B|00003 Song C");

    ClickRow(2, View());
    Press("cmdOrder", "1");
    ClickHeader(1, View());
    EXPECT_EQ(Shown(), "00002 Song A|00003 Song B|*00001 Song C");
    ClickRow(0, View());
    Press("cmdNotes", "fade out");
    EXPECT_EQ(dialogs.inputs.back(), "Enter Comments: Song A");
    dialogs.files.push_back(Path("play.txt"));
    Trigger("mnuTextFile");
    EXPECT_NE(FileText("play.txt").find("\n1\tSong A\tCool Pop\t 4/ 4\t120\tfade out\r"),
              std::string::npos);
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.previewCaptions.back(), "Quillory Play List Print Preview");

    Trigger("mnuSong_Genre");
    EXPECT_EQ(Checked<QAction>(Main().PlayList()), QStringList{"mnuSong_Genre"});
    EXPECT_EQ(Headers(*View()->model()).join(' '), "Number Genre Music");
    Trigger("mnuDefault");
    EXPECT_EQ(Headers(*View()->model()).join(' '), "Number Music Style TimeSig Tempo Comments");
}

}  // namespace
}  // namespace quillory::testkit
