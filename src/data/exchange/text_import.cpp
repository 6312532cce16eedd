#include "data/exchange/text_import.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/common/numbers.h"
#include "data/common/operation_names.h"
#include "data/common/text.h"
#include "data/exchange/delimited_text.h"
#include "data/exchange/text_file.h"
#include "data/files/file_reading.h"
#include "data/format/record_layout.h"
#include "data/format/style_name_index.h"
#include "data/format/style_table.h"

namespace quillory {
namespace {

inline constexpr int kLeastFields = 10;
inline constexpr int kAllFields = 12;
// The most records a file can count: no import keeps more rows than this.
inline constexpr std::size_t kMostRecords = 32767;
// No line of a real import text comes near this; a longer one is refused.
inline constexpr std::size_t kLongestLine = 65536;
// How much of a line too long to store the messages show.
inline constexpr std::size_t kShownOfLongLine = 80;

// The lines to import: the text cut at its line ends, empty lines dropped except the last
// piece, which is never imported itself (normally empty, since every line ends with a line end).
std::vector<std::string_view> ImportLines(const DelimitedText& text) {
    std::vector<std::string_view> pieces = text.Lines();
    if (pieces.empty()) {
        return pieces;
    }
    const std::string_view last = pieces.back();
    pieces.pop_back();
    std::erase_if(pieces, [](std::string_view piece) { return piece.empty(); });
    pieces.push_back(last);
    return pieces;
}

std::string_view FieldOrEmpty(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string_view();
}

// A line as the messages show it: a line too long to store only by its start, cut between two
// characters.
std::string Shown(std::string_view line) {
    if (line.size() <= kLongestLine) {
        return std::string(line);
    }
    std::size_t cut = kShownOfLongLine;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(line.substr(0, cut)) + " ...";
}

// The numeric value of number, a part of a field, converted to fit its place in the record; a
// failure names the field.
template <typename Convert>
auto FieldNumber(std::string_view name, std::string_view field, std::string_view number,
                 Convert convert) {
    try {
        return convert(NumericValue(number));
    } catch (const Failure& failure) {
        throw failure.At("The " + std::string(name) + " \"" + std::string(field) +
                         "\" does not fit its field");
    }
}

// Only a text of three ASCII letters lower-cases to "yes": other characters become two bytes
// or more, none of them ASCII.
bool IsYes(std::string_view text) {
    return text.size() == 3 && LowerCase(text) == "yes";
}

// Looks texts up in a map keyed by std::string without making a string of them.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

// A style field's normalised name and the number text the source table has for it (none when
// the table lacks it).
struct StyleLookup {
    std::string key;
    const std::string* number = nullptr;
};

struct PreparedLine {
    Record row;
    Bytes record;
};

class LineImporter {
public:
    LineImporter(const Settings& settings, EditorChoices& choices, const StyleNameIndex& index)
        : settings_(settings), index_(index), userStyles_(choices.styles) {}

    // The row and record of a data line's fields at record position p; nothing when its style
    // is refused.
    std::optional<PreparedLine> Prepare(const std::vector<std::string_view>& fields, int p,
                                        std::string& refusal) {
        if (fields.size() < kLeastFields || fields.size() == kLeastFields + 1) {
            throw Failure(kInputPastEndOfFile)
                .At(std::to_string(fields.size()) + " fields, where a line has 10 or 12");
        }
        const StyleLookup& lookup = LookUpStyle(fields[3]);
        const std::string& key = lookup.key;
        int style = 0;
        if (const std::string* number = lookup.number) {
            style = FieldNumber("style number", *number, *number, ToInt16);
        } else if (!settings_.allowUserStyles) {
            refusal = std::string(fields[1]) + "\t" + std::string(fields[2]) + "\t" + key;
            return std::nullopt;
        } else {
            style = FieldNumber("style", fields[3], key, ToInt16);
            userStyles_.Offer(key, fields[3], style);
        }

        PreparedLine prepared;
        prepared.record = RecordBytes(fields, p, style);
        Record& row = prepared.row;
        row.position = p;
        row.number = p;
        row.SetGenre(std::string(fields[1]));
        row.music.assign(fields[2]);
        row.style.assign(fields[3]);
        row.timeSig.assign(fields[4]);
        row.tempo.assign(fields[5]);
        row.keywords.assign(fields[6]);
        row.favorite = IsYes(fields[7]);
        row.search1 = IsYes(fields[8]);
        row.search2 = IsYes(fields[9]);
        row.intro = SectionCode(FieldOrEmpty(fields, 10));
        row.next = SectionCode(FieldOrEmpty(fields, 11));
        return prepared;
    }

private:
    // A file names the same few hundred styles again and again: each style text is normalised
    // and looked up once.
    const StyleLookup& LookUpStyle(std::string_view text) {
        if (const auto found = styles_.find(text); found != styles_.end()) {
            return found->second;
        }
        StyleLookup lookup;
        lookup.key = NormalisedStyleName(text);
        lookup.number = index_.Find(lookup.key);
        return styles_.emplace(std::string(text), std::move(lookup)).first->second;
    }

