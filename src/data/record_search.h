#pragma once

#include <string>

#include "record_list.h"
#include "record_store.h"

namespace quillory {

class Interaction;

// Finds rows of the main list by the text of one column: the search dialog's state and
// commands. The state stays between clicks for as long as the dialog lives.
class RecordSearch {
public:
    int column = kMusicColumn;
    bool wholeWord = false;  // "Whole Word" instead of "Containing"
    int position = 0;        // 1-based index of the row last examined or found
    std::string text;        // the search text of the last click

    // Selects the first matching row from the top; none selected when nothing matches. An empty
    // text only tells the user to enter one. True when a row was found.
    bool FindFirst(RecordStore& store, const std::string& searchText, Interaction& ui);
    // The same from the row after the last one found.
    bool FindNext(RecordStore& store, const std::string& searchText, Interaction& ui);
    // Ticks every matching row (ticked rows stay ticked).
    void FindAndCheckAll(RecordStore& store, const std::string& searchText, Interaction& ui);

private:
    // "Containing": the cell holds the text without regard to case. "Whole Word": one of the
    // cell's comma-separated pieces is the text exactly.
    bool Matches(const std::string& cell) const;
    bool Accept(const std::string& searchText, Interaction& ui);
    bool FindFrom(RecordStore& store, int start);

    std::string loweredText_;
};

}  // namespace quillory
