#include <benchmark/benchmark.h>

#include <algorithm>

#include "data/document/open_file_save.h"
#include "data/document/record_commands.h"
#include "data/format/record_layout.h"
#include "largest_file.h"

namespace quillory::bench {
namespace {

// The largest file written by an instrument without a record limit, opened from a folder of its
// own, with every tenth record deleted: what Save writes back.
struct SavableLargest {
    SavableLargest() {
        Bytes image = Largest().image;
        std::fill_n(image.begin() + kModelNameOffset, kModelNameSize, 0);
        std::copy_n("CVP-307", 7, image.begin() + kModelNameOffset);
        testkit::WriteFile(folder.File("songs.mfd"), image);
        opened = OpenMusicFinderFile(ws, folder.File("songs.mfd"), "songs.mfd", ui) ==
                 ReadOutcome::kRead;
        for (std::size_t row = 0; row < ws.document.Size(); row += 10) {
            DeleteRecord(ws.document, row);
        }
    }

    testkit::TempFolder folder;
    Workspace ws{folder.Path()};
    testkit::ScriptedInteraction ui;
    bool opened = false;
};

// The bytes Save writes: deleted records left out, the others renumbered and counted.
void BM_OwnFileImage(benchmark::State& state) {
    SavableLargest file;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OwnFileImage(file.ws.document));
    }
    state.counters["records"] = static_cast<double>(file.ws.document.Size());
}
BENCHMARK(BM_OwnFileImage)->Unit(benchmark::kMillisecond);

// File > Save as a whole: the image, the record limit and the safe writer, which flushes the
// file to the disk before it replaces the old one.
void BM_SaveOpenFile(benchmark::State& state) {
    SavableLargest file;
    if (!file.opened) {
        state.SkipWithError("the file was not read whole");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveOpenFile(file.ws, file.ui));
    }
}
BENCHMARK(BM_SaveOpenFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
