#include <QLineEdit>
#include <QRegularExpression>

#include "data/codepage.h"
#include "data/list_export.h"
#include "ui/edit/edit_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class ListCommandsTest : public UiFixture {
protected:
    // The first letters of every row's Fav, S1 and S2 cells: "YNY NNN".
    QString Marks() {
        return Texts(RowCount(),
                     [&](int row) {
                         return Cell(row, kFavoriteColumn).left(1) +
                                Cell(row, kSearch1Column).left(1) +
                                Cell(row, kSearch2Column).left(1);
                     })
            .join(' ');
    }
};

TEST_F(ListCommandsTest, ButtonsClearMarksTickAndDeleteWithTheCounter) {
    std::vector<RecordValues> songs(4, Song("Song", "Pop", 1));
    songs[0].marks = songs[1].marks = 7;
    OpenSongs(songs);
    for (const auto& [button, marks] : {std::pair{"CmdFav", "NYY NYY NNN NNN"},
                                        {"cmdS1", "NNY NNY NNN NNN"},
                                        {"cmdS2", "NNN NNN NNN NNN"}}) {
        Click(button);
        EXPECT_EQ(Marks(), marks) << button;
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
    std::vector<RecordValues> songs = {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3),
                                       Song("Max", "Jazz", 2)};
    songs[0].keywords = "rock";
    OpenSongs(songs);
    ClickRow(0);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Amy", "Max", "Zed"}));
    EXPECT_EQ(Cell(SelectedRow(), kNumberColumn), "00001");
    for (int column = 0; column < kColumnCount; ++column) {  // room for the sort arrow
        EXPECT_GE(List().header()->sectionSize(column), List().header()->sectionSizeHint(column));
    }

    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    EXPECT_EQ(ColumnCells(kKeywordsColumn), QStringList({",live", ",live", "rock,live"}));

    const auto doubleClickAmy = [&] {
        ClickRow(0);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {},
                           List().visualRect(ListModel().index(0, kMusicColumn)).center());
    };
    doubleClickAmy();
    EditDialog* editor = Main().Editor();
    EXPECT_EQ(FindIn<QLineEdit>(editor, "txtMusic")->text(), "Amy");
    editor->hide();
    Trigger("mnuToggleFavorite");
    EXPECT_TRUE(Ticked("mnuToggleFavorite") && !Ticked("mnuEditRecord"));
    doubleClickAmy();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Marks(), "YNN NNN NNN");
    Trigger("mnuEditRecord");
    EXPECT_FALSE(Ticked("mnuToggleFavorite"));

    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(Marks(), "NNN NNN NNN");

    dialogs.files.push_back(QString::fromStdString(folder.File("list.txt")));
    Trigger("mnuTextFile");
    EXPECT_EQ(FileText("list.txt"),
              EncodeWindows1252(RecordListExportText(Work().document)) + "\r\n");
}

TEST_F(ListCommandsTest, PrintsEveryRowOnceUnderHeadersOnEveryPage) {
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Select a file to view first"});
    OpenSongs(std::vector<RecordValues>(150, Song("Song", "Pop", 1)));
    ClickHeader(kNumberColumn);
    ClickHeader(kNumberColumn);

    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.previews.at(0).caption, "Quillory Print Preview");
    EXPECT_EQ(dialogs.previews.at(0).layout.orientation(), QPageLayout::Portrait);
    // The heading on the first page only; headers and page numbers on every page.
    const std::vector<QStringList>& pages = dialogs.previewPages.at(0);
    ASSERT_GE(pages.size(), 2u);
    QStringList numbers;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const QStringList& texts = pages[page];
        EXPECT_EQ(texts.count("Quillory of  songs.mfd"), page == 0 ? 1 : 0) << page;
        EXPECT_EQ(texts.count("Next Section"), 1) << page;
        EXPECT_TRUE(texts.contains(QString("Page %1 of %2").arg(page + 1).arg(pages.size())));
        numbers << texts.filter(QRegularExpression("^\\d{5}$"));
    }
    EXPECT_EQ(numbers, ColumnCells(kNumberColumn));

    dialogs.previewPdf = QString::fromStdString(folder.File("missing/list.pdf"));
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Error 482;Printer error"});

    // The layout chosen in the preview holds, and texts as long as a record holds are whole.
    RecordValues song = Song("Wonderful Tonight Wide World Wal", "Worldwide Waltz!", 3);
    song.keywords = "Wedding Wonder Waltz WWW Wow Wow";
    OpenSongs({song});
    dialogs.previewPdf = QString::fromStdString(folder.File("landscape.pdf"));
    dialogs.previewLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                        QMarginsF(5, 10, 5, 10), QPageLayout::Millimeter);
    Trigger("mnuPrint");
    EXPECT_TRUE(dialogs.previews.back().layout.isEquivalentTo(*dialogs.previewLayout));
    QStringList texts = Headers(ListModel());
    for (int column = 0; column < kColumnCount; ++column) {
        texts << Cell(0, column);
    }
    for (const QString& text : texts) {
        EXPECT_TRUE(dialogs.previewPages.back()[0].contains(text)) << text.toStdString();
    }
}

}  // namespace
}  // namespace quillory::testkit
