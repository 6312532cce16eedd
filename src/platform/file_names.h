#pragma once

#include <QString>
#include <filesystem>

namespace quillory {

// A file name from a dialog as a path, and back, without losing characters on any system.
std::filesystem::path ToPath(const QString& name);
QString FromPath(const std::filesystem::path& path);

// Where the program's own files are (its help file, icon and style tables): beside the
// executable, or in share/quillory beside its bin folder when installed.
std::filesystem::path ProgramFolder();

}  // namespace quillory
