#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>

#include "data/codepage.h"
#include "data/list_export.h"
#include "platform/file_names.h"
#include "ui/edit/edit_dialog.h"
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

TEST_F(ListCommandsTest, ButtonsClearMarksTickAndDeleteWithTheCounter) {
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
}

TEST_F(ListCommandsTest, HeadersSortAndTheRowCommandsActOnTheClickedRecord) {
    OpenSongs({Song("Zed", "Pop", 1), Song("Amy", "Rock", 3), Song("Max", "Jazz", 2)});
    ClickRow(0);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Amy", "Max", "Zed"}));
    EXPECT_EQ(Cell(SelectedRow(), kNumberColumn), "00001");
    for (int column = 0; column < kColumnCount; ++column) {  // room for the sort arrow
        EXPECT_GE(List().header()->sectionSize(column), List().header()->sectionSizeHint(column));
    }
    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    EXPECT_EQ(ColumnCells(kKeywordsColumn), QStringList(3, ",live"));

    const auto doubleClickAmy = [&] {
        ClickRow(0);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {},
                           List().visualRect(ListModel().index(0, kMusicColumn)).center());
    };
    doubleClickAmy();
    EXPECT_EQ(FindIn<QLineEdit>(Main().Editor(), "txtMusic")->text(), "Amy");
    Main().Editor()->hide();
    Trigger("mnuToggleFavorite");
    EXPECT_TRUE(Ticked("mnuToggleFavorite") && !Ticked("mnuEditRecord"));
    doubleClickAmy();
    EXPECT_FALSE(Main().Editor()->isVisible());
    EXPECT_EQ(Marks(0) + Marks(1), "YNNNNN");
    Trigger("mnuEditRecord");
    EXPECT_FALSE(Ticked("mnuToggleFavorite"));
    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(Marks(0), "NNN");

    dialogs.files.push_back(Path("list.txt"));
    Trigger("mnuTextFile");
    EXPECT_EQ(FileText("list.txt"),
              EncodeWindows1252(RecordListExportText(Work().document)) + "\r\n");
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Exported " + FromPath(folder.File("list.txt")));
}

TEST_F(ListCommandsTest, PrintsEveryRowOnceUnderHeadersOnEveryPageInTheChosenLayout) {
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Select a file to view first"});
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

    dialogs.previewPdf = Path("missing/list.pdf");
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Error 482;Printer error"});

    // The layout chosen in the preview holds, and texts as long as a record holds are whole.
    RecordValues song = Song("Wonderful Tonight Wide World Wal", "Worldwide Waltz!", 3);
    song.keywords = "Wedding Wonder Waltz WWW Wow Wow";
    OpenSongs({song});
    dialogs.previewPdf.clear();
    dialogs.previewLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                        QMarginsF(5, 10, 5, 10), QPageLayout::Millimeter);
    Trigger("mnuPrint");
    EXPECT_TRUE(dialogs.previewLayouts.back().isEquivalentTo(*dialogs.previewLayout));
    const QStringList texts = Headers(ListModel()) + Texts(kColumnCount, [&](int c) { return Cell(0, c); });
    for (const QString& text : texts) {
        EXPECT_TRUE(dialogs.previewPages.back()[0].contains(text)) << text.toStdString();
    }
}

}  // namespace
}  // namespace quillory::testkit
