#include "platform/file_names.h"

#include <QCoreApplication>

namespace quillory {

std::filesystem::path ToPath(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path ExecutableFolder() {
    return ToPath(QCoreApplication::applicationDirPath());
}

}  // namespace quillory
