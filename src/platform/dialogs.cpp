#include "platform/dialogs.h"

#include <QPrinter>

namespace quillory {

void SetUpPages(QPrinter& printer, const PageSetup& setup) {
    printer.setPageOrientation(setup.orientation);
    printer.setPageMargins(setup.millimetres, QPageLayout::Millimeter);
}

}  // namespace quillory
