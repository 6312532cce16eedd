#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <string>

#include "platform/rtf_reader.h"
#include "ui/help/about_dialog.h"
#include "ui/print_capture.h"

namespace quillory::testkit {
namespace {

class HelpWindowsTest : public PrintFixture {
  protected:
    // A top-level window of the program that is showing, by its name.
    QWidget* Showing(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }

    // The help file: a heading and the given number of paragraphs.
    void WriteHelp(int paragraphs = 2) {
        std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 {\\b Help}\\par ";
        for (int i = 1; i <= paragraphs; ++i) {
            rtf += "Paragraph " + std::to_string(i) + "\\par ";
        }
        WriteFile(folder.File("Quillory.rtf"), rtf + "}");
    }

    QTextEdit* Text() { return FindIn<QTextEdit>(Showing("frmInfo"), "rtfInfo"); }
};

TEST_F(HelpWindowsTest, HelpNeedsItsFileAndIsShownIndented) {
    Trigger("mnuHelp");
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot find the Information File named Quillory.rtf"});
    EXPECT_EQ(Showing("frmInfo"), nullptr);

    WriteHelp();
    Trigger("mnuHelp");
    QWidget* viewer = Showing("frmInfo");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Quillory-Information & Help");
    EXPECT_TRUE(Text()->toPlainText().startsWith("Help\nParagraph 1\nParagraph 2"))
        << Text()->toPlainText().toStdString();
    int blocks = 0;
    for (QTextBlock block = Text()->document()->begin(); block.isValid(); block = block.next()) {
        EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 600 * kPixelsPerTwip) << blocks;
        EXPECT_DOUBLE_EQ(block.blockFormat().rightMargin(), 600 * kPixelsPerTwip) << blocks;
        ++blocks;
    }
    EXPECT_GE(blocks, 3);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(HelpWindowsTest, LogsSetTheTitleAndHelpKeepsIt) {
    Trigger("mnuConversion");
    EXPECT_EQ(dialogs.messages,
              QStringList{"Cannot find the Information File named ExportLog.txt"});
    EXPECT_EQ(Showing("frmInfo"), nullptr);
    Trigger("mnuDelimitedFile");
    EXPECT_EQ(dialogs.messages.value(1), "Cannot find the Information File named ImportLog.txt");
    EXPECT_EQ(Showing("frmInfo"), nullptr);

    // Opening a file runs the preview, which writes the conversion log.
    OpenThreeSongs();
    ASSERT_TRUE(std::filesystem::exists(folder.Path() / "ExportLog.txt"));
    Trigger("mnuConversion");
    QWidget* viewer = Showing("frmInfo");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Items missing styles in target instrument");
    const Bytes bytes = ReadFile(folder.File("ExportLog.txt"));
    const std::string log(bytes.begin(), bytes.end());
    EXPECT_EQ(Text()->toPlainText(), QString::fromLatin1(log).replace("\r\n", "\n"));
    EXPECT_TRUE(log.find("Song C") != std::string::npos) << log;

    WriteFile(folder.File("ImportLog.txt"), std::string("Item #\tGenre\tSong\tStyle\r\n"));
    Trigger("mnuDelimitedFile");
    EXPECT_EQ(viewer->windowTitle(), "Items not included due in last Import operation");
    EXPECT_EQ(Text()->toPlainText(), "Item #\tGenre\tSong\tStyle\n");
    EXPECT_DOUBLE_EQ(Text()->document()->begin().blockFormat().leftMargin(), 600 * kPixelsPerTwip);

    // The help file replaces the document in the same viewer but leaves the title.
    WriteHelp();
    Trigger("mnuHelp");
    EXPECT_EQ(Showing("frmInfo"), viewer);
    EXPECT_EQ(viewer->windowTitle(), "Items not included due in last Import operation");
    EXPECT_TRUE(Text()->toPlainText().startsWith("Help"));

    // Exit destroys the viewer; the next one has its own title again.
    QPointer<QWidget> closed = viewer;
    FindIn<QAction>(viewer, "mnuExit")->trigger();
    Settle();
    EXPECT_TRUE(closed.isNull());
    Trigger("mnuHelp");
    ASSERT_NE(Showing("frmInfo"), nullptr);
    EXPECT_EQ(Showing("frmInfo")->windowTitle(), "Quillory-Information & Help");
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(HelpWindowsTest, PrintsTheSelectionOrEverythingUnlessCancelled) {
    WriteHelp(400);
    Trigger("mnuHelp");
    QWidget* viewer = Showing("frmInfo");
    ASSERT_NE(viewer, nullptr);
    QAction* print = FindIn<QAction>(viewer, "mnuPrint");

    printing.printerPdf = QString::fromStdString(folder.File("all.pdf"));
    print->trigger();
    const int allPages = PdfPageCount(printing.printerPdf);
    EXPECT_GT(allPages, 1);

    QTextCursor cursor(Text()->document());
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Text()->setTextCursor(cursor);
    printing.printerPdf = QString::fromStdString(folder.File("selection.pdf"));
    print->trigger();
    EXPECT_EQ(PdfPageCount(printing.printerPdf), 1);

    dialogs.printerAnswers.push_back(false);
    printing.printerPdf = QString::fromStdString(folder.File("cancelled.pdf"));
    print->trigger();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "cancelled.pdf"));

    EXPECT_EQ(printing.printerSelections, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(dialogs.printerDialogs, 3);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(HelpWindowsTest, AboutShowsTheTitleAndVersion) {
    EXPECT_EQ(VersionText(1, 9, 4), "Version 1.9.4");

    Trigger("mnuAbout");
    QPointer<QWidget> about = Showing("frmAbout");
    ASSERT_FALSE(about.isNull());
    EXPECT_EQ(about->windowTitle(), "About Quillory");
    EXPECT_FALSE(qobject_cast<QDialog*>(about.data())->isModal());
    EXPECT_EQ(FindIn<QLabel>(about, "lblVersion")->text(),
              QString("Version ") + QUILLORY_PROJECT_VERSION);
    auto* title = FindIn<QLabel>(about, "lblTitle");
    EXPECT_EQ(title->text(), "Quillory");
    EXPECT_EQ(title->font().family(), "Arial Black");
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 14.25);
    EXPECT_EQ(title->palette().color(title->foregroundRole()), QColor(0, 0, 255));
    EXPECT_TRUE(FindIn<QPushButton>(about, "cmdOk")->isDefault());

#ifndef Q_OS_WIN
    FindIn<QPushButton>(about, "cmdSysInfo")->click();
    EXPECT_EQ(dialogs.messages, QStringList{"System Information Is Unavailable At This Time"});
#endif

    FindIn<QPushButton>(about, "cmdOk")->click();
    Settle();
    EXPECT_TRUE(about.isNull());

    // Escape closes it as well.
    Trigger("mnuAbout");
    about = Showing("frmAbout");
    ASSERT_FALSE(about.isNull());
    QTest::keyClick(about, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(about.isNull());
}

}  // namespace
}  // namespace quillory::testkit
