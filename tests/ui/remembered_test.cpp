#include <QMenu>
#include <QSettings>

#include "platform/user_settings.h"
#include "platform/window_placement.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class RememberedTest : public UiFixture {
protected:
    // Ends the program and starts it again over the same folders and settings, changed between
    // the runs as given.
    void Restart(const std::function<void()>& meanwhile = [] {}) {
        app.reset();
        Settle();
        meanwhile();
        app = std::make_unique<Application>(folder.Path(), folder.Path(), dialogs);
        app->Main();
        Settle();
    }
    QString Target() { return InMain<QComboBox>("cboInst")->currentText(); }
    QList<QAction*> RecentItems() {
        QList<QAction*> items = InMain<QMenu>("mnuRecentFiles")->actions();
        items.removeIf([](QAction* item) {
            return !item->isVisible() || item->isSeparator() || !item->objectName().isEmpty();
        });
        return items;
    }
};

// The Save As options and the window's place come back; what no longer applies is dropped.
TEST_F(RememberedTest, OptionsAndPlaceSurviveARestart) {
    EXPECT_TRUE(Title() == "Quillory" && Target().isEmpty() && !Ticked("mnuUserStyles"));
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    ChooseTarget("TYROS");
    Trigger("mnuUserStyles");
    Work().settings.defaultStyle = "Swing";
    Main().setGeometry(QRect(20, 30, 700, 520));
    Restart();
    EXPECT_EQ(Target(), "TYROS");
    EXPECT_TRUE(Ticked("mnuUserStyles"));
    EXPECT_EQ(Title(), "Quillory      Default Style = Swing");
    EXPECT_EQ(Main().geometry(), QRect(20, 30, 700, 520));

    Restart([&] {
        std::filesystem::remove(folder.File("TYROS.dat"));
        UserSettings()->setValue("Windows/frmQuillory/rect", QRect(9000, 0, 700, 520));
    });
    EXPECT_TRUE(Title() == "Quillory" && Target().isEmpty() && Messages().isEmpty());
    EXPECT_NE(Main().geometry().left(), 9000);
    EXPECT_FALSE(UserSettings()->contains("Windows/frmQuillory/rect"));
}

// Opened files head the menu across runs; a gone one leaves it with a message; Clear empties it.
TEST_F(RememberedTest, RecentFilesReopenAndForgetGoneFiles) {
    OpenSongs();
    WriteFile(folder.File("other.mfd"), BuildMfd("PSR-2000", {Song("Song X", "Pop", 1)}));
    dialogs.files.push_back(Path("other.mfd"));
    Trigger("mnuOpen");
    Restart();
    ASSERT_EQ(RecentItems().size(), 2);
    EXPECT_EQ(RecentItems()[0]->text(), "other.mfd");
    EXPECT_EQ(RecentItems()[1]->toolTip(), Path("songs.mfd"));
    RecentItems()[1]->trigger();
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song A", "Song B", "Song C"}));
    EXPECT_EQ(RecentItems()[0]->text(), "songs.mfd");

    std::filesystem::remove(folder.File("other.mfd"));
    RecentItems()[1]->trigger();
    EXPECT_EQ(Messages(),
              QStringList{Path("other.mfd") +
                          " is no longer there; it has been taken off the recent files"});
    EXPECT_EQ(RecentItems().size(), 1);
    Trigger("mnuClearRecentFiles");
    EXPECT_TRUE(RecentItems().isEmpty());
}

// Each dialog's folder is remembered while it exists; the first size fits a low screen; the
// button panel is as wide as its captions need, not three of the style's 80-pixel buttons.
TEST_F(RememberedTest, FoldersAndSizesFitWhatIsThere) {
    EXPECT_LT(InMain<QWidget>("Frame2")->parentWidget()->width(), 240);
    std::filesystem::create_directory(folder.Path() / "lists");
    RememberFolder("open Text", Path("lists/a.txt"));
    EXPECT_EQ(RememberedFolder("open Text"), Path("lists"));
    EXPECT_EQ(RememberedFolder("save Text"), "");
    std::filesystem::remove(folder.Path() / "lists");
    EXPECT_EQ(RememberedFolder("open Text"), "");

    EXPECT_EQ(FirstWindowSize({1100, 650}, QRect(0, 0, 1366, 728)), QSize(1229, 655));
    EXPECT_EQ(FirstWindowSize({1100, 650}, QRect(0, 0, 1000, 600)), QSize(1000, 600));
    EXPECT_EQ(FirstWindowSize({1100, 650}, QRect(0, 0, 1100, 700)), QSize(1100, 650));
    EXPECT_TRUE(FitsScreens(QRect(10, 10, 100, 100), {QRect(0, 0, 50, 50), QRect(0, 0, 200, 200)}));
    EXPECT_FALSE(FitsScreens(QRect(150, 10, 100, 100), {QRect(0, 0, 200, 200)}));
}

}  // namespace
}  // namespace quillory::testkit
