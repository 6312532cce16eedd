#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeView>
#include <memory>

#include "data/document/record_commands.h"
#include "examples/realistic_data.h"
#include "support/mfd_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/edit/edit_dialog.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"
#include "ui/session.h"

namespace quillory {
namespace {

constexpr int kRecords = 32767;

// The largest possible file and a PSR-2000 table of 700 styles in a program folder.
struct ProgramFolder {
    ProgramFolder() {
        // The program's settings stay in the folder, never the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder.File("settings")));
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

// The largest file open in a shown window, row 16,383 highlighted.
struct OpenWindow {
    OpenWindow() : app(Folder().folder.Path(), Folder().folder.Path(), dialogs) {
        app.Main();
        dialogs.files.push_back(QString::fromStdString(Folder().folder.File("largest.mfd")));
        app.Window()->findChild<QAction*>("mnuOpen")->trigger();
        Highlight();
        Paint(Window());
    }
    MainWindow& Window() { return *app.Window(); }
    void Highlight() {
        QTreeView& list = Window().List();
        list.selectionModel()->setCurrentIndex(
            list.model()->index(kRecords / 2, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    bool Usable(benchmark::State& state) {
        if (Window().List().model()->rowCount() != kRecords || !dialogs.messages.isEmpty()) {
            state.SkipWithError("the file was not read whole");
            return false;
        }
        return true;
    }

    ScriptedDialogs dialogs;
    Application app;
};

// Modify and OK in the window with another title each time, end to end: the record changed,
// the preview, the list's columns fitted and the window painted.
void BM_ModifyOkInWindow(benchmark::State& state) {
    OpenWindow open;
    if (!open.Usable(state)) {
        return;
    }
    MainWindow& window = open.Window();
    auto* modify = window.findChild<QPushButton*>("cmdModify");
    auto* music = window.Editor()->findChild<QLineEdit*>("txtMusic");
    auto* ok = window.Editor()->findChild<QPushButton*>("cmdOk");
    int edit = 0;
    for (auto _ : state) {
        modify->click();
        music->setText(QString("Edited %1").arg(++edit % 2));
        ok->click();
        Paint(window);
    }
    if (!open.dialogs.messages.isEmpty() || window.Editor()->isVisible()) {
        state.SkipWithError("Modify was refused");
    }
}
BENCHMARK(BM_ModifyOkInWindow)->Unit(benchmark::kMillisecond);

// One keystroke in the filter box, the list painted after it: the text grows to "love" and
// shrinks back to nothing, so that each run shows fewer or more rows than the one before.
void BM_TypeInFilterBox(benchmark::State& state) {
    OpenWindow open;
    if (!open.Usable(state)) {
        return;
    }
    MainWindow& window = open.Window();
    auto* filter = window.findChild<QLineEdit*>("txtFilter");
    const QStringList texts = {"l", "lo", "lov", "love", "lov", "lo", "l", ""};
    int next = 0;
    for (auto _ : state) {
        filter->setText(texts[next++ % texts.size()]);
        Paint(window);
    }
    state.counters["shown"] = window.List().model()->rowCount();
}
BENCHMARK(BM_TypeInFilterBox)->Unit(benchmark::kMillisecond);

// Undo and redo of Toggle Favorite on one record in the window, painted after each; the list
// sorted by music when the argument is 1.
void BM_UndoRedoOneRecordInWindow(benchmark::State& state) {
    OpenWindow open;
    if (!open.Usable(state)) {
        return;
    }
    MainWindow& window = open.Window();
    if (state.range(0) == 1) {
        emit window.List().header()->sectionClicked(kMusicColumn);
        open.Highlight();
    }
    ToggleFavorite(open.app.GetSession().Document(), kRecords / 2);
    auto* undo = window.findChild<QAction*>("mnuUndo");
    auto* redo = window.findChild<QAction*>("mnuRedo");
    for (auto _ : state) {
        undo->trigger();
        Paint(window);
        redo->trigger();
        Paint(window);
    }
    if (!undo->isEnabled() || redo->isEnabled()) {
        state.SkipWithError("the step was not undone and redone");
    }
}
BENCHMARK(BM_UndoRedoOneRecordInWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
