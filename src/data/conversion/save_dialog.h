#pragma once

#include <filesystem>
#include <optional>

#include "data/common/interaction.h"

namespace quillory {

// Asks where to save: the save dialog, then "This will replace existing file" when a file of
// that name exists. Nothing when the user cancels either.
std::optional<std::filesystem::path> AskWhereToSave(Interaction& ui,
                                                    const FileDialogRequest& request);

}  // namespace quillory
