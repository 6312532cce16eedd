#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "data/music_finder_reader.h"
#include "support/mfd_builder.h"
#include "support/realistic_data.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory {
namespace {

constexpr int kRecords = 32767;  // the most a file can hold
constexpr int kTableLines = 700;
constexpr int kUserStylePercent = 3;
constexpr std::uint64_t kSeed = 20240611;
const std::string kFileName = "largest.mfd";

// The largest possible file of realistic records in a folder of its own, beside a PSR-2000
// style table of 700 styles; the file uses those styles and now and then a user style the table
// lacks. Built once for all benchmarks.
struct LargestFile {
    LargestFile() {
        const auto table = testkit::RealisticStyleTable(kTableLines);
        testkit::WriteFile(folder.File("PSR-2000.dat"), testkit::StyleTableText(table));
        testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {}, kUserStylePercent};
        for (int number = kTableLines + 1; number <= kTableLines + 60; ++number) {
            styles.user.push_back(number);
        }
        image = testkit::BuildMfd("PSR-2000", testkit::RealisticRecords(kRecords, kSeed, styles));
        testkit::WriteFile(folder.File(kFileName), image);
    }

    testkit::TempFolder folder;
    Bytes image;
};

const LargestFile& Largest() {
    static const LargestFile file;
    return file;
}

bool ReadWhole(bool read, const RecordStore& store, benchmark::State& state) {
    if (!read || store.list.Size() != static_cast<std::size_t>(kRecords)) {
        state.SkipWithError("the file was not read whole");
        return false;
    }
    return true;
}

// Opening the file from the disk, as the open command does: load, parse, style table lookup and
// the conversion preview. One store for all runs, so every run after the first is a re-open.
void BM_OpenMusicFinderFile(benchmark::State& state) {
    const LargestFile& file = Largest();
    RecordStore store(file.folder.Path());
    testkit::ScriptedInteraction ui;
    const std::string path = file.folder.File(kFileName);
    for (auto _ : state) {
        if (!ReadWhole(OpenMusicFinderFile(store, path, kFileName, ui), store, state)) {
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_OpenMusicFinderFile)->Unit(benchmark::kMillisecond);

// Reading the image that is already in the store into rows, as a re-read does.
void BM_ReadMusicFinderFile(benchmark::State& state) {
    const LargestFile& file = Largest();
    RecordStore store(file.folder.Path());
    store.gFileName = kFileName;
    store.gFileBytes = file.image;
    testkit::ScriptedInteraction ui;
    for (auto _ : state) {
        if (!ReadWhole(ReadMusicFinderFile(store, ui), store, state)) {
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadMusicFinderFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory
