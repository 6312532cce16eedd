#pragma once

class QTreeView;
class QWidget;

namespace quillory {

// Places a window that is shown for the first time beside the main window: right of it, else
// left of it, else over its right part; always on the screen's free area and no larger than it.
void PlaceBeside(QWidget& window, const QWidget& mainWindow);

// Gives the main window at most the screen's free area and centres it there.
void FitOnScreen(QWidget& mainWindow);

// Moves a window that covers the list's selected row below or above that row, as far as the
// screen allows.
void UncoverSelectedRow(QWidget& window, const QTreeView& list);

}  // namespace quillory
