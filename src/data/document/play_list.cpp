#include "data/document/play_list.h"

#include <algorithm>
#include <numeric>

#include "data/common/failure.h"
#include "data/common/interaction.h"
#include "data/common/numbers.h"
#include "data/common/text.h"

namespace quillory {
namespace {

constexpr std::size_t kTitleCell = 1;
constexpr std::size_t kCommentCell = 5;

int NumberOf(const PlayList::Row& row) {
    return static_cast<int>(NumericValue(row[0]));
}

}  // namespace

void PlayList::Append(const Record& main) {
    if (listed_.contains(ListedKey(main.music, main.style))) {
        return;
    }
    const std::string number = ZeroPad(++counter_, 5);
    if (layout_ == PlayListLayout::kDefault) {
        rows_.push_back({number, main.music, main.style, main.timeSig, main.tempo, " "});
    } else {
        rows_.push_back({number, main.Cell(kGenreColumn), main.music});
    }
    // A later row counts as listed when its music and style equal the second and third cells
    // of this one (in the song-genre layout: its genre and music).
    listed_.insert(ListedKey(rows_.back()[1], rows_.back()[2]));
}

std::string PlayList::ListedKey(const std::string& first, const std::string& second) {
    std::string key = first;
    key += '\0';
    key += second;
    return key;
}

void PlayList::Activate(const MusicFinderDocument& main, const RecordFilter& shown) {
    for (const Record& row : main.Records()) {
        if (row.checked && shown.Shows(row)) {
            Append(row);
        }
    }
    SelectFirst();
}

void PlayList::SetLayout(PlayListLayout layout, const MusicFinderDocument& main,
                         const RecordFilter& shown) {
    layout_ = layout;
    rows_.clear();
    listed_.clear();
    counter_ = 0;
    Activate(main, shown);
}

std::string PlayList::RowKey(const Record& main) const {
    return layout_ == PlayListLayout::kDefault ? ListedKey(main.music, main.style)
                                               : ListedKey(main.Cell(kGenreColumn), main.music);
}

void PlayList::Renumber() {
    std::vector<int> numbers;
    for (const Row& row : rows_) {
        numbers.push_back(NumberOf(row));
    }
    std::sort(numbers.begin(), numbers.end());
    listed_.clear();
    for (Row& row : rows_) {
        const auto rank = std::lower_bound(numbers.begin(), numbers.end(), NumberOf(row));
        row[0] = ZeroPad(static_cast<int>(rank - numbers.begin()) + 1, 5);
        listed_.insert(ListedKey(row[1], row[2]));
    }
    counter_ = static_cast<std::int16_t>(rows_.size());
}

PlayListChanges PlayList::Reopen(const MusicFinderDocument& main) {
    PlayListChanges changes;
    std::unordered_set<std::string> ticked;
    for (const Record& record : main.Records()) {
        if (record.checked) {
            ticked.insert(RowKey(record));
        }
    }
    std::erase_if(rows_, [&](const Row& row) {
        const bool gone = !ticked.contains(ListedKey(row[1], row[2]));
        if (gone) {
            changes.removed.push_back(row[kTitleCell]);
        }
        return gone;
    });
    Renumber();
    const std::size_t kept = rows_.size();
    Activate(main);
    for (std::size_t row = kept; row < rows_.size(); ++row) {
        changes.added.push_back(rows_[row][kTitleCell]);
    }
    return changes;
}

std::vector<std::string> PlayList::LoadSaved(const std::vector<SavedPlayListRow>& saved,
                                             MusicFinderDocument& main) {
    std::vector<std::string> unmatched;
    std::vector<bool> taken(main.Size(), false);
    layout_ = PlayListLayout::kDefault;
    rows_.clear();
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const SavedPlayListRow& row = saved[i];
        const auto& records = main.Records();
        const auto found = std::find_if(records.begin(), records.end(), [&](const Record& r) {
            return !taken[static_cast<std::size_t>(&r - records.data())] && r.music == row.music &&
                   r.style == row.style;
        });
        if (found == records.end()) {
            unmatched.push_back(std::to_string(i + 1) + " " + row.music + " (" + row.style + ")");
            continue;
        }
        taken[static_cast<std::size_t>(found - records.begin())] = true;
        rows_.push_back({ZeroPad(static_cast<int>(rows_.size()) + 1, 5), found->music, found->style,
                         found->timeSig, found->tempo, row.comment});
    }
    for (std::size_t row = 0; row < taken.size(); ++row) {
        main.SetChecked(row, taken[row]);
    }
    Renumber();
    sorted_ = false;
    sortColumn_ = 0;
    order_ = SortOrder::kAscending;
    modified_ = false;
    SelectFirst();
    return unmatched;
}

