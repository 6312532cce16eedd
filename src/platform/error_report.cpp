#include "platform/error_report.h"

#include "data/common/interaction.h"

namespace quillory {

void RunReported(Interaction& ui, const std::string& operation,
                 const std::function<void()>& command) {
    try {
        command();
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation);
    }
}

}  // namespace quillory
