#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "data/record_commands.h"
#include "data/record_editor.h"
#include "edit_harness.h"

namespace quillory {
namespace {

using testkit::Padded;
using testkit::RecordSpec;

const std::string kLongTitle = "A Title Of Forty Characters, Cut At 32!!";

// Every field set to a value that lands in its own bytes.
EditorValues FullValues() {
    EditorValues values;
    values.genre = "Pop";
    values.music = kLongTitle;
    values.style = StyleChoice{"Jazz Club", 3};
    values.timeSig = " 6/ 8";
    values.tempo = "280";
    values.keywords = "live,encore";
    values.favorite = true;
    values.search2 = true;
    values.intro = "Main A";
    values.section = "Ending 1";
    return values;
}

using RecordEditorTest = testkit::EditHarness;

TEST(TempoTest, AcceptsThirtyTwoToTwoHundredEighty) {
    EXPECT_FALSE(TempoAccepted("31"));
    EXPECT_TRUE(TempoAccepted("32"));
    EXPECT_TRUE(TempoAccepted("280"));
    EXPECT_FALSE(TempoAccepted("281"));
    EXPECT_TRUE(TempoAccepted("120 abc"));
    EXPECT_FALSE(TempoAccepted(""));
}

// The checks run in order and each refusal leaves the list and the image as they were.
TEST_F(RecordEditorTest, RefusesIncompleteRecordsInOrder) {
    OpenRecords(std::vector<RecordSpec>(2));
    const Bytes image = store.gFileBytes;
    PrepareAdd(store);

    EditorValues values = FullValues();
    values.style.reset();
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kRefused);
    values = FullValues();
    values.genre.reset();
    values.music.clear();
    values.tempo.clear();
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kRefused);
    values.genre = "Pop";
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kFocusMusic);
    values.music = "Song";
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kRefused);
    store.gAddMode = false;
    values = FullValues();
    values.style.reset();
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kRefused);

    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "Please select a style", "All entries must have a genre selected",
                               "All entries must have a Music(song name)",
                               "All entries must have a tempo", "Please select a style"}));
    EXPECT_EQ(store.list.Size(), 2u);
    EXPECT_EQ(store.gFileBytes, image);
}

TEST_F(RecordEditorTest, AddAppendsNumberedRecordAndSelectsItsRow) {
    ASSERT_EQ(kLongTitle.size(), 40u);
    OpenRecords(std::vector<RecordSpec>(41));
    const std::size_t size = store.gFileBytes.size();
    PrepareAdd(store);

    ASSERT_EQ(EditorOk(store, FullValues(), ui), EditorOkResult::kDone);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(store.gFileBytes.size(), size + 92);
    EXPECT_EQ(ReadBigEndian16(store.gFileBytes, kCountOffset), 42);
    // Number 42, style 3, 6/8, tempo 1 * 256 + 24, marks 5, the texts, intro 4 * 16 + section 8.
    EXPECT_EQ(Field(42, 0, kRecordSize), std::string("\0\x2a\0\x03\x06\x08\x01\x18\x05", 9) +
                                             kLongTitle.substr(0, 32) + Padded("Pop", 16) +
                                             Padded("live,encore", 32) + Padded("\x48", 3));
    ASSERT_TRUE(store.list.Selected());
    const Row& row = store.list.At(*store.list.Selected());
    EXPECT_EQ(row.RecordNumber(), 42);
    EXPECT_EQ(row.cells, (std::array<std::string, kColumnCount>{
                             "00042", "Pop", kLongTitle, "Jazz Club", " 6/ 8", "280", "live,encore",
                             "Yes", "No", "Yes", "Main A", "Ending 1"}));
    EXPECT_TRUE(store.window.rowControlsEnabled);
}

// OK in Modify writes the clicked record and its row, wherever a search has moved the
// selection since, and keeps the record's number.
TEST_F(RecordEditorTest, ModifyWritesTheClickedRecordOnASortedList) {
    RecordSpec old = testkit::TextRecord("Old Title", "Easy Listening", "old,words");
    old.marks = 7;
    old.sections = 0x48;
    const std::vector<RecordSpec> records(3, old);
    OpenRecords(records);
    SortNewestFirst();
    RowClicked(store, IndexOf(1));
    store.list.Select(IndexOf(3));
    ASSERT_TRUE(PrepareModify(store));
    const Row untouched = RowOf(3);
    const std::string untouchedBytes = Field(3, 0, kRecordSize);

    EditorValues values;
    values.genre = "Jazz";
    values.style = StyleChoice{"8Beat", 2};
    values.timeSig = " 3/ 4";
    values.tempo = "96.4";
    ASSERT_EQ(EditorOk(store, values, ui), EditorOkResult::kDone);

    EXPECT_EQ(Field(1, 0, kRecordSize), std::string("\0\0\0\x02\x03\x04\0\x60\0", 9) +
                                            Padded("", 32) + Padded("Jazz", 16) + Padded("", 35));
    EXPECT_EQ(RowOf(1).cells,
              (std::array<std::string, kColumnCount>{"00001", "Jazz", "", "8Beat", " 3/ 4", "96.4",
                                                     "", "No", "No", "No", "Off", "Off"}));
    EXPECT_EQ(RowOf(3).cells, untouched.cells);
    EXPECT_EQ(Field(3, 0, kRecordSize), untouchedBytes);
}

// A tempo the record cannot hold fails before the row changes.
TEST_F(RecordEditorTest, ModifyWithATempoOutOfRangeChangesNothing) {
    OpenRecords(std::vector<RecordSpec>(2));
    RowClicked(store, 1);
    PrepareModify(store);
    const Row before = RowOf(2);
    const Bytes image = store.gFileBytes;
    for (const char* tempo : {"70000", "-5"}) {
        EditorValues values = FullValues();
        values.tempo = tempo;
        try {
            EditorOk(store, values, ui);
            ADD_FAILURE() << tempo << " was accepted";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), kOverflow) << tempo;
        }
        EXPECT_EQ(RowOf(2).cells, before.cells) << tempo;
        EXPECT_EQ(store.gFileBytes, image) << tempo;
    }
}

}  // namespace
}  // namespace quillory
