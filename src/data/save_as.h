#pragma once

#include <optional>
#include <string>

#include "conversion.h"

namespace quillory {

// The title of the question asked before a conversion that replaces or drops styles.
inline constexpr const char* kConversionPreviewTitle = "Music Fincer Conversion Preview";

// The warning the user must accept before saving for the target, judged from the last preview:
// styles missing on another instrument, or user styles on the same instrument while they are
// not allowed. None when saving needs no question.
std::optional<std::string> SaveAsWarning(const RecordStore& store);

// Saves the records for gTargetInstrument as the Save As dialog does: a preview for the target,
// the warning when one applies (No ends it, keeping the preview's colours), then the
// conversion in save mode with its record limit, file name and log.
ConversionOutcome SaveAs(RecordStore& store, bool checkedOnly, Interaction& ui);

}  // namespace quillory
