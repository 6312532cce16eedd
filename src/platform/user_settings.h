#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

#include "data/conversion/remembered_options.h"

class QSettings;
class QWidget;

namespace quillory {

// The user's settings from one run to the next, where the system keeps them: the registry on
// Windows, ~/.config/Quillory/Quillory.conf on Linux.
std::unique_ptr<QSettings> UserSettings();

// The Save As options of the last run; none at a first start.
RememberedOptions StoredOptions();
void StoreOptions(const RememberedOptions& options);

// The folder in which a file dialog (named by its kind and filter) last chose a file; empty when
// there is none or it is gone, which forgets it.
QString RememberedFolder(const QString& dialog);
void RememberFolder(const QString& dialog, const QString& chosenFile);

// Whether a window's rectangle lies wholly within the available area of one of the screens.
bool FitsScreens(const QRect& geometry, const QList<QRect>& available);

// Gives a window (named by its objectName) its remembered place and size where they still fit
// the screens; false when there is nothing to restore (a place that no longer fits is
// forgotten).
bool RestoreWindowGeometry(QWidget& window);
// From now on the window's place and size are remembered whenever it is hidden.
void RememberWindowGeometry(QWidget& window);

}  // namespace quillory
