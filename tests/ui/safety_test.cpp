#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "data/list_export.h"
#include "platform/file_names.h"
#include "ui/edit/edit_dialog.h"
#include "ui/playlist/play_list_window.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

using SaveChoice = Prompts::SaveChoice;

// What can be lost: unsaved changes, the steps of the undo history, the file to open.
class SafetyTest : public UiFixture {
protected:
    // Songs whose styles the PSR-2000 table knows, so that saving them asks nothing more.
    static std::vector<RecordValues> Songs() {
        return {Song("Zed", "Pop", 1), Song("Amy", "Rock", 3), Song("Max", "Jazz", 2)};
    }
    // Deletes the row: a change of the records.
    void DeleteRow(int row) {
        ClickRow(row);
        Click("CmdDelete");
    }
    // The records as the list shows them and as the file would hold them.
    std::string State() { return RecordListExportText(Work().document) + "|" + FileOf(); }
    std::string FileOf() {
        const Bytes& image = Work().document.Image();
        return std::string(image.begin(), image.end());
    }
    QString Path(const std::string& name) { return QString::fromStdString(folder.File(name)); }
    // The user edits a record in the editor: Add or Modify, then a song title and OK.
    void Edit(const char* button, const QString& music) {
        Click(button);
        EditDialog& editor = *Main().Editor();
        Activate(editor);
        if (QString(button) == "cmdAdd") {
            auto* style = FindIn<QComboBox>(&editor, "cboStyle");
            style->setCurrentIndex(style->findText("8Beat"));
            auto* genre = FindIn<QComboBox>(&editor, "cboGenre");
            genre->setCurrentIndex(genre->findText("Pop"));
        }
        FindIn<QLineEdit>(&editor, "txtMusic")->setText(music);
        FindIn<QPushButton>(&editor, "cmdOk")->click();
        Settle();
    }
    void Drop(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files) {
            urls << QUrl::fromLocalFile(Path(file.toStdString()));
        }
        data.setUrls(urls);
        // A drop goes to the window that took the drag when it entered.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Main(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Main(), &drop);
        Settle();
    }
};

