#include "data/document/record_editor.h"

#include <algorithm>

#include "data/common/numbers.h"
#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/format/record_layout.h"
#include "data/format/style_table.h"

namespace quillory {
namespace {

// A record of 92 bytes with the editor's values written over it: style number, time
// signature, tempo, marks, texts (their first characters, zero-padded) and the sections byte.
// The style keeps the number the file's own instrument gives it, so that saving the file as it
// is keeps the style even while the editor offers another instrument's list.
Bytes EditedRecord(Bytes record, const Workspace& workspace, const EditorValues& values) {
    const int style =
        values.style ? OwnStyleNumber(workspace, values.style->name).value_or(values.style->number)
                     : 0;
    WriteBigEndian16(record, field::kStyle, style);
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

// The row with the editor's values, as typed.
Record EditedRow(Record record, const EditorValues& values) {
    record.SetGenre(values.genre.value_or(""));
    record.music = values.music;
    record.style = values.style ? values.style->name : "";
    record.timeSig = values.timeSig;
    record.tempo = values.tempo;
    record.keywords = values.keywords;
    record.favorite = values.favorite;
    record.search1 = values.search1;
    record.search2 = values.search2;
    record.intro = SectionCode(values.intro);
    record.next = SectionCode(values.section);
    return record;
}

bool StyleChosen(const EditorValues& values, Interaction& ui) {
    if (!values.style) {
        ui.ShowMessage("Please select a style");
    }
    return values.style.has_value();
}

}  // namespace

bool TempoAccepted(const std::string& text) {
    const double tempo = NumericValue(text);
    return tempo >= 32 && tempo <= 280;
}

bool ModifyAllowed(const Workspace& workspace, std::optional<std::size_t> row) {
    return !workspace.file.name.empty() && row && !workspace.document.At(*row).deleted;
}

std::optional<std::string> ModifyRefusal(const MusicFinderDocument& document,
                                         std::optional<std::size_t> row) {
    if (!row) {
        return "Select the record to modify in the list";
    }
    if (document.At(*row).deleted) {
        return "A deleted record cannot be modified";
    }
    return std::nullopt;
}

EditorSelection EditorActivation(const MusicFinderDocument& document, std::size_t row) {
    const Record& shown = document.At(row);
    return {shown.style, shown.Cell(kIntroColumn), shown.Cell(kSectionColumn)};
}

EditorOutcome EditorModify(Workspace& workspace, std::optional<std::size_t> row,
                           const EditorValues& values, Interaction& ui) {
    MusicFinderDocument& document = workspace.document;
    if (const auto refusal = ModifyRefusal(document, row)) {
        ui.ShowMessage(*refusal);
        return {};
    }
    if (!StyleChosen(values, ui)) {
        return {};
    }
    const int position = document.At(*row).position;
    {
        EditScope step(document, "Modify");
        const Record& shown = document.At(*row);
        // The record first: a value it cannot hold stops OK before the row changes.
        const Bytes bytes = EditedRecord(document.RecordBytes(shown.position), workspace, values);
        document.Change(*row, EditedRow(shown, values), bytes);
    }
    // The preview may sort the list again: the row is looked for where it ends up.
    SaveMusicFinder(workspace, workspace.settings.targetInstrument, false, ConversionMode::kPreview,
                    ui);
    return {EditorOkResult::kDone, document.FindRecord(position)};
}

EditorOutcome EditorAdd(Workspace& workspace, const EditorValues& values, Interaction& ui) {
    if (!StyleChosen(values, ui)) {
        return {};
    }
    if (!values.genre) {
        ui.ShowMessage("All entries must have a genre selected");
        return {};
    }
    if (values.music.empty()) {
        ui.ShowMessage("All entries must have a Music(song name)");
        return {EditorOkResult::kFocusMusic, std::nullopt};
    }
    if (values.tempo.empty()) {
        ui.ShowMessage("All entries must have a tempo");
        return {};
    }
    MusicFinderDocument& document = workspace.document;
    if (document.Image().size() < kHeaderSize) {
        throw Failure(kSubscriptOutOfRange);
    }
    const int n = static_cast<int>(document.Size()) + 1;
    Bytes blank(kRecordSize, 0);
    WriteBigEndian16(blank, field::kNumber, n);
    const Bytes bytes = EditedRecord(std::move(blank), workspace, values);
    {
        EditScope step(document, "Add");
        document.PutRecordBytes(n, bytes);
        document.WriteHeaderCount(n);
        Record added;
        added.position = n;
        added.number = n;
        document.Append({EditedRow(std::move(added), values)});
        document.Resort();
    }
    // The preview may sort the list again: the new row is looked for where it ends up.
    SaveMusicFinder(workspace, workspace.settings.targetInstrument, false, ConversionMode::kPreview,
                    ui);
    return {EditorOkResult::kDone, document.FindRecord(n)};
}

}  // namespace quillory
