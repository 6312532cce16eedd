#include "ui/main/collection_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>

#include "data/common/operation_names.h"
#include "data/conversion/merge.h"
#include "data/document/duplicates.h"
#include "ui/main/main_menu.h"
#include "ui/session.h"

namespace quillory {
namespace {

constexpr int kStatusShownMs = 10000;

}  // namespace

CollectionCommands::CollectionCommands(Session& session, QMainWindow& window, const MainMenu& menu)
    : QObject(&window), session_(session), window_(window) {
    connect(menu.mergeFile, &QAction::triggered, this, &CollectionCommands::MergeFile);
    connect(menu.findDuplicates, &QAction::triggered, this, [this] { FindDuplicates(false); });
    connect(menu.findDuplicateTitles, &QAction::triggered, this, [this] { FindDuplicates(true); });
}

void CollectionCommands::MergeFile() {
    session_.Run(&window_, operation::kMergeFile, [this](Prompts& prompts) {
        const MergeOutcome outcome = MergeMusicFinderFile(session_.Work(), {}, prompts);
        if (outcome.done) {
            session_.FitColumns();
            window_.statusBar()->showMessage(QString::fromStdString(MergeOutcomeText(outcome)),
                                             kStatusShownMs);
        }
    });
}

void CollectionCommands::FindDuplicates(bool titleOnly) {
    session_.Run(&window_, operation::kFindDuplicates, [this, titleOnly](Prompts&) {
        const DuplicateTicks ticks = TickDuplicates(
            session_.Document(), titleOnly ? DuplicateRule::kTitle : DuplicateRule::kTitleAndStyle);
        session_.FoundAndTicked(ticks.duplicates);
        window_.statusBar()->showMessage(QString::fromStdString(DuplicateTicksText(ticks)),
                                         kStatusShownMs);
    });
}

}  // namespace quillory
