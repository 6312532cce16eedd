#include <QTreeView>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class ImportTest : public UiFixture {
protected:
    // Import > Text Delimited File with the text as the chosen file.
    void Import(const std::string& text) {
        WriteFile(folder.File("songs.txt"), text);
        dialogs.files.push_back(QString::fromStdString(folder.File("songs.txt")));
        Trigger("mnuTextDelimitedInput");
    }
};

const char* const kHeaderLine =
    "Number\tGenre    \tMusic\tStyle\tTimeSig\tTempo\tKeywords\tFav \tS1\tS2\tIntro\tNext "
    "Section\r\n";

TEST_F(ImportTest, NeedsAnOpenFile) {
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(dialogs.messages,
              QStringList{"A music finder file must be loaded before you can append a text "
                          "delimited file to it"});
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(ImportTest, AppendsTheKnownStylesAndLogsTheRefusedLines) {
    OpenThreeSongs();
    Import(
        std::string(kHeaderLine) +
        "1\tBallad\tSong D\tcool pop\t 3/ 4\t090\tnight\tYes\tNo\tNo\tIntro 1\tMain A\r\n"
        "2\tFolk\tSong E\tPolka\t 4/ 4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n"
        "3\tLatin\tSong F, The Extended Dance Mix\tSwing\t 4/ 4\t100\t\tNo\tYes\tNo\tOff\tOff\r\n");

    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Text Delimited Files(*.txt)|*.txt|");
    EXPECT_FALSE(dialogs.fileRequests[1].save);
    EXPECT_EQ(dialogs.messages,
              QStringList{"Some entries could not be stored because the style indicated does not "
                          "exist on the source instrument. See ImportLog.txt for details"});
    ASSERT_EQ(RowCount(), 5);
    EXPECT_EQ(Cell(3, 0), "00004");
    EXPECT_EQ(Cell(3, 3), "cool pop");
    EXPECT_EQ(Cell(3, 10), "Intro 1");
    EXPECT_EQ(Cell(4, 0), "00005");
    EXPECT_EQ(Cell(4, 2), "Song F, The Extended Dance Mix");
    auto* list = InMain<QTreeView>("ListView1");
    EXPECT_GE(list->columnWidth(kMusicColumn),
              QFontMetrics(list->font()).horizontalAdvance(Cell(4, 2)));
    EXPECT_EQ(Store().HeaderRecordCount(), 5);
    const Bytes log = ReadFile(folder.File("ImportLog.txt"));
    EXPECT_EQ(std::string(log.begin(), log.end()),
              "Item #\tGenre\tSong\tStyle\r\n3\tFolk\tSong E\tpolka\r\n\r\n");

    // The imported records are saved with the others.
    Trigger("mnuUserStyles");
    Trigger("mnuConvert");
    dialogs.files.push_back(QString::fromStdString(folder.File("out.mfd")));
    FindIn<QPushButton>(Find<QWidget>("frmConvert"), "cmdSave")->click();
    const Bytes file = ReadFile(folder.File("out.mfd"));
    ASSERT_EQ(file.size(), RecordOffset(6));
    EXPECT_EQ(ReadBigEndian16(file, RecordOffset(4) + 2), 1);
    EXPECT_EQ(ReadBigEndian16(file, RecordOffset(5) + 2), 2);
}

}  // namespace
}  // namespace quillory::testkit
