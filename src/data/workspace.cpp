#include "workspace.h"

namespace quillory {

ProgramFiles::ProgramFiles(std::filesystem::path programFolder)
    : folder(std::move(programFolder)),
      exportLog(folder / "ExportLog.txt"),
      importLog(folder / "ImportLog.txt") {}

Workspace::Workspace(std::filesystem::path programFolder) : files(std::move(programFolder)) {
    file.genres.resize(kInitialGenreSlots);
}

}  // namespace quillory
