#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion_harness.h"
#include "data/save_as.h"
#include "data/style_options.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::RecordSpec;

const std::string kWarningA =
    "Any styles displayed in colored text are not available on the target instrument.\r\n\r\n"
    "* You can change these styles individually with Edit, or in a group with Replace.\r\n\r\n"
    "* If you want to eliminate these entries, select a Options/Default Style =None.\r\n\r\n"
    "* Otherwise, the User Styles will be converted to the default style.\r\n\r\n"
    "Do you want to continue?";
const std::string kWarningB =
    "Any styles with just a number and displayed in colored text are User Styles.\r\n\r\n"
    "* If you wish to include User Styles, first select 'Allow User Styles' under Options.\r\n\r\n"
    "* You can change these styles individually with Edit, or in a group with Replace.\r\n\r\n"
    "* If you want to eliminate these entries, select a Options/Default Style =None.\r\n\r\n"
    "* Otherwise, the User Styles will be converted to the default style.\r\n\r\n"
    "Do you want to continue?";

class SaveAsTest : public testing::Test, public testkit::ConversionHarness {
  protected:
    // A PSR-1000 file with Cool Pop, Polka and the user style 150; the PSR-2000 lacks Polka.
    void OpenThree() {
        WriteTable("PSR-1000", {{"Cool Pop", "001"}, {"Polka", "002"}, {"8Beat", "003"}});
        WriteTable("PSR-2000", {{"Cool Pop", "010"}, {"8Beat", "011"}});
        std::vector<RecordSpec> records(3);
        records[0].style = 1;
        records[1].style = 2;
        records[2].style = 150;
        ASSERT_TRUE(Open(BuildMfd("PSR-1000", records)));
        ASSERT_EQ(store.gTargetInstrument, "PSR-1000");
    }

    ConversionOutcome Save(const std::string& name, bool checkedOnly = false) {
        ui.fileAnswers.push_back(folder.Path() / name);
        const ConversionOutcome outcome = quillory::SaveAs(store, checkedOnly, ui);
        ui.fileAnswers.clear();
        return outcome;
    }

    int SavedCount(const std::string& name) const {
        const Bytes bytes = testkit::ReadFile(folder.File(name));
        return bytes[34] * 256 + bytes[35];
    }
};

TEST_F(SaveAsTest, AsksWarningAForStylesMissingOnAnotherInstrument) {
    OpenThree();
    ChooseTargetInstrument(store, "PSR-2000", ui);
    ASSERT_EQ(store.gDefaultStyle, "8Beat");
    Remove("ExportLog.txt");

    ui.confirmAnswers.push_back(false);
    EXPECT_EQ(Save("no.mfd"), ConversionOutcome::kNotSaved);
    EXPECT_EQ(ui.questions, std::vector<std::string>{kWarningA});
    EXPECT_EQ(ui.questionTitles, std::vector<std::string>{"Music Fincer Conversion Preview"});
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_FALSE(Exists("no.mfd"));
    // No keeps what the preview left: its log and its colours.
    EXPECT_NE(FileText("ExportLog.txt").find("0001  "), std::string::npos);
    EXPECT_EQ(RowOf(2).styleColour, kRed);
    EXPECT_EQ(RowOf(3).styleColour, kRed);

    ui.confirmAnswers.push_back(true);
    EXPECT_EQ(Save("yes.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(SavedCount("yes.mfd"), 3);

    // With the default style None the answer is the same question, and the file drops them.
    SetDefaultStyle(store, "None", ui);
    EXPECT_EQ(Save("none.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 3u);
    EXPECT_EQ(SavedCount("none.mfd"), 1);

    // Even an unchecked row's missing style asks, though only checked rows are saved.
    SetDefaultStyle(store, "8Beat", ui);
    store.list.SetChecked(0, true);
    EXPECT_EQ(Save("checked.mfd", true), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 4u);
    EXPECT_EQ(SavedCount("checked.mfd"), 1);
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(SaveAsTest, AsksNothingWhenTheTargetHasEveryStyle) {
    OpenThree();
    WriteTable("PSR-2000",
               {{"Cool Pop", "010"}, {"Polka", "012"}, {"150", "150"}, {"8Beat", "011"}});
    ChooseTargetInstrument(store, "PSR-2000", ui);
    store.gStylesMissing = true;  // left over from an earlier preview: Save As looks again
    EXPECT_EQ(Save("out.mfd"), ConversionOutcome::kSaved);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_FALSE(store.gStylesMissing);
    EXPECT_EQ(SavedCount("out.mfd"), 3);
}

TEST_F(SaveAsTest, OnTheSameInstrumentAsksWarningBUnlessUserStylesAreAllowed) {
    OpenThree();
    ASSERT_EQ(RowOf(3).Cell(kStyleColumn), "150");
    ui.confirmAnswers.push_back(false);
    EXPECT_EQ(Save("no.mfd"), ConversionOutcome::kNotSaved);
    EXPECT_EQ(ui.questions, std::vector<std::string>{kWarningB});
    EXPECT_FALSE(Exists("no.mfd"));

    // Allowed: saved without a question, the user style keeping its number.
    SetAllowUserStyles(store, true, ui);
    EXPECT_EQ(Save("user.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 1u);
    const Bytes saved = testkit::ReadFile(folder.File("user.mfd"));
    ASSERT_EQ(saved.size(), kHeaderSize + 3 * kRecordSize);
    EXPECT_EQ(saved[RecordOffset(3) + 2], 0);
    EXPECT_EQ(saved[RecordOffset(3) + 3], 150);

    // Allowed, but for another instrument: warning A.
    ChooseTargetInstrument(store, "PSR-2000", ui);
    ui.confirmAnswers.push_back(false);
    EXPECT_EQ(Save("other.mfd"), ConversionOutcome::kNotSaved);
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[1], kWarningA);
    EXPECT_TRUE(ui.reports.empty());
}

}  // namespace
}  // namespace quillory
