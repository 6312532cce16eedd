#include "ui/playlist/play_list_model.h"

#include <array>

namespace quillory {
namespace {

struct Header {
    const char* text;
    Qt::Alignment alignment;
};

constexpr std::array<Header, 6> kDefaultHeaders = {{
    {"Number", Qt::AlignLeft},
    {"Music", Qt::AlignLeft},
    {"Style", Qt::AlignLeft},
    {"TimeSig", Qt::AlignHCenter},
    {"Tempo", Qt::AlignHCenter},
    {"Comments", Qt::AlignLeft},
}};
constexpr std::array<Header, 3> kSongGenreHeaders = {{
    {"Number", Qt::AlignLeft},
    {"Genre", Qt::AlignLeft},
    {"Music", Qt::AlignLeft},
}};

}  // namespace

PlayListModel::PlayListModel(const PlayList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

void PlayListModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int PlayListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.Rows().size());
}

int PlayListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return list_.Layout() == PlayListLayout::kDefault ? static_cast<int>(kDefaultHeaders.size())
                                                      : static_cast<int>(kSongGenreHeaders.size());
}

QVariant PlayListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const auto& row = list_.Rows()[static_cast<std::size_t>(index.row())];
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.size() ? QString::fromStdString(row[column]) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return headerData(index.column(), Qt::Horizontal, role);
    }
    return {};
}

QVariant PlayListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const Header& header = list_.Layout() == PlayListLayout::kDefault
                               ? kDefaultHeaders[static_cast<std::size_t>(section)]
                               : kSongGenreHeaders[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(header.text);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(header.alignment | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace quillory
