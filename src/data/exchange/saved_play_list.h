#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "data/common/interaction.h"
#include "data/document/play_list.h"

namespace quillory {

// The rows of a play list that this program saved as delimited text: the header line "Number",
// "Music         ", "StyleName", "TimeSig", "Tempo", "Comments", then a line per row with its
// place, music, style, time signature, tempo and comment. Nothing when the text does not start
// with that header.
std::optional<std::vector<SavedPlayListRow>> ReadSavedPlayList(std::string_view text);

// "Open Play List": asks for a saved play list and puts it in place of the list, matching its
// rows to the records of the open file. A file that is no saved play list is refused with a
// message naming it, and the rows that match no record are listed in a message. True when the
// list was replaced.
bool OpenSavedPlayList(PlayList& list, MusicFinderDocument& main, Interaction& ui);

}  // namespace quillory
