// The largest file the benchmarks work on, and a workspace that has it open.

#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "data/document/workspace.h"
#include "data/format/music_finder_reader.h"
#include "examples/realistic_data.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::bench {

inline constexpr int kRecords = 32767;  // the most a file can hold
inline constexpr int kTableLines = 700;
inline constexpr int kUserStylePercent = 3;
inline constexpr std::uint64_t kSeed = 20240611;
inline const std::string kLargestName = "largest.mfd";

// The largest possible file of realistic records in a folder of its own, beside a PSR-2000
// style table of 700 styles; the file uses those styles and now and then one of 60 user styles
// the table lacks. Built once for all benchmarks.
struct LargestFile {
    LargestFile() {
        const auto table = testkit::RealisticStyleTable(kTableLines);
        testkit::WriteFile(folder.File("PSR-2000.dat"), testkit::StyleTableText(table));
        testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {}, kUserStylePercent};
        for (int number = kTableLines + 1; number <= kTableLines + 60; ++number) {
            styles.user.push_back(number);
        }
        image = testkit::BuildMfd("PSR-2000", testkit::RealisticRecords(kRecords, kSeed, styles));
        testkit::WriteFile(folder.File(kLargestName), image);
    }

    testkit::TempFolder folder;
    Bytes image;
};

inline const LargestFile& Largest() {
    static const LargestFile file;
    return file;
}

// The largest file opened as the open command opens it, PSR-2000 as source and target. Each
// benchmark opens its own, so that one's edits do not reach another.
struct OpenLargest {
    OpenLargest() {
        opened = OpenMusicFinderFile(ws, Largest().folder.File(kLargestName), kLargestName, ui) ==
                     ReadOutcome::kRead &&
                 ws.document.Size() == static_cast<std::size_t>(kRecords);
    }

    // False, and the benchmark skipped, when the file was not read whole.
    bool Usable(benchmark::State& state) const {
        if (!opened) {
            state.SkipWithError("the file was not read whole");
        }
        return opened;
    }

    Workspace ws{Largest().folder.Path()};
    testkit::ScriptedInteraction ui;
    bool opened = false;
};

}  // namespace quillory::bench
