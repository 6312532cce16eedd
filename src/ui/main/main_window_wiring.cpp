#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QUndoStack>

#include "data/common/operation_names.h"
#include "data/conversion/style_options.h"
#include "data/document/bulk_change.h"
#include "data/document/record_commands.h"
#include "platform/auto_size_columns.h"
#include "platform/file_names.h"
#include "platform/widgets.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/record_filter_model.h"
#include "ui/main/record_list_model.h"
#include "ui/search/search_dialog.h"
#include "ui/session.h"

// The main window's wiring: what each menu item, button, key and session signal runs.
namespace quillory {
namespace {

// Every key the platform binds to a standard action, and the one users of other platforms
// expect as well.
QList<QKeySequence> WithKey(QKeySequence::StandardKey standard, const QKeyCombination& key) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(QKeySequence(key))) {
        keys << QKeySequence(key);
    }
    return keys;
}

}  // namespace

void MainWindow::AddHistoryActions() {
    QUndoStack& history = session_.History();
    QAction* undo = Named(history.createUndoAction(this, "Undo"), "mnuUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = Named(history.createRedoAction(this, "Redo"), "mnuRedo");
    redo->setShortcuts(WithKey(QKeySequence::Redo, Qt::CTRL | Qt::Key_Y));
    menu_.edit->addAction(undo);
    menu_.edit->addAction(redo);
    connect(&session_, &Session::historyMoved, this, [this] {
        // Undo and redo give back ticks with the records: the buttons that follow the ticks
        // follow them.
        commands_.HistoryMoved(session_.Document().CheckedCount());
    });
    connect(&session_, &Session::modifiedChanged, this, &QWidget::setWindowModified);
}

void MainWindow::AddShortcuts() {
    menu_.open->setShortcut(QKeySequence::Open);
    menu_.save->setShortcut(QKeySequence::Save);
    // The standard Save As key exists only on some desktops (none on Windows).
    menu_.convert->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menu_.print->setShortcut(QKeySequence::Print);
    menu_.help->setShortcut(QKeySequence::HelpContents);
    menu_.exit->setShortcuts(WithKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
    for (const char* name : {"keyFilter", "keyFilterFind"}) {
        auto* action = Named(new QAction(this), name);
        action->setShortcut(std::string_view(name) == "keyFilter"
                                ? QKeySequence(Qt::CTRL | Qt::Key_L)
                                : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
        addAction(action);
        connect(action, &QAction::triggered, this, [this] {
            filter_.text->setFocus(Qt::ShortcutFocusReason);
            filter_.text->selectAll();
        });
    }
    // A key that presses an enabled button of the window.
    auto press = [this](const char* name, const QKeySequence& key, QPushButton* button,
                        QWidget* scope) {
        auto* action = Named(new QAction(scope), name);
        action->setShortcut(key);
        action->setShortcutContext(scope == this ? Qt::WindowShortcut
                                                 : Qt::WidgetWithChildrenShortcut);
        scope->addAction(action);
        connect(action, &QAction::triggered, button, [button] {
            if (button->isEnabled()) {
                button->click();
            }
        });
    };
    press("keySearch", QKeySequence::Find, panel_.search, this);
    press("keyCheckAll", QKeySequence::SelectAll, panel_.checkAll, list_);
    press("keyDelete", QKeySequence::Delete, panel_.deleteRow, list_);
    press("keyModify", Qt::Key_Return, panel_.modify, list_);
    press("keyModifyEnter", Qt::Key_Enter, panel_.modify, list_);
    auto* findNext = Named(new QAction(this), "keyFindNext");
    findNext->setShortcut(QKeySequence::FindNext);
    findNext->setShortcutContext(Qt::ApplicationShortcut);
    addAction(findNext);
    connect(findNext, &QAction::triggered, this, [this] {
        if (search_) {
            search_->FindNext();
        }
    });
    auto* copy = Named(new QAction(list_), "keyCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list_->addAction(copy);
    connect(copy, &QAction::triggered, this, &MainWindow::CopyRows);
}

void MainWindow::ConnectButton(QPushButton* button, const char* operation,
                               const std::function<void()>& command) {
    connect(button, &QPushButton::clicked, this,
            [this, operation, command] { Run(operation, [&](Prompts&) { command(); }); });
}

void MainWindow::Connect() {
    ConnectSession();
    ConnectFileMenu();
    ConnectOptionsMenu();
    ConnectButtons();
    ConnectHelpMenu();
    ConnectList();
    ConnectFilter();
}

void MainWindow::ConnectSession() {
    connect(&session_, &Session::changed, this, &MainWindow::ShowState);
    connect(&session_, &Session::highlightMoved, this, &MainWindow::ShowState);
    connect(&session_, &Session::highlightRequested, this, &MainWindow::ShowHighlight);
    connect(&session_, &Session::fitColumnsRequested, this, [this] { AutoSizeColumns(*list_); });
    connect(&session_, &Session::filterChanged, this, [this] {
        shown_->Refilter();
        ShowState();
    });
    connect(&session_, &Session::foundAndTicked, this, [this](std::size_t matched) {
        commands_.FoundAndTicked(matched);
        ShowState();
    });

    connect(&session_, &Session::openFileReplaced, this,
            [this](const QString& file) { OpenFile(ToPath(file)); });
}

void MainWindow::ConnectFileMenu() {
    connect(menu_.open, &QAction::triggered, this, &MainWindow::Open);
    connect(menu_.save, &QAction::triggered, this, &MainWindow::Save);
    connect(menu_.convert, &QAction::triggered, this, &MainWindow::SaveAsMusicFinder);
    connect(menu_.textDelimitedInput, &QAction::triggered, this, &MainWindow::ImportText);
    connect(menu_.print, &QAction::triggered, this, &MainWindow::Print);
    connect(menu_.textFile, &QAction::triggered, this, &MainWindow::ExportText);
    connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::ConnectOptionsMenu() {
    Workspace& work = session_.Work();
    connect(menu_.userStyles, &QAction::triggered, this, [this, &work] {
        Run(operation::kAllowUserStyles,
            [&](Prompts& p) { SetAllowUserStyles(work, !work.settings.allowUserStyles, p); });
    });
    connect(menu_.defaultStyle, &QAction::triggered, this, [this, &work] {
        if (work.settings.targetInstrument.empty()) {
            session_.PromptsFor(this).ShowMessage(
                "Please select a target instrument before setting this option");
            ShowState();
            return;
        }
        ShowSingle(defaultStyle_);
    });
    connect(menu_.red, &QAction::triggered, this, [this, &work] {
        Run(operation::kRedForUnknownStyles,
            [&](Prompts& p) { SetUnknownStyleColour(work, kRed, p); });
    });
    connect(menu_.blue, &QAction::triggered, this, [this, &work] {
        Run(operation::kBlueForUnknownStyles,
            [&](Prompts& p) { SetUnknownStyleColour(work, kBlue, p); });
    });
    connect(menu_.autoSource, &QAction::triggered, this, [this, &work] {
        ChooseAutoSource(work.settings);
        ShowState();
    });
    connect(menu_.styleNumbers, &QAction::triggered, this, [this, &work] {
        ChooseStyleNumbersSource(work.settings);
        ShowState();
    });
    for (const auto& [action, instrument] : menu_.sourceItems) {
        connect(action, &QAction::triggered, this,
                [this, instrument = instrument] { ChooseSourceItem(*instrument); });
    }
    connect(menu_.portrait, &QAction::triggered, this, [this] { ChooseOrientation(1); });
    connect(menu_.landscape, &QAction::triggered, this, [this] { ChooseOrientation(2); });
    connect(menu_.editRecord, &QAction::triggered, this, [this] {
        doubleClickTogglesFavorite_ = false;
        ShowState();
    });
    connect(menu_.toggleFavorite, &QAction::triggered, this, [this] {
        doubleClickTogglesFavorite_ = true;
        ShowState();
    });
}

void MainWindow::ConnectButtons() {
    MusicFinderDocument& document = session_.Document();
    connect(panel_.target, &QComboBox::activated, this, &MainWindow::ChooseTarget);
    connect(model_, &RecordListModel::checkToggled, this, &MainWindow::CheckToggled);

    ConnectButton(panel_.checkAll, operation::kCheckAll, [this, &document] {
        CheckAll(document, session_.Filter());
        commands_.AllTicked();
    });
    ConnectButton(panel_.uncheck, operation::kUncheckAll, [this, &document] {
        commands_.AllUnticked(UncheckAll(document, session_.Filter()));
    });
    ConnectButton(panel_.invert, operation::kInvertChecks, [this, &document] {
        commands_.Inverted(InvertChecks(document, session_.Filter()), document.Size());
    });
    ConnectButton(panel_.deleteRow, operation::kDeleteRow, [this, &document] {
        if (const auto row = Highlighted()) {
            DeleteRecord(document, *row);
        }
    });
    connect(panel_.deleteChecked, &QPushButton::clicked, this, [this, &document] {
        Run(operation::kDeleteChecked, [&](Prompts& prompts) {
            if (!TickedShownMayGo(document, session_.Filter(), prompts)) {
                return;
            }
            if (const std::size_t deleted = DeleteChecked(document, session_.Filter())) {
                commands_.CheckedDeleted(document.CheckedCount());
                session_.Report(BulkReport(BulkChange::kDeleteChecked, deleted));
            }
        });
    });
    for (const auto& [button, name, mark, change] :
         {std::tuple{panel_.fav, operation::kClearFavorites, Mark::kFavorite,
                     BulkChange::kClearFavorite},
          {panel_.s1, operation::kClearSearch1, Mark::kSearch1, BulkChange::kClearSearch1},
          {panel_.s2, operation::kClearSearch2, Mark::kSearch2, BulkChange::kClearSearch2}}) {
        connect(button, &QPushButton::clicked, this,
                [this, &document, name = name, mark = mark, change = change] {
                    RunBulk(name, [&] { return BulkReport(change, ClearMark(document, mark)); });
                });
    }
    ConnectButton(panel_.add, operation::kAdd, [this] { editor_->StartAdd(); });
    ConnectButton(panel_.modify, operation::kModify, [this] { Modify(); });
    ConnectButton(panel_.replace, operation::kOpenReplace, [this] { ShowSingle(styleReplace_); });
    ConnectButton(panel_.search, operation::kOpenSearch,
                  [this] { ShowSingle(search_)->FocusText(); });
    ConnectButton(panel_.playList, operation::kOpenPlayList, [this] { OpenPlayList(); });
    connect(menu_.keywordAdd, &QAction::triggered, this, &MainWindow::AddKeyword);
}

void MainWindow::ConnectHelpMenu() {
    const ProgramFiles& files = session_.Work().files;
    connect(menu_.help, &QAction::triggered, this, [this, &files] {
        ShowInfo(files.File("Quillory.rtf"), InfoWindow::Kind::kRichText, InfoWindow::kHelpTitle);
    });
    connect(menu_.conversionLog, &QAction::triggered, this, [this, &files] {
        ShowInfo(files.exportLog.value_or("ExportLog.txt"), InfoWindow::Kind::kPlainText,
                 "Items missing styles in target instrument");
    });
    connect(menu_.delimitedFileLog, &QAction::triggered, this, [this, &files] {
        ShowInfo(files.importLog.value_or("ImportLog.txt"), InfoWindow::Kind::kPlainText,
                 "Items not included due in last Import operation");
    });
    connect(menu_.about, &QAction::triggered, this, [this] { ShowSingle(about_); });
}

void MainWindow::ConnectFilter() {
    auto apply = [this] {
        const int column = filter_.column->currentData().toInt();
        session_.SetFilter(RecordFilter(filter_.text->text().toStdString(),
                                        column < 0 ? std::nullopt : std::optional<int>(column)));
    };
    connect(filter_.text, &QLineEdit::textChanged, this, apply);
    connect(filter_.column, &QComboBox::currentIndexChanged, this, apply);
}

void MainWindow::ConnectList() {
    connect(list_, &QTreeView::doubleClicked, this, &MainWindow::DoubleClicked);
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        Run(operation::kSortList,
            [&](Prompts&) { ColumnHeaderClicked(session_.Document(), column); });
    });
    connect(menu_.setFavorite, &QAction::triggered, this, [this] {
        Run(operation::kSetFavorite, [&](Prompts&) {
            if (const auto row = Highlighted()) {
                ToggleFavorite(session_.Document(), *row);
            }
        });
    });
}

}  // namespace quillory
