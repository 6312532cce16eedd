#include "save_dialog.h"

#include <fstream>

namespace quillory {

std::optional<std::filesystem::path> AskWhereToSave(Interaction& ui,
                                                    const FileDialogRequest& request) {
    auto path = ui.AskSaveFileName(request);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    if (std::ifstream(*path, std::ios::binary).good() &&
        !ui.ConfirmOkCancel("This will replace existing file")) {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillory
