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

// Reads the largest file's image, already in memory, into records again and again, with the
// style tables of the folder.
void ReadAgainAndAgain(const std::filesystem::path& tables, benchmark::State& state) {
    Workspace ws(tables);
    ws.file.name = kLargestName;
    testkit::ScriptedInteraction ui;
    for (auto _ : state) {
        if (!ReadWhole(ReadMusicFinderFile(ws, Largest().image, ui), ws, state)) {
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// Reading an image already in memory into records, as a re-read does.
void BM_ReadMusicFinderFile(benchmark::State& state) {
    ReadAgainAndAgain(Largest().folder.Path(), state);
}
BENCHMARK(BM_ReadMusicFinderFile)->Unit(benchmark::kMillisecond);

// Reading the largest file when its style table's names are given a prefix of range(0) bytes:
// the records of a style share its name, so a long name is not copied into every record.
void BM_ReadLongStyleNames(benchmark::State& state) {
    testkit::TempFolder folder;
    auto table = testkit::RealisticStyleTable(kTableLines);
    for (auto& [name, number] : table) {
        name.insert(0, static_cast<std::size_t>(state.range(0)), '~');
    }
    testkit::WriteFile(folder.File("PSR-2000.dat"), testkit::StyleTableText(table));
    ReadAgainAndAgain(folder.Path(), state);
}
BENCHMARK(BM_ReadLongStyleNames)->Arg(0)->Arg(4096)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
