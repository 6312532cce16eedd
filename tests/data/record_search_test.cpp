#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/record_commands.h"
#include "data/record_search.h"
#include "edit_harness.h"

namespace quillory {
namespace {

using testkit::RecordSpec;

class RecordSearchTest : public testkit::EditHarness {
  protected:
    void OpenFive() {
        OpenRecords({
            testkit::TextRecord("Blue Moon", "", "rock,pop"),
            testkit::TextRecord("Moonlight Serenade", "", "pop, rock"),
            testkit::TextRecord("Sunrise", "", "Rock"),
            testkit::TextRecord("Harvest MOON", "", "rock"),
            testkit::TextRecord("Road", "", "rocks"),
        });
    }

    // Whole-word search of the keywords for "rock": records 1 and 4.
    RecordSearch RockKeyword() {
        RecordSearch search;
        search.column = kKeywordsColumn;
        search.wholeWord = true;
        return search;
    }
};

TEST_F(RecordSearchTest, ContainingIgnoresCaseAndWholeWordMatchesPiecesExactly) {
    OpenFive();
    RecordSearch search;
    search.FindAndCheckAll(store, "moon", ui);
    EXPECT_EQ(TickedRecords(), (std::vector<int>{1, 2, 4}));

    UncheckAll(store);
    RecordSearch rock = RockKeyword();
    rock.FindAndCheckAll(store, "rock", ui);
    EXPECT_EQ(TickedRecords(), (std::vector<int>{1, 4}));
}

TEST_F(RecordSearchTest, FindNextStepsThroughTheListInItsOrderAndStopsAtTheEnd) {
    OpenFive();
    SortNewestFirst();
    RecordSearch search = RockKeyword();

    ASSERT_TRUE(search.FindFirst(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(4));
    EXPECT_EQ(search.position, 2);
    ASSERT_TRUE(search.FindNext(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_FALSE(search.FindNext(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_EQ(search.position, 6);
    EXPECT_FALSE(search.FindNext(store, "rock", ui));

    ASSERT_TRUE(search.FindFirst(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(4));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecordSearchTest, FindAndCheckAllAddsToTheTicksAndCountsThemAll) {
    OpenFive();
    for (int n : {1, 3, 5}) {
        store.list.SetChecked(IndexOf(n), true);
    }
    RecordSearch search = RockKeyword();
    search.FindAndCheckAll(store, "rock", ui);
    EXPECT_EQ(TickedRecords(), (std::vector<int>{1, 3, 4, 5}));
    EXPECT_EQ(store.list.CheckedCount(), 4u);
    EXPECT_TRUE(store.window.deleteCheckedEnabled);
    EXPECT_TRUE(store.window.playListEnabled);
    EXPECT_FALSE(search.FindNext(store, "rock", ui));  // it ends past the last row
}

TEST_F(RecordSearchTest, FindAndCheckAllOnAnEmptyListOnlyEnablesDeleteChecked) {
    RecordSearch search;
    search.FindAndCheckAll(store, "moon", ui);
    EXPECT_TRUE(store.window.deleteCheckedEnabled);
    EXPECT_FALSE(store.window.playListEnabled);
    EXPECT_EQ(store.list.CheckedCount(), 0u);
}

TEST_F(RecordSearchTest, AnEmptyTextOnlyAsksForOne) {
    OpenFive();
    RecordSearch search = RockKeyword();
    ASSERT_TRUE(search.FindFirst(store, "rock", ui));

    EXPECT_FALSE(search.FindNext(store, "", ui));
    search.FindAndCheckAll(store, "", ui);
    EXPECT_FALSE(search.FindFirst(store, "", ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>(3, "please enter something to search for"));
    EXPECT_EQ(search.position, 1);
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_EQ(store.list.CheckedCount(), 0u);
    EXPECT_FALSE(store.window.deleteCheckedEnabled);
    EXPECT_EQ(search.text, "");
}

}  // namespace
}  // namespace quillory
