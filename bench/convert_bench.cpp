#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/common/codepage.h"
#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/conversion/style_options.h"
#include "data/document/play_list.h"
#include "data/document/record_commands.h"
#include "data/exchange/delimited_text.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_import.h"
#include "data/format/music_finder_reader.h"
#include "largest_file.h"

namespace quillory::bench {
namespace {

constexpr int kTargetTableLines = 750;
constexpr int kTargetLacksEvery = 25;  // the target lacks every 25th source style
const std::string kSource = "PSR-2000";
const std::string kTarget = "TYROS";
// TYROS takes at most 2500 records, so the largest file is saved for a CVP, which takes any
// number; its table is the TYROS one.
const std::string kUnlimitedTarget = "CVP-307";

// The target's table: the source's names but every 25th, 50 names of its own, numbered anew.
// Its last line, the default style, is one of its own names.
testkit::StyleTableLines TargetTable() {
    const auto names = testkit::RealisticStyleTable(kTargetTableLines);
    testkit::StyleTableLines table;
    for (int i = 0; i < kTargetTableLines; ++i) {
        if (i < kTableLines && (i + 1) % kTargetLacksEvery == 0) {
            continue;
        }
        table.emplace_back(names[static_cast<std::size_t>(i)].first,
                           ZeroPad(static_cast<long long>(table.size()) + 1, 3));
    }
    return table;
}

// Gives a record whose song title and style another record has already another style, so that
// the play list, which lists a title and style once, takes every record.
void MakeSongsDistinct(std::vector<testkit::RecordValues>& records, const std::vector<int>& known) {
    std::set<std::pair<std::string, int>> seen;
    for (auto& record : records) {
        std::size_t next = 0;
        while (!seen.insert({record.music, record.style}).second) {
            record.style = known[next++ % known.size()];
        }
    }
}

// The largest possible file of realistic records, opened as the open command opens it, in a
// program folder with a PSR-2000 table of 700 styles (the file's) and a TYROS and a CVP-307
// table that lack some of them; TYROS is chosen as the target. Now and then a record carries
// a user style, which no table names. Each benchmark opens its own copy.
struct OpenForConversion {
    OpenForConversion() {
        const auto table = testkit::RealisticStyleTable(kTableLines);
        testkit::WriteFile(folder.File(kSource + ".dat"), testkit::StyleTableText(table));
        const std::string targetText = testkit::StyleTableText(TargetTable());
        testkit::WriteFile(folder.File(kTarget + ".dat"), targetText);
        testkit::WriteFile(folder.File(kUnlimitedTarget + ".dat"), targetText);

        testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {}, kUserStylePercent};
        for (int number = kTableLines + 1; number <= kTableLines + 60; ++number) {
            styles.user.push_back(number);
        }
        auto records = testkit::RealisticRecords(kRecords, kSeed, styles);
        MakeSongsDistinct(records, styles.known);
        testkit::WriteFile(folder.File("largest.mfd"), testkit::BuildMfd(kSource, records));
        opened = OpenMusicFinderFile(ws, folder.File("largest.mfd"), "largest.mfd", ui) ==
                     ReadOutcome::kRead &&
                 ws.document.Size() == static_cast<std::size_t>(kRecords);
        ChooseTargetInstrument(ws, kTarget, ui);
    }

    bool Usable(benchmark::State& state) const {
        if (!opened || !ui.reports.empty()) {
            state.SkipWithError("the file was not opened whole");
            return false;
        }
        return true;
    }

    testkit::TempFolder folder;
    Workspace ws{folder.Path(), folder.Path()};
    testkit::ScriptedInteraction ui;
    bool opened = false;
};

std::size_t MissingRows(const MusicFinderDocument& doc) {
    std::size_t missing = 0;
    for (const Record& row : doc.Records()) {
        missing += row.styleColour != kBlack ? 1 : 0;
    }
    return missing;
}

// The preview that follows every change of the target or the style options: styles mapped by
// name, missing ones substituted and coloured, the image built and ExportLog.txt rewritten.
void BM_ConversionPreview(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (SaveMusicFinder(file.ws, kTarget, false, ConversionMode::kPreview, file.ui).outcome !=
            ConversionOutcome::kPreviewed) {
            state.SkipWithError("the preview failed");
            break;
        }
    }
    state.counters["missing"] = static_cast<double>(MissingRows(file.ws.document));
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ConversionPreview)->Unit(benchmark::kMillisecond);

// Saving for an instrument without a record limit: the image, the save dialog answered with a
// file that exists from the second run on (the overwrite question answered OK), the file
// written and flushed to the disk, and the log.
void BM_ConversionSave(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    const auto path = file.folder.Path() / "converted.mfd";
    for (auto _ : state) {
        file.ui.fileAnswers.push_back(path);
        if (SaveMusicFinder(file.ws, kUnlimitedTarget, false, ConversionMode::kSave, file.ui)
                .outcome != ConversionOutcome::kSaved) {
            state.SkipWithError("the file was not saved");
            break;
        }
    }
    const Bytes written = testkit::ReadFile(path.string());
    state.counters["written"] = static_cast<double>((written.size() - kHeaderSize) / kRecordSize);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ConversionSave)->Unit(benchmark::kMillisecond);

