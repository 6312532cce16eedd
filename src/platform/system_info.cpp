#include "platform/system_info.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace quillory {
namespace {

// Common system-information programs of Linux and other Unix desktops, the most thorough first.
const QStringList& KnownPrograms() {
    static const QStringList programs = {"kinfocenter", "hardinfo2", "hardinfo",
                                         "gnome-system-monitor", "mate-system-monitor"};
    return programs;
}

// A text value of a key under HKEY_LOCAL_MACHINE; empty where there is none.
[[maybe_unused]] QString MachineValue(const QString& key, const QString& value) {
    const QSettings settings("HKEY_LOCAL_MACHINE\\" + key, QSettings::NativeFormat);
    return settings.value(value).toString();
}

}  // namespace

QString SystemInfoProgram() {
#ifdef Q_OS_WIN
    const QString program = MachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (!program.isEmpty()) {
        return program;
    }
    const QString folder = MachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    return !folder.isEmpty() && QFileInfo::exists(folder + "\\MSINFO32.EXE")
               ? folder + "\\MSINFO32.EXE"
               : QString();
#else
    for (const QString& name : KnownPrograms()) {
        if (const QString found = QStandardPaths::findExecutable(name); !found.isEmpty()) {
            return found;
        }
    }
    return {};
#endif
}

QString NoSystemInfoReason() {
#ifdef Q_OS_WIN
    return "Windows names no system information program on this computer";
#else
    return "No system information program is installed (looked for " + KnownPrograms().join(", ") +
           ")";
#endif
}

bool StartSysInfo(const QString& program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace quillory
