#include <QInputDialog>
#include <QPointer>

#include "ui/playlist/play_list_window.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class PlayListWindowTest : public UiFixture {
protected:
    QTreeView* View() { return FindIn<QTreeView>(Main().PlayList(), "ListView1"); }
    // Each row's number and first column: "00001 Song A|00002 Song B".
    QString Shown() {
        const QAbstractItemModel& model = *View()->model();
        return Texts(model.rowCount(), [&](int row) {
                   return model.index(row, 0).data().toString() + " " +
                          model.index(row, 1).data().toString();
               }).join('|');
    }
    QAction* Item(const char* name) { return FindIn<QAction>(Main().PlayList(), name); }
    void Trigger(const char* item) { Item(item)->trigger(); }
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
    Settle();
    EXPECT_TRUE(window.isNull());

    Tick({1});
    Click("cmdPlayList");
    ClickRow(1, View());
    // New ticks join when the user comes from the main window, not after a box of the window's.
    Tick({2});
    CloseOwnBox<QInputDialog>(*Main().PlayList());
    EXPECT_EQ(Shown(), "00001 Song A|00002 Song B");
    EXPECT_EQ(View()->currentIndex().row(), 1);
    ComeFromMain(*Main().PlayList());
    EXPECT_EQ(Shown(), "00001 Song A|00002 Song B|00003 Song C");
    EXPECT_EQ(View()->currentIndex().row(), 0);

    ClickRow(2, View());
    Press("cmdOrder", "1");
    ClickHeader(1, View());
    EXPECT_EQ(Shown(), "00002 Song A|00003 Song B|00001 Song C");
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
    EXPECT_TRUE(Item("mnuSong_Genre")->isChecked() && !Item("mnuDefault")->isChecked());
    EXPECT_EQ(Headers(*View()->model()).join(' '), "Number Genre Music");
    Trigger("mnuDefault");
    EXPECT_EQ(Headers(*View()->model()).join(' '), "Number Music Style TimeSig Tempo Comments");
}

}  // namespace
}  // namespace quillory::testkit
