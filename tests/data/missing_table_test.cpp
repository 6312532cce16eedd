#include <functional>

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

TEST_F(MissingTableTest, AnInstrumentWithoutItsTableIsToldAndSavesNothing) {
    const std::string missing = "No style table TYROS.dat in " + folder.Path().string();
    const std::string own = "No style table PSR-2000.dat in " + folder.Path().string();
    struct Case {
        const char* what;
        std::function<bool()> saved;  // whether the step wrote a file
        std::string message;
    };
    const Case cases[] = {
        {"combo",
         [&] {
             ChooseTargetInstrument(ws, "TYROS", ui);
             return false;
         },
         missing},
        {"Save As", [&] { return SaveAs(ws, false, ui).file.has_value(); }, missing},
        {"save before closing",
         [&] {
             Remove("PSR-2000.dat");
             return SaveForOwnInstrument(ws, ui).has_value();
         },
         own},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        ui.fileAnswers = {folder.Path() / "out.mfd"};
        EXPECT_FALSE(c.saved());
        EXPECT_EQ(ui.messages, Texts{c.message});
        EXPECT_TRUE(ui.fileDialogs.empty());
        EXPECT_FALSE(Exists("out.mfd"));
    }
}

TEST_F(MissingTableTest, AFailedImportNamesItsLineCountingTheHeader) {
    // The blank line is not counted; the third line has a time signature without a slash.
    const std::string bad = "1\tPop\tBad\tCool Pop\t44\t120\t\tNo\tNo\tNo\tOff\tOff";
    const std::string good = "1\tPop\tGood\t8Beat\t4/4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n";
    const std::string text = "Number\tGenre\tMusic\r\n\r\n" + good + bad + "\r\n" + good;
    EXPECT_TRUE(ImportTextDelimitedText(ws, text, ui).failed);
    ASSERT_EQ(ui.reports.size(), 1u);
    const std::string report = ui.reports.front().text.value_or("");
    const std::string place = "\r\nLine 3: " + bad;
    EXPECT_EQ(report.substr(report.size() - std::min(report.size(), place.size())), place);
    EXPECT_EQ(Column(kMusicColumn), Texts({"Song", "Good"}));
}

}  // namespace
}  // namespace quillory::testkit
