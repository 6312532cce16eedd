#include <QMenuBar>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

using SaveChoice = Prompts::SaveChoice;
namespace fs = std::filesystem;

class SaveTest : public UiFixture {
protected:
    // Zed Pop in Cool Pop, Amy Jazz in user style 99 (keywords "romantic,medley"), Max Rock in
    // 8Beat.
    void OpenThree() {
        OpenSongs({Song("Zed", "Pop", 1),
                   {std::nullopt, 99, 4, 4, 96, 5, "Amy", "Jazz", "romantic,medley", 0x15},
                   Song("Max", "Rock", 3)});
    }
    void DeleteRow(int row) {
        ClickRow(row);
        Click("CmdDelete");
    }
    // Records n of the file as written, numbered from 0 as they are written back.
    Bytes Written(const Bytes& in, std::initializer_list<int> records) {
        Bytes out(in.begin(), in.begin() + 38);
        out[35] = static_cast<std::uint8_t>(records.size());
        for (int n : records) {
            const auto at = in.begin() + 38 + (n - 1) * 92;
            out.insert(out.end(), at, at + 92);
            out[out.size() - 91] = static_cast<std::uint8_t>((out.size() - 38) / 92 - 1);
        }
        return out;
    }
};

// File > Save and the unsaved-changes question's Save write the open records back without a
// dialog, a conversion or "FIX,"; a failed Save names the file and keeps the window open.
TEST_F(SaveTest, SaveWritesTheOpenFileBackAndTheQuestionUsesIt) {
    OpenThree();
    const Bytes original = ReadFile(folder.File("songs.mfd"));
    QAction* save = InMain<QAction>("mnuSave");
    const QList<QAction*> bar = Main().menuBar()->actions();
    EXPECT_EQ(bar.indexOf(save), bar.indexOf(InMain<QAction>("mnuOpen")) + 1);
    EXPECT_EQ(save->text(), "&Save");
    EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));

    DeleteRow(2);
    EXPECT_TRUE(Main().isWindowModified());
    Trigger("mnuSave");
    EXPECT_EQ(ReadFile(folder.File("songs.mfd")), Written(original, {1, 2}));
    EXPECT_FALSE(Main().isWindowModified());
    EXPECT_EQ(RowCount(), 3);  // the deleted row shows until the file is read again
    Trigger("mnuUndo");
    EXPECT_TRUE(Main().isWindowModified());

    fs::permissions(folder.File("songs.mfd"), fs::perms::owner_read);
    dialogs.saveAnswers = {SaveChoice::kSave};
    EXPECT_FALSE(Main().close());
    EXPECT_EQ(Messages(), QStringList{"File may have read-only attribute. Change attribute or "
                                      "choose another name.\r\n" +
                                      Path("songs.mfd")});
    EXPECT_TRUE(Main().isVisible() && Main().isWindowModified());

    fs::permissions(folder.File("songs.mfd"), fs::perms::owner_read | fs::perms::owner_write);
    DeleteRow(0);
    dialogs.saveAnswers = {SaveChoice::kSave};
    EXPECT_TRUE(Main().close());
    EXPECT_TRUE(dialogs.fileFilters.size() == 1 && dialogs.questions.isEmpty());  // Open's only
    EXPECT_EQ(ReadFile(folder.File("songs.mfd")), Written(original, {2, 3}));
}

// Save As writes a converted copy and leaves the unsaved mark; over the open file itself, the
// file is read again and the list shows what it holds.
TEST_F(SaveTest, SaveAsLeavesTheMarkAndReadsTheOpenFileAgainWhenItWroteIt) {
    OpenThree();
    DeleteRow(0);
    ChooseTarget("TYROS");
    EXPECT_FALSE(SaveAs().empty());
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_EQ(RowCount(), 3);

    dialogs.files.push_back(Path("songs.mfd"));
    Trigger("mnuConvert");
    Click("cmdSave", Main().Convert());
    EXPECT_EQ(ColumnCells(kMusicColumn), (QStringList{"Amy", "Max"}));
    EXPECT_EQ(HeaderModelName(ReadFile(folder.File("songs.mfd"))), "TYROS");
    EXPECT_FALSE(Main().isWindowModified());
}

// Installed where its own folder cannot be written: opening, editing, undoing and saving show
// no message and write nothing there; the logs and the user's style tables are in the user's
// data folder, made on first use.
TEST(ReadOnlyProgramFolderTest, LogsAndStyleTablesLiveInTheDataFolder) {
    TempFolder root;
    const fs::path program = root.Path() / "program";
    const fs::path data = root.Path() / "data" / "Quillory";
    fs::create_directories(program);
    WriteFile((program / "PSR-2000.dat").string(), StyleTableText({{"Cool Pop", "001"}}));
    fs::create_directories(data / "styles");
    WriteFile((data / "styles" / "PSR-2000.dat").string(),
              StyleTableText({{"Mine", "001"}, {"Cool Pop", "002"}}));
    WriteFile(root.File("songs.mfd"),
              BuildMfd("PSR-2000", {{std::nullopt, 1, 4, 4, 120, 1, "Song", "Pop", "", 0}}));
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);

    ScriptedDialogs dialogs;
    {
        Application app(program, data, dialogs);
        app.Main(root.File("songs.mfd"));
        MainWindow& main = *app.Window();
        QTest::mouseClick(main.List().viewport(), Qt::LeftButton, {},
                          main.List().visualRect(main.List().model()->index(0, 2)).center());
        main.findChild<QPushButton*>("CmdFav")->click();
        main.findChild<QAction*>("mnuUndo")->trigger();
        main.findChild<QAction*>("mnuSave")->trigger();
        main.findChild<QAction*>("mnuConversion")->trigger();
        EXPECT_EQ(main.List().model()->index(0, kStyleColumn).data().toString(), "Mine");
        EXPECT_EQ(main.Info() ? main.Info()->windowTitle() : QString(),
                  "Items missing styles in target instrument");
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
        main.close();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_regular_file(data / "ExportLog.txt"));
}

}  // namespace
}  // namespace quillory::testkit