TEST_F(SafetyTest, UnsavedChangesAreKeptSavedOrDiscardedAsTheUserAnswers) {
    OpenSongs(Songs());
    dialogs.files.push_back(Path("songs.mfd"));
    Trigger("mnuOpen");
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());  // nothing changed: nothing to ask
    EXPECT_FALSE(Main().isWindowModified());

    DeleteRow(0);
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_TRUE(Title().endsWith('*'));
    // Cancel before opening: no file is asked for.
    const std::size_t fileRequests = dialogs.fileRequests.size();
    dialogs.saveAnswers = {SaveChoice::kCancel};
    Trigger("mnuOpen");
    EXPECT_EQ(dialogs.fileRequests.size(), fileRequests);
    // The play list closes by its own Exit without a word about the changes.
    Tick({1});
    Click("cmdPlayList");
    FindIn<QAction>(Main().PlayList(), "mnuExit")->trigger();
    Settle();
    EXPECT_EQ(dialogs.saveQuestions,
              QStringList{"Save changes to songs.mfd before opening another file?"});

    // Closing: Cancel and a cancelled save keep the window and the change; a save closes.
    struct Case {
        SaveChoice answer;
        std::optional<QString> file;
        bool closes;
    };
    for (const auto& [answer, file, closes] : {Case{SaveChoice::kCancel, std::nullopt, false},
                                               Case{SaveChoice::kSave, std::nullopt, false},
                                               Case{SaveChoice::kSave, Path("out.mfd"), true}}) {
        SCOPED_TRACE(file.value_or("no file").toStdString() + (closes ? " closes" : ""));
        dialogs.saveQuestions.clear();
        dialogs.saveAnswers = {answer};
        dialogs.files = {file};
        EXPECT_EQ(Main().close(), closes);
        Settle();
        EXPECT_EQ(dialogs.saveQuestions, QStringList{"Save changes to songs.mfd before closing?"});
        EXPECT_EQ(Main().isVisible(), !closes);
        EXPECT_EQ(Cell(0, kGenreColumn), "deleted");
    }
    EXPECT_EQ(ReadBigEndian16(ReadFile(folder.File("out.mfd")), kCountOffset), 2);
    EXPECT_FALSE(Main().isWindowModified());

    // Exit with a new change: Discard closes.
    Main().show();
    DeleteRow(1);
    dialogs.saveQuestions.clear();
    Trigger("mnuExit");
    EXPECT_EQ(dialogs.saveQuestions, QStringList{"Save changes to songs.mfd before closing?"});
    EXPECT_FALSE(Main().isVisible());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SafetyTest, TheEditMenuUndoesAndRedoesEachStepOfASortedList) {
    OpenSongs(Songs());
    ClickHeader(kMusicColumn);  // Amy Max Zed
    QAction* undo = InMain<QAction>("mnuUndo");
    QAction* redo = InMain<QAction>("mnuRedo");
    EXPECT_TRUE(InMain<QMenu>("mnuEdit")->actions().contains(undo));
    EXPECT_TRUE(InMain<QMenu>("mnuEdit")->actions().contains(redo));
    EXPECT_FALSE(undo->isEnabled());

    // Amy becomes Zoe, and the preview after it sorts the list by number: undo gives back the
    // list sorted by title. Then a new song comes in and one is deleted.
    std::vector<std::string> states = {State()};
    ClickRow(0);
    Edit("cmdModify", "Zoe");
    states.push_back(State());
    Edit("cmdAdd", "New");
    states.push_back(State());
    DeleteRow(1);
    states.push_back(State());
    const QStringList steps = {"Modify", "Add", "Delete"};

    for (int step = 2; step >= 0; --step) {
        SCOPED_TRACE(steps[step].toStdString());
        EXPECT_EQ(undo->text(), "Undo " + steps[step]);
        undo->trigger();
        Settle();
        EXPECT_EQ(State(), states[step]);
    }
    EXPECT_FALSE(Main().isWindowModified());
    EXPECT_FALSE(undo->isEnabled());
    for (int step = 0; step < 3; ++step) {
        SCOPED_TRACE(steps[step].toStdString());
        EXPECT_EQ(redo->text(), "Redo " + steps[step]);
        redo->trigger();
        Settle();
        EXPECT_EQ(State(), states[step + 1]);
    }
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SafetyTest, OpensTheFileOfTheCommandLineAndOneDroppedFinderFile) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}, {"Swing", "002"}});
    WriteFile(folder.File("songs.mfd"), BuildMfd("PSR-2000", Songs()));
    // A refused file leaves the empty window and the message, as Open File does.
    for (const auto& [file, shown, message] :
         {std::tuple{"songs.mfd",
                     "3 Quillory   songs.mfd  Source Instrument = PSR-2000   "
                     "Deafult Style = Swing",
                     QStringList()},
          std::tuple{"missing.mfd", "0 Quillory", QStringList{"Could not find that file "}}}) {
        SCOPED_TRACE(file);
        app.reset();
        app = std::make_unique<Application>(folder.Path(), dialogs);
        app->Main(folder.File(file));
        EXPECT_TRUE(Main().isVisible());
        EXPECT_EQ(QString::number(RowCount()) + " " + Title(), shown);
        EXPECT_EQ(Messages(), message);
    }

    WriteFile(folder.File("other.mfd"), BuildMfd("PSR-2000", {Song("Dropped", "Pop", 1)}));
    WriteFile(folder.File("list.txt"), BuildMfd("PSR-2000", {Song("Text", "Pop", 1)}));
    for (const QStringList& ignored :
         {QStringList{"list.txt"}, QStringList{"other.mfd", "songs.mfd"}}) {
        Drop(ignored);
        EXPECT_EQ(RowCount(), 0) << ignored.join(' ').toStdString();
    }
    Drop({"other.mfd"});
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList{"Dropped"});
    EXPECT_EQ(InMain<QLabel>("lblFilePath")->text(), FromPath(folder.File("other.mfd")));
    // A drop over unsaved changes asks first, as Open File does.
    DeleteRow(0);
    dialogs.saveAnswers = {SaveChoice::kCancel};
    Drop({"songs.mfd"});
    EXPECT_EQ(dialogs.saveQuestions,
              QStringList{"Save changes to other.mfd before opening another file?"});
    EXPECT_EQ(RowCount(), 1);
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
