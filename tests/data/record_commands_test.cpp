#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/record_commands.h"
#include "edit_harness.h"

namespace quillory {
namespace {

using testkit::RecordSpec;

class RecordCommandsTest : public testkit::EditHarness {
  protected:
    // Five records whose tempo and genre orders differ from their record order. Record 2 is in
    // 6/8 and record 4 in 5/4; the marks bytes are 6, 7, 5, 3 and 4.
    void OpenFive() {
        const char* genres[] = {"Rock", "Ballad", "Pop", "Jazz", "Swing"};
        const int tempos[] = {120, 72, 140, 96, 160};
        const std::uint8_t marks[] = {6, 7, 5, 3, 4};
        std::vector<RecordSpec> records(5);
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].genre = genres[i];
            records[i].music = "Song " + std::to_string(i + 1);
            records[i].tempo = tempos[i];
            records[i].marks = marks[i];
            records[i].keywords = "kw" + std::to_string(i + 1);
            records[i].sections = 0x15;
        }
        records[1].timeSigNumerator = 6;
        records[1].timeSigDenominator = 8;
        records[3].timeSigNumerator = 5;
        OpenRecords(records);
    }

    // Del Chk'd and Play List enabled.
    std::pair<bool, bool> Buttons() const {
        return {store.window.deleteCheckedEnabled, store.window.playListEnabled};
    }
};

// A deleted row shows "deleted" and empty music, style, time signature, tempo and keywords, and
// keeps its number, marks, intro and section.
void ExpectDeleted(const Row& now, const Row& was) {
    EXPECT_EQ(now.Cell(kGenreColumn), "deleted");
    for (int column : {kMusicColumn, kStyleColumn, kTimeSigColumn, kTempoColumn, kKeywordsColumn}) {
        EXPECT_EQ(now.Cell(column), "") << column;
    }
    for (int column : {kNumberColumn, kFavoriteColumn, kSearch1Column, kSearch2Column, kIntroColumn,
                       kSectionColumn}) {
        EXPECT_EQ(now.Cell(column), was.Cell(column)) << column;
    }
}

TEST_F(RecordCommandsTest, CheckUncheckAndInvertKeepCounterAndButtonsInStep) {
    OpenFive();
    CheckBoxChanged(store, 1, true);
    CheckBoxChanged(store, 1, false);  // clearing the only tick keeps Play List
    EXPECT_EQ(store.list.CheckedCount(), 0u);
    EXPECT_EQ(Buttons(), std::make_pair(false, true));

    for (std::size_t row : {0, 2, 4}) {
        CheckBoxChanged(store, row, true);
    }
    InvertChecks(store);
    EXPECT_EQ(TickedRecords(), (std::vector<int>{2, 4}));
    EXPECT_EQ(store.list.CheckedCount(), 2u);
    EXPECT_EQ(Buttons(), std::make_pair(true, true));

    CheckAll(store);
    EXPECT_EQ(store.list.CheckedCount(), 5u);
    InvertChecks(store);
    EXPECT_EQ(store.list.CheckedCount(), 0u);
    EXPECT_EQ(Buttons(), std::make_pair(false, false));

    CheckAll(store);
    EXPECT_EQ(Buttons(), std::make_pair(true, true));
    UncheckAll(store);
    EXPECT_EQ(store.list.CheckedCount(), 0u);
    EXPECT_EQ(Buttons(), std::make_pair(false, false));
}

TEST_F(RecordCommandsTest, InvertOnAnEmptyListKeepsPlayList) {
    store.window.playListEnabled = true;
    store.window.deleteCheckedEnabled = true;
    InvertChecks(store);
    EXPECT_EQ(Buttons(), std::make_pair(false, true));
}

