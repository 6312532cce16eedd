#include "data/document/play_list.h"
#include "data/document/record_commands.h"
#include "data/document/record_filter.h"
#include "data/document/record_search.h"
#include "data/exchange/list_export.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

class FilterTest : public DataTest {
protected:
    // Record 1 "Blue Moon" and 4 "Road" are favourites; 3 has "moonlight" in its keywords.
    void OpenFour() {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}});
        ASSERT_TRUE(
            Open(BuildMfd("PSR-2000", {{0, 1, 4, 4, 120, 1, "Blue Moon", "Pop", "rock", 0},
                                       {1, 1, 4, 4, 120, 0, "ÉTÉ Song", "Chanson", "", 0},
                                       {2, 1, 4, 4, 120, 0, "Sunrise", "Pop", "moonlight", 0},
                                       {3, 1, 4, 4, 120, 1, "Road", "Swing", "", 0}})));
    }
    std::string Shown(const RecordFilter& filter) const {
        std::string shown;
        for (int n = 1; n <= 4; ++n) {
            shown += filter.Shows(RowOf(n)) ? std::to_string(n) : "";
        }
        return shown;
    }
    std::string Ticked() const {
        std::string ticked;
        for (int n = 1; n <= 4; ++n) {
            ticked += RowOf(n).checked ? std::to_string(n) : "";
        }
        return ticked;
    }
};

// A row shows when its column, or any column, holds the text without regard to case, accented
// capitals folded as the search folds them.
TEST_F(FilterTest, ShowsRowsWhoseColumnHoldsTheText) {
    OpenFour();
    const std::tuple<const char*, std::optional<int>, const char*> cases[] = {
        {"", std::nullopt, "1234"},     {"MOON", kMusicColumn, "1"},
        {"moon", std::nullopt, "13"},   {"été s", kMusicColumn, "2"},
        {"00004", std::nullopt, "4"},   {"yes", kFavoriteColumn, "14"},
        {"pop", kGenreColumn, "13"},    {"cool pop", kStyleColumn, "1234"},
        {"moon", kKeywordsColumn, "3"}, {"xyz", std::nullopt, ""},
    };
    for (const auto& [text, column, shown] : cases) {
        EXPECT_EQ(Shown(RecordFilter(text, column)), shown) << text;
    }
}

// While the filter hides rows, the tick commands, Del Chk'd, the play list, the copy and the
// search take the rows shown; hidden rows keep their ticks and their records.
TEST_F(FilterTest, CommandsTakeTheRowsShown) {
    OpenFour();
    const RecordFilter moon("moon", std::nullopt);  // shows 1 and 3
    Tick({2});
    CheckAll(doc, moon);
    EXPECT_EQ(Ticked(), "123");
    EXPECT_EQ(InvertChecks(doc, moon), 1u);
    EXPECT_EQ(Ticked(), "2");
    Tick({1, 4});
    EXPECT_EQ(UncheckAll(doc, moon), 2u);
    EXPECT_EQ(Ticked(), "24");
    Tick({3});

    EXPECT_EQ(CopiedRowsText(doc, std::nullopt, moon).substr(0, 22), "1\tPop\tSunrise\tCool Pop");
    PlayList playList;
    playList.Activate(doc, moon);
    ASSERT_EQ(playList.Rows().size(), 1u);
    EXPECT_EQ(playList.Rows()[0][1], "Sunrise");
    EXPECT_FALSE(PlayListMayOpen(doc, ui, RecordFilter("blue", std::nullopt)));
    RecordSearch search;
    EXPECT_EQ(search.FindFirst(doc, "Road", ui, moon), std::nullopt);
    EXPECT_EQ(search.FindAndCheckAll(doc, "o", ui, RecordFilter("blue", std::nullopt)), 1u);
    EXPECT_EQ(ui.messages, (Texts{"At least one record shown must be checked to go to PlayList",
                                  "No record contains Road"}));

    ui.confirmAnswers = {false, true};
    EXPECT_FALSE(TickedShownMayGo(doc, moon, ui));
    EXPECT_TRUE(TickedShownMayGo(doc, RecordFilter(), ui));
    EXPECT_EQ(DeleteChecked(doc, RecordFilter("sun", std::nullopt)), 1u);
    EXPECT_EQ(Ticked(), "124");
    EXPECT_TRUE(RowOf(3).deleted);
    EXPECT_EQ(ListCountsText(CountList(doc, 1)), "3 records, 1 shown, 3 ticked, 1 deleted");

    ui.confirmAnswers = {false};
    EXPECT_FALSE(AllRecordsMayChange(doc, moon, ui));
    EXPECT_TRUE(AllRecordsMayChange(doc, RecordFilter("o", std::nullopt), ui));
    EXPECT_EQ(ui.questions,
              (Texts{"Delete 2 ticked records shown? 2 ticked records hidden by the filter will "
                     "not be deleted.",
                     "This changes all 3 records, including 2 hidden by the filter. Go on?"}));
}

TEST(CountTextTest, GroupsThousandsAndNamesOneOrMany) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "0 records"},        {1, "1 record"},           {999, "999 records"},
        {1000, "1,000 records"}, {32767, "32,767 records"}, {1234567, "1,234,567 records"}};
    for (const auto& [count, text] : cases) {
        EXPECT_EQ(Counted(count, "record"), text);
    }
}

}  // namespace
}  // namespace quillory::testkit
