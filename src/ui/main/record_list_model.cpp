#include "ui/main/record_list_model.h"

#include <QColor>
#include <array>

namespace quillory {
namespace {

struct ColumnHeader {
    const char* text;
    Qt::Alignment alignment;
};

constexpr std::array<ColumnHeader, kColumnCount> kHeaders = {{
    {"Number", Qt::AlignLeft},
    {"Genre", Qt::AlignLeft},
    {"Music", Qt::AlignLeft},
    {"Style", Qt::AlignLeft},
    {"TimeSig", Qt::AlignHCenter},
    {"Tempo", Qt::AlignHCenter},
    {"Keywords", Qt::AlignLeft},
    {"Fav ", Qt::AlignHCenter},
    {"S1", Qt::AlignHCenter},
    {"S2", Qt::AlignLeft},
    {"Intro", Qt::AlignHCenter},
    {"Next Section", Qt::AlignLeft},
}};

// A 24-bit colour in blue-green-red order as Qt's colour.
QColor ColourFromBgr(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

RecordListModel::RecordListModel(MusicFinderDocument& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
    list_.AddObserver(*this);
}

RecordListModel::~RecordListModel() {
    list_.RemoveObserver(*this);
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.Size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Record& row = list_.At(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(row.Cell(index.column()));
        case Qt::CheckStateRole:
            if (index.column() == kNumberColumn) {
                return row.checked ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        case Qt::ForegroundRole:
            if (index.column() == kStyleColumn) {
                return ColourFromBgr(row.styleColour);
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                kHeaders[static_cast<std::size_t>(index.column())].alignment | Qt::AlignVCenter);
        default: return {};
    }
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    const ColumnHeader& header = kHeaders[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(header.text);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(header.alignment | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == kNumberColumn) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool RecordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != kNumberColumn) {
        return false;
    }
    emit checkToggled(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void RecordListModel::BeforeReset() {
    beginResetModel();
}

void RecordListModel::AfterReset() {
    endResetModel();
}

void RecordListModel::BeforeAppend(std::size_t first, std::size_t last) {
    beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(last));
}

void RecordListModel::AfterAppend() {
    endInsertRows();
}

void RecordListModel::RecordsChanged(std::size_t first, std::size_t last) {
    emit dataChanged(index(static_cast<int>(first), 0),
                     index(static_cast<int>(last), kColumnCount - 1));
}

void RecordListModel::BeforeReorder() {
    emit layoutAboutToBeChanged();
}

void RecordListModel::AfterReorder(const std::vector<std::size_t>& newPosition) {
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after << index(static_cast<int>(newPosition[static_cast<std::size_t>(old.row())]),
                       old.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

}  // namespace quillory
