#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QTreeView>
#include <memory>

#include "support/mfd_builder.h"
#include "examples/realistic_data.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {
namespace {

constexpr int kRecords = 32767;

// The largest possible file and a PSR-2000 table of 700 styles in a program folder.
struct ProgramFolder {
    ProgramFolder() {
        const auto table = testkit::RealisticStyleTable(700);
        testkit::WriteFile(folder.File("PSR-2000.dat"), testkit::StyleTableText(table));
        const testkit::StyleDraw styles{testkit::StyleNumbersOf(table), {701, 702, 703}, 3};
        testkit::WriteFile(
            folder.File("largest.mfd"),
            testkit::BuildMfd("PSR-2000", testkit::RealisticRecords(kRecords, 7, styles)));
    }
    testkit::TempFolder folder;
};

const ProgramFolder& Folder() {
    static const ProgramFolder folder;
    return folder;
}

// Paints the window now, as its first showing would.
void Paint(MainWindow& window) {
    window.repaint();
    window.List().viewport()->repaint();
    QApplication::processEvents();
}

void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Start-up to a painted main window with an empty list.
void BM_ShowEmptyWindow(benchmark::State& state) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        Application app(Folder().folder.Path(), Folder().folder.Path(), dialogs);
        app.Main();
        Paint(*app.Window());
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_ShowEmptyWindow)->Unit(benchmark::kMillisecond);

// The open command on the largest file in the shown window: read, model filled, columns sized
// to all 32,767 rows, and the first paint.
void BM_OpenLargestFile(benchmark::State& state) {
    ScriptedDialogs dialogs;
    Application app(Folder().folder.Path(), Folder().folder.Path(), dialogs);
    app.Main();
    Paint(*app.Window());
    auto* open = app.Window()->findChild<QAction*>("mnuOpen");
    const QString path = QString::fromStdString(Folder().folder.File("largest.mfd"));
    for (auto _ : state) {
        dialogs.files.push_back(path);
        open->trigger();
        Paint(*app.Window());
    }
    if (app.Window()->List().model()->rowCount() != kRecords || !dialogs.messages.isEmpty()) {
        state.SkipWithError("the file was not read whole");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    ReportPeakMemory(state);
}
BENCHMARK(BM_OpenLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
