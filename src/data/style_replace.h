#pragma once

#include <string>
#include <vector>

#include "interaction.h"
#include "record_store.h"

namespace quillory {

enum class ReplaceMode { kStyle, kGenre, kKeyword };

// The replace window's genres: the file's genres, sorted in place in their slots.
std::vector<std::string> SortedGenres(RecordStore& store);

// Replaces one value in every row that is not deleted: a style cell or a genre cell equal to
// current (exactly, case included), or each comma-separated keyword piece equal to current without
// regard to case (pieces compared whole, blanks included). Genre and keyword changes are written
// into the records too, zero-padded as the record editor writes them, so that saving keeps them.
// The preview runs afterwards.
void SubReplaceStyle(RecordStore& store, ReplaceMode mode, const std::string& current,
                     const std::string& replacement, Interaction& ui);

}  // namespace quillory
