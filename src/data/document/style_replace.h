#pragma once

#include <cstddef>
#include <string>

#include "data/common/interaction.h"
#include "data/document/bulk_change.h"
#include "data/document/workspace.h"

namespace quillory {

enum class ReplaceMode { kStyle, kGenre, kKeyword };
// The bulk change a replacement is, for its undo step and its report.
BulkChange ChangeOf(ReplaceMode mode);

// Replaces one value in every row that is not deleted: a style or a genre equal to current
// (exactly, case included), or each comma-separated keyword piece equal to current without
// regard to case (pieces compared whole, blanks included). Genre and keyword changes are written
// into the records too, zero-padded as the record editor writes them, and a replaced style's
// number where the file's own instrument has the style, so that saving the file as it is keeps
// them. The preview runs afterwards. Gives the number of rows changed.
std::size_t SubReplaceStyle(Workspace& workspace, ReplaceMode mode, const std::string& current,
                            const std::string& replacement, Interaction& ui);

}  // namespace quillory
