#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/record_layout.h"
#include "reader_harness.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::RecordSpec;
using testkit::RecordsWithStyles;

class ReaderStoreTest : public testing::Test, public testkit::ReaderHarness {};

std::string GenreName(int i) {
    return (i < 10 ? "G0" : "G") + std::to_string(i);
}

// n distinct genres "G00".."Gnn" in descending order, each twice, with empty genres between.
std::vector<RecordSpec> RecordsWithGenres(int n) {
    std::vector<RecordSpec> records;
    for (int i = n - 1; i >= 0; --i) {
        RecordSpec spec;
        spec.genre = GenreName(i);
        records.push_back(spec);
        records.push_back(RecordSpec{});
        records.push_back(spec);
    }
    return records;
}

std::vector<std::string> SortedGenres(int n) {
    std::vector<std::string> genres;
    for (int i = 0; i < n; ++i) {
        genres.push_back(GenreName(i));
    }
    return genres;
}

// The slots grow by 30 when the next-to-last one is filled, so the last one is always free; no
// genre is lost, none is doubled, the empty genre never enters and every read starts afresh.
TEST_F(ReaderStoreTest, GenreSlotsGrowAndKeepEveryGenreSorted) {
    struct Case {
        int distinct;
        std::size_t slots;
    };
    const Case cases[] = {{65, 91}, {29, 31}, {30, 61}, {59, 61}, {60, 91}, {0, 31}};
    for (const Case& c : cases) {
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", RecordsWithGenres(c.distinct))));
        const std::vector<std::string> expected = SortedGenres(c.distinct);
        EXPECT_EQ(store.genreChoices, expected) << c.distinct;
        ASSERT_EQ(store.gGenres.size(), c.slots) << c.distinct;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), store.gGenres.begin()));
        EXPECT_TRUE(std::all_of(store.gGenres.begin() + c.distinct, store.gGenres.end(),
                                [](const std::string& slot) { return slot.empty(); }))
            << c.distinct;
    }
}

TEST_F(ReaderStoreTest, GenreChoicesAreInOrdinalOrder) {
    std::vector<RecordSpec> records(5);
    const char* genres[] = {"pop", "Éire", "Rock", "Ballad", "pop"};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].genre = genres[i];
    }
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
    EXPECT_EQ(store.genreChoices, (std::vector<std::string>{"Ballad", "Rock", "pop", "Éire"}));
}

// The first read makes the source the target and loads its table into the editor; a later
// read of another instrument's file keeps the target, the default style and the options.
TEST_F(ReaderStoreTest, OnlyTheFirstReadChoosesTheTarget) {
    WriteTable("PSR-2000", {{" Pop ", "001"}, {"Ballad", "002"}});
    WriteTable("TYROS", {{"Swing", "001"}, {"Jazz", "002"}});

    ASSERT_TRUE(Open(BuildMfd("PSR-2000", RecordsWithStyles({1})), "a.mfd"));
    EXPECT_EQ(store.gTargetInstrument, "PSR-2000");
    EXPECT_EQ(store.gDefaultStyle, "Ballad");
    EXPECT_EQ(ChoiceNames(), (std::vector<std::string>{"Pop", "Ballad"}));
    EXPECT_EQ(Cell(0, kStyleColumn), " Pop ");  // the list shows the name as written

    store.gAllowUserStyles = true;
    store.gUnknownStyleColor = kBlue;
    ASSERT_TRUE(Open(BuildMfd("TYROS", RecordsWithStyles({2, 700})), "b.mfd"));
    EXPECT_EQ(store.gSourceInstrument, "TYROS");
    EXPECT_EQ(store.gTargetInstrument, "PSR-2000");
    EXPECT_EQ(store.gDefaultStyle, "Ballad");
    EXPECT_TRUE(store.gAllowUserStyles);
    EXPECT_EQ(store.gUnknownStyleColor, kBlue);
    EXPECT_EQ(ColumnTexts(kStyleColumn), (std::vector<std::string>{"Jazz", "700"}));
    EXPECT_EQ(ChoiceNames(), (std::vector<std::string>{"Pop", "Ballad", "700"}));
    EXPECT_EQ(store.window.title,
              "Quillory   b.mfd  Source Instrument = TYROS   Deafult Style = Ballad");
}

// A user style joins the editor's list once, with its number, however often files show it; a
// style text that the list already offers is not added again.
TEST_F(ReaderStoreTest, UserStylesJoinTheEditorsListOnce) {
    WriteTable("PSR-2000", {{"Pop", "001"}, {"007", "007"}});
    store.gTargetInstrument = "PSR-1000";
    store.styleChoices = {{"Pop", 1}, {"050", 50}};
    const Bytes file = BuildMfd("PSR-2000", RecordsWithStyles({1, 9, 50, 9, 700, 7}));

    ASSERT_TRUE(Open(file));
    ASSERT_TRUE(Open(file));
    EXPECT_EQ(ChoiceNames(), (std::vector<std::string>{"Pop", "050", "009", "700"}));
    EXPECT_EQ(store.styleChoices[2].number, 9);
    EXPECT_EQ(store.styleChoices[3].number, 700);
}

}  // namespace
}  // namespace quillory
