#include <benchmark/benchmark.h>

#include "data/document/record_commands.h"
#include "data/document/record_filter.h"
#include "data/document/record_search.h"
#include "data/document/style_replace.h"
#include "largest_file.h"

namespace quillory::bench {
namespace {

// "Find and Check All" for a word in the song titles, on a list with no ticks.
void BM_FindAndCheckAll(benchmark::State& state) {
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    MusicFinderDocument& doc = file.ws.document;
    RecordSearch search;
    for (auto _ : state) {
        state.PauseTiming();
        UncheckAll(doc);
        state.ResumeTiming();
        search.FindAndCheckAll(doc, "love", file.ui);
    }
    state.counters["checked"] = static_cast<double>(doc.CheckedCount());
}
BENCHMARK(BM_FindAndCheckAll)->Unit(benchmark::kMillisecond);

// The rows a filter typed into the filter box shows: its text in every column (argument 0) or in
// the music column (argument 1), as one keystroke asks for it.
void BM_FilterRows(benchmark::State& state) {
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    const MusicFinderDocument& doc = file.ws.document;
    const RecordFilter filter(
        "lov", state.range(0) == 0 ? std::nullopt : std::optional<int>(kMusicColumn));
    std::size_t shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (const Record& record : doc.Records()) {
            shown += filter.Shows(record) ? 1 : 0;
        }
        benchmark::DoNotOptimize(shown);
    }
    state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK(BM_FilterRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Replace All Entries in keyword mode, preview included, as the button runs it. Every other
// run turns the keyword back, so that each run replaces as many pieces.
void BM_ReplaceKeyword(benchmark::State& state) {
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    bool back = false;
    for (auto _ : state) {
        SubReplaceStyle(file.ws, ReplaceMode::kKeyword, back ? "Romantic" : "romantic",
                        back ? "romantic" : "Romantic", file.ui);
        back = !back;
    }
}
BENCHMARK(BM_ReplaceKeyword)->Unit(benchmark::kMillisecond);

// A click on the Music header, from the list in record order.
void BM_SortByMusic(benchmark::State& state) {
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    MusicFinderDocument& doc = file.ws.document;
    for (auto _ : state) {
        state.PauseTiming();
        doc.SetSort(true, kNumberColumn, SortOrder::kAscending);
        state.ResumeTiming();
        ColumnHeaderClicked(doc, kMusicColumn);
    }
}
BENCHMARK(BM_SortByMusic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