// The same with the save dialog cancelled: the image and the log, no file.
void BM_ConversionSaveCancelled(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (SaveMusicFinder(file.ws, kUnlimitedTarget, false, ConversionMode::kSave, file.ui)
                .outcome != ConversionOutcome::kNotSaved) {
            state.SkipWithError("the save was not cancelled");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ConversionSaveCancelled)->Unit(benchmark::kMillisecond);

// Saving the largest file for TYROS: the image is built, then the record limit stops the save
// with its message; no file and no log.
void BM_ConversionSaveOverLimit(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (SaveMusicFinder(file.ws, kTarget, false, ConversionMode::kSave, file.ui).outcome !=
            ConversionOutcome::kOverLimit) {
            state.SkipWithError("the record limit did not stop the save");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ConversionSaveOverLimit)->Unit(benchmark::kMillisecond);

// An opened file without records, and the text export of the largest file's list to import
// into it: 32,767 data lines after the header line.
struct ImportIntoEmpty {
    ImportIntoEmpty() {
        text = RecordListExportText(largest.ws.document);
        empty = testkit::BuildMfd(kSource, {});
        testkit::WriteFile(largest.folder.File("empty.mfd"), empty);
        opened = OpenMusicFinderFile(ws, largest.folder.File("empty.mfd"), "empty.mfd", ui) ==
                     ReadOutcome::kRead &&
                 ws.document.Empty();
        choices = ws.choices.styles;
    }

    bool Usable(benchmark::State& state) const {
        if (!largest.Usable(state)) {
            return false;
        }
        if (!opened || !ui.reports.empty()) {
            state.SkipWithError("the empty file was not opened");
            return false;
        }
        return true;
    }

    // Back to the file as opened: no rows, no records, the editor's styles as they were.
    void Reset() {
        ws.document.Load(empty, {});
        ws.choices.styles = choices;
    }

    OpenForConversion largest;
    std::string text;
    Bytes empty;
    Workspace ws{largest.folder.Path(), largest.folder.Path()};
    testkit::ScriptedInteraction ui;
    std::vector<StyleChoice> choices;
    bool opened = false;
};

void RunImport(benchmark::State& state, ImportIntoEmpty& file, int accepted) {
    for (auto _ : state) {
        state.PauseTiming();
        file.Reset();
        state.ResumeTiming();
        const ImportOutcome outcome = ImportTextDelimitedText(file.ws, file.text, file.ui);
        if (outcome.failed || outcome.accepted + outcome.refused != kRecords ||
            (accepted >= 0 && outcome.accepted != accepted) ||
            file.ws.document.HeaderCount() != static_cast<int>(file.ws.document.Size())) {
            state.SkipWithError("the import did not take every line");
            break;
        }
    }
    state.counters["rows"] = static_cast<double>(file.ws.document.Size());
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// Importing the exported list with user styles allowed: every line becomes a row and a
// record, the user styles are offered in the editor's style list.
void BM_ImportText(benchmark::State& state) {
    ImportIntoEmpty file;
    if (!file.Usable(state)) {
        return;
    }
    SetAllowUserStyles(file.ws, true, file.ui);
    RunImport(state, file, kRecords);
}
BENCHMARK(BM_ImportText)->Unit(benchmark::kMillisecond);

// The same with user styles not allowed: their lines are refused, and ImportLog.txt lists them.
void BM_ImportTextRefusingUserStyles(benchmark::State& state) {
    ImportIntoEmpty file;
    if (!file.Usable(state)) {
        return;
    }
    SetAllowUserStyles(file.ws, false, file.ui);
    RunImport(state, file, -1);
}
BENCHMARK(BM_ImportTextRefusingUserStyles)->Unit(benchmark::kMillisecond);

// Reading an import file's bytes into text: the largest list's export as the program writes it
// (Windows-1252, argument 0) and as a spreadsheet saves it in UTF-8 (argument 1).
void BM_DecodeImportText(benchmark::State& state) {
    const OpenForConversion largest;
    if (!largest.Usable(state)) {
        return;
    }
    const std::string exported = RecordListExportText(largest.ws.document);
    const std::string bytes = state.range(0) == 0 ? EncodeWindows1252(exported) : exported;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeDelimitedText(bytes));
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_DecodeImportText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Exporting the record list of the largest file as text.
void BM_RecordListExport(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = RecordListExportText(file.ws.document);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_RecordListExport)->Unit(benchmark::kMillisecond);

// Exporting a play list of 32,767 rows, made by opening the play list over the largest file
// with every row ticked.
void BM_PlayListExport(benchmark::State& state) {
    OpenForConversion file;
    if (!file.Usable(state)) {
        return;
    }
    CheckAll(file.ws.document);
    PlayList playList;
    playList.Activate(file.ws.document);
    if (playList.Rows().size() != static_cast<std::size_t>(kRecords)) {
        state.SkipWithError("the play list did not take every row");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = PlayListExportText(playList.Rows());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_PlayListExport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
