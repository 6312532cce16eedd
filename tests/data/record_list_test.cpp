#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/record_list.h"
#include "data/text.h"

namespace quillory {
namespace {

Row MakeRow(int number, const std::string& genre) {
    Row row;
    row.cells[kNumberColumn] = std::to_string(100000 + number).substr(1);
    row.cells[kGenreColumn] = genre;
    row.record = number;
    return row;
}

std::vector<Row> MakeRows(const std::vector<std::string>& genres) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < genres.size(); ++i) {
        rows.push_back(MakeRow(static_cast<int>(i) + 1, genres[i]));
    }
    return rows;
}

std::vector<int> Numbers(const RecordList& list) {
    std::vector<int> numbers;
    for (const Row& row : list.Rows()) {
        numbers.push_back(row.RecordNumber());
    }
    return numbers;
}

// Writes down every notification as a short text.
class EventLog : public RecordListObserver {
public:
    void BeforeReset() override { events.push_back("reset?"); }
    void AfterReset() override { events.push_back("reset"); }
    void BeforeAppend(std::size_t first, std::size_t last) override {
        events.push_back("append? " + Range(first, last));
    }
    void AfterAppend() override { events.push_back("append"); }
    void RowsChanged(std::size_t first, std::size_t last) override {
        events.push_back("changed " + Range(first, last));
    }
    void BeforeReorder() override { events.push_back("reorder?"); }
    void AfterReorder(const std::vector<std::size_t>& newPosition) override {
        std::string text = "reorder";
        for (std::size_t at : newPosition) {
            text += ' ';
            text += std::to_string(at);
        }
        events.push_back(text);
    }
    void SelectionChanged() override { events.push_back("selection"); }

    std::vector<std::string> Take() { return std::exchange(events, {}); }

private:
    static std::string Range(std::size_t first, std::size_t last) {
        return std::to_string(first) + "-" + std::to_string(last);
    }
    std::vector<std::string> events;
};

// Sorting compares texts without regard to case, keeps rows of equal text in their order in
// either direction, and the selection stays on its row.
TEST(RecordListTest, SortsStablyWithoutRegardToCase) {
    RecordList list;
    list.Assign(MakeRows({"rock", "Ballad", "ROCK", "éclair", "ballad", "Pop", "ÉCLAIR"}));
    list.Select(2);  // record 3, "ROCK"

    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{2, 5, 6, 1, 3, 4, 7}));
    EXPECT_EQ(list.Selected(), 4u);

    list.SetSort(true, kGenreColumn, SortOrder::kDescending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{4, 7, 1, 3, 6, 2, 5}));
    EXPECT_EQ(list.Selected(), 3u);
    EXPECT_EQ(list.At(*list.Selected()).Cell(kGenreColumn), "ROCK");

    // Switching sorting off moves nothing; sorting by number brings record order back.
    list.SetSort(false, kNumberColumn, SortOrder::kAscending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{4, 7, 1, 3, 6, 2, 5}));
    list.SetSort(true, kNumberColumn, SortOrder::kAscending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(list.FindRecord(3), 2u);
    EXPECT_EQ(list.FindRecord(8), std::nullopt);
}

// Long enough for a sort that is not stable to show it.
TEST(RecordListTest, RowsOfEqualTextKeepTheirOrder) {
    std::vector<std::string> genres;
    for (int i = 0; i < 60; ++i) {
        genres.push_back(i % 3 == 0 ? "Pop" : i % 3 == 1 ? "pop" : "Rock");
    }
    RecordList list;
    list.Assign(MakeRows(genres));
    for (SortOrder order : {SortOrder::kDescending, SortOrder::kAscending}) {
        list.SetSort(true, kGenreColumn, order);
        const std::vector<int> numbers = Numbers(list);
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (CompareWithoutCase(list.At(i - 1).Cell(kGenreColumn),
                                   list.At(i).Cell(kGenreColumn)) == 0) {
                EXPECT_LT(numbers[i - 1], numbers[i]) << "at " << i;
            }
        }
    }
    EXPECT_EQ(list.At(0).Cell(kGenreColumn), "Pop");
    EXPECT_EQ(list.At(59).Cell(kGenreColumn), "Rock");
}

TEST(RecordListTest, TellsItsObserverAboutEveryChange) {
    RecordList list;
    EventLog log;
    list.SetObserver(&log);

    list.Assign(MakeRows({"b", "a"}));
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"reset?", "reset"}));
    list.Append(MakeRows({"c", "d"}));
    list.Append(std::vector<Row>{});
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"append? 2-3", "append"}));

    list.SetCell(1, kMusicColumn, "x");
    list.SetChecked(3, true);
    list.SetChecked(3, true);  // no change, no notice
    list.SetStyleColour(0, kBlack);
    list.SetStyleColour(0, kRed);
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"changed 1-1", "changed 3-3", "changed 0-0"}));
    EXPECT_EQ(list.CheckedCount(), 1u);

    {
        RecordList::ChangeBatch outer(list);
        list.SetCell(3, kMusicColumn, "y");
        {
            RecordList::ChangeBatch inner(list);
            list.SetChecked(1, true);
        }
        list.SetCell(2, kMusicColumn, "z");
        EXPECT_TRUE(log.Take().empty());
    }
    EXPECT_EQ(log.Take(), std::vector<std::string>{"changed 1-3"});

    list.Select(1);
    list.Select(1);
    list.Select(9);  // past the end: nothing selected
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"selection", "selection"}));
    EXPECT_EQ(list.Selected(), std::nullopt);

    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"reorder?", "reorder 1 0 2 3"}));
    list.SetSort(true, kGenreColumn, SortOrder::kAscending);  // already in order
    EXPECT_TRUE(log.Take().empty());

    list.SetObserver(nullptr);
    list.Clear();
    EXPECT_TRUE(log.Take().empty());
    EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace quillory
