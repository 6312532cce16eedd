#pragma once

class QRect;
class QSize;
class QTreeView;
class QWidget;

namespace quillory {

// Places a window that is shown for the first time beside the main window: right of it, else
// left of it, else over its right part; always on the screen's free area and no larger than it.
void PlaceBeside(QWidget& window, const QWidget& mainWindow);

// The main window's first size on a screen with that free area: the size it was designed with,
// or nine tenths of the free area where that is more, never more than the free area.
QSize FirstWindowSize(const QSize& designed, const QRect& freeArea);

// Gives the main window its first size on its screen and centres it there.
void FitOnScreen(QWidget& mainWindow);

// Moves a window that covers the list's selected row below or above that row, as far as the
// screen allows.
void UncoverSelectedRow(QWidget& window, const QTreeView& list);

}  // namespace quillory
