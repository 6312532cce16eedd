#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardItemModel>

#include "data/codepage.h"
#include "data/list_export.h"
#include "platform/list_print.h"
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

    // The counter and the buttons follow the ticks.
    Click("cmdCheck");
    EXPECT_EQ(Counter(), "4");
    Click("CmdUnCheck");
    EXPECT_EQ(Counter(), "0");
    EXPECT_FALSE(Enabled("cmdDeleteChecked") || Enabled("cmdPlayList"));
    Tick({0, 1});
    Click("cmdInvert");
    EXPECT_EQ(Ticks() + Counter(), "00112");
    EXPECT_TRUE(Enabled("cmdDeleteChecked") && Enabled("cmdPlayList"));

    ClickRow(0);
    Click("CmdDelete");
    EXPECT_EQ(Cell(0, kGenreColumn), "deleted");
    Click("cmdModify");  // a deleted record is not edited
    EXPECT_FALSE(Main().Editor()->isVisible());
    Click("cmdDeleteChecked");
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"deleted", "Pop", "deleted", "deleted"}));
    EXPECT_EQ(Counter(), "0");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(ListCommandsTest, HeadersSortAndTheRowCommandsActOnTheClickedRecord) {
    // Zed, Amy and Max: titles that sort otherwise than their numbers; tempos 90, 140, 190.
    std::vector<RecordValues> songs = {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3),
                                       Song("Max", "Jazz", 2)};
    songs[0].keywords = "rock";
    songs[0].tempo = 90;
    songs[1].tempo = 140;
    songs[2].tempo = 190;
    OpenSongs(songs);
    ClickRow(0);
    // A click sorts by its column, the next one reverses; the header shows which.
    const QHeaderView& header = *List().header();
    QStringList sorted;
    for (int column : {kTempoColumn, kTempoColumn, kMusicColumn}) {
        ClickHeader(column);
        const bool up = header.sortIndicatorOrder() == Qt::AscendingOrder;
        sorted << Headers(ListModel())[header.sortIndicatorSection()] + (up ? " up: " : " down: ") +
                      ColumnCells(column).join(' ');
    }
    EXPECT_EQ(sorted, QStringList({"Tempo up: 090 140 190", "Tempo down: 190 140 090",
                                   "Music up: Amy Max Zed"}));
    EXPECT_TRUE(header.isSortIndicatorShown());
    // Every header leaves room for the sort arrow beside its text.
    for (int column = 0; column < kColumnCount; ++column) {
        EXPECT_GE(header.sectionSize(column), header.sectionSizeHint(column)) << column;
    }
    // The clicked record stays selected wherever its row went.
    EXPECT_EQ(Cell(SelectedRow(), kNumberColumn), "00001");

    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].title + ": " + dialogs.inputs[0].prompt,
              "Add Keyword to all entries: Enter text to be included with all keywords");
    EXPECT_EQ(ColumnCells(kKeywordsColumn), QStringList({",live", ",live", "rock,live"}));

    // A double click edits Amy's record or toggles its favourite mark.
    const QPoint amy = List().visualRect(ListModel().index(0, kMusicColumn)).center();
    const auto doubleClickAmy = [&] {
        ClickRow(0);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, amy);
    };
    ASSERT_TRUE(Ticked("mnuEditRecord"));
    doubleClickAmy();
    EditDialog* editor = Main().Editor();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(FindIn<QLineEdit>(editor, "txtMusic")->text(), "Amy");
    editor->hide();

    Trigger("mnuToggleFavorite");
    Trigger("mnuToggleFavorite");
    EXPECT_TRUE(Ticked("mnuToggleFavorite") && !Ticked("mnuEditRecord"));
    doubleClickAmy();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Marks(), "YNN NNN NNN");
    doubleClickAmy();
    EXPECT_EQ(Marks(), "NNN NNN NNN");
    Trigger("mnuEditRecord");
    EXPECT_TRUE(Ticked("mnuEditRecord") && !Ticked("mnuToggleFavorite"));

    // The pop-up menu opens on a right button press over the rows, not on a left one.
    auto* menu = InMain<QMenu>("mnuTrackMenu");
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, amy);
    EXPECT_FALSE(menu->isVisible());
    QTest::mousePress(List().viewport(), Qt::RightButton, {}, amy);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    Trigger("mnuTrackMenuSetFavorite");
    EXPECT_EQ(Marks(), "YNN NNN NNN");
}

