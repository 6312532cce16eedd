#pragma once

#include <functional>
#include <string>

#include "data/failure.h"

class QWidget;

namespace quillory {

class Dialogs;

// The shared error report: one message box with an OK button and no title, its text chosen by
// the failure's error number; some failures are not shown at all.
void ReportError(Dialogs& dialogs, QWidget* parent, const Failure& failure,
                 const std::string& operation);

// Runs a window's command; a failure it ends with goes to the shared error report under the
// command's operation name.
void RunReported(Dialogs& dialogs, QWidget* parent, const std::string& operation,
                 const std::function<void()>& command);

}  // namespace quillory
