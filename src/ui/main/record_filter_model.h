#pragma once

#include <QSortFilterProxyModel>

#include "data/document/music_finder_document.h"
#include "data/document/record_filter.h"

namespace quillory {

// The record list as the view shows it: the list model's rows that the filter lets through, in
// the document's own order (the proxy never sorts). The core decides which rows match.
class RecordFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    RecordFilterModel(const MusicFinderDocument& document, const RecordFilter& filter,
                      QObject* parent = nullptr);

    // The filter changed: the rows shown are worked out anew.
    void Refilter();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const MusicFinderDocument& document_;
    const RecordFilter& filter_;
};

}  // namespace quillory
