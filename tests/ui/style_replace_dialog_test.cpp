#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "ui/record_windows_fixture.h"

namespace quillory::testkit {
namespace {

class StyleReplaceDialogTest : public RecordWindowsFixture {
protected:
    // The replace window while it exists; nullptr once it is gone.
    static QWidget* Window() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "frmStyleReplace") {
                return top;
            }
        }
        return nullptr;
    }
    template <typename T>
    T* InWindow(const char* name) {
        return FindIn<T>(Window(), name);
    }
    void Choose(const char* option) { InWindow<QRadioButton>(option)->click(); }
    void ReplaceAll() {
        InWindow<QPushButton>("cmdAllEntries")->click();
        Settle();
    }
    QString CurrentStyle() { return InWindow<QLabel>("lblCurrentStyle")->text(); }
};

TEST_F(StyleReplaceDialogTest, ReplacesTheClickedStyleInEveryRowAndTheSavedFile) {
    std::vector<RecordSpec> songs = {Song("Song A", "Pop", 1), Song("Song B", "Rock", 3),
                                     Song("Song C", "Pop", 1)};
    OpenSongs(songs);
    ClickRow(0);
    Click("cmdReplaceStyle");
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->windowTitle(), "Replace ");
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(CurrentStyle(), "Cool Pop");
    EXPECT_TRUE(InWindow<QRadioButton>("optStyle")->isChecked());

    // Each option enables the four controls of its own row only.
    const std::vector<std::vector<const char*>> rows = {
        {"Label1", "lblCurrentStyle", "Label3", "cboStyle"},
        {"Label2", "lblGenre", "Label5", "cboGenre"},
        {"Label4", "txtCurrentKeyword", "Label6", "txtKeyword"}};
    const std::pair<const char*, std::size_t> options[] = {
        {"optGenre", 1}, {"optKeyword", 2}, {"optStyle", 0}};
    for (const auto& [option, chosen] : options) {
        Choose(option);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (const char* name : rows[row]) {
                EXPECT_EQ(InWindow<QWidget>(name)->isEnabled(), row == chosen) << option << name;
            }
        }
    }

    ClickRow(1);
    EXPECT_EQ(CurrentStyle(), "8Beat");
    ClickRow(2);
    EXPECT_EQ(CurrentStyle(), "Cool Pop");
    auto* styles = InWindow<QComboBox>("cboStyle");
    styles->setCurrentIndex(styles->findText("Swing"));
    ReplaceAll();

    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(ColumnCells(kStyleColumn), QStringList({"Swing", "8Beat", "Swing"}));
    songs[0].style = songs[2].style = 2;
    const Bytes file = SaveAs();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Record(file, n), Record(songs[static_cast<std::size_t>(n - 1)], n - 1)) << n;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(StyleReplaceDialogTest, GenreAndKeywordReplacementsReachTheSavedFile) {
    std::vector<RecordSpec> songs = {Song("Song A", "Pop", 1), Song("Song B", "Rock", 1),
                                     Song("Song C", "Pop", 1)};
    songs[0].keywords = "ballad,piano";
    songs[1].keywords = "rock, ballad";
    songs[2].keywords = "Ballad";
    OpenSongs(songs);

    ClickRow(0);
    Click("cmdReplaceStyle");
    Choose("optGenre");
    EXPECT_EQ(InWindow<QLabel>("lblGenre")->text(), "Pop");
    EXPECT_EQ(InWindow<QComboBox>("cboGenre")->currentText(), "Pop");
    InWindow<QComboBox>("cboGenre")->setEditText("Folk");
    ReplaceAll();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"Folk", "Rock", "Folk"}));

    Click("cmdReplaceStyle");
    Choose("optKeyword");
    InWindow<QLineEdit>("txtCurrentKeyword")->setText("BALLAD");
    InWindow<QLineEdit>("txtKeyword")->setText("Slow Ballad");
    ReplaceAll();
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(ColumnCells(kKeywordsColumn),
              QStringList({"Slow Ballad,piano", "rock, ballad", "Slow Ballad"}));

    songs[0].genre = songs[2].genre = "Folk";
    songs[0].keywords = "Slow Ballad,piano";
    songs[2].keywords = "Slow Ballad";
    const Bytes file = SaveAs();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Record(file, n), Record(songs[static_cast<std::size_t>(n - 1)], n - 1)) << n;
    }
}

TEST_F(StyleReplaceDialogTest, WithoutTheTargetsStyleTableItOpensButReplacesNothing) {
    OpenThreeSongs();
    std::filesystem::remove(folder.File("PSR-2000.dat"));
    ClickRow(0);
    Click("cmdReplaceStyle");

    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(InWindow<QComboBox>("cboStyle")->count(), 0);
    Choose("optGenre");
    InWindow<QComboBox>("cboGenre")->setEditText("Folk");
    ReplaceAll();
    EXPECT_NE(Window(), nullptr);
    EXPECT_EQ(Cell(0, kGenreColumn), "Pop");
}

}  // namespace
}  // namespace quillory::testkit
