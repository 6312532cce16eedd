#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillory {

// Columns of the record list; column 0 is the row's item text, the record number.
enum Column : int {
    kNumberColumn = 0,
    kGenreColumn,
    kMusicColumn,
    kStyleColumn,
    kTimeSigColumn,
    kTempoColumn,
    kKeywordsColumn,
    kFavoriteColumn,
    kSearch1Column,
    kSearch2Column,
    kIntroColumn,
    kSectionColumn,
};
inline constexpr int kColumnCount = 12;

// Text colour of a style cell, a 24-bit value in blue-green-red order.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kRed = 255;
inline constexpr Colour kBlue = 16711680;

// The genre cell of a row that stands for a deleted record.
inline constexpr const char* kDeletedMark = "deleted";

struct Row {
    std::array<std::string, kColumnCount> cells;
    bool checked = false;
    Colour styleColour = kBlack;
    // The record this row stands for: its position in the file image, counted from 1. It is
    // the number the first cell shows in every file numbered as the instruments number them;
    // kept apart so that a file numbered otherwise still pairs each row with its own record.
    int record = 0;

    const std::string& Cell(int column) const { return cells[static_cast<std::size_t>(column)]; }
    int RecordNumber() const { return record; }
    bool IsDeleted() const { return Cell(kGenreColumn) == kDeletedMark; }
};

enum class SortOrder { kAscending, kDescending };

// Told about every change of a record list, so that a view of it can follow.
class RecordListObserver {
public:
    virtual ~RecordListObserver() = default;
    virtual void BeforeReset() {}
    virtual void AfterReset() {}
    virtual void BeforeAppend(std::size_t first, std::size_t last) = 0;
    virtual void AfterAppend() = 0;
    virtual void RowsChanged(std::size_t first, std::size_t last) = 0;
    // newPosition[old] is where the row that stood at old now stands.
    virtual void BeforeReorder() = 0;
    virtual void AfterReorder(const std::vector<std::size_t>& newPosition) = 0;
    virtual void SelectionChanged() = 0;
};

// The rows of the main record list as data, with their check marks, style cell colours, the
// selected row and the sort state. Windows show it; commands and the writer change it.
class RecordList {
public:
    std::size_t Size() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    const Row& At(std::size_t index) const { return rows_.at(index); }
    const std::vector<Row>& Rows() const { return rows_; }

    void Clear();
    // Replaces all rows at once (used by the reader).
    void Assign(std::vector<Row> rows);
    void Append(Row row);
    void Append(std::vector<Row> rows);

    void SetCell(std::size_t index, int column, std::string text);
    void SetChecked(std::size_t index, bool checked);
    void SetStyleColour(std::size_t index, Colour colour);
    std::size_t CheckedCount() const;

    // The index of the first row that stands for record n, if any.
    std::optional<std::size_t> FindRecord(int recordNumber) const;

    std::optional<std::size_t> Selected() const { return selected_; }
    void Select(std::optional<std::size_t> index);

    bool Sorted() const { return sorted_; }
    int SortColumn() const { return sortColumn_; }
    SortOrder Order() const { return order_; }
    // Sets the sort state; the rows are put in order when sorting is on.
    void SetSort(bool sorted, int column, SortOrder order);
    // Puts rows added or changed since into their places, while sorting is on.
    void Resort();

    // Tells the observer about every change from now on; nullptr stops telling.
    void SetObserver(RecordListObserver* observer) { observer_ = observer; }

    // Several changes told as one: the observer hears of the rows between first and last once,
    // when the batch ends.
    class ChangeBatch;

private:
    void Reorder();
    void Changed(std::size_t first, std::size_t last);

    std::vector<Row> rows_;
    std::optional<std::size_t> selected_;
    bool sorted_ = false;
    int sortColumn_ = 0;
    SortOrder order_ = SortOrder::kAscending;
    RecordListObserver* observer_ = nullptr;
    ChangeBatch* batch_ = nullptr;
};

class RecordList::ChangeBatch {
public:
    explicit ChangeBatch(RecordList& list);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    friend class RecordList;
    RecordList& list_;
    ChangeBatch* outer_;
    std::optional<std::size_t> first_;
    std::size_t last_ = 0;
};

}  // namespace quillory
