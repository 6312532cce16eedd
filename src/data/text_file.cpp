#include "text_file.h"

#include <string>

#include "codepage.h"
#include "interaction.h"
#include "safe_file.h"
#include "save_dialog.h"

namespace quillory {

void WriteTextFile(std::string_view text, const std::filesystem::path& path,
                   Durability durability) {
    WriteFileReplacing(path, EncodeWindows1252(std::string(text) + "\r\n"), durability);
}

bool WriteTextFileContents(std::string_view text, const std::filesystem::path& path,
                           Interaction& ui) {
    try {
        WriteTextFile(text, path, Durability::kWritten);
        return true;
    } catch (const Failure& failure) {
        ui.ReportError(failure, "WriteTextFileContents");
        return false;
    }
}

std::optional<std::filesystem::path> SaveDelimitedFile(std::string_view text, Interaction& ui) {
    const auto path = AskWhereToSave(ui, {"Text file|*.txt", "txt"});
    if (!path) {
        return std::nullopt;
    }
    try {
        WriteTextFile(text, *path, Durability::kOnDisk);
        return path;
    } catch (const Failure& failure) {
        ui.ReportError(failure, "SaveDelimitedFile");
        return std::nullopt;
    }
}

}  // namespace quillory
