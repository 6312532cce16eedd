#pragma once

#include <QString>
#include <filesystem>

namespace quillory {

// A file name from a dialog as a path, and back, without losing characters on any system.
std::filesystem::path ToPath(const QString& name);
QString FromPath(const std::filesystem::path& path);

// The folder the program was started from: its style tables, logs, help file and icon live
// there.
std::filesystem::path ExecutableFolder();

}  // namespace quillory
