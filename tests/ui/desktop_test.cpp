#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>

#include "data/list_export.h"
#include "platform/file_names.h"
#include "ui/edit/edit_dialog.h"
#include "ui/search/search_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

// The keys and the status bar of the main window.
class DesktopTest : public UiFixture {
protected:
    // The user presses the key in the main list.
    void Press(const QKeySequence& key) {
        Activate(Main());
        List().setFocus();
        QTest::keySequence(&List(), key);
        Settle();
    }
    // The lines of the list's text export, the header dropped.
    QStringList ExportLines() {
        QStringList lines =
            QString::fromStdString(RecordListExportText(Work().document)).split("\r\n");
        lines.removeFirst();
        return lines;
    }
    static QString Clipboard() { return QApplication::clipboard()->text(); }
};

TEST_F(DesktopTest, KeysTriggerTheMenuItemsAndTheButtonsOfTheList) {
    OpenSongs();
    for (const auto& [key, item] : {std::pair{"Ctrl+O", "mnuOpen"},
                                    {"Ctrl+Shift+S", "mnuConvert"},
                                    {"Ctrl+P", "mnuPrint"},
                                    {"F1", "mnuHelp"}}) {
        SCOPED_TRACE(item);
        QSignalSpy triggered(InMain<QAction>(item), &QAction::triggered);
        Press(QKeySequence(key));
        EXPECT_EQ(triggered.count(), 1);
    }
    Messages();

    // Ctrl+A ticks every row; Ctrl+C copies the ticked rows, or else the highlighted one, as
    // the export's lines counted from 1.
    Press(QKeySequence("Ctrl+A"));
    EXPECT_EQ(Ticks(), "111");
    Press(QKeySequence("Ctrl+C"));
    EXPECT_EQ(Clipboard(), ExportLines().join("\r\n"));
    Click("CmdUnCheck");
    ClickRow(2);
    Press(QKeySequence("Ctrl+C"));
    EXPECT_EQ(Clipboard(), "1" + ExportLines()[2].mid(1) + "\r\n");

    // Ctrl+F opens the search, F3 finds the next song.
    Press(QKeySequence("Ctrl+F"));
    ASSERT_TRUE(Main().Search() && Main().Search()->isVisible());
    FindIn<QLineEdit>(Main().Search(), "txtFind")->setText("Song");
    FindIn<QPushButton>(Main().Search(), "cmdFind")->click();
    EXPECT_EQ(SelectedRow(), 0);
    Press(QKeySequence("F3"));
    EXPECT_EQ(SelectedRow(), 1);

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        Press(key);
        EXPECT_TRUE(Main().Editor()->isVisible()) << key;
        Main().Editor()->hide();
    }
    Press(QKeySequence("Del"));
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"Pop", "deleted", "Jazz"}));
    Press(QKeySequence::Undo);
    EXPECT_EQ(Cell(1, kGenreColumn), "Rock");
    Press(QKeySequence::Redo);
    EXPECT_EQ(Cell(1, kGenreColumn), "deleted");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(DesktopTest, TheStatusBarShowsTheFileTheCountsAndWhatWasWritten) {
    OpenSongs();
    EXPECT_EQ(InMain<QLabel>("lblFilePath")->text(), FromPath(folder.File("songs.mfd")));
    Tick({0, 2});
    EXPECT_EQ(InMain<QLabel>("lblCounts")->text(), "3 records, 2 ticked");
    ASSERT_FALSE(SaveAs().empty());
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Saved " + FromPath(folder.File("out.mfd")));
    dialogs.files.push_back(QString::fromStdString(folder.File("list.txt")));
    Trigger("mnuTextFile");
    EXPECT_EQ(Main().statusBar()->currentMessage(),
              "Exported " + FromPath(folder.File("list.txt")));
}

}  // namespace
}  // namespace quillory::testkit
