#include "data/conversion/merge.h"
#include "data/conversion/style_options.h"
#include "data/harness.h"
#include "support/edit_history.h"

namespace quillory::testkit {
namespace {

class MergeTest : public DataTest {
protected:
    // A PSR-2000 file of two records and a TYROS file of five, one of them deleted; the
    // PSR-2000 lacks Polka and the TYROS user style 650.
    void SetUp() override {
        WriteTable("PSR-2000", {{"Cool Pop", "017"}, {"Slow Rock", "042"}, {"Big Band", "100"}});
        WriteTable("TYROS", {{"COOL POP", "001"}, {"Polka", "002"}, {"slowrock", "003"}});
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", {{0, 17, 4, 4, 96, 0, "Home", "Pop", "", 0},
                                               {1, 100, 4, 4, 120, 0, "Swing", "Jazz", "", 0}})));
        other = BuildMfd("TYROS", {{7, 1, 3, 4, 90, 5, "Alpha", "Pop", "kw one", 0x21},
                                   {8, 2, 4, 4, 91, 0, "Beta", "Folk", "kw two", 0},
                                   {9, 3, 4, 4, 92, 0, "Gone", "deleted", "", 0},
                                   {10, 3, 6, 8, 93, 0, "Delta", "Rock", "", 0},
                                   {11, 650, 4, 4, 94, 0, "Gamma", "Mine", "kw", 0}});
        WriteFile(folder.File("other.mfd"), other);
        doc.AddObserver(history);
    }

    MergeOutcome Merge(const MergeOptions& options = {}) {
        return MergeFile(ws, folder.File("other.mfd"), options, ui);
    }

    // Record k of the other file numbered and restyled for the open file, "FIX," where
    // substituted.
    std::string Expected(int k, int number, int style, bool substituted = false) const {
        std::string record = RecordBytes(other, k);
        record.replace(0, 4, {0, static_cast<char>(number), 0, static_cast<char>(style)});
        return substituted ? record.replace(mfd::kKeywords, 4, "FIX,") : record;
    }

    Bytes other;
    EditHistory history;
};

TEST_F(MergeTest, MapsStylesByNameLeavesDeletedRecordsOutAndUndoesAsOneStep) {
    const Bytes before = doc.Image();
    const MergeOutcome outcome = Merge();
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Told(), "");
    EXPECT_EQ(MergeOutcomeText(outcome), "4 records merged");
    EXPECT_EQ(Column(kMusicColumn), (Texts{"Home", "Swing", "Alpha", "Beta", "Delta", "Gamma"}));
    EXPECT_EQ(Column(kStyleColumn),
              (Texts{"Cool Pop", "Big Band", "Cool Pop", "Big Band", "Slow Rock", "Big Band"}));
    EXPECT_EQ(Column(kNumberColumn), (Texts{"00001", "00002", "00003", "00004", "00005", "00006"}));
    EXPECT_EQ(CountOf(doc.Image()), 6);
    EXPECT_EQ(doc.Image().size(), RecordOffset(7));
    EXPECT_EQ(Stored({3, 4, 5, 6}, 0, kRecordSize),
              (Texts{Expected(1, 2, 17), Expected(2, 3, 100, true), Expected(4, 4, 42),
                     Expected(5, 5, 100, true)}));
    EXPECT_TRUE(doc.Modified());
    const std::string log = FileText("ExportLog.txt");
    EXPECT_EQ(log.substr(0, 25), "Style conversions to Big ");
    EXPECT_EQ(log.substr(log.find("\r\n")),
              "\r\n\r\n0001  Beta   polka\r\n0002  Gamma   650\r\n\r\n");

    ASSERT_EQ(history.steps.size(), 1u);
    EXPECT_EQ(history.steps[0]->Name(), "Merge");
    doc.Undo(*history.steps[0]);
    EXPECT_EQ(doc.Image(), before);
    EXPECT_EQ(Column(kMusicColumn), (Texts{"Home", "Swing"}));
    EXPECT_FALSE(doc.Modified());
    doc.Redo(*history.steps[0]);
    EXPECT_EQ(Stored(6), Expected(5, 5, 100, true));
    EXPECT_EQ(Column(kStyleColumn).back(), "Big Band");
}

