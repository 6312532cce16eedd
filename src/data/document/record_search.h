#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "data/common/text.h"
#include "data/document/music_finder_document.h"
#include "data/document/record_filter.h"

namespace quillory {

class Interaction;

// Finds rows of the main list by the text of one column: the search dialog's state and
// commands. The state stays between clicks for as long as the dialog lives. Only the rows the
// list's filter shows are examined.
class RecordSearch {
public:
    int column = kMusicColumn;
    bool wholeWord = false;  // "Whole Word" instead of "Containing"
    int position = 0;        // 1-based index of the row last examined or found
    std::string text;        // the search text of the last click

    // The first matching row from the top, for the window to highlight; none when nothing
    // matches, which the user is told. An empty text only tells the user to enter one.
    std::optional<std::size_t> FindFirst(const MusicFinderDocument& list,
                                         const std::string& searchText, Interaction& ui,
                                         const RecordFilter& shown = {});
    // The same from the row after the last one found. Past the last match the user is told
    // and may go on from the top.
    std::optional<std::size_t> FindNext(const MusicFinderDocument& list,
                                        const std::string& searchText, Interaction& ui,
                                        const RecordFilter& shown = {});
    // Ticks every matching row (ticked rows stay ticked) and gives how many matched; none when
    // the text was empty.
    std::optional<std::size_t> FindAndCheckAll(MusicFinderDocument& list,
                                               const std::string& searchText, Interaction& ui,
                                               const RecordFilter& shown = {});

private:
    // "Containing": the cell holds the text without regard to case. "Whole Word": one of the
    // cell's comma-separated pieces is the text exactly.
    bool Matches(const std::string& cell) const;
    bool Accept(const std::string& searchText, Interaction& ui);
    std::optional<std::size_t> FindFrom(const MusicFinderDocument& list, int start,
                                        const RecordFilter& shown);

    CaseFreeFinder finder_;
};

// What Find and Check All tells the status bar ("Ticked 3 records").
std::string TickedReport(std::size_t matched);

}  // namespace quillory
