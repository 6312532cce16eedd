#include "data/conversion/merge.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/document/duplicates.h"
#include "data/exchange/text_file.h"
#include "data/files/file_reading.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_decoder.h"
#include "data/format/record_layout.h"
#include "data/format/style_table.h"

namespace quillory {
namespace {

inline constexpr int kMostRecords = 32767;

// The other file's records as the list would show them under "Auto": style names from the
// table of the instrument its header names.
void ReadOtherRecords(const ProgramFiles& files, const std::string& instrument, Bytes image,
                      MusicFinderDocument& other) {
    if (image.size() < kHeaderSize) {
        throw Failure(kInputPastEndOfFile);
    }
    SourceStyles styles;
    FillSourceStyles(styles, ReadStyleTable(files, instrument));
    // The other file's user styles are offered to the editor only once they are merged.
    std::vector<StyleChoice> notOffered;
    StyleChoiceAdder userStyles(notOffered);
    RecordDecoder decoder(FindInstrument(instrument), styles, false, userStyles);
    std::vector<Record> records;
    const int count = ReadBigEndian16(image, kCountOffset);
    records.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        decoder.AppendRow(image, n, records);
    }
    other.Load(std::move(image), std::move(records));
}

// The converted records as rows and bytes for the open file, from record position p on: the
// style named as the open file's instrument names it, the record numbered as the list shows it.
struct MergedRecords {
    std::vector<Record> rows;
    Bytes bytes;  // kRecordSize bytes per row
};

class MergedRows {
public:
    MergedRows(const ProgramFiles& files, const std::string& instrument)
        : userStyles_(offered_), decoder_(FindInstrument(instrument), styles_, false, userStyles_) {
        FillSourceStyles(styles_, ReadStyleTable(files, instrument));
    }

    // Record k of the converted image as record p of the open file.
    void Add(const Bytes& converted, int k, int p, MergedRecords& into) {
        decoder_.AppendRow(converted, k, into.rows);
        Record& row = into.rows.back();
        row.position = p;
        row.number = p;
        const std::size_t at = RecordOffset(k);
        const std::size_t to = into.bytes.size();
        into.bytes.insert(into.bytes.end(), converted.begin() + static_cast<std::ptrdiff_t>(at),
                          converted.begin() + static_cast<std::ptrdiff_t>(at + kRecordSize));
        WriteBigEndian16(into.bytes, to + field::kNumber, p - 1);
    }

    // Offers the user styles of the rows to the record editor's style list, as reading a file
    // with them would.
    void OfferUserStyles(std::vector<StyleChoice>& choices) const {
        StyleChoiceAdder adder(choices);
        for (const StyleChoice& style : offered_) {
            adder.Offer(style.name, style.name, style.number);
        }
    }

