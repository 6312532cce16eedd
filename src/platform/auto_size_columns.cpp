#include "platform/auto_size_columns.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPersistentModelIndex>
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

// The widest cell of a column and the width it needs, as the list's own delegate sizes it
// (text, margins and check box). Sizing every cell would take long on the largest lists, so
// each text is first estimated by the sum of its characters' advances, and only the cells that
// could be the widest are sized exactly.
struct WidestCell {
    int width = 0;
    int row = -1;
};

int CellWidth(const QTreeView& list, const QModelIndex& index, const QStyleOptionViewItem& option) {
    return list.itemDelegateForIndex(index)->sizeHint(option, index).width();
}

WidestCell WidestCellOf(const QTreeView& list, int column, const QStyleOptionViewItem& option,
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
    WidestCell cell;
    for (const int row : rowsOf) {
        const int width = CellWidth(list, model.index(row, column), option);
        if (width > cell.width) {
            cell = {width, row};
        }
    }
    return cell;
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

// How the list's cells are drawn, for sizing them.
QStyleOptionViewItem CellOption(const QTreeView& list) {
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.font = list.font();
    option.fontMetrics = list.fontMetrics();
    return option;
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

// Keeps the columns fitted while the list changes size, and fits them again after a change of
// a few rows from those rows alone: a column can only widen by a changed cell, and only narrow
// when its widest cell changed, which is the one column measured again over all rows. The
// changed rows are followed through sorts; other changes of the rows measure everything.
class ColumnFitter : public QObject {
public:
    static constexpr const char* kName = "columnFitter";

    explicit ColumnFitter(QTreeView& list) : QObject(&list), list_(list) {
        setObjectName(kName);
        list.viewport()->installEventFilter(this);
    }

    void Fit() {
        const QAbstractItemModel* model = list_.model();
        if (watchedModel_ != model) {
            Watch(model);
        }
        const QStyleOptionViewItem option = CellOption(list_);
        CharacterWidths characters(option.fontMetrics);
        const int columns = model->columnCount();
        if (!measured_ || static_cast<int>(widest_.size()) != columns) {
            widest_.clear();
            for (int column = 0; column < columns; ++column) {
                widest_.push_back(Measure(column, option, characters));
            }
        } else {
            for (int column = 0; column < columns; ++column) {
                FitChanged(column, option, characters);
            }
        }
        changed_.clear();
        measured_ = true;
        ApplyWidths(list_, Widths());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && list_.model()) {
            if (measured_ && changed_.empty() && list_.model() == watchedModel_) {
                ApplyWidths(list_, Widths());
            } else {
                Fit();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The widest cell of a column, followed through sorts.
    struct Widest {
        int width = 0;
        QPersistentModelIndex cell;
    };
    static constexpr int kFewRows = 64;

    Widest Measure(int column, const QStyleOptionViewItem& option, CharacterWidths& characters) {
        const WidestCell cell = WidestCellOf(list_, column, option, characters);
        return {cell.width, QPersistentModelIndex(list_.model()->index(cell.row, column))};
    }

    void FitChanged(int column, const QStyleOptionViewItem& option, CharacterWidths& characters) {
        Widest& widest = widest_[static_cast<std::size_t>(column)];
        const bool widestChanged =
            std::any_of(changed_.begin(), changed_.end(), [&](const QPersistentModelIndex& row) {
                return !widest.cell.isValid() || row.row() == widest.cell.row();
            });
        if (widestChanged) {
            widest = Measure(column, option, characters);
            return;
        }
        for (const QPersistentModelIndex& row : changed_) {
            const QModelIndex cell = row.sibling(row.row(), column);
            if (const int width = CellWidth(list_, cell, option); width > widest.width) {
                widest = {width, QPersistentModelIndex(cell)};
            }
        }
    }

    // The width each column's contents need, the header counted.
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (std::size_t column = 0; column < widest_.size(); ++column) {
            widths.push_back(std::max(widest_[column].width,
                                      HeaderWidth(*list_.header(), static_cast<int>(column))));
        }
        return widths;
    }

    void Watch(const QAbstractItemModel* model) {
        for (const QMetaObject::Connection& connection : watchedConnections_) {
            disconnect(connection);
        }
        watchedModel_ = model;
        measured_ = false;
        auto stale = [this] {
            measured_ = false;
            changed_.clear();
        };
        watchedConnections_ = {
            connect(model, &QAbstractItemModel::modelReset, this, stale),
            connect(model, &QAbstractItemModel::rowsInserted, this, stale),
            connect(model, &QAbstractItemModel::rowsRemoved, this, stale),
            connect(model, &QAbstractItemModel::dataChanged, this,
                    [this, model](const QModelIndex& top, const QModelIndex& bottom) {
                        if (!measured_) {
                            return;
                        }
                        if (bottom.row() - top.row() >= kFewRows ||
                            changed_.size() >= static_cast<std::size_t>(kFewRows)) {
                            measured_ = false;
                            changed_.clear();
                            return;
                        }
                        for (int row = top.row(); row <= bottom.row(); ++row) {
                            changed_.emplace_back(model->index(row, 0));
                        }
                    })};
    }

    QTreeView& list_;
    std::vector<Widest> widest_;
    std::vector<QPersistentModelIndex> changed_;  // the rows changed since the last fitting
    bool measured_ = false;
    const QAbstractItemModel* watchedModel_ = nullptr;
    std::array<QMetaObject::Connection, 4> watchedConnections_;
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