// Delete marks the selected row and keeps its tick; Del Chk'd marks the ticked rows and clears
// their ticks. Neither touches a record byte.
TEST_F(RecordCommandsTest, DeleteAndDeleteCheckedMarkRowsOnly) {
    OpenFive();
    SortNewestFirst();
    const Bytes image = store.gFileBytes;
    const std::vector<Row> before = store.list.Rows();

    DeleteSelected(store);  // nothing selected
    store.list.Select(IndexOf(2));
    store.list.SetChecked(IndexOf(2), true);
    DeleteSelected(store);
    EXPECT_TRUE(RowOf(2).checked);
    store.list.SetChecked(IndexOf(2), false);
    CheckBoxChanged(store, IndexOf(1), true);
    CheckBoxChanged(store, IndexOf(4), true);
    DeleteChecked(store);

    for (std::size_t i = 0; i < before.size(); ++i) {
        const int n = before[i].RecordNumber();
        if (n == 1 || n == 2 || n == 4) {
            ExpectDeleted(store.list.At(i), before[i]);
        } else {
            EXPECT_EQ(store.list.At(i).cells, before[i].cells) << n;
        }
    }
    EXPECT_EQ(store.list.CheckedCount(), 0u);
    EXPECT_FALSE(store.window.deleteCheckedEnabled);
    EXPECT_TRUE(store.window.playListEnabled);
    EXPECT_EQ(store.gFileBytes, image);
}

// Each button clears its own bit in every record, deleted ones included, and its own column.
TEST_F(RecordCommandsTest, ClearingAMarkClearsOneBitOfEveryRecord) {
    struct Case {
        Mark mark;
        int column;
        std::vector<int> marks;  // records 1 to 5 afterwards; before: 6, 7, 5, 3, 4
    };
    const Case cases[] = {
        {Mark::kFavorite, kFavoriteColumn, {6, 6, 4, 2, 4}},
        {Mark::kSearch1, kSearch1Column, {4, 5, 5, 1, 4}},
        {Mark::kSearch2, kSearch2Column, {2, 3, 1, 3, 0}},
    };
    for (const Case& c : cases) {
        OpenFive();
        SortNewestFirst();
        store.list.Select(IndexOf(2));
        DeleteSelected(store);
        const std::vector<Row> before = store.list.Rows();

        ClearMark(store, c.mark);
        for (int n = 1; n <= 5; ++n) {
            EXPECT_EQ(Byte(n, field::kMarks), c.marks[static_cast<std::size_t>(n - 1)])
                << "column " << c.column << ", record " << n;
        }
        for (std::size_t i = 0; i < before.size(); ++i) {
            for (int column : {kFavoriteColumn, kSearch1Column, kSearch2Column}) {
                EXPECT_EQ(store.list.At(i).Cell(column),
                          column == c.column ? "No" : before[i].Cell(column));
            }
        }
    }
}

// Record 1 keeps bytes after the zero that ends its keywords; record 3's keywords fill the
// field. The stored numbers and the sort by music pair no row with its record by number or
// position.
TEST_F(RecordCommandsTest, KeywordAddWritesEachRowsRecord) {
    const std::string full(32, 'k');
    std::vector<RecordSpec> records = {testkit::TextRecord("C", "", "rock"),
                                       testkit::TextRecord("A", "", ""),
                                       testkit::TextRecord("B", "", full)};
    records[0].number = 1;
    records[1].number = 2;
    records[2].number = 0;
    Bytes image = testkit::BuildMfd("PSR-2000", records);
    const std::string tail = "ABCDEFGHIJ";
    std::copy(tail.begin(), tail.end(), image.begin() + RecordOffset(1) + field::kKeywords + 5);
    OpenImage(image);
    store.list.SetSort(true, kMusicColumn, SortOrder::kAscending);
    ASSERT_EQ(RecordOrder(), (std::vector<int>{2, 3, 1}));
    ASSERT_EQ(RowOf(1).Cell(kNumberColumn), "00002");

    KeywordAdd(store, "");
    EXPECT_EQ(RowOf(1).Cell(kKeywordsColumn), "rock");
    EXPECT_EQ(store.gFileBytes, image);

    KeywordAdd(store, "live");
    EXPECT_EQ(RowOf(1).Cell(kKeywordsColumn), "rock,live");
    EXPECT_EQ(Field(1, field::kKeywords, 32), testkit::Padded("rock,liveEFGHIJ", 32));
    EXPECT_EQ(RowOf(2).Cell(kKeywordsColumn), ",live");
    EXPECT_EQ(Field(2, field::kKeywords, 32), testkit::Padded(",live", 32));
    EXPECT_EQ(RowOf(3).Cell(kKeywordsColumn), full + ",live");
    EXPECT_EQ(Field(3, field::kKeywords, 32), full);
}