    // Leaves out the row added last.
    static void DropLast(MergedRecords& from) {
        from.rows.pop_back();
        from.bytes.erase(from.bytes.end() - static_cast<std::ptrdiff_t>(kRecordSize),
                         from.bytes.end());
    }

private:
    SourceStyles styles_;
    std::vector<StyleChoice> offered_;
    StyleChoiceAdder userStyles_;
    RecordDecoder decoder_;
};

// The style that replaces those the open file's instrument lacks: the default style chosen
// while that instrument is the target, else the instrument's own default, the last style of its
// table, as choosing it as the target would make it.
std::string DefaultStyleFor(const Workspace& workspace, const std::string& instrument) {
    if (workspace.settings.targetInstrument == instrument) {
        return workspace.settings.defaultStyle;
    }
    const std::vector<StyleTableLine> table =
        ParseStyleTable(ReadStyleTable(workspace.files, instrument));
    return table.empty() ? "" : Trim(table.back().name);
}

int LiveRecords(const MusicFinderDocument& document) {
    int live = 0;
    for (const Record& record : document.Records()) {
        live += record.deleted ? 0 : 1;
    }
    return live;
}

// Why the merged records cannot be stored; none when they can.
std::optional<std::string> Refusal(const MusicFinderDocument& document,
                                   const std::string& instrument, std::size_t merged) {
    const int added = static_cast<int>(merged);
    if (static_cast<int>(document.Size()) + added > kMostRecords) {
        return "A Music Finder file holds at most " + std::to_string(kMostRecords) +
               " records, and this one would hold " + std::to_string(document.Size() + merged) +
               " after the merge";
    }
    return RecordLimitRefusal(instrument, LiveRecords(document) + added);
}

// The songs the open file's rows already hold, for leaving out their repeats.
std::unordered_set<std::string> SongsOf(const MusicFinderDocument& document, SongKeys& keys) {
    std::unordered_set<std::string> songs;
    songs.reserve(document.Size());
    for (const Record& record : document.Records()) {
        if (!record.deleted) {
            songs.insert(keys.Of(record));
        }
    }
    return songs;
}

MergeOutcome Merge(Workspace& workspace, const std::filesystem::path& path,
                   const MergeOptions& options, Interaction& ui) {
    MergeOutcome outcome;
    const std::string instrument = workspace.file.sourceInstrument;
    if (!FindInstrument(instrument)) {
        ui.ShowMessage(
            "The open file's instrument is not known, so the styles of another file "
            "cannot be matched to it");
        return outcome;
    }
    std::optional<Bytes> image = LoadFileBytes(path, kLargestFileSize);
    if (!image) {
        ui.ShowMessage("Could not find that file ");
        return outcome;
    }
    const std::string otherInstrument = HeaderModelName(*image);
    if (!RecognisedInHeader(otherInstrument)) {
        ui.ShowMessage("The header of " + path.filename().string() +
                       " names no instrument this program knows");
        return outcome;
    }
    MusicFinderDocument other;
    ReadOtherRecords(workspace.files, otherInstrument, std::move(*image), other);
    const Conversion conversion =
        ConvertRecords(other, workspace.styleTables.Index(workspace.files, instrument),
                       {instrument, otherInstrument, DefaultStyleFor(workspace, instrument),
                        workspace.settings.allowUserStyles, false, CurrentDateTime()});

    MusicFinderDocument& document = workspace.document;
    const int converted = ReadBigEndian16(conversion.image, kCountOffset);
    outcome.dropped = static_cast<int>(conversion.rows.size()) - converted;
    auto refused = [&](std::size_t count) {
        const auto refusal = Refusal(document, instrument, count);
        if (refusal) {
            ui.ShowMessage(*refusal);
        }
        return refusal.has_value();
    };
    // Without duplicates to leave out the count is known now, before any row is made.
    if (!options.skipDuplicates && refused(static_cast<std::size_t>(converted))) {
        return outcome;
    }
    MergedRows rows(workspace.files, instrument);
    SongKeys keys(DuplicateRule::kTitleAndStyle);
    std::unordered_set<std::string> songs;
    if (options.skipDuplicates) {
        songs = SongsOf(document, keys);
    }
    MergedRecords merged;
    merged.rows.reserve(static_cast<std::size_t>(converted));
    merged.bytes.reserve(static_cast<std::size_t>(converted) * kRecordSize);
    int p = static_cast<int>(document.Size()) + 1;
    for (int k = 1; k <= converted; ++k) {
        rows.Add(conversion.image, k, p, merged);
        if (options.skipDuplicates && !songs.insert(keys.Of(merged.rows.back())).second) {
            MergedRows::DropLast(merged);
            ++outcome.duplicates;
            continue;
        }
        ++p;
    }
    if (options.skipDuplicates && refused(merged.rows.size())) {
        return outcome;
    }

    {
        EditScope step(document, "Merge");
        Bytes record(kRecordSize);
        for (const Record& row : merged.rows) {
            const auto at =
                merged.bytes.begin() + static_cast<std::ptrdiff_t>(kRecordSize) * outcome.merged++;
            std::copy(at, at + static_cast<std::ptrdiff_t>(kRecordSize), record.begin());
            document.PutRecordBytes(row.position, record);
        }
        document.WriteHeaderCount(p - 1);
        document.Append(std::move(merged.rows));
        document.Resort();
    }
    rows.OfferUserStyles(workspace.choices.styles);
    outcome.done = true;
    outcome.log = conversion.log;
    WriteLog(workspace.files, workspace.files.exportLog, outcome.log, ui);
    return outcome;
}

}  // namespace

MergeOutcome MergeMusicFinderFile(Workspace& workspace, const MergeOptions& options,
                                  Interaction& ui) {
    if (workspace.file.name.empty()) {
        ui.ShowMessage(
            "A music finder file must be loaded before you can merge another file into it");
        return {};
    }
    const auto path = ui.AskOpenFileName({kMusicFinderFilesFilter, ""});
    if (!path || path->empty()) {
        return {};
    }
    return MergeFile(workspace, *path, options, ui);
}

MergeOutcome MergeFile(Workspace& workspace, const std::filesystem::path& path,
                       const MergeOptions& options, Interaction& ui) {
    BusyPointer busy(ui);
    try {
        return Merge(workspace, path, options, ui);
    } catch (const Failure& failure) {
        ui.ReportError(failure, "MergeFile");
        return {};
    }
}

std::string MergeOutcomeText(const MergeOutcome& outcome) {
    std::string text = std::to_string(outcome.merged) + " records merged";
    if (outcome.dropped > 0) {
        text += ", " + std::to_string(outcome.dropped) + " left out for their style";
    }
    if (outcome.duplicates > 0) {
        text += ", " + std::to_string(outcome.duplicates) + " duplicates left out";
    }
    return text;
}

}  // namespace quillory
