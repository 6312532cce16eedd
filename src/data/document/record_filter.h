#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/common/text.h"
#include "data/document/music_finder_document.h"

namespace quillory {

class Interaction;

// What the record list shows: the rows whose chosen column, or any of its columns, contains a
// text without regard to case (folded as the search folds). An empty text shows every row. It
// is a view on the list: it never changes a record.
class RecordFilter {
public:
    RecordFilter() = default;
    // column: a list column, or none for every column.
    RecordFilter(std::string_view text, std::optional<int> column)
        : finder_(text), column_(column) {}

    // True while it hides the rows that do not match.
    bool Active() const { return !finder_.Empty(); }
    bool Shows(const Record& record) const;

private:
    CaseFreeFinder finder_;
    std::optional<int> column_;
};

// The list as the status bar counts it: the records not deleted, the rows shown, the ticked
// rows and the deleted rows.
struct ListCounts {
    std::size_t records = 0;
    std::size_t shown = 0;
    std::size_t ticked = 0;
    std::size_t deleted = 0;
};
// The counts with the number of rows the view shows, which the view knows without matching the
// rows again.
ListCounts CountList(const MusicFinderDocument& document, std::size_t shown);
// "40 records, 12 shown, 3 ticked, 2 deleted".
std::string ListCountsText(const ListCounts& counts);

// Before a command that changes every record while the filter hides records: asks whether
// all of them, the hidden ones included, are to change. True when the command may go on (no
// question without hidden records).
bool AllRecordsMayChange(const MusicFinderDocument& document, const RecordFilter& filter,
                         Interaction& ui);

// Before Del Chk'd while the filter hides rows: asks whether the ticked rows shown are to be
// deleted, saying how many; ticked rows hidden by the filter stay. True when it may go on (no
// question without a filter or without a ticked row shown).
bool TickedShownMayGo(const MusicFinderDocument& document, const RecordFilter& filter,
                      Interaction& ui);

}  // namespace quillory
