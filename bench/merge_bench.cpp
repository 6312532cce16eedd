#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "data/conversion/merge.h"
#include "data/document/duplicates.h"
#include "largest_file.h"

namespace quillory::bench {
namespace {

constexpr int kHalf = 16000;
const std::string kOwn = "CVP-307";  // takes any number of records
const std::string kOther = "PSR-2000";

// Realistic records of the instrument's 700 styles and, now and then, of a user style its table
// lacks, which the merge replaces by the default style.
Bytes RealisticFile(const std::string& instrument, int records, std::uint64_t seed) {
    const auto table = testkit::RealisticStyleTable(kTableLines);
    testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {}, kUserStylePercent};
    for (int number = kTableLines + 1; number <= kTableLines + 60; ++number) {
        styles.user.push_back(number);
    }
    return testkit::BuildMfd(instrument, testkit::RealisticRecords(records, seed, styles));
}

// A file of the open instrument opened as the open command opens it, in a folder with both
// instruments' tables of the same 700 names, and another file to merge into it.
struct OpenForMerge {
    OpenForMerge(const std::string& own, int records, int otherRecords) {
        const auto table = testkit::RealisticStyleTable(kTableLines);
        testkit::WriteFile(folder.File(kOther + ".dat"), testkit::StyleTableText(table));
        testkit::WriteFile(folder.File(kOwn + ".dat"),
                           testkit::StyleTableText(testkit::RealisticStyleTable(kTableLines, 4)));
        testkit::WriteFile(folder.File("own.mfd"), RealisticFile(own, records, kSeed));
        testkit::WriteFile(folder.File("other.mfd"),
                           RealisticFile(kOther, otherRecords, kSeed + 1));
        opened =
            OpenMusicFinderFile(ws, folder.File("own.mfd"), "own.mfd", ui) == ReadOutcome::kRead &&
            ws.document.Size() == static_cast<std::size_t>(records);
        image = ws.document.Image();
        rows = ws.document.Records();
    }

    bool Usable(benchmark::State& state) const {
        if (!opened || !ui.reports.empty()) {
            state.SkipWithError("the file was not opened whole");
        }
        return opened && ui.reports.empty();
    }

    // The open file as it was read, the merged records gone.
    void Reset() { ws.document.Load(image, rows); }

    testkit::TempFolder folder;
    Workspace ws{folder.Path(), folder.Path()};
    testkit::ScriptedInteraction ui;
    Bytes image;
    std::vector<Record> rows;
    bool opened = false;
};

// 16,000 PSR-2000 records merged into 16,000 of a CVP-307: styles mapped by name, user styles
// replaced by the default style, the records appended as one step and the log written.
void BM_Merge16000Into16000(benchmark::State& state) {
    OpenForMerge file(kOwn, kHalf, kHalf);
    if (!file.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        file.Reset();
        state.ResumeTiming();
        if (MergeFile(file.ws, file.folder.File("other.mfd"), {}, file.ui).merged != kHalf) {
            state.SkipWithError("the merge did not take every record");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kHalf);
}
BENCHMARK(BM_Merge16000Into16000)->Unit(benchmark::kMillisecond);

// The largest file merged into the largest file of a PSR-2000: refused by the record limit,
// nothing changed.
void BM_MergeLargestRefusedByTheLimit(benchmark::State& state) {
    OpenForMerge file(kOther, kRecords, kRecords);
    if (!file.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (MergeFile(file.ws, file.folder.File("other.mfd"), {}, file.ui).done) {
            state.SkipWithError("the record limit did not refuse the merge");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_MergeLargestRefusedByTheLimit)->Unit(benchmark::kMillisecond);

// Find Duplicates on the largest file: by title and style (argument 0) or by title (1).
void BM_FindDuplicates(benchmark::State& state) {
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    const DuplicateRule rule =
        state.range(0) == 0 ? DuplicateRule::kTitleAndStyle : DuplicateRule::kTitle;
    DuplicateTicks ticks;
    for (auto _ : state) {
        ticks = TickDuplicates(file.ws.document, rule);
    }
    state.counters["duplicates"] = static_cast<double>(ticks.duplicates);
    state.counters["songs"] = static_cast<double>(ticks.groups);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FindDuplicates)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
