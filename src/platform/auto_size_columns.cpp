#include "platform/auto_size_columns.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <vector>

namespace quillory {
namespace {

// The advance of single characters, measured once each.
class CharacterWidths {
public:
    explicit CharacterWidths(const QFontMetrics& metrics) : metrics_(metrics) {}

    int Of(const QString& text) {
        int width = 0;
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if (code < latin1_.size()) {
                int& known = latin1_[code];
                if (known < 0) {
                    known = metrics_.horizontalAdvance(c);
                }
                width += known;
            } else {
                width += metrics_.horizontalAdvance(c);
            }
        }
        return width;
    }

private:
    const QFontMetrics& metrics_;
    std::array<int, 256> latin1_ = Unmeasured();

    static std::array<int, 256> Unmeasured() {
        std::array<int, 256> widths;
        widths.fill(-1);
        return widths;
    }
};

// The width the widest cell of a column needs, as the list's own delegate sizes it (text,
// margins and check box). Sizing every cell would take long on the largest lists, so each text
// is first estimated by the sum of its characters' advances, and only the cells that could be
// the widest are sized exactly.
int WidestCell(const QTreeView& list, int column, const QStyleOptionViewItem& option,
               CharacterWidths& characters) {
    constexpr std::size_t kCandidates = 24;
    const QAbstractItemModel& model = *list.model();
    std::vector<std::pair<int, QString>> widest;  // estimate and text, widest first
    std::vector<int> rowsOf;                      // the row of each candidate, in the same order
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        QString text = model.index(row, column).data(Qt::DisplayRole).toString();
        const int estimate = characters.Of(text);
        if (widest.size() == kCandidates && estimate <= widest.back().first) {
            continue;
        }
        const bool listed = std::any_of(widest.begin(), widest.end(), [&](const auto& candidate) {
            return candidate.second == text;
        });
        if (listed) {
            continue;
        }
        const auto at = std::upper_bound(
            widest.begin(), widest.end(), estimate,
            [](int value, const auto& candidate) { return value > candidate.first; });
        rowsOf.insert(rowsOf.begin() + (at - widest.begin()), row);
        widest.insert(at, {estimate, std::move(text)});
        if (widest.size() > kCandidates) {
            widest.pop_back();
            rowsOf.pop_back();
        }
    }
    int width = 0;
    for (const int row : rowsOf) {
        const QModelIndex index = model.index(row, column);
        width = std::max(width, list.itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return width;
}

// The width the header needs for its text and the sort arrow, as the header measures a section
// (in bold, as it draws a highlighted one); room for the arrow is kept also while the list is
// unsorted, as a click on the header shows it without fitting the columns again.
int HeaderWidth(const QHeaderView& header, int column) {
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.section = column;
    option.text = header.model()->headerData(column, Qt::Horizontal).toString();
    QFont bold = header.font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    option.sortIndicator = QStyleOptionHeader::SortDown;
    return header.style()
        ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header)
        .width();
}

// The width each column's contents need, the header counted.
std::vector<int> ContentWidths(const QTreeView& list) {
    const QAbstractItemModel& model = *list.model();
    const QFontMetrics metrics = list.fontMetrics();
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.font = list.font();
    option.fontMetrics = metrics;
    CharacterWidths characters(metrics);
    std::vector<int> widths;
    for (int column = 0; column < model.columnCount(); ++column) {
        widths.push_back(std::max(WidestCell(list, column, option, characters),
                                  HeaderWidth(*list.header(), column)));
    }
    return widths;
}

// Gives the columns their widths; the last one also takes the width left over.
void ApplyWidths(QTreeView& list, const std::vector<int>& widths) {
    int used = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        int width = widths[column];
        if (column + 1 == widths.size()) {
            width = std::max(width, list.viewport()->width() - used);
        }
        list.header()->resizeSection(static_cast<int>(column), width);
        used += width;
    }
}

// Keeps the columns fitted while the list changes size. The content widths of the last fitting
// serve again as long as the list's rows have not changed since, so that dragging the window's
// edge does not measure the largest list over and over.
class ColumnFitter : public QObject {
public:
    static constexpr const char* kName = "columnFitter";

    explicit ColumnFitter(QTreeView& list) : QObject(&list), list_(list) {
        setObjectName(kName);
        list.viewport()->installEventFilter(this);
    }

    void Fit() {
        widths_ = ContentWidths(list_);
        fittedModel_ = list_.model();
        if (watchedModel_ != fittedModel_) {
            Watch(fittedModel_);
        }
        ApplyWidths(list_, widths_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            if (list_.model() && list_.model() == fittedModel_) {
                ApplyWidths(list_, widths_);
            } else if (list_.model()) {
                Fit();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Any change of the rows makes the widths measured so far stale.
    void Watch(const QAbstractItemModel* model) {
        watchedModel_ = model;
        auto stale = [this] { fittedModel_ = nullptr; };
        connect(model, &QAbstractItemModel::modelReset, this, stale);
        connect(model, &QAbstractItemModel::layoutChanged, this, stale);
        connect(model, &QAbstractItemModel::rowsInserted, this, stale);
        connect(model, &QAbstractItemModel::dataChanged, this, stale);
    }

    QTreeView& list_;
    std::vector<int> widths_;
    const QAbstractItemModel* fittedModel_ = nullptr;
    const QAbstractItemModel* watchedModel_ = nullptr;
};

}  // namespace

void KeepColumnsFitted(QTreeView& list) {
    new ColumnFitter(list);
}

void AutoSizeColumns(QTreeView& list) {
    if (!list.model()) {
        return;
    }
    static_cast<ColumnFitter*>(
        list.findChild<QObject*>(ColumnFitter::kName, Qt::FindDirectChildrenOnly))
        ->Fit();
}

}  // namespace quillory
