#include <QStatusBar>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

using SaveChoice = Prompts::SaveChoice;

class PlayListWorkTest : public UiFixture {
protected:
    PlayListWindow* Window() { return Main().PlayList(); }
    QTreeView* View() { return FindIn<QTreeView>(Window(), "ListView1"); }
    // Each row's number, music and comment: "00001 Song B fade out|00002 Song C  ".
    QString Rows() {
        const QAbstractItemModel& model = *View()->model();
        return Texts(model.rowCount(),
                     [&](int row) {
                         return model.index(row, 0).data().toString() + " " +
                                model.index(row, 1).data().toString() + " " +
                                model.index(row, 5).data().toString();
                     })
            .join('|');
    }
    void Comment(int row, const QString& comment) {
        ClickRow(row, View());
        dialogs.inputAnswers.push_back(comment);
        Click("cmdNotes", Window());
    }
};

// Comments and order outlive Exit; unsaved work is asked about; a saved list opens back.
TEST_F(PlayListWorkTest, KeepsItsWorkAndAsksBeforeLosingIt) {
    OpenSongs();
    Tick({0, 1});
    Click("cmdPlayList");
    Comment(1, "fade out");
    dialogs.saveAnswers = {SaveChoice::kCancel};
    Trigger("mnuExit", Window());
    ASSERT_TRUE(Window() && Window()->isVisible());
    EXPECT_EQ(dialogs.saveQuestions, QStringList{"Save changes to the play list before closing?"});
    dialogs.saveAnswers = {SaveChoice::kSave};
    dialogs.files = {Path("play.txt")};
    Trigger("mnuExit", Window());
    EXPECT_EQ(Window(), nullptr);

    Tick({0}, false);
    Tick({2});
    Click("cmdPlayList");
    EXPECT_EQ(Rows(), "00001 Song B fade out|00002 Song C  ");
    EXPECT_EQ(Window()->statusBar()->currentMessage(), "Added Song C; removed Song A");

    dialogs.files = {Path("play.txt")};
    Trigger("mnuOpenPlayList", Window());
    EXPECT_EQ(Rows(), "00001 Song A  |00002 Song B fade out");
    EXPECT_EQ(Ticks(), "110");

    // Closing the main window and opening another file ask about it too.
    Comment(0, "opener");
    dialogs.saveQuestions.clear();
    dialogs.saveAnswers = {SaveChoice::kCancel};
    EXPECT_FALSE(Main().close());
    dialogs.saveAnswers = {SaveChoice::kDiscard};
    OpenSongs();
    EXPECT_EQ(dialogs.saveQuestions,
              QStringList({"Save changes to the play list before closing?",
                           "Save changes to the play list before opening another file?"}));
    EXPECT_TRUE(app->GetSession().KeptPlayList().Rows().empty());
}

}  // namespace
}  // namespace quillory::testkit
