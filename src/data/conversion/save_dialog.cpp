#include "data/conversion/save_dialog.h"

#include <system_error>

namespace quillory {

std::optional<std::filesystem::path> AskWhereToSave(Interaction& ui,
                                                    const FileDialogRequest& request) {
    auto path = ui.AskSaveFileName(request);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    // Looked at, never opened: opening a pipe would wait for a writer.
    std::error_code error;
    if (std::filesystem::exists(*path, error) &&
        !ui.ConfirmOkCancel("This will replace existing file")) {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillory
