#include "data/document/workspace.h"

namespace quillory {
namespace {

std::optional<std::filesystem::path> InDataFolder(const std::filesystem::path& dataFolder,
                                                  const char* name) {
    if (dataFolder.empty()) {
        return std::nullopt;
    }
    return dataFolder / name;
}

}  // namespace

ProgramFiles::ProgramFiles(std::filesystem::path programFolder, std::filesystem::path dataFolder)
    : folder(std::move(programFolder)),
      dataFolder(std::move(dataFolder)),
      exportLog(InDataFolder(this->dataFolder, "ExportLog.txt")),
      importLog(InDataFolder(this->dataFolder, "ImportLog.txt")) {}

std::optional<std::filesystem::path> ProgramFiles::UserStyles() const {
    return InDataFolder(dataFolder, "styles");
}

std::filesystem::path ProgramFilesFolder(const std::filesystem::path& executableFolder) {
    const std::filesystem::path installed = executableFolder.parent_path() / "share" / "quillory";
    std::error_code error;
    if (executableFolder.filename() == "bin" && std::filesystem::is_directory(installed, error)) {
        return installed;
    }
    return executableFolder;
}

Workspace::Workspace(std::filesystem::path programFolder, std::filesystem::path dataFolder)
    : files(std::move(programFolder), std::move(dataFolder)) {
    file.genres.resize(kInitialGenreSlots);
}

}  // namespace quillory
