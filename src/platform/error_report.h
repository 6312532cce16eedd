#pragma once

#include <string>

#include "data/failure.h"

class QWidget;

namespace quillory {

class Dialogs;

// The shared error report: one message box with an OK button and no title, its text chosen by
// the failure's error number; some failures are not shown at all.
void ReportError(Dialogs& dialogs, QWidget* parent, const Failure& failure,
                 const std::string& operation);

}  // namespace quillory