void PlayList::SelectFirst() {
    selected_ = rows_.empty() ? std::nullopt : std::optional<std::size_t>(0);
    selectedNumber_ = 1;
}

void PlayList::RowClicked(std::size_t row) {
    selected_ = row;
    selectedNumber_ = NumberOf(rows_.at(row));
}

std::optional<std::size_t> PlayList::ActedOnRow() const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (NumberOf(rows_[i]) == selectedNumber_) {
            return i;
        }
    }
    return std::nullopt;
}

std::string PlayList::ActedOnTitle() const {
    const auto row = ActedOnRow();
    return row ? rows_[*row][kTitleCell] : std::string();
}

void PlayList::SetComment(const std::string& comment) {
    const auto row = ActedOnRow();
    if (!row || rows_[*row].size() <= kCommentCell) {
        throw Failure(kSubscriptOutOfRange);
    }
    rows_[*row][kCommentCell] = comment;
    modified_ = true;
    SelectFirst();
}

void PlayList::ChangePosition(const std::string& answer, Interaction& ui) {
    if (answer.empty()) {
        return;
    }
    const double position = RoundHalfToEven(NumericValue(answer));
    const int count = static_cast<int>(rows_.size());
    if (position > count || position < 1) {
        ui.ShowMessage("Keep your choices within 1 and " + std::to_string(count));
        return;
    }
    const auto acted = ActedOnRow();
    if (!acted) {
        throw Failure(kSubscriptOutOfRange);
    }
    const int p = static_cast<int>(position);
    const int o = NumberOf(rows_[*acted]);
    for (Row& row : rows_) {
        const int c = NumberOf(row);
        if (p < o && c >= p && c < o) {
            row[0] = ZeroPad(c + 1, 5);
        } else if (p > o && c > o && c <= p) {
            row[0] = ZeroPad(c - 1, 5);
        }
    }
    rows_[*acted][0] = ZeroPad(p, 5);
    modified_ = true;
    sorted_ = true;
    order_ = SortOrder::kAscending;
    Sort();
    SelectFirst();
}

void PlayList::HeaderClicked(int column) {
    if (sorted_ && sortColumn_ == column) {
        order_ = order_ == SortOrder::kAscending ? SortOrder::kDescending : SortOrder::kAscending;
    } else {
        sorted_ = true;
        sortColumn_ = column;
        order_ = SortOrder::kAscending;
    }
    Sort();
}

void PlayList::Sort() {
    const auto column = static_cast<std::size_t>(sortColumn_);
    const std::optional<Row> selectedRow =
        selected_ ? std::optional<Row>(rows_[*selected_]) : std::nullopt;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        const std::string& left = column < a.size() ? a[column] : a[0];
        const std::string& right = column < b.size() ? b[column] : b[0];
        const int c = CompareWithoutCase(left, right);
        return order_ == SortOrder::kDescending ? c > 0 : c < 0;
    });
    if (selectedRow) {
        selected_ = static_cast<std::size_t>(std::find(rows_.begin(), rows_.end(), *selectedRow) -
                                             rows_.begin());
    }
}

std::string ChangesSummary(const PlayListChanges& changes) {
    const auto join = [](const char* verb, const std::vector<std::string>& titles) {
        std::string text = titles.empty() ? "" : verb;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            text += (i == 0 ? " " : ", ") + titles[i];
        }
        return text;
    };
    const std::string added = join("Added", changes.added);
    const std::string removed = join(added.empty() ? "Removed" : "removed", changes.removed);
    return added.empty() || removed.empty() ? added + removed : added + "; " + removed;
}

bool PlayListMayOpen(const MusicFinderDocument& main, Interaction& ui, const RecordFilter& shown) {
    const auto& records = main.Records();
    const bool ticked = std::any_of(records.begin(), records.end(), [&](const Record& record) {
        return record.checked && shown.Shows(record);
    });
    if (!ticked) {
        ui.ShowMessage(shown.Active()
                           ? "At least one record shown must be checked to go to PlayList"
                           : "At least one record must be checked to go to PlayList");
    }
    return ticked;
}

}  // namespace quillory
