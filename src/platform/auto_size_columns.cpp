#include "platform/auto_size_columns.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSet>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTreeView>

namespace quillory {
namespace {

int WidestText(const QAbstractItemModel& model, int column, const QFontMetrics& metrics) {
    QSet<QString> seen;
    int widest = 0;
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        QString text = model.index(row, column).data(Qt::DisplayRole).toString();
        if (!seen.contains(text)) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
            seen.insert(std::move(text));
        }
    }
    return widest;
}

bool HasCheckBoxes(const QAbstractItemModel& model, int column) {
    return model.rowCount() > 0 && (model.flags(model.index(0, column)) & Qt::ItemIsUserCheckable);
}

// The width the header needs for its text, as the style draws a header section.
int HeaderWidth(const QHeaderView& header, int column) {
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.section = column;
    option.text = header.model()->headerData(column, Qt::Horizontal).toString();
    option.fontMetrics = header.fontMetrics();
    if (header.isSortIndicatorShown()) {
        option.sortIndicator = QStyleOptionHeader::SortDown;
    }
    return header.style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header).width();
}

}  // namespace

void AutoSizeColumns(QTreeView& list, bool useHeader) {
    const QAbstractItemModel* model = list.model();
    if (!model) {
        return;
    }
    QHeaderView& header = *list.header();
    const QFontMetrics metrics(list.font());
    QStyle& style = *list.style();
    const int margin = 2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const int checkBox = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &list) +
                         style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &list) +
                         margin;
    const int columns = model->columnCount();
    int used = 0;
    for (int column = 0; column < columns; ++column) {
        int width = WidestText(*model, column, metrics) + margin;
        if (HasCheckBoxes(*model, column)) {
            width += checkBox;
        }
        if (useHeader) {
            width = std::max(width, HeaderWidth(header, column));
        }
        if (useHeader && column == columns - 1) {
            width = std::max(width, list.viewport()->width() - used);
        }
        header.resizeSection(column, width);
        used += width;
    }
}

}  // namespace quillory
