// Reads any file image, chooses a target whose style table is any text, and converts the
// records for it in preview and in save mode, under the style options, ticks, deleted rows and
// answers to the save dialog that the option bytes pick. Checks what every conversion promises
// about the image it builds and what it leaves alone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "conversion_options.h"
#include "data/conversion.h"
#include "data/instrument_catalog.h"
#include "data/music_finder_reader.h"
#include "data/record_store.h"
#include "data/style_options.h"
#include "data/style_table.h"
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

void Convert(RecordStore& store, const std::string& target, bool checkedOnly, ConversionMode mode,
             std::uint8_t answers, testkit::ScriptedInteraction& ui) {
    const Bytes in = store.gFileBytes;
    const std::size_t rows = store.list.Size();
    const std::optional<std::size_t> selected = store.list.Selected();
    std::size_t considered = 0;
    for (const Row& row : store.list.Rows()) {
        considered += !row.IsDeleted() && (!checkedOnly || row.checked) ? 1 : 0;
    }
    std::optional<std::filesystem::path> path;
    if (mode == ConversionMode::kSave) {
        path = Answer(answers, ui);
    }
    const bool existed = path && std::filesystem::exists(*path);
    const std::size_t reports = ui.reports.size();

    const ConversionOutcome outcome = SaveMusicFinder(store, target, checkedOnly, mode, ui);

    Require(!ui.busy);
    Require(store.gFileBytes == in);
    Require(store.list.Size() == rows);
    Require(store.list.Selected() == selected);
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

    // The image: the header, then exactly the records its count announces, numbered from 0.
    const Bytes& out = store.gOutBytes;
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
    switch (outcome) {
        case ConversionOutcome::kOverLimit: Require(limit && count > *limit && !written); break;
        case ConversionOutcome::kSaved:
            Require(!limit || count <= *limit);
            Require(written && testkit::ReadFile(path->string()) == out);
            break;
        case ConversionOutcome::kNotSaved:
            Require(!limit || count <= *limit);
            Require(!written);
            break;
        default: Require(!written); break;
    }
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
    RecordStore store(SourceTablesFolder());
    store.exportLogPath.reset();
    store.importLogPath.reset();
    testkit::ScriptedInteraction ui;
    if (options & kSourceIsTarget) {
        store.sourceMenu = {SourceMenu::Choice::kInstrument, target};
    }
    store.gFileBytes.assign(image.begin(), image.end());
    ReadMusicFinderFile(store, ui);

    // Then the target is chosen from the folder that holds its fuzzed table.
    store.programFolder = WorkFolder().Path();
    if (options & kWriteExportLog) {
        store.exportLogPath = store.ProgramFile("ExportLog.txt");
    }
    ChooseTargetInstrument(store, target, ui);
    store.gAllowUserStyles = (options & kAllowUserStyles) != 0;
    store.gUnknownStyleColor = options & kBlueWarning ? kBlue : kRed;
    switch (DefaultStyleFrom(options)) {
        case DefaultStyleChoice::kTableLast: break;
        case DefaultStyleChoice::kNone: store.gDefaultStyle = "None"; break;
        case DefaultStyleChoice::kEmpty: store.gDefaultStyle.clear(); break;
        case DefaultStyleChoice::kFixedName:
            store.gDefaultStyle = std::string(kFixedDefaultStyle);
            break;
    }
    for (std::size_t i = 0; i < store.list.Size(); ++i) {
        store.list.SetChecked(i, Ticked(answers, i));
        if ((answers & kDeleteEveryFourth) && i % 4 == 3) {
            store.list.SetCell(i, kGenreColumn, kDeletedMark);
        }
    }
    if (options & kSortedByMusic) {
        store.list.SetSort(true, kMusicColumn, SortOrder::kAscending);
    }
    const bool checkedOnly = (options & kCheckedOnly) != 0;
    ui.reports.clear();

    Convert(store, target, checkedOnly, ConversionMode::kPreview, answers, ui);
    Convert(store, target, checkedOnly, ConversionMode::kSave, answers, ui);
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= quillory::fuzz::kConversionOptionBytes) {
        quillory::fuzz::ConvertInput(data, size);
    }
    return 0;
}
