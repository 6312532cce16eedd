#pragma once

namespace quillory {

// Starts the operating system's system-information tool, where it registers one; false when
// there is none or it cannot be started.
bool StartSysInfo();

}  // namespace quillory
