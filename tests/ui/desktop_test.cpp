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

class DesktopTest : public UiFixture {
protected:
    void Press(const QKeySequence& key) {
        Activate(Main());
        List().setFocus();
        QTest::keySequence(&List(), key);
        Settle();
    }
};

TEST_F(DesktopTest, KeysTriggerTheMenuItemsAndTheButtonsOfTheList) {
    OpenSongs();
    const std::pair<const char*, const char*> keys[] = {{"Ctrl+O", "mnuOpen"},
                                                        {"Ctrl+Shift+S", "mnuConvert"},
                                                        {"Ctrl+P", "mnuPrint"},
                                                        {"F1", "mnuHelp"}};
    for (const auto& [key, item] : keys) {
        QSignalSpy triggered(InMain<QAction>(item), &QAction::triggered);
        Press(QKeySequence(key));
        EXPECT_EQ(triggered.count(), 1) << item;
    }
    Messages();

    // Ctrl+C copies the ticked rows, or else the highlighted one numbered 1, as exported.
    Press(QKeySequence("Ctrl+A"));
    EXPECT_EQ(Ticks(), "111");
    Press(QKeySequence("Ctrl+C"));
    const QStringList lines =
        QString::fromStdString(RecordListExportText(Work().document)).split("\r\n").mid(1);
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join("\r\n"));
    Click("CmdUnCheck");
    ClickRow(2);
    Press(QKeySequence("Ctrl+C"));
    EXPECT_EQ(QApplication::clipboard()->text(), "1" + lines[2].mid(1) + "\r\n");

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

    EXPECT_EQ(InMain<QLabel>("lblFilePath")->text(), FromPath(folder.File("songs.mfd")));
    Tick({0, 2});
    EXPECT_EQ(InMain<QLabel>("lblCounts")->text(), "3 records, 2 ticked");
    ASSERT_FALSE(SaveAs().empty());
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Saved " + FromPath(folder.File("out.mfd")));
    dialogs.files.push_back(Path("list.txt"));
    Trigger("mnuTextFile");
    EXPECT_EQ(Main().statusBar()->currentMessage(),
              "Exported " + FromPath(folder.File("list.txt")));
}

}  // namespace
}  // namespace quillory::testkit
