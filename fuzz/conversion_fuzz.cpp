// Reads any file image, chooses a target whose style table is any text, and converts the
// records for it in preview and in save mode, under the style options, ticks, deleted rows and
// answers to the save dialog that the option bytes pick. Checks what every conversion promises
// about the file it writes and what it leaves alone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "conversion_options.h"
#include "data/conversion/conversion.h"
#include "data/conversion/style_options.h"
#include "data/document/record_commands.h"
#include "data/format/instrument_catalog.h"
#include "data/format/music_finder_reader.h"
#include "data/format/style_table.h"
#include "fuzz_support.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {
namespace {

// The program folder of the conversion: the fuzzed target table, the log and the saved files.
const testkit::TempFolder& WorkFolder() {
    static const testkit::TempFolder folder;
    return folder;
}

const Bytes kOlderFile = {'o', 'l', 'd', 'e', 'r'};

// Prepares the save dialog's answer; the path the conversion may write, if any.
std::optional<std::filesystem::path> Answer(std::uint8_t answers,
                                            testkit::ScriptedInteraction& ui) {
    const std::filesystem::path saved = WorkFolder().Path() / "converted.mfd";
    std::filesystem::remove(saved);
    switch (SaveAnswerFrom(answers)) {
        case SaveAnswer::kCancel: return std::nullopt;
        case SaveAnswer::kNewFile: ui.fileAnswers.push_back(saved); return saved;
        case SaveAnswer::kMissingFolder:
            ui.fileAnswers.push_back(WorkFolder().Path() / "missing" / "converted.mfd");
            return std::nullopt;
        case SaveAnswer::kExistingFile:
            testkit::WriteFile(saved.string(), kOlderFile);
            ui.fileAnswers.push_back(saved);
            ui.confirmAnswers.push_back((answers & kRefuseOverwrite) == 0);
            return saved;
    }
    return std::nullopt;
}

int CountOf(const Bytes& image) {
    return image[kCountOffset] * 256 + image[kCountOffset + 1];
}

// The image a save wrote: the header, then exactly the records its count announces, numbered
// from 0; no more than were considered.
void RequireWrittenImage(const Bytes& out, const std::string& target, std::size_t considered) {
    Require(out.size() >= kHeaderSize);
    const int count = CountOf(out);
    Require(out.size() == RecordOffset(count + 1));
    Require(static_cast<std::size_t>(count) <= considered);
    for (int j = 0; j < count; ++j) {
        const std::size_t at = RecordOffset(j + 1);
        Require(out[at] * 256 + out[at + 1] == j);
    }
    Require(out[12] == static_cast<std::uint8_t>(FormatDigit(target)));
    const std::optional<int> limit = RecordLimit(target);
    Require(!limit || count <= *limit);
}

void Convert(Workspace& ws, const std::string& target, bool checkedOnly, ConversionMode mode,
             std::uint8_t answers, testkit::ScriptedInteraction& ui) {
    const MusicFinderDocument& doc = ws.document;
    const Bytes in = doc.Image();
    const std::size_t rows = doc.Size();
    const bool modified = doc.Modified();
    std::size_t considered = 0;
    for (const Record& row : doc.Records()) {
        considered += !row.deleted && (!checkedOnly || row.checked) ? 1 : 0;
    }
    std::optional<std::filesystem::path> path;
    if (mode == ConversionMode::kSave) {
        path = Answer(answers, ui);
    }
    const bool existed = path && std::filesystem::exists(*path);
    const std::size_t reports = ui.reports.size();

    const ConversionOutcome outcome = SaveMusicFinder(ws, target, checkedOnly, mode, ui).outcome;

    Require(!ui.busy);
    Require(doc.Image() == in);
    Require(doc.Size() == rows);
    // Only a save of all records counts as saved.
    Require(doc.Modified() == (modified && (outcome != ConversionOutcome::kSaved || checkedOnly)));
    const bool written = path && std::filesystem::exists(*path) &&
                         (!existed || testkit::ReadFile(path->string()) != kOlderFile);
    if (outcome == ConversionOutcome::kFailed) {
        Require(ui.reports.size() == reports + 1 &&
                ui.reports.back().operation == "SaveMusicFinder");
        Require(!written);
        return;
    }
    Require(ui.reports.size() == reports);
    Require(mode == ConversionMode::kSave || outcome == ConversionOutcome::kPreviewed);
    Require(written == (outcome == ConversionOutcome::kSaved));
    if (written) {
        RequireWrittenImage(testkit::ReadFile(path->string()), target, considered);
    }
    Require(outcome != ConversionOutcome::kOverLimit || RecordLimit(target));
}

void ConvertInput(const std::uint8_t* data, std::size_t size) {
    const std::string target(ConversionTarget(data[0]));
    const std::uint8_t options = data[1];
    const std::uint8_t answers = data[2];
    const std::string_view rest(reinterpret_cast<const char*>(data) + kConversionOptionBytes,
                                size - kConversionOptionBytes);
    const std::size_t zero = rest.find('\0');
    const std::string_view table = rest.substr(0, zero);
    const std::string_view image =
        zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
    testkit::WriteFile(WorkFolder().File(StyleTableFileName(target)), std::string(table));

    // Read as the open command reads, with the sources' tables.
    Workspace ws(SourceTablesFolder());
    ws.files.exportLog.reset();
    ws.files.importLog.reset();
    testkit::ScriptedInteraction ui;
    if (options & kSourceIsTarget) {
        ws.settings.sourceMenu = {SourceMenu::Choice::kInstrument, target};
    }
    ReadMusicFinderFile(ws, Bytes(image.begin(), image.end()), ui);

    // Then the target is chosen from the folder that holds its fuzzed table.
    ws.files.folder = WorkFolder().Path();
    if (options & kWriteExportLog) {
        ws.files.exportLog = ws.files.File("ExportLog.txt");
    }
    ChooseTargetInstrument(ws, target, ui);
    Settings& settings = ws.settings;
    settings.allowUserStyles = (options & kAllowUserStyles) != 0;
    settings.unknownStyleColour = options & kBlueWarning ? kBlue : kRed;
    switch (DefaultStyleFrom(options)) {
        case DefaultStyleChoice::kTableLast: break;
        case DefaultStyleChoice::kNone: settings.defaultStyle = "None"; break;
        case DefaultStyleChoice::kEmpty: settings.defaultStyle.clear(); break;
        case DefaultStyleChoice::kFixedName:
            settings.defaultStyle = std::string(kFixedDefaultStyle);
            break;
    }
    MusicFinderDocument& doc = ws.document;
    for (std::size_t i = 0; i < doc.Size(); ++i) {
        doc.SetChecked(i, Ticked(answers, i));
        if ((answers & kDeleteEveryFourth) && i % 4 == 3) {
            DeleteRecord(doc, i);
        }
    }
    if (options & kSortedByMusic) {
        doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    }
    const bool checkedOnly = (options & kCheckedOnly) != 0;
    ui.reports.clear();

    Convert(ws, target, checkedOnly, ConversionMode::kPreview, answers, ui);
    Convert(ws, target, checkedOnly, ConversionMode::kSave, answers, ui);
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= quillory::fuzz::kConversionOptionBytes) {
        quillory::fuzz::ConvertInput(data, size);
    }
    return 0;
}
