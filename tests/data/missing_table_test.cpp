#include "data/save_as.h"
#include "data/style_options.h"
#include "data/text_import.h"
#include "harness.h"

namespace quillory::testkit {
namespace {

class MissingTableTest : public DataTest {
protected:
    void SetUp() override {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}});
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", {WithTexts("Song", "Pop")})));
    }
};

// The target combo, Save As and the save before closing tell of the missing table and save
// nothing, without a dialog.
TEST_F(MissingTableTest, AnInstrumentWithoutItsTableIsToldAndSavesNothing) {
    const std::string in = ".dat in " + folder.Path().string();
    ui.fileAnswers = {folder.Path() / "out.mfd"};
    ChooseTargetInstrument(ws, "TYROS", ui);
    EXPECT_FALSE(SaveAs(ws, false, ui).file.has_value());
    Remove("PSR-2000.dat");
    EXPECT_FALSE(SaveForOwnInstrument(ws, ui).has_value());
    EXPECT_EQ(ui.messages, (Texts{"No style table TYROS" + in, "No style table TYROS" + in,
                                  "No style table PSR-2000" + in}));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_FALSE(Exists("out.mfd"));
}

// The blank line is not counted; the third line has a time signature without a slash.
TEST_F(MissingTableTest, AFailedImportNamesItsLineCountingTheHeader) {
    const std::string bad = "1\tPop\tBad\tCool Pop\t44\t120\t\tNo\tNo\tNo\tOff\tOff";
    const std::string good = "1\tPop\tGood\t8Beat\t4/4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n";
    EXPECT_TRUE(
        ImportTextDelimitedText(ws, "Number\tGenre\tMusic\r\n\r\n" + good + bad + "\r\n" + good, ui)
            .failed);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_TRUE(ui.reports[0].text.value_or("").ends_with("\r\nLine 3: " + bad));
    EXPECT_EQ(Column(kMusicColumn), Texts({"Song", "Good"}));
}

}  // namespace
}  // namespace quillory::testkit
