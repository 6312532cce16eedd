#include "record_commands.h"

#include "failure.h"
#include "record_layout.h"
#include "text.h"

namespace quillory {
namespace {

// Empties the cells of a deleted row, in the order the program always emptied them.
void MarkDeleted(RecordList& list, std::size_t row) {
    list.SetCell(row, kGenreColumn, kDeletedMark);
    for (int column : {kMusicColumn, kTimeSigColumn, kTempoColumn, kKeywordsColumn, kStyleColumn}) {
        list.SetCell(row, column, std::string());
    }
}

std::size_t MarksOffset(const RecordStore& store, const Row& row) {
    const std::size_t at = RecordOffset(row.RecordNumber()) + field::kMarks;
    if (row.RecordNumber() < 1 || at >= store.gFileBytes.size()) {
        throw Failure(kSubscriptOutOfRange);
    }
    return at;
}

// Ticks or unticks every row; Del Chk'd and Play List follow the ticks.
void SetAllChecked(RecordStore& store, bool checked) {
    RecordList::ChangeBatch batch(store.list);
    for (std::size_t row = 0; row < store.list.Size(); ++row) {
        store.list.SetChecked(row, checked);
    }
    store.window.deleteCheckedEnabled = checked;
    store.window.playListEnabled = checked;
}

}  // namespace

const char* const kTimeSigs[kTimeSigCount] = {" 2/ 4", " 4/ 4", " 3/ 4", " 6/ 8", " 0/ 0"};

void CheckBoxChanged(RecordStore& store, std::size_t row, bool checked) {
    store.list.SetChecked(row, checked);
    store.window.playListEnabled = true;
    store.window.deleteCheckedEnabled = store.list.CheckedCount() > 0;
}

void CheckAll(RecordStore& store) {
    SetAllChecked(store, true);
}

void UncheckAll(RecordStore& store) {
    SetAllChecked(store, false);
}

void InvertChecks(RecordStore& store) {
    RecordList::ChangeBatch batch(store.list);
    std::size_t ticked = 0;
    for (std::size_t row = 0; row < store.list.Size(); ++row) {
        const bool tick = !store.list.At(row).checked;
        store.list.SetChecked(row, tick);
        ticked += tick ? 1 : 0;
    }
    store.window.deleteCheckedEnabled = ticked >= 1;
    if (!store.list.Empty()) {
        store.window.playListEnabled = ticked >= 1;
    }
}

void DeleteSelected(RecordStore& store) {
    if (const auto row = store.list.Selected()) {
        MarkDeleted(store.list, *row);
    }
}

void DeleteChecked(RecordStore& store) {
    RecordList::ChangeBatch batch(store.list);
    for (std::size_t row = 0; row < store.list.Size(); ++row) {
        if (store.list.At(row).checked) {
            MarkDeleted(store.list, row);
            store.list.SetChecked(row, false);
            store.window.deleteCheckedEnabled = false;
        }
    }
}

void ClearMark(RecordStore& store, Mark mark) {
    const int column = mark == Mark::kFavorite  ? kFavoriteColumn
                       : mark == Mark::kSearch1 ? kSearch1Column
                                                : kSearch2Column;
    const std::uint8_t bit = mark == Mark::kFavorite  ? kFavoriteBit
                             : mark == Mark::kSearch1 ? kSearch1Bit
                                                      : kSearch2Bit;
    {
        RecordList::ChangeBatch batch(store.list);
        for (std::size_t row = 0; row < store.list.Size(); ++row) {
            store.list.SetCell(row, column, "No");
        }
    }
    store.gRecordCount = static_cast<std::int16_t>(store.HeaderRecordCount());
    for (int n = 1; n <= store.gRecordCount; ++n) {
        const std::size_t at = RecordOffset(n) + field::kMarks;
        if (at >= store.gFileBytes.size()) {
            throw Failure(kSubscriptOutOfRange);
        }
        store.gFileBytes[at] &= static_cast<std::uint8_t>(~bit);
    }
}

void KeywordAdd(RecordStore& store, const std::string& text) {
    if (text.empty()) {
        return;
    }
    RecordList::ChangeBatch batch(store.list);
    for (std::size_t row = 0; row < store.list.Size(); ++row) {
        const std::string keywords = store.list.At(row).Cell(kKeywordsColumn) + "," + text;
        store.list.SetCell(row, kKeywordsColumn, keywords);
        const int n = store.list.At(row).RecordNumber();
        OverwriteTextField(store.gFileBytes, RecordOffset(n) + field::kKeywords,
                           field::kKeywordsSize, keywords);
    }
}

void ToggleFavorite(RecordStore& store) {
    const auto row = store.list.Selected();
    if (!row) {
        return;
    }
    const std::size_t at = MarksOffset(store, store.list.At(*row));
    if (store.list.At(*row).Cell(kFavoriteColumn) == "Yes") {
        store.list.SetCell(*row, kFavoriteColumn, "No");
        store.gFileBytes[at] &= static_cast<std::uint8_t>(~kFavoriteBit);
    } else {
        store.list.SetCell(*row, kFavoriteColumn, "Yes");
        store.gFileBytes[at] |= kFavoriteBit;
    }
}

void ColumnHeaderClicked(RecordStore& store, int column) {
    RecordList& list = store.list;
    if (list.Sorted() && list.SortColumn() == column) {
        list.SetSort(
            true, column,
            list.Order() == SortOrder::kAscending ? SortOrder::kDescending : SortOrder::kAscending);
    } else {
        list.SetSort(true, column, SortOrder::kAscending);
    }
}

RowClick RowClicked(RecordStore& store, std::size_t index) {
    store.list.Select(index);
    const Row& row = store.list.At(index);
    store.gSelectedRecord = static_cast<std::int16_t>(row.RecordNumber());
    store.window.rowControlsEnabled = true;
    store.window.replaceEnabled = true;

    RowClick click;
    click.music = row.Cell(kMusicColumn);
    click.style = row.Cell(kStyleColumn);
    click.tempo = row.Cell(kTempoColumn);
    click.keywords = row.Cell(kKeywordsColumn);
    click.favorite = row.Cell(kFavoriteColumn) == "Yes";
    click.search1 = row.Cell(kSearch1Column) == "Yes";
    click.search2 = row.Cell(kSearch2Column) == "Yes";
    const std::string timeSig = Trim(row.Cell(kTimeSigColumn));
    for (std::size_t i = 0; i < kTimeSigCount; ++i) {
        if (Trim(kTimeSigs[i]) == timeSig) {
            click.timeSig = i;
            store.gEditTimeSig = kTimeSigs[i];
        }
    }
    const std::string& genre = row.Cell(kGenreColumn);
    for (std::size_t slot = 0; slot + 1 < store.gGenres.size() && !store.gGenres[slot].empty();
         ++slot) {
        if (store.gGenres[slot] == genre) {
            click.genreIndex = slot;
            break;
        }
    }
    return click;
}

}  // namespace quillory
