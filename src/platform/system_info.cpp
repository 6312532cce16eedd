#include "platform/system_info.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QString>

namespace quillory {
namespace {

// A text value of a key under HKEY_LOCAL_MACHINE; empty where there is none (and on every
// system without a registry).
QString MachineValue(const QString& key, const QString& value) {
#ifdef Q_OS_WIN
    const QSettings settings("HKEY_LOCAL_MACHINE\\" + key, QSettings::NativeFormat);
    return settings.value(value).toString();
#else
    Q_UNUSED(key);
    Q_UNUSED(value);
    return {};
#endif
}

}  // namespace

bool StartSysInfo() {
    QString program = MachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (program.isEmpty()) {
        const QString folder = MachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
        if (!folder.isEmpty() && QFileInfo::exists(folder + "\\MSINFO32.EXE")) {
            program = folder + "\\MSINFO32.EXE";
        }
    }
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace quillory
