#include "data/conversion/conversion.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "data/common/numbers.h"
#include "data/common/operation_names.h"
#include "data/common/shared_text.h"
#include "data/common/text.h"
#include "data/conversion/save_dialog.h"
#include "data/exchange/text_file.h"
#include "data/files/safe_file.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_layout.h"
#include "data/format/style_name_index.h"
#include "data/format/style_table.h"

namespace quillory {
namespace {

inline constexpr int kNotFound = -1;
inline constexpr std::size_t kPadUpTo = 24;

// Header bytes 0 to 37 of the output: the input's bytes with the format digit for the target,
// the target's identifier from byte 16 padded with the input's own pad byte (byte 31) up to
// byte 24; the count is written once the records are known.
Bytes OutputHeader(const Bytes& in, const std::string& target) {
    if (in.size() < kHeaderSize) {
        throw Failure(kInputPastEndOfFile);
    }
    Bytes out(in.begin(), in.begin() + kHeaderSize);
    out[12] = static_cast<std::uint8_t>(FormatDigit(target));
    std::size_t at = kModelNameOffset;
    for (char c : target) {
        if (at < kCountOffset) {
            out[at++] = static_cast<std::uint8_t>(c);
        }
    }
    for (; at <= kPadUpTo; ++at) {
        out[at] = in[kModelNameOffset + kModelNameSize - 1];
    }
    return out;
}

// The song title as the log names it: bytes below "0" or above "}" read as blanks, trimmed.
std::string LogTitle(const Bytes& in, std::size_t record) {
    return FieldTextInRange(in, record + field::kMusic, field::kMusicSize, '0', '}');
}

// The target's number for a style cell and the cell's normalised name, looked up once per
// distinct cell text.
struct StyleMatch {
    std::string key;
    int number = kNotFound;
};

// Rows of one style share its text (SharedText), so a text is first looked for by where it is
// kept, which needs neither hashing nor comparing it, and then by what it reads.
class StyleMatcher {
public:
    explicit StyleMatcher(const StyleNameIndex& index) : index_(index) {}

    const StyleMatch& Match(const SharedText& cell) {
        const std::string& text = cell.str();
        auto [shared, first] = byPlace_.try_emplace(&text);
        if (first) {
            auto [entry, added] = byText_.try_emplace(text);
            if (added) {
                entry->second.key = NormalisedStyleName(text);
                if (const std::string* number = index_.Find(entry->second.key)) {
                    entry->second.number = ToInt16(NumericValue(*number));
                }
            }
            shared->second = &entry->second;
        }
        return *shared->second;
    }

private:
    const StyleNameIndex& index_;
    std::unordered_map<std::string, StyleMatch> byText_;
    std::unordered_map<const std::string*, const StyleMatch*> byPlace_;
};

// The rows in record order, whatever order the list shows them in: row j of this order stands
// for record j of the image. The rows stand for the records 1 to their count, each once, so
// each row goes straight to its place; rows that break that rule are ordered by sorting.
std::vector<std::size_t> RowsInRecordOrder(const MusicFinderDocument& list) {
    const std::size_t count = list.Size();
    std::vector<std::size_t> rows(count, count);
    bool placed = true;
    for (std::size_t i = 0; i < count && placed; ++i) {
        const auto record = static_cast<std::size_t>(list.At(i).position);
        placed = record >= 1 && record <= count && rows[record - 1] == count;
        if (placed) {
            rows[record - 1] = i;
        }
    }
    if (!placed) {
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
            return list.At(a).position < list.At(b).position;
        });
    }
    return rows;
}

}  // namespace

std::string CurrentDateTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    return text;
}

