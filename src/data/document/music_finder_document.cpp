#include "data/document/music_finder_document.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_set>
#include <utility>

#include "data/common/failure.h"
#include "data/common/text.h"

namespace quillory {
namespace {

constexpr std::size_t kAppendedRow = std::numeric_limits<std::size_t>::max();

// 92 bytes of the image from offset, zeros past its end.
void CopyRecordWindow(const Bytes& image, std::size_t offset, Bytes& into) {
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        into.push_back(offset + i < image.size() ? image[offset + i] : 0);
    }
}

std::optional<std::array<std::uint8_t, 2>> CountBytes(const Bytes& image) {
    if (image.size() < kCountOffset + 2) {
        return std::nullopt;
    }
    return std::array<std::uint8_t, 2>{image[kCountOffset], image[kCountOffset + 1]};
}

}  // namespace

Bytes MusicFinderDocument::RecordBytes(int n) const {
    const std::size_t at = RecordOffset(n);
    if (n < 1 || at + kRecordSize > image_.size()) {
        throw Failure(kSubscriptOutOfRange);
    }
    return Bytes(image_.begin() + static_cast<std::ptrdiff_t>(at),
                 image_.begin() + static_cast<std::ptrdiff_t>(at + kRecordSize));
}

std::optional<std::size_t> MusicFinderDocument::FindRecord(int position) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].position == position) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t MusicFinderDocument::CheckedCount() const {
    return static_cast<std::size_t>(std::count_if(
        records_.begin(), records_.end(), [](const Record& record) { return record.checked; }));
}

void MusicFinderDocument::Load(Bytes image, std::vector<Record> records) {
    Notify([](DocumentObserver& o) { o.BeforeReset(); });
    image_ = std::move(image);
    records_ = std::move(records);
    state_ = savedState_ = ++lastState_;
    Notify([](DocumentObserver& o) { o.AfterReset(); });
    Notify([](DocumentObserver& o) { o.Loaded(); });
}

void MusicFinderDocument::Change(std::size_t row, Record record) {
    record.position = records_.at(row).position;
    if (records_[row] == record) {
        return;
    }
    EditScope scope(*this, {});
    TouchRow(row);
    records_[row] = std::move(record);
    Changed(row, row);
}

void MusicFinderDocument::Change(std::size_t row, Record record, const Bytes& recordBytes) {
    EditScope scope(*this, {});
    PutRecordBytes(records_.at(row).position, recordBytes);
    Change(row, std::move(record));
}

void MusicFinderDocument::PutRecordBytes(int n, const Bytes& recordBytes) {
    if (n < 1 || recordBytes.size() != kRecordSize) {
        throw Failure(kSubscriptOutOfRange);
    }
    const std::size_t at = RecordOffset(n);
    if (at + kRecordSize <= image_.size() &&
        std::equal(recordBytes.begin(), recordBytes.end(),
                   image_.begin() + static_cast<std::ptrdiff_t>(at))) {
        return;
    }
    EditScope scope(*this, {});
    TouchBytes(n);
    image_.resize(std::max(image_.size(), at + kRecordSize), 0);
    std::copy(recordBytes.begin(), recordBytes.end(),
              image_.begin() + static_cast<std::ptrdiff_t>(at));
}

void MusicFinderDocument::WriteHeaderCount(int count) {
    EditScope scope(*this, {});
    WriteBigEndian16(image_, kCountOffset, count);
}

void MusicFinderDocument::Append(std::vector<Record> records) {
    if (records.empty()) {
        return;
    }
    EditScope scope(*this, {});
    touchedRows_.reserve(touchedRows_.size() + records.size());
    for (const Record& record : records) {
        touchedRows_[record.position] = kAppendedRow;
        open_->appended_.push_back(record.position);
    }
    const std::size_t first = records_.size();
    const std::size_t last = first + records.size() - 1;
    Notify([&](DocumentObserver& o) { o.BeforeAppend(first, last); });
    if (records_.empty()) {
        records_ = std::move(records);  // an import into an empty file moves no row
    } else {
        records_.insert(records_.end(), std::make_move_iterator(records.begin()),
                        std::make_move_iterator(records.end()));
    }
    Notify([](DocumentObserver& o) { o.AfterAppend(); });
}

void MusicFinderDocument::SetChecked(std::size_t row, bool checked) {
    Record& record = records_.at(row);
    if (record.checked != checked) {
        if (open_) {
            TouchRow(row);
        }
        record.checked = checked;
        Changed(row, row);
    }
}

void MusicFinderDocument::SetStyleColour(std::size_t row, Colour colour) {
    Record& record = records_.at(row);
    if (record.styleColour != colour) {
        record.styleColour = colour;
        Changed(row, row);
    }
}

void MusicFinderDocument::SetSort(bool sorted, int column, SortOrder order) {
    sorted_ = sorted;
    sortColumn_ = column;
    order_ = order;
    Resort();
}

void MusicFinderDocument::Resort() {
    if (sorted_) {
        Reorder();
    }
}

