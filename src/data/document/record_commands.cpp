#include "data/document/record_commands.h"

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/common/text.h"
#include "data/document/bulk_change.h"
#include "data/format/record_layout.h"

namespace quillory {
namespace {

// Empties the texts of a deleted row.
void MarkDeleted(Record& record) {
    record.deleted = true;
    for (std::string* text : {&record.music, &record.timeSig, &record.tempo, &record.keywords}) {
        text->clear();
    }
    record.style.clear();
}

template <typename Tick>
std::size_t SetTicks(MusicFinderDocument& document, const RecordFilter& shown, Tick tick) {
    MusicFinderDocument::ChangeBatch batch(document);
    for (std::size_t row = 0; row < document.Size(); ++row) {
        if (shown.Shows(document.At(row))) {
            document.SetChecked(row, tick(document.At(row)));
        }
    }
    return document.CheckedCount();
}

template <typename R>
auto& MarkOf(R& record, Mark mark) {
    return mark == Mark::kFavorite  ? record.favorite
           : mark == Mark::kSearch1 ? record.search1
                                    : record.search2;
}

}  // namespace

const char* const kTimeSigs[kTimeSigCount] = {" 2/ 4", " 4/ 4", " 3/ 4", " 6/ 8", " 0/ 0"};

std::size_t CheckAll(MusicFinderDocument& document, const RecordFilter& shown) {
    return SetTicks(document, shown, [](const Record&) { return true; });
}

std::size_t UncheckAll(MusicFinderDocument& document, const RecordFilter& shown) {
    return SetTicks(document, shown, [](const Record&) { return false; });
}

std::size_t InvertChecks(MusicFinderDocument& document, const RecordFilter& shown) {
    return SetTicks(document, shown, [](const Record& record) { return !record.checked; });
}

void DeleteRecord(MusicFinderDocument& document, std::size_t row) {
    EditScope step(document, "Delete");
    Record record = document.At(row);
    MarkDeleted(record);
    document.Change(row, std::move(record));
}

std::size_t DeleteChecked(MusicFinderDocument& document, const RecordFilter& shown) {
    EditScope step(document, "Del Chk'd");
    MusicFinderDocument::ChangeBatch batch(document);
    std::size_t deleted = 0;
    for (std::size_t row = 0; row < document.Size(); ++row) {
        if (document.At(row).checked && shown.Shows(document.At(row))) {
            Record record = document.At(row);
            MarkDeleted(record);
            record.checked = false;
            document.Change(row, std::move(record));
            ++deleted;
        }
    }
    step.Rename(BulkStepName(BulkChange::kDeleteChecked, deleted));
    return deleted;
}

std::size_t ClearMark(MusicFinderDocument& document, Mark mark) {
    const std::uint8_t bit = mark == Mark::kFavorite  ? kFavoriteBit
                             : mark == Mark::kSearch1 ? kSearch1Bit
                                                      : kSearch2Bit;
    const BulkChange change = mark == Mark::kFavorite  ? BulkChange::kClearFavorite
                              : mark == Mark::kSearch1 ? BulkChange::kClearSearch1
                                                       : BulkChange::kClearSearch2;
    EditScope step(document, BulkStepName(change, 0));
    std::size_t cleared = 0;
    {
        MusicFinderDocument::ChangeBatch batch(document);
        for (std::size_t row = 0; row < document.Size(); ++row) {
            if (MarkOf(document.At(row), mark)) {
                Record record = document.At(row);
                MarkOf(record, mark) = false;
                document.Change(row, std::move(record));
                ++cleared;
            }
        }
    }
    step.Rename(BulkStepName(change, cleared));
    const int count = document.HeaderCount();
    for (int n = 1; n <= count; ++n) {
        const std::size_t at = RecordOffset(n) + field::kMarks;
        if (at >= document.Image().size()) {
            throw Failure(kSubscriptOutOfRange);
        }
        if (document.Image()[at] & bit) {
            Bytes bytes = document.RecordBytes(n);
            bytes[field::kMarks] &= static_cast<std::uint8_t>(~bit);
            document.PutRecordBytes(n, bytes);
        }
    }
    return cleared;
}

KeywordAdded KeywordAdd(MusicFinderDocument& document, const std::string& text) {
    KeywordAdded result;
    if (text.empty()) {
        return result;
    }
    EditScope step(document, "Keyword_Add");
    MusicFinderDocument::ChangeBatch batch(document);
    for (std::size_t row = 0; row < document.Size(); ++row) {
        Record record = document.At(row);
        std::string keywords = record.keywords.empty() ? text : record.keywords + "," + text;
        if (EncodeWindows1252(keywords).size() > field::kKeywordsSize) {
            ++result.unchanged;
            continue;
        }
        record.keywords = std::move(keywords);
        Bytes bytes = document.RecordBytes(record.position);
        OverwriteTextField(bytes, field::kKeywords, field::kKeywordsSize, record.keywords);
        document.Change(row, std::move(record), bytes);
        ++result.added;
    }
    step.Rename(BulkStepName(BulkChange::kKeywordAdd, result.added));
    return result;
}

std::optional<std::string> KeywordNoRoomMessage(std::size_t unchanged) {
    if (unchanged == 0) {
        return std::nullopt;
    }
    return std::to_string(unchanged) + " records had no room for the keyword";
}

void ToggleFavorite(MusicFinderDocument& document, std::size_t row) {
    EditScope step(document, "Toggle Favorite");
    Record record = document.At(row);
    Bytes bytes = document.RecordBytes(record.position);
    record.favorite = !record.favorite;
    if (record.favorite) {
        bytes[field::kMarks] |= kFavoriteBit;
    } else {
        bytes[field::kMarks] &= static_cast<std::uint8_t>(~kFavoriteBit);
    }
    document.Change(row, std::move(record), bytes);
}

void ColumnHeaderClicked(MusicFinderDocument& document, int column) {
    if (document.Sorted() && document.SortColumn() == column) {
        document.SetSort(true, column,
                         document.Order() == SortOrder::kAscending ? SortOrder::kDescending
                                                                   : SortOrder::kAscending);
    } else {
        document.SetSort(true, column, SortOrder::kAscending);
    }
}

RowClick RowClicked(const Workspace& workspace, std::size_t row) {
    const Record& record = workspace.document.At(row);
    RowClick click;
    click.music = record.music;
    click.style = record.style;
    click.tempo = record.tempo;
    click.keywords = record.keywords;
    click.favorite = record.favorite;
    click.search1 = record.search1;
    click.search2 = record.search2;
    const std::string timeSig = Trim(record.timeSig);
    for (std::size_t i = 0; i < kTimeSigCount; ++i) {
        if (Trim(kTimeSigs[i]) == timeSig) {
            click.timeSig = i;
        }
    }
    const std::string genre = record.Cell(kGenreColumn);
    const auto& genres = workspace.file.genres;
    for (std::size_t slot = 0; slot + 1 < genres.size() && !genres[slot].empty(); ++slot) {
        if (genres[slot] == genre) {
            click.genreIndex = slot;
            break;
        }
    }
    return click;
}

}  // namespace quillory
