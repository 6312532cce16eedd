#include "data/exchange/text_file.h"

#include <string>

#include "data/common/codepage.h"
#include "data/common/interaction.h"
#include "data/common/operation_names.h"
#include "data/conversion/save_dialog.h"
#include "data/document/workspace.h"
#include "data/files/file_system.h"
#include "data/files/safe_file.h"

namespace quillory {

void WriteTextFile(std::string_view text, const std::filesystem::path& path,
                   Durability durability) {
    WriteFileReplacing(path, EncodeWindows1252(std::string(text) + "\r\n"), durability);
}

bool WriteLog(ProgramFiles& files, const std::optional<std::filesystem::path>& log,
              std::string_view text, Interaction& ui) {
    if (!log) {
        return false;
    }
    try {
        std::error_code error;
        std::filesystem::create_directories(log->parent_path(), error);
        WriteTextFile(text, *log, Durability::kWritten);
        files.unwritableLogs.erase(*log);
        return true;
    } catch (const Failure& failure) {
        if (files.unwritableLogs.insert(*log).second) {
            ui.ReportError(failure.At(Utf8FromPath(*log)), operation::kWriteTextFile);
        }
        return false;
    }
}

std::optional<std::filesystem::path> SaveDelimitedFile(std::string_view text, Interaction& ui) {
    const auto path = AskWhereToSave(ui, {"Text file (*.txt)", "txt"});
    if (!path) {
        return std::nullopt;
    }
    try {
        WriteTextFile(text, *path, Durability::kOnDisk);
        return path;
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation::kSaveDelimitedFile);
        return std::nullopt;
    }
}

}  // namespace quillory
