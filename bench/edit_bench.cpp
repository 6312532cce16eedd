#include <benchmark/benchmark.h>

#include <string>

#include "data/music_finder_reader.h"
#include "data/record_commands.h"
#include "data/record_search.h"
#include "data/style_replace.h"
#include "support/mfd_builder.h"
#include "support/realistic_data.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory {
namespace {

constexpr int kRecords = 32767;  // the most a file can hold
constexpr int kTableLines = 700;

// The largest possible file of realistic records, opened as the open command opens it, with a
// PSR-2000 style table of 700 styles as source and target; a few records carry user styles.
// Each benchmark opens its own copy, so that one's edits do not reach another.
struct OpenLargest {
    OpenLargest() {
        const auto table = testkit::RealisticStyleTable(kTableLines);
        testkit::WriteFile(folder.File("PSR-2000.dat"), testkit::StyleTableText(table));
        testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {kTableLines + 1}, 3};
        testkit::WriteFile(
            folder.File("largest.mfd"),
            testkit::BuildMfd("PSR-2000", testkit::RealisticRecords(kRecords, 20240611, styles)));
        opened = OpenMusicFinderFile(store, folder.File("largest.mfd"), "largest.mfd", ui) &&
                 store.list.Size() == static_cast<std::size_t>(kRecords);
    }

    testkit::TempFolder folder;
    RecordStore store{folder.Path()};
    testkit::ScriptedInteraction ui;
    bool opened = false;
};

// "Find and Check All" for a word in the song titles, on a list with no ticks.
void BM_FindAndCheckAll(benchmark::State& state) {
    OpenLargest file;
    if (!file.opened) {
        state.SkipWithError("the file was not read whole");
        return;
    }
    RecordSearch search;
    for (auto _ : state) {
        state.PauseTiming();
        UncheckAll(file.store);
        state.ResumeTiming();
        search.FindAndCheckAll(file.store, "love", file.ui);
    }
    state.counters["checked"] = static_cast<double>(file.store.list.CheckedCount());
}
BENCHMARK(BM_FindAndCheckAll)->Unit(benchmark::kMillisecond);

// Replace All Entries in keyword mode, preview included, as the button runs it. Every other
// run turns the keyword back, so that each run replaces as many pieces.
void BM_ReplaceKeyword(benchmark::State& state) {
    OpenLargest file;
    if (!file.opened) {
        state.SkipWithError("the file was not read whole");
        return;
    }
    bool back = false;
    for (auto _ : state) {
        SubReplaceStyle(file.store, ReplaceMode::kKeyword, back ? "Romantic" : "romantic",
                        back ? "romantic" : "Romantic", file.ui);
        back = !back;
    }
}
BENCHMARK(BM_ReplaceKeyword)->Unit(benchmark::kMillisecond);

// A click on the Music header, from the list in record order.
void BM_SortByMusic(benchmark::State& state) {
    OpenLargest file;
    if (!file.opened) {
        state.SkipWithError("the file was not read whole");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        file.store.list.SetSort(true, kNumberColumn, SortOrder::kAscending);
        state.ResumeTiming();
        ColumnHeaderClicked(file.store, kMusicColumn);
    }
}
BENCHMARK(BM_SortByMusic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory
