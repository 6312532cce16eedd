#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/document/record_commands.h"
#include "data/document/record_editor.h"
#include "data/document/style_replace.h"
#include "largest_file.h"
#include "support/edit_history.h"

namespace quillory::bench {
namespace {

constexpr int kSteps = 100;
constexpr std::size_t kStepsBudget = 1 << 20;      // for all 100 single-record steps
constexpr std::size_t kDeleteAllBudget = 4 << 20;  // for one Del Chk'd of every row

std::size_t MemoryUse(const std::vector<std::shared_ptr<const DocumentEdit>>& steps) {
    std::size_t bytes = 0;
    for (const auto& step : steps) {
        bytes += step->MemoryUse();
    }
    return bytes;
}

// Reports the memory the kept steps take beside their budget; a figure over it fails the run.
void ReportMemory(benchmark::State& state, std::size_t bytes, std::size_t budget) {
    const auto inBinaryUnits = [](std::size_t value) {
        return benchmark::Counter(static_cast<double>(value), benchmark::Counter::kDefaults,
                                  benchmark::Counter::kIs1024);
    };
    state.counters["undo_bytes"] = inBinaryUnits(bytes);
    state.counters["budget_bytes"] = inBinaryUnits(budget);
    if (bytes > budget) {
        const std::string error = "the undo steps keep " + std::to_string(bytes) +
                                  " bytes, more than the budget of " + std::to_string(budget);
        state.SkipWithError(error.c_str());
    }
}

// What the record editor holds for a row that Modify changes: its own values with another
// title and another style of the target.
EditorValues Edited(const Workspace& ws, std::size_t row) {
    const Record& record = ws.document.At(row);
    EditorValues values;
    values.genre = record.genre;
    values.music = record.music + " (live)";
    values.style = ws.choices.styles.at(row % ws.choices.styles.size());
    values.tempo = record.tempo;
    values.keywords = record.keywords;
    return values;
}

// 100 steps on single records spread over the largest file, Modify (preview included) and
// Toggle Favorite in turn; all of them kept for undo, and undone before the next run.
void BM_UndoSingleRecordEdits(benchmark::State& state) {
    testkit::EditHistory history;
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    file.ws.document.AddObserver(history);
    for (auto _ : state) {
        state.PauseTiming();
        for (auto step = history.steps.rbegin(); step != history.steps.rend(); ++step) {
            file.ws.document.Undo(**step);
        }
        history.steps.clear();
        state.ResumeTiming();
        for (int step = 0; step < kSteps; ++step) {
            const auto row = static_cast<std::size_t>(step) * (kRecords / kSteps);
            if (step % 2 == 0) {
                EditorModify(file.ws, row, Edited(file.ws, row), file.ui);
            } else {
                ToggleFavorite(file.ws.document, row);
            }
        }
    }
    if (history.steps.size() != static_cast<std::size_t>(kSteps) || !file.ui.reports.empty()) {
        state.SkipWithError("an edit was not kept as a step of its own");
        return;
    }
    state.counters["steps"] = kSteps;
    ReportMemory(state, MemoryUse(history.steps), kStepsBudget);
}
BENCHMARK(BM_UndoSingleRecordEdits)->Unit(benchmark::kMillisecond);

// Del Chk'd with every row of the largest file ticked, as one step kept for undo; each run is
// undone before the next.
void BM_UndoDeleteAllChecked(benchmark::State& state) {
    testkit::EditHistory history;
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    MusicFinderDocument& doc = file.ws.document;
    CheckAll(doc);
    doc.AddObserver(history);
    for (auto _ : state) {
        DeleteChecked(doc);
        state.PauseTiming();
        doc.Undo(*history.steps.back());
        state.ResumeTiming();
    }
    if (doc.CheckedCount() != static_cast<std::size_t>(kRecords)) {
        state.SkipWithError("undo did not give the ticks back");
        return;
    }
    ReportMemory(state, history.steps.back()->MemoryUse(), kDeleteAllBudget);
}
BENCHMARK(BM_UndoDeleteAllChecked)->Unit(benchmark::kMillisecond);

// One command on the largest file, then its undo and its redo, timed together; the list sorted
// by music when the second argument is 1. Each command is run once, before the timing, and its
// step undone and redone in every run.
void BM_UndoRedoEveryCommand(benchmark::State& state) {
    testkit::EditHistory history;
    OpenLargest file;
    if (!file.Usable(state)) {
        return;
    }
    Workspace& ws = file.ws;
    MusicFinderDocument& doc = ws.document;
    if (state.range(1) == 1) {
        doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    }
    const std::size_t middle = kRecords / 2;
    const std::string style = ws.choices.styles.front().name;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Modify", [&] { EditorModify(ws, middle, Edited(ws, middle), file.ui); }},
        {"Toggle Favorite", [&] { ToggleFavorite(doc, middle); }},
        {"Delete", [&] { DeleteRecord(doc, middle); }},
        {"Del Chk'd all",
         [&] {
             CheckAll(doc);
             DeleteChecked(doc);
         }},
        {"Clear Fav", [&] { ClearMark(doc, Mark::kFavorite); }},
        {"Keyword_Add", [&] { KeywordAdd(doc, "live"); }},
        {"Replace Style",
         [&] { SubReplaceStyle(ws, ReplaceMode::kStyle, style, "Replaced", file.ui); }},
        {"Replace Genre",
         [&] { SubReplaceStyle(ws, ReplaceMode::kGenre, "Pop", "Schlager", file.ui); }},
    };
    const auto& [name, command] = commands[state.range(0)];
    state.SetLabel(name);
    doc.AddObserver(history);
    command();
    if (history.steps.size() != 1 || !file.ui.reports.empty()) {
        state.SkipWithError("the command did not make one step");
        return;
    }
    for (auto _ : state) {
        doc.Undo(*history.steps.front());
        doc.Redo(*history.steps.front());
    }
    state.counters["step_bytes"] =
        benchmark::Counter(static_cast<double>(history.steps.front()->MemoryUse()),
                           benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}
BENCHMARK(BM_UndoRedoEveryCommand)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory::bench