TEST_F(MergeTest, DropsWithoutADefaultStyleAndSkipsDuplicatesWhenAsked) {
    SetDefaultStyle(ws, "None", ui);
    EXPECT_EQ(MergeOutcomeText(Merge()), "2 records merged, 2 left out for their style");
    EXPECT_EQ(Stored({3, 4}, 0, kRecordSize), (Texts{Expected(1, 2, 17), Expected(4, 3, 42)}));
    EXPECT_EQ(FileText("ExportLog.txt").substr(FileText("ExportLog.txt").find("\r\n")),
              "\r\n\r\n\r\n");

    const MergeOutcome again = Merge({.skipDuplicates = true});
    EXPECT_EQ(MergeOutcomeText(again),
              "0 records merged, 2 left out for their style, "
              "2 duplicates left out");
    EXPECT_EQ(doc.Size(), 4u);
    EXPECT_EQ(history.steps.size(), 1u);
}

TEST_F(MergeTest, KeepsUserStylesOfTheSameInstrumentWhenAllowed) {
    WriteFile(folder.File("other.mfd"),
              BuildMfd("PSR-2000", {{0, 99, 4, 4, 90, 0, "Mine", "", "", 0}}));
    SetAllowUserStyles(ws, true, ui);
    EXPECT_EQ(Merge().merged, 1);
    EXPECT_EQ(Stored(3, mfd::kStyle, 2), std::string("\0c", 2));
    EXPECT_EQ(RowOf(3).Cell(kStyleColumn) + "|" + ChoiceNames().back(), "099|099");
}

TEST_F(MergeTest, KeepsTheRecordLimitOfTheOpenFileBeforeChangingAnything) {
    std::vector<RecordValues> records(2498, RecordValues{{}, 17, 4, 4, 96, 0, "S", "G", "", 0});
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
    const Bytes before = doc.Image();
    Remove("ExportLog.txt");
    EXPECT_FALSE(Merge().done);
    EXPECT_EQ(Told(),
              "This mfd has  2502 and the instrument will only accept 2500. Use Delete "
              "to remove records. ;");
    EXPECT_EQ(doc.Image(), before);
    EXPECT_EQ(doc.Size(), 2498u);
    EXPECT_FALSE(Exists("ExportLog.txt"));
    EXPECT_TRUE(history.steps.empty());

    Delete(1);  // deleted records are not saved, so they leave room
    Delete(2);
    EXPECT_EQ(Merge().merged, 4);
    EXPECT_EQ(CountOf(doc.Image()), 2502);
    EXPECT_EQ(RowOf(2502).music, "Gamma");

    // An instrument without a limit still holds no more records than a file can count.
    WriteTable("CVP-307", {{"Cool Pop", "0017"}});
    records.resize(32764);
    ASSERT_TRUE(Open(BuildMfd("CVP-307", records)));
    ui.messages.clear();
    EXPECT_FALSE(Merge().done);
    EXPECT_EQ(Told(),
              "A Music Finder file holds at most 32767 records, and this one would hold "
              "32768 after the merge;");
    EXPECT_EQ(doc.Size(), 32764u);
}

TEST_F(MergeTest, RefusesFilesWhoseStylesCannotBeNamed) {
    other[mfd::kModelNameOffset] = 'X';
    WriteFile(folder.File("other.mfd"), other);
    EXPECT_FALSE(Merge().done);
    EXPECT_EQ(Told(), "The header of other.mfd names no instrument this program knows;");
    ui.messages.clear();
    other[mfd::kModelNameOffset] = 'T';
    WriteBigEndian16(other, kCountOffset, 6);  // one record more than the file holds
    WriteFile(folder.File("other.mfd"), other);
    EXPECT_FALSE(Merge().done);
    EXPECT_EQ(Told(), Reported(62, "MergeFile"));
    EXPECT_EQ(doc.Size(), 2u);
}

}  // namespace
}  // namespace quillory::testkit
