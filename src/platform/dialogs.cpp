#include "platform/dialogs.h"

#include <QStringList>

namespace quillory {

QString QtFilter(const QString& runtimeFilter) {
    const QStringList parts = runtimeFilter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty()) {
            filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
        }
    }
    return filters.join(";;");
}

}  // namespace quillory
