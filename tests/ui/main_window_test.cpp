#include <QComboBox>
#include <QLabel>
#include <QTreeView>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class MainWindowTest : public UiFixture {};

TEST_F(MainWindowTest, OpensAFileAndShowsItsRecords) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Swing", "002"}});
    RecordSpec song;
    song.music = "My Song";
    song.genre = "Pop";
    song.style = 1;
    OpenFile("song.mfd", BuildMfd("PSR-2000", {song}));

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(Main().windowTitle(),
              "Quillory   song.mfd  Source Instrument = PSR-2000   Deafult Style = Swing");
    auto* list = Find<QTreeView>("ListView1");
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 3).data().toString(), "Cool Pop");
    EXPECT_EQ(Find<QComboBox>("cboInst")->currentText(), "PSR-2000");
    EXPECT_TRUE(Find<QPushButton>("cmdAdd")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("CmdDelete")->isEnabled());
}

}  // namespace
}  // namespace quillory::testkit