Conversion ConvertRecords(const MusicFinderDocument& list, const StyleNameIndex& index,
                          const ConversionOptions& options) {
    Conversion result;
    const Bytes& in = list.Image();
    result.log =
        "Style conversions to " + options.defaultStyle + "   " + options.dateTime + "\r\n\r\n";
    int logCounter = 1;
    result.image = OutputHeader(in, options.target);
    result.image.reserve(in.size());

    const int count = list.HeaderCount();
    const std::vector<std::size_t> rowOf = RowsInRecordOrder(list);
    const bool keepUserStyle =
        options.sourceInstrument == options.target && options.allowUserStyles;
    const bool dropMissing = options.defaultStyle.empty() || options.defaultStyle == "None";
    const std::string defaultKey = NormalisedStyleName(options.defaultStyle);
    StyleMatcher matcher(index);
    int written = 0;
    result.rows.reserve(rowOf.size());

    for (int j = 1; j <= count; ++j) {
        if (static_cast<std::size_t>(j) > rowOf.size()) {
            throw Failure(kSubscriptOutOfRange);
        }
        const std::size_t rowIndex = rowOf[static_cast<std::size_t>(j) - 1];
        const Record& row = list.At(rowIndex);
        if (row.deleted || (options.checkedOnly && !row.checked)) {
            continue;
        }
        const std::size_t r = RecordOffset(j);
        if (r + kRecordSize > in.size()) {
            throw Failure(kInputPastEndOfFile);
        }
        const int inputNumber = ReadBigEndian16(in, r + field::kStyle);
        const StyleMatch& match = matcher.Match(row.style);
        int newStyle = match.number;
        const bool missing = newStyle == kNotFound;
        if (missing) {
            result.stylesMissing = true;
        }
        // A user style the target keeps shows in black.
        result.rows.push_back({rowIndex, missing && !keepUserStyle});

        bool substituted = false;
        if (missing && keepUserStyle) {
            newStyle = inputNumber;
        } else if (missing) {
            if (dropMissing) {
                continue;
            }
            result.log +=
                ZeroPad(logCounter++, 4) + "  " + LogTitle(in, r) + "   " + match.key + "\r\n";
            const std::string* defaultNumber = index.Find(defaultKey);
            if (!defaultNumber) {
                throw Failure(kInvalidProcedureCall, "The default style " + options.defaultStyle +
                                                         " is not a style of " + options.target);
            }
            newStyle = ToInt16(NumericValue(*defaultNumber));
            substituted = true;
        }

        const std::size_t at = result.image.size();
        result.image.insert(result.image.end(), in.begin() + static_cast<std::ptrdiff_t>(r),
                            in.begin() + static_cast<std::ptrdiff_t>(r + kRecordSize));
        WriteBigEndian16(result.image, at + field::kNumber, written++);
        WriteBigEndian16(result.image, at + field::kStyle, newStyle);
        if (substituted) {
            std::copy_n("FIX,", 4,
                        result.image.begin() + static_cast<std::ptrdiff_t>(at + field::kKeywords));
        }
    }
    WriteBigEndian16(result.image, kCountOffset, written);
    return result;
}

namespace {

// The style cells of the considered rows in black or the warning colour.
void ColourStyles(MusicFinderDocument& list, const std::vector<RowStyle>& rows, Colour warning) {
    MusicFinderDocument::ChangeBatch batch(list);
    for (const RowStyle& shown : rows) {
        list.SetStyleColour(shown.row, shown.lacking ? warning : kBlack);
    }
}

// The save dialog for Music Finder files.
FileDialogRequest MusicFinderFileDialog() {
    return {kMusicFinderFilesFilter, "mfd"};
}

// Asks for the file and writes the image; failures in writing are thrown. The file written,
// none when the user cancelled.
std::optional<std::filesystem::path> WriteMusicFinderFile(const Bytes& image, Interaction& ui) {
    const auto path = AskWhereToSave(ui, MusicFinderFileDialog());
    if (!path) {
        return std::nullopt;
    }
    BusyPointer busy(ui);
    WriteFileReplacing(*path,
                       std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    return path;
}

}  // namespace

ConversionResult SaveMusicFinder(Workspace& workspace, const std::string& target, bool checkedOnly,
                                 ConversionMode mode, Interaction& ui) {
    BusyPointer busy(ui);
    ConversionResult result;
    Conversion conversion;
    MusicFinderDocument& list = workspace.document;
    const Settings& settings = workspace.settings;
    try {
        const StyleNameIndex& index = workspace.styleTables.Index(workspace.files, target);
        list.SetSort(list.Sorted(), kNumberColumn, SortOrder::kAscending);
        conversion = ConvertRecords(list, index,
                                    {target, workspace.file.sourceInstrument, settings.defaultStyle,
                                     settings.allowUserStyles, checkedOnly, CurrentDateTime()});
        ColourStyles(list, conversion.rows, settings.unknownStyleColour);
        result.stylesMissing = conversion.stylesMissing;
        if (mode == ConversionMode::kSave) {
            if (const auto refusal = RecordLimitRefusal(target, conversion.image)) {
                ui.ShowMessage(*refusal);
                result.outcome = ConversionOutcome::kOverLimit;
                return result;
            }
            result.file = WriteMusicFinderFile(conversion.image, ui);
            result.outcome = result.file ? ConversionOutcome::kSaved : ConversionOutcome::kNotSaved;
        }
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation::kSaveMusicFinder);
        result.outcome = ConversionOutcome::kFailed;
        return result;
    }
    WriteLog(workspace.files, workspace.files.exportLog, conversion.log, ui);
    return result;
}

std::optional<ConversionResult> RefreshPreview(Workspace& workspace, Interaction& ui) {
    if (!workspace.file.loaded) {
        return std::nullopt;
    }
    return SaveMusicFinder(workspace, workspace.settings.targetInstrument, false,
                           ConversionMode::kPreview, ui);
}

}  // namespace quillory