    static Bytes RecordBytes(const std::vector<std::string_view>& fields, int p, int style) {
        Bytes record(kRecordSize, 0);
        WriteBigEndian16(record, field::kNumber, p);
        WriteBigEndian16(record, field::kStyle, style);
        const std::string_view timeSig = fields[4];
        const auto slash = timeSig.find('/');
        if (slash == std::string_view::npos) {
            throw Failure(kInvalidProcedureCall)
                .At("The time signature \"" + std::string(timeSig) + "\" has no \"/\"");
        }
        record[field::kTimeSigNumerator] =
            FieldNumber("time signature", timeSig, timeSig.substr(0, slash), ToByte);
        record[field::kTimeSigDenominator] =
            FieldNumber("time signature", timeSig, timeSig.substr(slash + 1), ToByte);
        WriteBigEndian16(record, field::kTempo,
                         FieldNumber("tempo", fields[5], fields[5], ToInt16));
        record[field::kMarks] = MarksByte(IsYes(fields[7]), IsYes(fields[8]), IsYes(fields[9]));
        WriteTextField(record, field::kMusic, field::kMusicSize, fields[2], ' ');
        WriteTextField(record, field::kGenre, field::kGenreSize, fields[1], ' ');
        WriteTextField(record, field::kKeywords, field::kKeywordsSize, fields[6], ' ');
        record[field::kSections] = SectionsByte(FieldOrEmpty(fields, 10), FieldOrEmpty(fields, 11));
        return record;
    }

    const Settings& settings_;
    const StyleNameIndex& index_;
    StyleChoiceAdder userStyles_;
    std::unordered_map<std::string, StyleLookup, TextHash, std::equal_to<>> styles_;
};

// Puts an accepted line's record at its position p in the image and keeps its row for the
// list; the header's count follows at once, so that records and rows always agree.
void Commit(MusicFinderDocument& document, PreparedLine&& prepared, int p,
            std::vector<Record>& rows) {
    document.PutRecordBytes(p, prepared.record);
    document.WriteHeaderCount(p);
    rows.push_back(std::move(prepared.row));
}

// The rows stored so far go to the end of the list, then into their places.
void AppendRows(MusicFinderDocument& document, std::vector<Record>& rows) {
    document.Append(std::move(rows));
    document.Resort();
}

// The open dialog for text files.
FileDialogRequest TextDelimitedFileDialog() {
    return {"Text Delimited Files(*.txt)", "txt"};
}

}  // namespace

ImportOutcome ImportTextDelimitedFile(Workspace& workspace, Interaction& ui) {
    if (workspace.file.name.empty()) {
        ui.ShowMessage(
            "A music finder file must be loaded before you can append a text delimited file to it");
        return {};
    }
    const auto path = ui.AskOpenFileName(TextDelimitedFileDialog());
    if (!path || path->empty()) {
        return {};
    }
    const std::optional<Bytes> bytes = LoadFileBytes(*path);
    const std::string text = bytes
                                 ? DecodeDelimitedText(std::string_view(
                                       reinterpret_cast<const char*>(bytes->data()), bytes->size()))
                                 : std::string();
    return ImportTextDelimitedText(workspace, text, ui);
}

ImportOutcome ImportTextDelimitedText(Workspace& workspace, std::string_view text,
                                      Interaction& ui) {
    ImportOutcome outcome;
    std::string log = "Item #\tGenre\tSong\tStyle\r\n";
    const DelimitedText delimited(text);
    const std::vector<std::string_view> lines = ImportLines(delimited);
    std::vector<std::string_view> fields;
    std::string room;
    std::optional<std::size_t> current;
    MusicFinderDocument& document = workspace.document;
    EditScope step(document, "Import");
    std::vector<Record> rows;
    try {
        if (lines.empty()) {
            throw Failure(kInputPastEndOfFile);
        }
        const StyleNameIndex index(
            ReadStyleTable(workspace.files, workspace.file.sourceInstrument));
        LineImporter importer(workspace.settings, workspace.choices, index);
        std::size_t first = 0;
        current = 0;
        delimited.Fields(lines[0], fields, room);
        if (Trim(FieldOrEmpty(fields, 1)) == "Genre") {
            first = 1;
        }
        int p = static_cast<int>(document.Size()) + 1;
        rows.reserve(std::min(lines.size(), kMostRecords));
        for (std::size_t i = first; i + 1 < lines.size(); ++i) {
            current = i;
            if (lines[i].size() > kLongestLine) {
                throw Failure(kInputPastEndOfFile)
                    .At("Longer than " + std::to_string(kLongestLine) + " bytes");
            }
            delimited.Fields(lines[i], fields, room);
            std::string refusal;
            std::optional<PreparedLine> prepared = importer.Prepare(fields, p, refusal);
            if (!prepared) {
                ++outcome.refused;
                log += std::to_string(i + 1) + "\t" + refusal + "\r\n";
                continue;
            }
            Commit(document, std::move(*prepared), p++, rows);
            ++outcome.accepted;
        }
        AppendRows(document, rows);
    } catch (const Failure& failure) {
        AppendRows(document, rows);
        if (current && lines.size() >= 2 && *current < lines.size() - 2) {
            ui.ShowMessage("There is a problem (e.g. extra carriage return) in this line " +
                           std::to_string(*current) + "\r\n" + Shown(lines[*current]));
        }
        if (current) {
            // What was wrong with the line, then the line itself.
            std::string place = failure.Place().empty() ? "" : failure.Place() + "\r\n";
            place += "Line " + std::to_string(*current + 1) + ": " + Shown(lines[*current]);
            ui.ReportError(failure.At(std::move(place)), operation::kImportText);
        } else {
            ui.ReportError(failure, operation::kImportText);
        }
        outcome.failed = true;
        return outcome;
    }
    if (outcome.refused > 0) {
        ui.ShowMessage(
            "Some entries could not be stored because the style indicated does not exist on the "
            "source instrument. See ImportLog.txt for details");
        WriteLog(workspace.files, workspace.files.importLog, log, ui);
    }
    if (outcome.accepted == 0) {
        ui.ShowMessage("No record was added: the file holds no line that could be stored");
    }
    return outcome;
}

}  // namespace quillory
