#pragma once

#include <QAbstractTableModel>

#include "data/document/music_finder_document.h"

namespace quillory {

// The main record list as Qt sees it: a view of the document's records, never a copy. The
// first column carries the check box, the style cell its warning colour. Ticking a box is
// forwarded as checkToggled; the core decides what follows and the model hears of it.
class RecordListModel : public QAbstractTableModel, private DocumentObserver {
    Q_OBJECT

public:
    explicit RecordListModel(MusicFinderDocument& list, QObject* parent = nullptr);
    ~RecordListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void checkToggled(int row, bool checked);

private:
    void BeforeReset() override;
    void AfterReset() override;
    void BeforeAppend(std::size_t first, std::size_t last) override;
    void AfterAppend() override;
    void RecordsChanged(std::size_t first, std::size_t last) override;
    void BeforeReorder() override;
    void AfterReorder(const std::vector<std::size_t>& newPosition) override;

    MusicFinderDocument& list_;
};

}  // namespace quillory
