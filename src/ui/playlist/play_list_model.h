#pragma once

#include <QAbstractTableModel>

#include "data/document/play_list.h"

namespace quillory {

// The play list as Qt sees it: a view of the core's PlayList in its current layout. The window
// calls Refresh after every command, the list being short.
class PlayListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PlayListModel(const PlayList& list, QObject* parent = nullptr);

    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const PlayList& list_;
};

}  // namespace quillory
