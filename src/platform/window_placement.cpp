#include "platform/window_placement.h"

#include <QScreen>
#include <QTreeView>
#include <QWidget>
#include <algorithm>

namespace quillory {
namespace {

// Windows keep this far from the screen's edges and from each other, and leave room above them
// for a title bar, which the window system adds only once the window is shown.
constexpr int kGap = 12;
constexpr int kTitleBar = 32;

// Where windows may lie on the screen of a widget: its available area less a gap at the edges.
QRect FreeArea(const QWidget& widget) {
    return widget.screen()->availableGeometry().adjusted(kGap, kGap, -kGap, -kGap);
}

// The window's outer rectangle: its frame once shown, its size and a title bar before.
QRect Outline(const QWidget& window) {
    if (window.isVisible()) {
        return window.frameGeometry();
    }
    const QSize size = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    return QRect(window.pos(), size + QSize(0, kTitleBar));
}

// Gives the window at most the free area and moves its outline to the place, kept inside it.
void MoveInto(QWidget& window, QRect place, const QRect& area) {
    const QSize extra = Outline(window).size() - window.size();
    const QSize fitted = (place.size() - extra).boundedTo(area.size() - extra);
    if (fitted != place.size() - extra) {
        window.resize(fitted);
        place.setSize(fitted + extra);
    }
    place.moveLeft(std::clamp(place.left(), area.left(), area.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), area.top(), area.bottom() - place.height() + 1));
    window.move(place.topLeft());
}

}  // namespace

void PlaceBeside(QWidget& window, const QWidget& mainWindow) {
    const QRect area = FreeArea(mainWindow);
    const QRect main = mainWindow.frameGeometry();
    QRect place = Outline(window);
    place.moveTop(main.top());
    if (main.right() + kGap + place.width() <= area.right()) {
        place.moveLeft(main.right() + kGap);
    } else if (main.left() - kGap - place.width() >= area.left()) {
        place.moveRight(main.left() - kGap);
    } else {
        place.moveTopRight(main.topRight() + QPoint(-kGap, kTitleBar + kGap));
    }
    MoveInto(window, place, area);
}

QSize FirstWindowSize(const QSize& designed, const QRect& freeArea) {
    return designed.expandedTo(freeArea.size() * 0.9).boundedTo(freeArea.size());
}

void FitOnScreen(QWidget& mainWindow) {
    const QRect area = FreeArea(mainWindow);
    mainWindow.resize(FirstWindowSize(mainWindow.size(), area.adjusted(0, kTitleBar, 0, 0)));
    QRect place = Outline(mainWindow);
    place.moveCenter(area.center());
    MoveInto(mainWindow, place, area);
}

void UncoverSelectedRow(QWidget& window, const QTreeView& list) {
    const QModelIndexList selected = list.selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return;
    }
    const QRect cell = list.visualRect(selected.front());
    const QWidget& viewport = *list.viewport();
    const QRect row(viewport.mapToGlobal(QPoint(0, cell.top())),
                    QSize(viewport.width(), cell.height()));
    QRect place = window.frameGeometry();
    if (!place.intersects(row)) {
        return;
    }
    const QRect area = FreeArea(window);
    if (row.bottom() + kGap + place.height() <= area.bottom()) {
        place.moveTop(row.bottom() + kGap);
    } else {
        place.moveBottom(row.top() - kGap);
    }
    MoveInto(window, place, area);
}

}  // namespace quillory
