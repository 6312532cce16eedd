#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

using SaveChoice = Prompts::SaveChoice;

class SafetyTest : public UiFixture {
protected:
    const std::vector<RecordValues> songs = {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3),
                                             Song("Max", "Jazz", 2)};
    void DeleteRow(int row) {
        ClickRow(row);
        Click("CmdDelete");
    }
    std::string State() {
        const Bytes& image = Work().document.Image();
        return RecordListExportText(Work().document) + std::string(image.begin(), image.end());
    }
    void Drop(std::initializer_list<const char*> files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const char* file : files) {
            urls << QUrl::fromLocalFile(Path(file));
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&Main(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&Main(), &drop);
        Settle();
    }
};

TEST_F(SafetyTest, UndoesSortedStepsAsksAboutUnsavedChangesAndOpensCommandLineAndDroppedFiles) {
    OpenSongs(songs);
    OpenSongs(songs);
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());  // nothing changed
    QAction* undo = InMain<QAction>("mnuUndo");
    QAction* redo = InMain<QAction>("mnuRedo");
    const QList<QAction*> edit = InMain<QMenu>("mnuEdit")->actions();
    EXPECT_TRUE(edit.contains(undo) && edit.contains(redo) && !undo->isEnabled());

    // Amy Max Zed. The preview after Modify sorts by number; undo and redo keep that sort and
    // highlight the row they changed.
    std::vector<std::string> states = {State()};
    ClickHeader(kMusicColumn);
    ClickRow(0);
    Click("cmdModify");
    FindIn<QLineEdit>(Main().Editor(), "txtMusic")->setText("Ann");
    FindIn<QPushButton>(Main().Editor(), "cmdOk")->click();
    states.push_back(State());
    DeleteRow(1);
    states.push_back(State());
    std::filesystem::remove(folder.File("ExportLog.txt"));
    for (const auto& [action, step, shown] : {std::tuple{undo, 1, "Undo Delete"},
                                              {undo, 0, "Undo Modify"},
                                              {redo, 1, "Redo Modify"},
                                              {redo, 2, "Redo Delete"}}) {
        EXPECT_EQ(action->text(), shown);
        ClickRow(0);
        action->trigger();
        Settle();
        EXPECT_EQ(State(), states[step]) << shown;
        EXPECT_EQ(app->GetSession().HighlightedRow(), 1u) << shown;
        EXPECT_EQ(Main().isWindowModified(), step > 0) << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("ExportLog.txt")));  // no preview

    // Cancel before opening: no file is asked for. The play list's Exit asks nothing.
    dialogs.fileFilters.clear();
    dialogs.saveAnswers = {SaveChoice::kCancel};
    Trigger("mnuOpen");
    EXPECT_TRUE(dialogs.fileFilters.isEmpty());
    Tick({0});
    Click("cmdPlayList");
    Trigger("mnuExit", Main().PlayList());
    EXPECT_EQ(dialogs.saveQuestions,
              QStringList{"Save changes to songs.mfd before opening another file?"});

    // Cancel keeps the window and the change; Save writes the file back and closes.
    for (const SaveChoice answer : {SaveChoice::kCancel, SaveChoice::kSave}) {
        dialogs.saveQuestions.clear();
        dialogs.saveAnswers = {answer};
        EXPECT_EQ(Main().close(), answer == SaveChoice::kSave);
        Settle();
        EXPECT_EQ(dialogs.saveQuestions, QStringList{"Save changes to songs.mfd before closing?"});
        EXPECT_EQ(Main().isVisible() && Main().isWindowModified(), answer == SaveChoice::kCancel);
    }
    EXPECT_EQ(mfd::ReadBigEndian16(ReadFile(folder.File("songs.mfd")), mfd::kCountOffset), 2);

    Main().show();
    DeleteRow(0);
    Trigger("mnuExit");  // Discard closes
    EXPECT_EQ(dialogs.saveQuestions.size(), 2);
    EXPECT_FALSE(Main().isVisible());

    // Started with a file on the command line; a missing one leaves the empty window.
    for (const auto& [file, shown] :
         {std::pair{"songs.mfd", "2 "}, {"missing.mfd", "0 Could not find that file "}}) {
        app.reset();
        app = std::make_unique<Application>(folder.Path(), folder.Path(), dialogs);
        app->Main(folder.File(file));
        EXPECT_TRUE(Main().isVisible());
        EXPECT_EQ(QString::number(RowCount()) + " " + Messages().join(""), shown);
    }

    WriteFile(folder.File("other.mfd"), BuildMfd("PSR-2000", {Song("Dropped", "Pop", 1)}));
    WriteFile(folder.File("list.txt"), BuildMfd("PSR-2000", {Song("Text", "Pop", 1)}));
    Drop({"list.txt"});
    Drop({"other.mfd", "songs.mfd"});
    EXPECT_EQ(RowCount(), 0);
    Drop({"other.mfd"});
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList{"Dropped"});
    DeleteRow(0);
    dialogs.saveAnswers = {SaveChoice::kCancel};
    Drop({"songs.mfd"});
    EXPECT_EQ(dialogs.saveQuestions.back(),
              "Save changes to other.mfd before opening another file?");
    EXPECT_EQ(RowCount(), 1);
    EXPECT_TRUE(Messages().isEmpty());
}

// The editor's OK and Modify say why they do nothing; the Music column widens with an edited
// title and narrows again when the widest title goes; the history keeps more than 100 steps.
TEST_F(SafetyTest, EditorTellsWhenItHasNoRecordAndColumnsFollowTheEditedCells) {
    OpenSongs(songs);
    auto* music = FindIn<QLineEdit>(Main().Editor(), "txtMusic");
    const auto modify = [&](const QString& title) {
        ClickRow(1);
        Click("cmdModify");
        music->setText(title);
        Click("cmdOk", Main().Editor());
        return List().header()->sectionSize(kMusicColumn);
    };
    const int fitted = List().header()->sectionSize(kMusicColumn);
    EXPECT_GT(modify(QString(40, 'W')), fitted + 100);
    EXPECT_EQ(modify("Amy"), fitted);

    ClickRow(1);
    Click("cmdModify");
    List().clearSelection();
    Click("cmdOk", Main().Editor());
    EXPECT_TRUE(Main().Editor()->isVisible());
    Main().Editor()->hide();
    DeleteRow(0);
    Click("cmdModify");
    EXPECT_FALSE(Main().Editor()->isVisible());
    EXPECT_EQ(Messages(), QStringList({"Select the record to modify in the list",
                                       "A deleted record cannot be modified"}));

    QUndoStack& history = app->GetSession().History();
    const int before = history.count();
    for (int step = 0; step < 120; ++step) {
        ToggleFavorite(Work().document, 2);
    }
    EXPECT_EQ(history.count(), before + 120);
    // A small budget keeps the newest steps that fit in it, and they still undo.
    app->GetSession().SetHistoryMemory(4000);
    ToggleFavorite(Work().document, 2);
    EXPECT_TRUE(history.count() >= 2 && history.count() <= 5) << history.count();
    while (history.canUndo()) {
        history.undo();
    }
    EXPECT_EQ(Work().document.At(2).favorite, history.count() % 2 == 0);
}

}  // namespace
}  // namespace quillory::testkit
