#include "record_list.h"

#include <algorithm>
#include <numeric>

#include "text.h"

namespace quillory {

void RecordList::Clear() {
    Assign({});
}

void RecordList::Assign(std::vector<Row> rows) {
    if (observer_) {
        observer_->BeforeReset();
    }
    rows_ = std::move(rows);
    selected_.reset();
    if (observer_) {
        observer_->AfterReset();
    }
}

void RecordList::Append(Row row) {
    std::vector<Row> one;
    one.push_back(std::move(row));
    Append(std::move(one));
}

void RecordList::Append(std::vector<Row> rows) {
    if (rows.empty()) {
        return;
    }
    const std::size_t first = rows_.size();
    if (observer_) {
        observer_->BeforeAppend(first, first + rows.size() - 1);
    }
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    if (observer_) {
        observer_->AfterAppend();
    }
}

void RecordList::SetCell(std::size_t index, int column, std::string text) {
    rows_.at(index).cells.at(static_cast<std::size_t>(column)) = std::move(text);
    Changed(index, index);
}

void RecordList::SetChecked(std::size_t index, bool checked) {
    Row& row = rows_.at(index);
    if (row.checked != checked) {
        row.checked = checked;
        Changed(index, index);
    }
}

void RecordList::SetStyleColour(std::size_t index, Colour colour) {
    Row& row = rows_.at(index);
    if (row.styleColour != colour) {
        row.styleColour = colour;
        Changed(index, index);
    }
}

std::size_t RecordList::CheckedCount() const {
    return static_cast<std::size_t>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.checked; }));
}

std::optional<std::size_t> RecordList::FindRecord(int recordNumber) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].RecordNumber() == recordNumber) {
            return i;
        }
    }
    return std::nullopt;
}

void RecordList::Select(std::optional<std::size_t> index) {
    if (index && *index >= rows_.size()) {
        index.reset();
    }
    if (selected_ != index) {
        selected_ = index;
        if (observer_) {
            observer_->SelectionChanged();
        }
    }
}

void RecordList::SetSort(bool sorted, int column, SortOrder order) {
    sorted_ = sorted;
    sortColumn_ = column;
    order_ = order;
    if (sorted_) {
        Reorder();
    }
}

void RecordList::Resort() {
    if (sorted_) {
        Reorder();
    }
}

void RecordList::Reorder() {
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto column = static_cast<std::size_t>(sortColumn_);
    const bool descending = order_ == SortOrder::kDescending;
    // Folded once per row: folding on every comparison, and reaching into the large rows for
    // their cells, took most of a sort of the largest list.
    std::vector<std::string> keys;
    keys.reserve(rows_.size());
    for (const Row& row : rows_) {
        keys.push_back(CaseFoldKey(row.cells[column]));
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
    if (std::is_sorted(order.begin(), order.end())) {
        return;
    }
    if (observer_) {
        observer_->BeforeReorder();
    }
    std::vector<std::size_t> newPosition(rows_.size());
    std::vector<Row> reordered;
    reordered.reserve(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newPosition[order[i]] = i;
        reordered.push_back(std::move(rows_[order[i]]));
    }
    rows_ = std::move(reordered);
    if (selected_) {
        selected_ = newPosition[*selected_];
    }
    if (observer_) {
        observer_->AfterReorder(newPosition);
    }
}

void RecordList::Changed(std::size_t first, std::size_t last) {
    if (batch_) {
        batch_->first_ = batch_->first_ ? std::min(*batch_->first_, first) : first;
        batch_->last_ = std::max(batch_->last_, last);
    } else if (observer_) {
        observer_->RowsChanged(first, last);
    }
}

RecordList::ChangeBatch::ChangeBatch(RecordList& list) : list_(list), outer_(list.batch_) {
    list_.batch_ = this;
}

RecordList::ChangeBatch::~ChangeBatch() {
    list_.batch_ = outer_;
    if (first_) {
        list_.Changed(*first_, last_);
    }
}

}  // namespace quillory
