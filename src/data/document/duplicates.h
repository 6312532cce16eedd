#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/document/music_finder_document.h"

namespace quillory {

// What makes two records the same song: the music title and the style name, or the title alone
// for users who keep one style per song. Texts compare without regard to case, blanks at their
// ends ignored.
enum class DuplicateRule { kTitleAndStyle, kTitle };

// The text two records share when the rule counts them as the same song. Records of one style
// share its text, so each style is folded once; the records' styles must outlive the keys.
class SongKeys {
public:
    explicit SongKeys(DuplicateRule rule) : rule_(rule) {}
    // The key of the record, valid until the next call.
    const std::string& Of(const Record& record);

private:
    DuplicateRule rule_;
    std::string key_;
    std::unordered_map<const std::string*, std::string> foldedStyles_;
};

// The rows of each song that more than one record holds, in record order, the first record of
// the song first; groups in the order of their first records. Deleted rows count for no song.
std::vector<std::vector<std::size_t>> DuplicateGroups(const MusicFinderDocument& document,
                                                      DuplicateRule rule);

struct DuplicateTicks {
    std::size_t duplicates = 0;  // rows ticked
    std::size_t groups = 0;      // songs they duplicate
};

// Ticks every record that repeats an earlier one and clears every other tick, the first record
// of each song included, so that Del Chk'd removes exactly the duplicates.
DuplicateTicks TickDuplicates(MusicFinderDocument& document, DuplicateRule rule);

// The status bar's report: "12 duplicates of 9 songs ticked".
std::string DuplicateTicksText(const DuplicateTicks& ticks);

}  // namespace quillory
