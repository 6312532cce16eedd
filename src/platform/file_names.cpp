#include "platform/file_names.h"

#include <QCoreApplication>

#include "data/document/workspace.h"

namespace quillory {

std::filesystem::path ToPath(const QString& name) {
    // Qt writes '/' on every system; a path joined on Windows then has '\' throughout.
    return std::filesystem::path(name.toStdU16String()).make_preferred();
}

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path ProgramFolder() {
    return ProgramFilesFolder(ToPath(QCoreApplication::applicationDirPath()));
}

}  // namespace quillory
