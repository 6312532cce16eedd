#pragma once

#include <optional>
#include <string>

#include "data/conversion/conversion.h"

namespace quillory {

// The title of the question asked before a conversion that replaces or drops styles.
inline constexpr const char* kConversionPreviewTitle = "Music Fincer Conversion Preview";

// Saves the records for the target instrument as the Save As dialog does: a target without a
// style table is refused with a message; a preview for the target,
// the warning when one applies (No ends it, keeping the preview's colours), then the
// conversion in save mode with its record limit, file name and log.
ConversionResult SaveAs(Workspace& workspace, bool checkedOnly, Interaction& ui);

}  // namespace quillory
