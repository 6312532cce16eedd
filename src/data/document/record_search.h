#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "data/document/music_finder_document.h"

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

    // The first matching row from the top, for the window to highlight; none when nothing
    // matches. An empty text only tells the user to enter one.
    std::optional<std::size_t> FindFirst(const MusicFinderDocument& list,
                                         const std::string& searchText, Interaction& ui);
    // The same from the row after the last one found.
    std::optional<std::size_t> FindNext(const MusicFinderDocument& list,
                                        const std::string& searchText, Interaction& ui);
    // Ticks every matching row (ticked rows stay ticked) and gives how many matched; none when
    // the text was empty.
    std::optional<std::size_t> FindAndCheckAll(MusicFinderDocument& list,
                                               const std::string& searchText, Interaction& ui);

private:
    // "Containing": the cell holds the text without regard to case. "Whole Word": one of the
    // cell's comma-separated pieces is the text exactly.
    bool Matches(const std::string& cell) const;
    bool Accept(const std::string& searchText, Interaction& ui);
    std::optional<std::size_t> FindFrom(const MusicFinderDocument& list, int start);

    std::string loweredText_;
};

}  // namespace quillory
