#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>
#include <string>
#include <vector>

#include "platform/list_print.h"
#include "ui/print_capture.h"

namespace quillory::testkit {
namespace {

class PrintExportTest : public PrintFixture {
  protected:
    // Opens songs.mfd with that many records "Song 1" ... in Cool Pop.
    void OpenSongs(int count) {
        WriteSongTables();
        std::vector<RecordSpec> songs(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            songs[static_cast<std::size_t>(i)].music = "Song " + std::to_string(i + 1);
            songs[static_cast<std::size_t>(i)].genre = i % 2 ? "Rock" : "Pop";
        }
        OpenFile("songs.mfd", BuildMfd("PSR-2000", songs));
    }

    std::string FileText(const std::string& name) {
        const Bytes bytes = ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    }

    // Saves the list through Save As > Delimited Text File into the named file.
    void ExportTo(const std::string& name) {
        dialogs.files.push_back(QString::fromStdString(folder.File(name)));
        Trigger("mnuTextFile");
    }
};

const char* const kExportHeader =
    "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
    "Search 1\tSearch 2\tIntro\tSection\r\n";

TEST_F(PrintExportTest, PrintNeedsAnOpenFile) {
    dialogs.previewPdf = QString::fromStdString(folder.File("list.pdf"));
    Trigger("mnuPrint");
    EXPECT_EQ(dialogs.messages, QStringList{"Select a file to view first"});
    EXPECT_TRUE(dialogs.previews.empty());
    EXPECT_FALSE(QFile::exists(dialogs.previewPdf));
}

TEST_F(PrintExportTest, PrintsEveryRowOnceUnderHeadersOnEveryPage) {
    ListPrintJob job;
    job.heading = "Quillory of  songs.mfd";

    // As many rows as fill one and a half pages after the first.
    QStandardItemModel probe(1000, kColumnCount);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    const ListPageLayout probed(probe, job, pdf);
    const int first = probed.RowsOnPage(0).second;
    const int next = probed.RowsOnPage(1).second - first;
    ASSERT_LT(first, next) << "the heading takes no room";
    const int rows = first + next + next / 2;

    OpenSongs(rows);
    ASSERT_EQ(RowCount(), rows);
    dialogs.previewPdf = QString::fromStdString(folder.File("list.pdf"));
    Trigger("mnuPrint");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previews[0].caption, "Quillory Print Preview");
    EXPECT_EQ(dialogs.previews[0].iconFile,
              QString::fromStdString((folder.Path() / "styles256.ico").string()));
    EXPECT_EQ(PdfPageCount(dialogs.previewPdf), 3);

    // What the preview painted: the heading on the first page only, the column headers and the
    // page number on every page, every row on the one page the layout gives it, in list order.
    TextPrinter printer;
    const ListPageLayout layout(ListModel(), job, printer);
    ASSERT_EQ(layout.PageCount(), 3);
    EXPECT_LT(layout.RowsOnPage(0).second - layout.RowsOnPage(0).first,
              layout.RowsOnPage(1).second - layout.RowsOnPage(1).first);
    ASSERT_EQ(printing.previewPages.size(), 1u);
    const std::vector<QStringList>& pages = printing.previewPages[0];
    ASSERT_EQ(pages.size(), 3u);
    int row = 0;
    for (int page = 0; page < 3; ++page) {
        const QStringList& texts = pages[static_cast<std::size_t>(page)];
        EXPECT_EQ(texts.count("Quillory of  songs.mfd"), page == 0 ? 1 : 0) << page;
        for (int column = 0; column < kColumnCount; ++column) {
            const QString header = ListModel().headerData(column, Qt::Horizontal).toString();
            EXPECT_EQ(texts.count(header), 1) << header.toStdString() << " on page " << page;
        }
        EXPECT_TRUE(texts.contains(QString("Page %1 of 3").arg(page + 1)));
        QStringList numbers;
        for (const QString& text : texts) {
            if (text.startsWith("00")) {
                numbers << text;
            }
        }
        const auto [begin, end] = layout.RowsOnPage(page);
        EXPECT_EQ(begin, row);
        QStringList expected;
        for (int r = begin; r < end; ++r) {
            expected << Cell(r, 0);
        }
        EXPECT_EQ(numbers, expected) << "page " << page;
        row = end;
    }
    EXPECT_EQ(row, rows);
}

TEST_F(PrintExportTest, ExportsEveryRowWithARunningCountInDisplayOrder) {
    OpenThreeSongs();
    ExportTo("list.txt");
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Text file|*.txt");
    EXPECT_EQ(dialogs.fileRequests[1].defaultExtension, "txt");
    EXPECT_TRUE(dialogs.fileRequests[1].save);
    EXPECT_TRUE(dialogs.questions.empty());

    auto line = [&](int row, int count) {
        QString text = QString::number(count);
        for (int column = 1; column < kColumnCount; ++column) {
            text += "\t" + Cell(row, column);
        }
        return text.toStdString() + "\r\n";
    };
    EXPECT_EQ(FileText("list.txt"), kExportHeader + line(0, 1) + line(1, 2) + line(2, 3) + "\r\n");
    EXPECT_EQ(line(0, 1).substr(0, 9), "1\tPop\tSon");

    // Sorted by Genre (Jazz, Pop, Rock) and with Song A deleted, which sorts first then.
    auto* list = InMain<QTreeView>("ListView1");
    emit list->clicked(ListModel().index(0, 0));
    Click("CmdDelete");
    ASSERT_EQ(Cell(0, 1), "deleted");
    emit list->header()->sectionClicked(kGenreColumn);
    ASSERT_EQ(Cell(1, 1), "Jazz");
    ExportTo("sorted.txt");
    const std::string sorted = FileText("sorted.txt");
    EXPECT_EQ(sorted, kExportHeader + line(0, 1) + line(1, 2) + line(2, 3) + "\r\n");
    EXPECT_NE(sorted.find("\r\n1\tdeleted\t\t\t\t\t\tNo\tNo\tNo\tOff\tOff\r\n2\tJazz\tSong C\t"),
              std::string::npos)
        << sorted;
}

TEST_F(PrintExportTest, ExportAsksBeforeReplacingAFile) {
    OpenThreeSongs();
    WriteFile(folder.File("old.txt"), std::string("old text"));
    dialogs.answers.push_back(false);
    ExportTo("old.txt");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "This will replace existing file");
    EXPECT_FALSE(dialogs.questions[0].yesNo);
    EXPECT_EQ(FileText("old.txt"), "old text");

    ExportTo("old.txt");
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(FileText("old.txt").substr(0, 7), "Number\t");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
