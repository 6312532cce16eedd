#include <benchmark/benchmark.h>

#include "data/document/record_commands.h"
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
