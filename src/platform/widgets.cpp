#include "platform/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeView>

#include "platform/auto_size_columns.h"
#include "platform/user_settings.h"
#include "platform/window_placement.h"

namespace quillory {
namespace {

// Draws the rows of a report list with some room above and below, so that the check boxes of
// neighbouring rows do not touch.
class RoomyRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        constexpr int kRoom = 6;
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, kRoom);
    }
};

}  // namespace

QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* AddMenuItem(QWidget& parent, const char* name, const QString& caption) {
    auto* action = Named(new QAction(caption, &parent), name);
    parent.addAction(action);
    return action;
}

QMenu* AddSubmenu(QWidget& parent, const char* name, const QString& caption) {
    auto* menu = Named(new QMenu(caption, &parent), name);
    menu->menuAction()->setObjectName(QString(name) + "Action");
    parent.addAction(menu->menuAction());
    return menu;
}

QHBoxLayout* NewButtonRow(QWidget& owner, std::initializer_list<RowButton> buttons) {
    auto* row = new QHBoxLayout;
    for (const RowButton& wanted : buttons) {
        auto* button = Named(new QPushButton(wanted.caption, &owner), wanted.name);
        QObject::connect(button, &QPushButton::clicked, &owner, wanted.clicked);
        row->addWidget(button);
        if (wanted.made) {
            *wanted.made = button;
        }
    }
    return row;
}

QTreeView* NewReportList(QWidget& parent, const char* name) {
    auto* list = Named(new QTreeView(&parent), name);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFont(QFont("Arial", 8));
    list->setItemDelegate(new RoomyRowDelegate(list));
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    KeepColumnsFitted(*list);
    return list;
}

bool OnCheckIndicator(const QTreeView& list, const QPoint& at) {
    const QModelIndex index = list.indexAt(at);
    if (!index.isValid() || !(index.flags() & Qt::ItemIsUserCheckable)) {
        return false;
    }
    // Where the list's delegate draws the box: the item's options as the delegate sees them.
    struct Probe : QStyledItemDelegate {
        QRect Box(const QTreeView& view, const QModelIndex& item) const {
            QStyleOptionViewItem option;
            option.initFrom(view.viewport());
            option.rect = view.visualRect(item);
            initStyleOption(&option, item);
            return view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option,
                                                &view);
        }
    };
    return Probe().Box(list, index).contains(at);
}

bool KeepTypedEntry(QComboBox& combo) {
    const QString typed = combo.currentText();
    const int current = combo.currentIndex();
    if (current >= 0 && combo.itemText(current) == typed) {
        return false;
    }
    combo.addItem(typed);
    combo.setCurrentIndex(combo.count() - 1);
    return true;
}

void SelectText(QComboBox& combo, const QString& text, int otherwise) {
    const int found = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo.setCurrentIndex(found >= 0 ? found : otherwise);
}

void ShowInFront(QWidget& window, const QWidget& mainWindow) {
    if (!window.testAttribute(Qt::WA_Moved) && !RestoreWindowGeometry(window)) {
        PlaceBeside(window, mainWindow);
    }
    RememberWindowGeometry(window);
    window.show();
    window.raise();
    window.activateWindow();
}

void ShowSortIndicator(QTreeView& list, bool sorted, int column, SortOrder order) {
    list.header()->setSortIndicatorShown(sorted);
    list.header()->setSortIndicator(
        column, order == SortOrder::kAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

}  // namespace quillory
