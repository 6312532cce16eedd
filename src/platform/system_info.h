#pragma once

#include <QString>

namespace quillory {

// The system-information program of this machine: on Windows the one the registry names,
// elsewhere the first of a short list of common ones found on the PATH; empty when there is
// none.
QString SystemInfoProgram();

// Why a System Info button has nothing to start, for its tip.
QString NoSystemInfoReason();

// Starts the program; false when it cannot be started.
bool StartSysInfo(const QString& program);

}  // namespace quillory
