#include "record_editor.h"

#include <algorithm>

#include "conversion.h"
#include "numbers.h"
#include "record_display.h"
#include "record_layout.h"
#include "text.h"

namespace quillory {
namespace {

// A record of 92 bytes with the editor's values written over it.
Bytes EditedRecord(Bytes record, const EditorValues& values) {
    WriteBigEndian16(record, field::kStyle, values.style ? values.style->number : 0);
    const std::string_view timeSig = values.timeSig;
    const auto slash = timeSig.find('/');
    record[field::kTimeSigNumerator] = ToByte(NumericValue(timeSig.substr(0, slash)));
    record[field::kTimeSigDenominator] =
        ToByte(slash == std::string_view::npos ? 0 : NumericValue(timeSig.substr(slash + 1)));
    WriteBigEndian16(record, field::kTempo, ToInt16(NumericValue(values.tempo)));
    record[field::kMarks] = MarksByte(values.favorite, values.search1, values.search2);
    WriteTextField(record, field::kMusic, field::kMusicSize, values.music, '\0');
    WriteTextField(record, field::kGenre, field::kGenreSize, values.genre.value_or(""), '\0');
    WriteTextField(record, field::kKeywords, field::kKeywordsSize, values.keywords, '\0');
    record[field::kSections] = SectionsByte(values.intro, values.section);
    return record;
}

}  // namespace

bool TempoAccepted(const std::string& text) {
    const double tempo = NumericValue(text);
    return tempo >= 32 && tempo <= 280;
}

void PrepareAdd(RecordStore& store) {
    store.gAddMode = true;
    store.gEditTimeSig = " 4/ 4";
}

bool PrepareModify(RecordStore& store) {
    if (store.gFileName.empty()) {
        return false;
    }
    const auto row = store.list.FindRecord(store.gSelectedRecord);
    if (row && store.list.At(*row).IsDeleted()) {
        return false;
    }
    store.gAddMode = false;
    return true;
}

std::optional<EditorSelection> EditorActivation(const RecordStore& store) {
    if (store.gAddMode) {
        return std::nullopt;
    }
    const auto row = store.list.FindRecord(store.gSelectedRecord);
    if (!row) {
        return std::nullopt;
    }
    const Row& shown = store.list.At(*row);
    return EditorSelection{shown.Cell(kStyleColumn), shown.Cell(kIntroColumn),
                           shown.Cell(kSectionColumn)};
}

void EditorToRow(RecordList& list, std::size_t row, const EditorValues& values) {
    RecordList::ChangeBatch batch(list);
    list.SetCell(row, kGenreColumn, values.genre.value_or(""));
    list.SetCell(row, kMusicColumn, values.music);
    list.SetCell(row, kStyleColumn, values.style ? values.style->name : "");
    list.SetCell(row, kTimeSigColumn, values.timeSig);
    list.SetCell(row, kTempoColumn, values.tempo);
    list.SetCell(row, kKeywordsColumn, values.keywords);
    list.SetCell(row, kFavoriteColumn, MarkCellText(values.favorite));
    list.SetCell(row, kSearch1Column, MarkCellText(values.search1));
    list.SetCell(row, kSearch2Column, MarkCellText(values.search2));
    list.SetCell(row, kIntroColumn, values.intro);
    list.SetCell(row, kSectionColumn, values.section);
}

void EditorToRecord(Bytes& image, int n, const EditorValues& values) {
    const std::size_t at = RecordOffset(n);
    if (n < 1 || at + kRecordSize > image.size()) {
        throw Failure(kSubscriptOutOfRange);
    }
    const Bytes record =
        EditedRecord(Bytes(image.begin() + static_cast<std::ptrdiff_t>(at),
                           image.begin() + static_cast<std::ptrdiff_t>(at + kRecordSize)),
                     values);
    std::copy(record.begin(), record.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

EditorOkResult EditorOk(RecordStore& store, const EditorValues& values, Interaction& ui) {
    if (!values.style) {
        ui.ShowMessage("Please select a style");
        return EditorOkResult::kRefused;
    }
    RecordList& list = store.list;
    if (!store.gAddMode) {
        // The record first: a value it cannot hold stops OK before the row changes.
        EditorToRecord(store.gFileBytes, store.gSelectedRecord, values);
        if (const auto row = list.FindRecord(store.gSelectedRecord)) {
            EditorToRow(list, *row, values);
        }
    } else {
        if (!values.genre) {
            ui.ShowMessage("All entries must have a genre selected");
            return EditorOkResult::kRefused;
        }
        if (values.music.empty()) {
            ui.ShowMessage("All entries must have a Music(song name)");
            return EditorOkResult::kFocusMusic;
        }
        if (values.tempo.empty()) {
            ui.ShowMessage("All entries must have a tempo");
            return EditorOkResult::kRefused;
        }
        if (store.gFileBytes.size() < kHeaderSize) {
            throw Failure(kSubscriptOutOfRange);
        }
        const int n = static_cast<int>(list.Size()) + 1;
        Bytes blank(kRecordSize, 0);
        WriteBigEndian16(blank, field::kNumber, n);
        const Bytes record = EditedRecord(std::move(blank), values);
        PutRecord(store.gFileBytes, n, record);

        Row row;
        row.cells[kNumberColumn] = ZeroPad(n, 5);
        row.record = n;
        list.Append(std::move(row));
        EditorToRow(list, list.Size() - 1, values);
        list.Resort();
        list.Select(list.FindRecord(n));
        store.window.rowControlsEnabled = true;
    }
    SaveMusicFinder(store, store.gTargetInstrument, false, ConversionMode::kPreview, ui);
    return EditorOkResult::kDone;
}

}  // namespace quillory
