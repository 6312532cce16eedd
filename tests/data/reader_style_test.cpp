#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "data/record_layout.h"
#include "reader_harness.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::RecordsWithStyles;

// How an instrument's files show their style numbers.
enum class Rule { kLookUpAll, kNumberFrom600, kHalfFrom623, kHalfFrom689 };

struct InstrumentCase {
    const char* id;
    int digits;
    Rule rule;
};

void PrintTo(const InstrumentCase& instrument, std::ostream* out) {
    *out << instrument.id;
}

std::string Padded(int number, int digits) {
    std::string text = std::to_string(number);
    return std::string(text.size() < static_cast<std::size_t>(digits) ? digits - text.size() : 0,
                       '0') +
           text;
}

// Numbers on both sides of every threshold, and one (13) that no table holds.
const std::vector<int> kStyles = {12, 13, 599, 600, 622, 623, 688, 689, 1300, 1301};

class StyleColumnTest : public testing::TestWithParam<InstrumentCase>,
                        public testkit::ReaderHarness {};

TEST_P(StyleColumnTest, ShowsNamesNumbersOrHalvesByTheInstrumentsRules) {
    const InstrumentCase& instrument = GetParam();
    Styles table;
    for (int number : kStyles) {
        if (number != 13) {
            table.push_back({"S" + std::to_string(number), Padded(number, instrument.digits)});
        }
    }
    table.push_back({"Wrong width", Padded(12, 7 - instrument.digits)});
    WriteTable(instrument.id, table);
    store.gTargetInstrument = "unset";  // keeps the editor's list for the user styles alone

    ASSERT_TRUE(Open(BuildMfd(instrument.id, RecordsWithStyles(kStyles))));
    EXPECT_EQ(store.gSourceInstrument, instrument.id);

    const std::string k13 = Padded(13, instrument.digits);
    std::vector<std::string> shown;
    std::vector<std::string> userStyles = {k13};
    switch (instrument.rule) {
        case Rule::kLookUpAll:
            shown = {"S12", k13, "S599", "S600", "S622", "S623", "S688", "S689", "S1300", "S1301"};
            break;
        case Rule::kNumberFrom600:
            shown = {"S12", "013", "S599", "600", "622", "623", "688", "689", "1300", "1301"};
            userStyles = {"013", "600", "622", "623", "688", "689", "1300", "1301"};
            break;
        case Rule::kHalfFrom623:
            shown = {"S12", "013", "S599", "S600", "S622", "312", "344", "345", "650", "651"};
            break;
        case Rule::kHalfFrom689:
            shown = {"S12", "013", "S599", "S600", "S622", "S623", "S688", "345", "650", "651"};
            break;
    }
    EXPECT_EQ(ColumnTexts(kStyleColumn), shown);
    EXPECT_EQ(ChoiceNames(), userStyles);
    for (const StyleChoice& choice : store.styleChoices) {
        EXPECT_EQ(choice.number, std::stoi(choice.name)) << choice.name;
    }
}

const InstrumentCase kInstruments[] = {
    {"PSR-1000", 3, Rule::kLookUpAll},  {"PSR-1100", 3, Rule::kLookUpAll},
    {"PSR-1500", 4, Rule::kLookUpAll},  {"PSR-2000", 3, Rule::kLookUpAll},
    {"PSR-2100", 3, Rule::kLookUpAll},  {"PSR-3000", 4, Rule::kLookUpAll},
    {"TYROS", 3, Rule::kNumberFrom600}, {"CVP-203", 3, Rule::kHalfFrom623},
    {"CVP-204", 3, Rule::kHalfFrom689}, {"CVP-205", 3, Rule::kHalfFrom623},
    {"CVP-206", 3, Rule::kHalfFrom689}, {"CVP-207", 3, Rule::kHalfFrom623},
    {"CVP-208", 3, Rule::kHalfFrom689}, {"CVP-209", 3, Rule::kHalfFrom623},
    {"CVP-210", 3, Rule::kHalfFrom689}, {"CVP-305", 4, Rule::kLookUpAll},
    {"CVP-307", 4, Rule::kLookUpAll},
};

std::string TestName(const testing::TestParamInfo<InstrumentCase>& info) {
    std::string name = info.param.id;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllInstruments, StyleColumnTest, testing::ValuesIn(kInstruments),
                         TestName);

class StyleSourceTest : public testing::Test, public testkit::ReaderHarness {};

// "Use Style Numbers" ignores the header and every table: 0 is a user style shown as 000, any
// other number is shown as its half, halves rounded away from zero.
TEST_F(StyleSourceTest, StyleNumbersShowHalvesWhateverTheHeaderSays) {
    WriteTable("PSR-2000", {{"Twelve", "012"}});
    WriteTable("numbers", {{"Twelve", "012"}});
    store.sourceMenu.choice = SourceMenu::Choice::kStyleNumbers;

    ASSERT_TRUE(Open(BuildMfd("PSR-2000", RecordsWithStyles({0, 12, 13, 1301}))));
    EXPECT_EQ(store.gSourceInstrument, "numbers");
    EXPECT_EQ(ColumnTexts(kStyleColumn), (std::vector<std::string>{"000", "006", "007", "651"}));
    ASSERT_EQ(store.styleChoices.size(), 2u);  // the numbers table's entry, then the user style
    EXPECT_EQ(store.styleChoices[1].name, "000");
    EXPECT_EQ(store.styleChoices[1].number, 0);
    EXPECT_NE(store.window.title.find("Source Instrument = numbers"), std::string::npos);
}

// Under "Auto" the header's model name (bytes below 33 or above 123 read as blanks, then
// trimmed) must match an identifier exactly; otherwise the source stays what it was. A fixed
// menu item overrides the header.
TEST_F(StyleSourceTest, SourceInstrumentComesFromHeaderOrMenu) {
    struct Case {
        std::string header;
        SourceMenu menu;
        std::string previous;
        std::string expected;
    };
    const SourceMenu kAuto;
    const Case cases[] = {
        {"CVP-204", kAuto, "", "CVP-204"},
        {std::string("\x01TYROS\xFF\x7C", 8), kAuto, "", "TYROS"},
        {"Tyros", kAuto, "PSR-1000", "PSR-1000"},
        {"PSR-2000X", kAuto, "CVP-305", "CVP-305"},
        {"numbers", kAuto, "PSR-1000", "PSR-1000"},
        {"CVP-204", {SourceMenu::Choice::kInstrument, "PSR-1000"}, "TYROS", "PSR-1000"},
    };
    for (const Case& c : cases) {
        store.sourceMenu = c.menu;
        store.gSourceInstrument = c.previous;
        EXPECT_TRUE(Open(BuildMfd(c.header, {})));
        EXPECT_EQ(store.gSourceInstrument, c.expected) << c.header;
    }
}

// A file from an unknown instrument read before any source is known shows numbers: 0 as a user
// style, the others halved.
TEST_F(StyleSourceTest, UnknownSourceShowsHalves) {
    ASSERT_TRUE(Open(BuildMfd("KEYBOARD", RecordsWithStyles({0, 13}))));
    EXPECT_EQ(store.gSourceInstrument, "");
    EXPECT_EQ(ColumnTexts(kStyleColumn), (std::vector<std::string>{"000", "007"}));
    EXPECT_EQ(ChoiceNames(), std::vector<std::string>{"000"});
}

}  // namespace
}  // namespace quillory
