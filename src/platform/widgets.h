#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "data/format/record.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QPoint;
class QTreeView;
class QWidget;

namespace quillory {

// An identifier of the catalog ("PSR-2000", "optTarget2000") as Qt text.
QString FromLatin1(std::string_view text);

// Gives a widget the name tests and accessibility find it by, and hands it back.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A named menu item or submenu, added to a menu bar or a menu.
QAction* AddMenuItem(QWidget& parent, const char* name, const QString& caption);
QMenu* AddSubmenu(QWidget& parent, const char* name, const QString& caption);

// A report-style list as the windows show their records: whole rows with room around their
// check boxes, one selected at a time, not editable in place, Arial 8, headers that can be
// clicked, columns kept fitted.
QTreeView* NewReportList(QWidget& parent, const char* name);

// Whether the point of the list's viewport lies on a row's check box.
bool OnCheckIndicator(const QTreeView& list, const QPoint& at);

// A push button of a window's button row: its name, its caption and what a click does.
struct RowButton {
    const char* name;
    QString caption;
    std::function<void()> clicked;
    QPushButton** made = nullptr;  // where to keep the button, when the window needs it later
};

// A row of named push buttons, left to right, owned by a window and each connected to its action.
QHBoxLayout* NewButtonRow(QWidget& owner, std::initializer_list<RowButton> buttons);

// A combo box that accepts typing, left with a text that no entry was chosen for: the text
// becomes a new entry at the end and is selected. True when it was added.
bool KeepTypedEntry(QComboBox& combo);

// Selects the combo's first entry whose text is exactly the text (case counts); the entry at
// otherwise when there is none (-1: nothing selected).
void SelectText(QComboBox& combo, const QString& text, int otherwise = -1);

// Shows a window above the others and makes it the active one; a window not placed yet opens
// beside the main window.
void ShowInFront(QWidget& window, const QWidget& mainWindow);

// The list's column headers show the order of a sorted list at its sort column, and no order
// while it is unsorted.
void ShowSortIndicator(QTreeView& list, bool sorted, int column, SortOrder order);

}  // namespace quillory