std::vector<std::size_t> MusicFinderDocument::SortedOrder() const {
    std::vector<std::size_t> order(records_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const bool descending = order_ == SortOrder::kDescending;
    // Folded once per row: folding on every comparison took most of a sort of the largest list.
    std::vector<std::string> keys;
    keys.reserve(records_.size());
    for (const Record& record : records_) {
        keys.push_back(CaseFoldKey(record.Cell(sortColumn_)));
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
    return order;
}

void MusicFinderDocument::Reorder() {
    const std::vector<std::size_t> order = SortedOrder();
    if (std::is_sorted(order.begin(), order.end())) {
        return;
    }
    Notify([](DocumentObserver& o) { o.BeforeReorder(); });
    std::vector<std::size_t> newPosition(records_.size());
    std::vector<Record> reordered;
    reordered.reserve(records_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newPosition[order[i]] = i;
        reordered.push_back(std::move(records_[order[i]]));
    }
    records_ = std::move(reordered);
    Notify([&](DocumentObserver& o) { o.AfterReorder(newPosition); });
}

void MusicFinderDocument::Changed(std::size_t first, std::size_t last) {
    if (batch_) {
        batch_->first_ = batch_->first_ ? std::min(*batch_->first_, first) : first;
        batch_->last_ = std::max(batch_->last_, last);
    } else {
        Notify([&](DocumentObserver& o) { o.RecordsChanged(first, last); });
    }
}

void MusicFinderDocument::BeginEdit(std::string name) {
    if (editDepth_++ > 0) {
        return;
    }
    open_ = std::make_unique<DocumentEdit>();
    open_->name_ = std::move(name);
    open_->stateBefore_ = state_;
    open_->before_.imageSize = image_.size();
    open_->before_.count = CountBytes(image_);
}

void MusicFinderDocument::TouchRow(std::size_t row) {
    const Record& record = records_.at(row);
    if (!touchedRows_.try_emplace(record.position, open_->touched_.size()).second) {
        return;
    }
    open_->touched_.push_back(record.position);
    open_->before_.indices.push_back(static_cast<std::uint32_t>(row));
    open_->before_.rows.Add(record);
}

void MusicFinderDocument::TouchBytes(int position) {
    // Bytes past the old end go back by the image's size and come again as one block.
    if (RecordOffset(position) >= open_->before_.imageSize ||
        !patchedRecords_.try_emplace(position, open_->patched_.size()).second) {
        return;
    }
    open_->patched_.push_back(position);
    CopyRecordWindow(image_, RecordOffset(position), open_->before_.recordBytes);
}

std::size_t MusicFinderDocument::RowOf(
    int position, std::size_t lookups,
    std::optional<std::unordered_map<int, std::size_t>>& rows) const {
    // A few rows are looked for one by one; many through one map of every row.
    constexpr std::size_t kFewLookups = 8;
    if (lookups <= kFewLookups) {
        if (const auto row = FindRecord(position)) {
            return *row;
        }
        throw Failure(kSubscriptOutOfRange);
    }
    if (!rows) {
        rows = RowsByPosition();
    }
    return rows->at(position);
}

std::unordered_map<int, std::size_t> MusicFinderDocument::RowsByPosition() const {
    std::unordered_map<int, std::size_t> rows;
    rows.reserve(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i) {
        rows.emplace(records_[i].position, i);
    }
    return rows;
}

void MusicFinderDocument::RenameEdit(std::string name) {
    if (editDepth_ == 1) {
        open_->name_ = std::move(name);
    }
}

void MusicFinderDocument::EndEdit() {
    if (--editDepth_ > 0) {
        return;
    }
    std::unique_ptr<DocumentEdit> edit = std::move(open_);
    touchedRows_.clear();
    patchedRecords_.clear();
    DocumentEdit::Side& after = edit->after_;
    after.imageSize = image_.size();
    after.count = CountBytes(image_);
    if (edit->touched_.empty() && edit->appended_.empty() && edit->patched_.empty() &&
        after.imageSize == edit->before_.imageSize && after.count == edit->before_.count) {
        return;
    }
    // Most rows are still where they were touched or appended; the others are looked up, all
    // at once, only when a sort moved one.
    std::optional<std::unordered_map<int, std::size_t>> moved;
    auto rowOf = [&](int position, std::size_t where) {
        if (where < records_.size() && records_[where].position == position) {
            return where;
        }
        if (!moved) {
            moved = RowsByPosition();
        }
        return moved->at(position);
    };
    for (std::size_t k = 0; k < edit->touched_.size(); ++k) {
        const std::size_t row = rowOf(edit->touched_[k], edit->before_.indices[k]);
        after.indices.push_back(static_cast<std::uint32_t>(row));
        after.rows.Add(records_[row]);
    }
    if (image_.size() > edit->before_.imageSize) {
        edit->addedBytes_.assign(
            image_.begin() + static_cast<std::ptrdiff_t>(edit->before_.imageSize), image_.end());
    }
    for (int position : edit->patched_) {
        CopyRecordWindow(image_, RecordOffset(position), after.recordBytes);
    }
    edit->before_.rows.ShrinkToFit();
    after.rows.ShrinkToFit();
    state_ = ++lastState_;
    edit->stateAfter_ = state_;
    const std::shared_ptr<const DocumentEdit> finished = std::move(edit);
    Notify([&](DocumentObserver& o) { o.EditFinished(finished); });
}

std::optional<std::size_t> MusicFinderDocument::Undo(const DocumentEdit& edit) {
    return Restore(edit, false);
}

std::optional<std::size_t> MusicFinderDocument::Redo(const DocumentEdit& edit) {
    return Restore(edit, true);
}

std::optional<std::size_t> MusicFinderDocument::Restore(const DocumentEdit& edit, bool forward) {
    const DocumentEdit::Side& side = forward ? edit.after_ : edit.before_;
    const DocumentEdit::Side& other = forward ? edit.before_ : edit.after_;
    image_.resize(side.imageSize, 0);
    if (forward) {
        std::copy(edit.addedBytes_.begin(), edit.addedBytes_.end(),
                  image_.begin() + static_cast<std::ptrdiff_t>(edit.before_.imageSize));
    }
    for (std::size_t i = 0; i < edit.patched_.size(); ++i) {
        const std::size_t at = RecordOffset(edit.patched_[i]);
        for (std::size_t b = 0; b < kRecordSize && at + b < image_.size(); ++b) {
            image_[at + b] = side.recordBytes[i * kRecordSize + b];
        }
    }
    if (side.count && image_.size() >= kCountOffset + 2) {
        image_[kCountOffset] = (*side.count)[0];
        image_[kCountOffset + 1] = (*side.count)[1];
    }
    state_ = forward ? edit.stateAfter_ : edit.stateBefore_;

    // The rows that stand on both sides take their other state where the list shows them now:
    // the list keeps its order, ties and rows left in place included.
    std::vector<Record> placed = side.rows.Unpack();
    std::optional<std::unordered_map<int, std::size_t>> moved;
    std::optional<std::size_t> first;
    {
        ChangeBatch batch(*this);
        for (std::size_t k = 0; k < edit.touched_.size(); ++k) {
            std::size_t row = other.indices[k];
            if (row >= records_.size() || records_[row].position != edit.touched_[k]) {
                row = RowOf(edit.touched_[k], edit.touched_.size(), moved);
            }
            records_[row] = std::move(placed[k]);
            Changed(row, row);
            first = first.value_or(row);
        }
    }
    if (edit.appended_.empty()) {
        return first;
    }
    Notify([](DocumentObserver& o) { o.BeforeReset(); });
    if (forward) {
        PlaceRows(std::exchange(edit.appendedRows_, {}));
    } else {
        const std::unordered_set<int> appended(edit.appended_.begin(), edit.appended_.end());
        const auto kept = std::stable_partition(
            records_.begin(), records_.end(),
            [&](const Record& record) { return !appended.contains(record.position); });
        edit.appendedRows_.assign(std::make_move_iterator(kept),
                                  std::make_move_iterator(records_.end()));
        records_.erase(kept, records_.end());
    }
    Notify([](DocumentObserver& o) { o.AfterReset(); });
    if (forward) {
        first = FindRecord(edit.appended_.front());
    } else if (first) {
        first = FindRecord(edit.touched_.front());
    }
    return first;
}

void MusicFinderDocument::PlaceRows(std::vector<Record> rows) {
    // Many rows are sorted in with the rest, as the command that added them sorted them.
    constexpr std::size_t kPlacedOneByOne = 16;
    if (!sorted_ || rows.size() > kPlacedOneByOne) {
        records_.insert(records_.end(), std::make_move_iterator(rows.begin()),
                        std::make_move_iterator(rows.end()));
        if (sorted_) {
            std::vector<Record> sorted;
            sorted.reserve(records_.size());
            for (std::size_t i : SortedOrder()) {
                sorted.push_back(std::move(records_[i]));
            }
            records_ = std::move(sorted);
        }
        return;
    }
    const bool descending = order_ == SortOrder::kDescending;
    for (Record& row : rows) {
        const std::string key = CaseFoldKey(row.Cell(sortColumn_));
        const auto after =
            std::partition_point(records_.begin(), records_.end(), [&](const Record& shown) {
                const std::string shownKey = CaseFoldKey(shown.Cell(sortColumn_));
                return descending ? !(shownKey < key) : !(key < shownKey);
            });
        records_.insert(after, std::move(row));
    }
}

EditScope::EditScope(MusicFinderDocument& document, std::string name) : document_(document) {
    document_.BeginEdit(std::move(name));
}

EditScope::~EditScope() {
    document_.EndEdit();
}

void EditScope::Rename(std::string name) {
    document_.RenameEdit(std::move(name));
}

MusicFinderDocument::ChangeBatch::ChangeBatch(MusicFinderDocument& document)
    : document_(document), outer_(document.batch_) {
    document_.batch_ = this;
}

MusicFinderDocument::ChangeBatch::~ChangeBatch() {
    document_.batch_ = outer_;
    if (first_) {
        document_.Changed(*first_, last_);
    }
}

}  // namespace quillory
