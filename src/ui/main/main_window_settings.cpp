#include <QComboBox>

#include "data/common/operation_names.h"
#include "data/conversion/remembered_options.h"
#include "data/document/window_title.h"
#include "platform/widgets.h"
#include "ui/main/main_window.h"
#include "ui/session.h"

// The main window taking back what the user chose in the last run.
namespace quillory {

void MainWindow::RestoreOptions(const RememberedOptions& options) {
    Run(operation::kRestoreOptions, [&](Prompts& prompts) {
        Workspace& work = session_.Work();
        if (quillory::RestoreOptions(work, options, prompts)) {
            SelectText(*panel_.target, QString::fromStdString(work.settings.targetInstrument));
            title_ = TitleAfterTargetChosen(work);
        }
    });
}

}  // namespace quillory
