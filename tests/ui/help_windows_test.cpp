#include <QDialog>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/rtf_reader.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class HelpWindowsTest : public UiFixture {
protected:
    void WriteHelp(int paragraphs) {
        std::string rtf = "{\\rtf1 {\\b Help}\\par ";
        for (int i = 1; i <= paragraphs; ++i) {
            rtf += "Paragraph " + std::to_string(i) + "\\par ";
        }
        WriteFile(folder.File("Quillory.rtf"), rtf + "}");
    }
    QTextEdit* Text() { return FindIn<QTextEdit>(Showing("frmInfo"), "rtfInfo"); }
    // The viewer's title and text, "|" between its paragraphs, each indented by 600 twips on
    // both sides.
    QString Viewer() {
        QString shown = Showing("frmInfo")->windowTitle() + ":";
        for (QTextBlock block = Text()->document()->begin(); block.isValid();
             block = block.next()) {
            const bool indented = block.blockFormat().leftMargin() == 600 * kPixelsPerTwip &&
                                  block.blockFormat().rightMargin() == 600 * kPixelsPerTwip;
            shown += (indented ? "|" : "|not indented ") + block.text();
        }
        return shown;
    }
};

TEST_F(HelpWindowsTest, TheViewerShowsHelpAndLogsIndentedUnderTheirTitlesAndAboutItsVersion) {
    Trigger("mnuConversion");
    EXPECT_EQ(Messages(), QStringList{"Cannot find the Information File named ExportLog.txt"});
    EXPECT_EQ(Showing("frmInfo"), nullptr);

    WriteHelp(2);
    Trigger("mnuHelp");
    QPointer<QWidget> viewer = Showing("frmInfo");
    ASSERT_FALSE(viewer.isNull());
    EXPECT_EQ(Viewer(), "Quillory-Information & Help:|Help|Paragraph 1|Paragraph 2");
    OpenSongs();  // writes the conversion log
    Trigger("mnuConversion");
    EXPECT_EQ(Showing("frmInfo"), viewer);
    EXPECT_EQ(viewer->windowTitle(), "Items missing styles in target instrument");
    EXPECT_EQ(Text()->toPlainText(),
              QString::fromStdString(FileText("ExportLog.txt")).replace("\r\n", "\n"));
    WriteFile(folder.File("ImportLog.txt"),
              std::string("Item #\tGenre\r\n3\tFolk\r\n1024 and beyond\tRock\r\n"));
    Trigger("mnuDelimitedFile");
    EXPECT_EQ(Viewer(),
              "Items not included due in last Import operation:|Item #\tGenre|3\tFolk|"
              "1024 and beyond\tRock|");
    QList<int> secondColumn;  // the log's columns line up
    for (int line = 0; line < 3; ++line) {
        const QTextBlock block = Text()->document()->findBlockByNumber(line);
        QTextCursor at(block);
        at.setPosition(block.position() + static_cast<int>(block.text().indexOf('\t')) + 1);
        secondColumn << Text()->cursorRect(at).left();
    }
    EXPECT_EQ(secondColumn, QList<int>(3, secondColumn[0]));
    FindIn<QAction>(viewer, "mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(viewer.isNull());
    Trigger("mnuHelp");
    EXPECT_EQ(Showing("frmInfo")->windowTitle(), "Quillory-Information & Help");
    EXPECT_TRUE(Messages().isEmpty());

    Trigger("mnuAbout");
    QPointer<QWidget> about = Showing("frmAbout");
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(FindIn<QLabel>(about, "lblVersion")->text(), "Version " QUILLORY_PROJECT_VERSION);
    EXPECT_FALSE(qobject_cast<QDialog*>(about.data())->isModal());
    QTest::keyClick(about, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(about.isNull());
}

TEST_F(HelpWindowsTest, PrintsTheSelectionOrEverythingUnlessCancelled) {
    WriteHelp(400);
    Trigger("mnuHelp");
    QList<int> pages;
    for (const int print : {0, 1, 2}) {
        if (print == 1) {
            QTextCursor cursor(Text()->document()->findBlockByNumber(1));
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            Text()->setTextCursor(cursor);
        }
        dialogs.printerAnswers = {print < 2};
        dialogs.printerPdf = QString::fromStdString(folder.File(std::to_string(print) + ".pdf"));
        FindIn<QAction>(Showing("frmInfo"), "mnuPrint")->trigger();
        pages << std::min(PdfPageCount(dialogs.printerPdf), 2);
    }
    EXPECT_EQ(pages, QList<int>({2, 1, -1}));
    EXPECT_EQ(dialogs.printerSelections, (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
