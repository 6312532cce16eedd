#include "ui/main/filter_bar.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include "platform/widgets.h"

namespace quillory {

QWidget* BuildFilterBar(QWidget& parent, const QAbstractItemModel& list, FilterBar& bar) {
    auto* widget = new QWidget(&parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    bar.text = Named(new QLineEdit(widget), "txtFilter");
    bar.text->setPlaceholderText("Filter records");
    bar.text->setClearButtonEnabled(true);
    auto* clear = Named(new QAction(bar.text), "keyClearFilter");
    clear->setShortcut(Qt::Key_Escape);
    clear->setShortcutContext(Qt::WidgetShortcut);
    bar.text->addAction(clear);
    QObject::connect(clear, &QAction::triggered, bar.text, &QLineEdit::clear);

    bar.column = Named(new QComboBox(widget), "cboFilterColumn");
    bar.column->addItem("All columns", -1);
    for (int column = 0; column < list.columnCount(); ++column) {
        bar.column->addItem(list.headerData(column, Qt::Horizontal).toString(), column);
    }
    layout->addWidget(bar.text, 1);
    layout->addWidget(bar.column);
    return widget;
}

}  // namespace quillory
