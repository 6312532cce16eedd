#include "platform/dialogs.h"

#include <QPrinter>
#include <QStringList>

namespace quillory {

void SetUpPages(QPrinter& printer, const PageSetup& setup) {
    printer.setPageOrientation(setup.orientation);
    printer.setPageMargins(setup.millimetres, QPageLayout::Millimeter);
}

QString QtFilter(const QString& runtimeFilter) {
    const QStringList parts = runtimeFilter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        if (parts[i].endsWith("(" + patterns + ")")) {
            filters << parts[i];
        } else if (!parts[i].isEmpty()) {
            filters << parts[i] + " (" + patterns + ")";
        }
    }
    return filters.join(";;");
}

}  // namespace quillory