TEST_F(ListCommandsTest, PrintsEveryRowOnceUnderHeadersOnEveryPage) {
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Select a file to view first"});
    EXPECT_TRUE(dialogs.previews.empty());

    // As many rows as fill the first page, the second and half a third.
    ListPrintJob job;
    job.heading = "Quillory of  songs.mfd";
    QStandardItemModel probe(1000, kColumnCount);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    SetUpPages(pdf, ListPageSetup(job.settings));
    const ListPageLayout probed(probe, job, pdf);
    const int first = probed.RowsOnPage(0).second;
    const int next = probed.RowsOnPage(1).second - first;
    ASSERT_LT(first, next) << "the heading takes no room";
    const int rows = first + next + next / 2;
    OpenSongs(std::vector<RecordValues>(rows, Song("Song", "Pop", 1)));
    ClickHeader(kNumberColumn);
    ClickHeader(kNumberColumn);

    Trigger("mnuPrint");
    EXPECT_TRUE(Messages().isEmpty());
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previews[0].caption, "Quillory Print Preview");

    // The heading on the first page only, the column headers and the page number on every page,
    // every row once in list order, fewer on the first page.
    ASSERT_EQ(dialogs.previewPages.size(), 1u);
    const std::vector<QStringList>& pages = dialogs.previewPages[0];
    ASSERT_EQ(pages.size(), 3u);
    QStringList numbers;
    for (int page = 0; page < 3; ++page) {
        const QStringList& texts = pages[static_cast<std::size_t>(page)];
        EXPECT_EQ(texts.count("Quillory of  songs.mfd"), page == 0 ? 1 : 0) << page;
        for (const QString& header : Headers(ListModel())) {
            EXPECT_EQ(texts.count(header), 1) << header.toStdString() << " on page " << page;
        }
        EXPECT_TRUE(texts.contains(QString("Page %1 of 3").arg(page + 1))) << page;
        numbers << texts.filter(QRegularExpression("^\\d{5}$"));
        EXPECT_EQ(numbers.size(), std::min(first + next * page, rows)) << page;
    }
    EXPECT_EQ(numbers, ColumnCells(kNumberColumn));
}

TEST_F(ListCommandsTest, PrintsWholeTextsInThePreviewsLayoutAndReportsAFailedPrint) {
    // Records with their texts as long as a record holds them.
    RecordValues song = Song("Wonderful Tonight Wide World Wal", "Worldwide Waltz!", 3);
    song.keywords = "Wedding Wonder Waltz WWW Wow Wow";
    song.sections = 3 * 16 + 10;
    OpenSongs({song, song});
    const QStringList texts = Headers(ListModel()) + RowCells(0);
    const QString landscape = QString::fromStdString(folder.File("landscape.pdf"));
    dialogs.previewPdf = QString::fromStdString(folder.File("portrait.pdf"));
    Trigger("mnuPrint");
    dialogs.previewLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                        QMarginsF(5, 10, 5, 10), QPageLayout::Millimeter);
    dialogs.previewPdf = landscape;
    Trigger("mnuPrint");
    ASSERT_EQ(dialogs.previews.size(), 2u);
    EXPECT_EQ(dialogs.previews[0].layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(dialogs.previews[0].layout.margins(QPageLayout::Millimeter),
              QMarginsF(15, 15, 15, 15));
    EXPECT_TRUE(dialogs.previews[1].layout.isEquivalentTo(*dialogs.previewLayout));
    for (const std::vector<QStringList>& pages : dialogs.previewPages) {
        for (const QString& text : texts) {
            EXPECT_TRUE(pages[0].contains(text)) << text.toStdString();
        }
    }

    dialogs.previewPdf = QString::fromStdString(folder.File("missing/list.pdf"));
    Trigger("mnuPrint");
    EXPECT_EQ(Messages(), QStringList{"Error 482;Printer error"});
}

TEST_F(ListCommandsTest, ExportsTheListTextAsItShows) {
    OpenSongs();
    ClickHeader(kGenreColumn);
    dialogs.files.push_back(QString::fromStdString(folder.File("list.txt")));
    Trigger("mnuTextFile");
    const auto& request = dialogs.fileRequests.back();
    EXPECT_EQ(request.filter + " " + request.defaultExtension + (request.save ? " save" : ""),
              "Text file|*.txt txt save");
    EXPECT_EQ(QtFilter(request.filter), "Text file (*.txt)");
    EXPECT_EQ(FileText("list.txt"),
              EncodeWindows1252(RecordListExportText(Work().document)) + "\r\n");
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
