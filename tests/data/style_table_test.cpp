#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/style_table.h"
#include "reader_harness.h"

namespace quillory {
namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (const StyleTableLine& line : ParseStyleTable(text)) {
        lines.push_back(line.name + "|" + line.numberText);
    }
    return lines;
}

TEST(StyleTableTest, ParsesLinesEndedByCrLfUpToTheFirstEmptyOne) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines("A;001\r\nB;002\r\nA2;001\r\n"), (V{"A|001", "B|002", "A2|001"}));
    EXPECT_EQ(Lines("A;001\r\nLast;002"), V{"A|001"});  // no CR LF after it: never read
    EXPECT_EQ(Lines("A;001\r\n\r\nB;002\r\n"), V{"A|001"});
    EXPECT_EQ(Lines("\r\nA;001\r\n"), V{});
    EXPECT_EQ(Lines("A;001\nB;002\n"), V{});  // LF alone does not end a line
    EXPECT_EQ(Lines("A;001\rB;002\r\n"), V{"A|001\rB;002"});
    EXPECT_EQ(Lines(""), V{});
    // The first ";" splits; the name keeps its blanks.
    EXPECT_EQ(Lines(" Cool Pop ;012;x\r\n;\r\n"), (V{" Cool Pop |012;x", "|"}));
    // A line without ";" is no table line, but does not end the table either.
    EXPECT_EQ(Lines("Title line\r\nA;001\r\n"), V{"A|001"});
}

TEST(StyleTableTest, SourceTableKeepsTheFirstNameOfANumber) {
    SourceStyles styles;
    styles.Add("999", "Stale");
    FillSourceStyles(styles, "A;001\r\nB;002\r\nA2;001\r\n");
    EXPECT_EQ(styles.Size(), 2u);
    ASSERT_NE(styles.Find("001"), nullptr);
    EXPECT_EQ(*styles.Find("001"), "A");
    EXPECT_EQ(*styles.Find("002"), "B");
    EXPECT_EQ(styles.Find("999"), nullptr);
    EXPECT_EQ(styles.Find("1"), nullptr);  // keys are compared as text
}

class StyleSetupTest : public testing::Test, public testkit::ReaderHarness {
protected:
    void SetUp() override { store.gTargetInstrument = "CVP-305"; }
};

// The editor's list keeps every line, duplicates included, with trimmed names and numeric
// values; the last line names the default style.
TEST_F(StyleSetupTest, EditorListKeepsEveryLineAndTheLastIsTheDefault) {
    store.styleChoices = {{"Old", 1}};
    testkit::WriteFile(folder.File("CVP-305.dat"),
                       std::string("A;0001\r\n B ; 0002\r\nA2;0001\r\nCaf\xE9;1234\r\n"));
    cboStyle_setup(store, ui);
    ASSERT_EQ(store.styleChoices.size(), 4u);
    EXPECT_EQ(ChoiceNames(), (std::vector<std::string>{"A", "B", "A2", "Café"}));
    EXPECT_EQ(store.styleChoices[1].number, 2);
    EXPECT_EQ(store.styleChoices[3].number, 1234);
    EXPECT_EQ(store.gDefaultStyle, "Café");
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(StyleSetupTest, MissingTableEmptiesTheListAndTheDefault) {
    store.styleChoices = {{"Old", 1}};
    store.gDefaultStyle = "Old";
    cboStyle_setup(store, ui);
    EXPECT_TRUE(store.styleChoices.empty());
    EXPECT_EQ(store.gDefaultStyle, "");
    EXPECT_TRUE(ui.reports.empty());
    EXPECT_TRUE(ui.messages.empty());
}

// A number that is not a whole number stops the set-up: what came before stays, the default
// style is not changed, and the failure is reported under "cboStyle_setup".
TEST_F(StyleSetupTest, BadNumberIsReportedAndEarlierEntriesStay) {
    store.gDefaultStyle = "Old";
    WriteTable("CVP-305", {{"A", "0001"}, {"B", "0002"}, {"C", "three"}, {"D", "0004"}});
    cboStyle_setup(store, ui);
    EXPECT_EQ(ChoiceNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(store.gDefaultStyle, "Old");
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].number, kTypeMismatch);
    EXPECT_EQ(ui.reports[0].operation, "cboStyle_setup");
    EXPECT_EQ(ui.reports[0].text,
              "Error #: 13, Type mismatch, encountered in Function cboStyle_setup. If the "
              "solution is not obvious, please report this to the author.");
}

TEST(ReadTextFileTest, DecodesTheCodePageAndReadsNothingFromAMissingFile) {
    testkit::TempFolder folder;
    testkit::WriteFile(folder.File("t.dat"), std::string("Se\xF1or\x80\r\n", 8));
    EXPECT_EQ(ReadTextFile(folder.File("t.dat")), "Señor€\r\n");
    EXPECT_EQ(ReadTextFile(folder.File("missing.dat")), "");
    EXPECT_EQ(ReadTextFile(folder.Path()), "");
}

}  // namespace
}  // namespace quillory
