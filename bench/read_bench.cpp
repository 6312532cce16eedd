#include <benchmark/benchmark.h>

#include "largest_file.h"

namespace quillory::bench {
namespace {

bool ReadWhole(ReadOutcome outcome, const Workspace& ws, benchmark::State& state) {
    if (outcome != ReadOutcome::kRead || ws.document.Size() != static_cast<std::size_t>(kRecords)) {
        state.SkipWithError("the file was not read whole");
        return false;
    }
    return true;
}

// Opening the file from the disk, as the open command does: load, parse, style table lookup and
// the conversion preview. One workspace for all runs, so every run after the first is a re-open.
void BM_OpenMusicFinderFile(benchmark::State& state) {
    const LargestFile& file = Largest();
    Workspace ws(file.folder.Path());
    testkit::ScriptedInteraction ui;
    const std::string path = file.folder.File(kLargestName);
    for (auto _ : state) {
        if (!ReadWhole(OpenMusicFinderFile(ws, path, kLargestName, ui), ws, state)) {
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_OpenMusicFinderFile)->Unit(benchmark::kMillisecond);

// Reading an image already in memory into records, as a re-read does.
void BM_ReadMusicFinderFile(benchmark::State& state) {
    const LargestFile& file = Largest();
    Workspace ws(file.folder.Path());
    ws.file.name = kLargestName;
    testkit::ScriptedInteraction ui;
    for (auto _ : state) {
        if (!ReadWhole(ReadMusicFinderFile(ws, file.image, ui), ws, state)) {
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadMusicFinderFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
