#include "platform/error_report.h"

#include <QString>

#include "platform/dialogs.h"

namespace quillory {

void ReportError(Dialogs& dialogs, QWidget* parent, const Failure& failure,
                 const std::string& operation) {
    if (const auto text = ErrorReportText(failure, operation)) {
        dialogs.Message(parent, QString::fromStdString(*text));
    }
}

void RunReported(Dialogs& dialogs, QWidget* parent, const std::string& operation,
                 const std::function<void()>& command) {
    try {
        command();
    } catch (const Failure& failure) {
        ReportError(dialogs, parent, failure, operation);
    }
}

}  // namespace quillory
