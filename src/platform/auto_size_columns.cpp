#include "platform/auto_size_columns.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
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

// The width of the widest cell of a column. Shaping every text would take long on the largest
// lists, so each text is first estimated by the sum of its characters' advances, and only the
// texts that could be the widest are measured exactly.
int WidestText(const QAbstractItemModel& model, int column, const QFontMetrics& metrics,
               CharacterWidths& characters) {
    constexpr std::size_t kCandidates = 24;
    std::vector<std::pair<int, QString>> widest;  // the widest estimates, widest first
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        QString text = model.index(row, column).data(Qt::DisplayRole).toString();
        const int estimate = characters.Of(text);
        if (widest.size() == kCandidates && estimate <= widest.back().first) {
            continue;
        }
        const bool listed = std::any_of(widest.begin(), widest.end(),
                                        [&](const auto& candidate) { return candidate.second == text; });
        if (listed) {
            continue;
        }
        const auto at = std::upper_bound(
            widest.begin(), widest.end(), estimate,
            [](int value, const auto& candidate) { return value > candidate.first; });
        widest.insert(at, {estimate, std::move(text)});
        if (widest.size() > kCandidates) {
            widest.pop_back();
        }
    }
    int width = 0;
    for (const auto& candidate : widest) {
        width = std::max(width, metrics.horizontalAdvance(candidate.second));
    }
    return width;
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
    CharacterWidths characters(metrics);
    const int columns = model->columnCount();
    int used = 0;
    for (int column = 0; column < columns; ++column) {
        int width = WidestText(*model, column, metrics, characters) + margin;
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