TEST_F(RecordCommandsTest, ToggleFavoriteFlipsBitZeroOfTheSelectedRowsRecord) {
    OpenFive();
    SortNewestFirst();
    const Bytes image = store.gFileBytes;

    ToggleFavorite(store);  // nothing selected
    EXPECT_EQ(store.gFileBytes, image);

    store.list.Select(IndexOf(5));
    ToggleFavorite(store);
    EXPECT_EQ(RowOf(5).Cell(kFavoriteColumn), "Yes");
    EXPECT_EQ(Byte(5, field::kMarks), 5);
    ToggleFavorite(store);
    EXPECT_EQ(RowOf(5).Cell(kFavoriteColumn), "No");
    EXPECT_EQ(store.gFileBytes, image);
}

TEST_F(RecordCommandsTest, HeaderClicksSortAscendingThenReverse) {
    OpenFive();
    ColumnHeaderClicked(store, kTempoColumn);
    EXPECT_EQ(RecordOrder(), (std::vector<int>{2, 4, 1, 3, 5}));
    ColumnHeaderClicked(store, kTempoColumn);
    EXPECT_EQ(RecordOrder(), (std::vector<int>{5, 3, 1, 4, 2}));
    EXPECT_EQ(store.list.Order(), SortOrder::kDescending);
    ColumnHeaderClicked(store, kGenreColumn);
    EXPECT_EQ(RecordOrder(), (std::vector<int>{2, 4, 3, 1, 5}));
    EXPECT_EQ(store.list.SortColumn(), kGenreColumn);
    EXPECT_EQ(store.list.Order(), SortOrder::kAscending);
}

TEST_F(RecordCommandsTest, RowClickHandsTheRowToTheEditor) {
    OpenFive();  // genres in slot order: Ballad, Jazz, Pop, Rock, Swing
    SortNewestFirst();

    RowClick click = RowClicked(store, IndexOf(1));
    EXPECT_EQ(store.gSelectedRecord, 1);
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_TRUE(store.window.rowControlsEnabled && store.window.replaceEnabled);
    EXPECT_EQ((std::vector<std::string>{click.music, click.tempo, click.keywords, click.style}),
              (std::vector<std::string>{"Song 1", "120", "kw1", "Cool Pop"}));
    EXPECT_EQ((std::vector<bool>{click.favorite, click.search1, click.search2}),
              (std::vector<bool>{false, true, true}));
    EXPECT_EQ(click.timeSig, 1u);
    EXPECT_EQ(store.gEditTimeSig, " 4/ 4");
    EXPECT_EQ(click.genreIndex, 3u);

    click = RowClicked(store, IndexOf(2));
    EXPECT_EQ(click.timeSig, 3u);
    EXPECT_EQ(store.gEditTimeSig, " 6/ 8");
    EXPECT_EQ(click.genreIndex, 0u);

    click = RowClicked(store, IndexOf(4));  // " 5/ 4" is none of the editor's options
    EXPECT_EQ(store.gSelectedRecord, 4);
    EXPECT_FALSE(click.timeSig);
    EXPECT_EQ(store.gEditTimeSig, " 6/ 8");
    EXPECT_EQ(click.genreIndex, 1u);

    DeleteSelected(store);
    EXPECT_FALSE(RowClicked(store, IndexOf(4)).genreIndex);  // "deleted" is no genre
}

}  // namespace
}  // namespace quillory
