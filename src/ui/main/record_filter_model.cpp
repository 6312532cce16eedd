#include "ui/main/record_filter_model.h"

namespace quillory {

RecordFilterModel::RecordFilterModel(const MusicFinderDocument& document,
                                     const RecordFilter& filter, QObject* parent)
    : QSortFilterProxyModel(parent), document_(document), filter_(filter) {}

void RecordFilterModel::Refilter() {
    // One change of layout rather than a removal or insertion for every run of rows: the view
    // lays its rows out once, and the highlighted row stays highlighted while it is shown.
    invalidate();
}

bool RecordFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    return !sourceParent.isValid() &&
           filter_.Shows(document_.At(static_cast<std::size_t>(sourceRow)));
}

}  // namespace quillory
