#include "ui/main/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/common/operation_names.h"
#include "data/conversion/style_options.h"
#include "data/document/bulk_change.h"
#include "data/document/play_list.h"
#include "data/document/record_commands.h"
#include "data/document/record_editor.h"
#include "data/document/window_title.h"
#include "data/exchange/list_export.h"
#include "data/files/file_system.h"
#include "data/format/instrument_catalog.h"
#include "platform/auto_size_columns.h"
#include "platform/error_report.h"
#include "platform/file_names.h"
#include "platform/widgets.h"
#include "platform/window_placement.h"
#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/main/collection_commands.h"
#include "ui/main/recent_files_menu.h"
#include "ui/main/record_filter_model.h"
#include "ui/main/record_list_model.h"
#include "ui/playlist/play_list_window.h"
#include "ui/search/search_dialog.h"
#include "ui/session.h"

namespace quillory {

MainWindow::MainWindow(Session& session) : session_(session) {
    setObjectName("frmQuillory");
    setWindowTitle("Quillory");
    setAcceptDrops(true);
    menu_ = BuildMainMenu(*this);
    recent_ = new RecentFilesMenu(*this, menu_.save, session_.PromptsFor(this),
                                  [this](const std::filesystem::path& file) {
                                      if (ChangesMayGo("opening another file")) {
                                          OpenFile(file);
                                      }
                                  });
    AddHistoryActions();
    BuildStatusBar();

    model_ = new RecordListModel(session_.Document(), this);
    shown_ = new RecordFilterModel(session_.Document(), session_.Filter(), this);
    shown_->setSourceModel(model_);
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    // The filter bar spans the window above the list, so that it takes no width from the list.
    rows->addWidget(BuildFilterBar(*central, *model_, filter_));
    auto* layout = new QHBoxLayout;
    rows->addLayout(layout, 1);
    layout->addWidget(BuildButtonPanel(*this, panel_));

    auto* frame = Named(new QGroupBox(central), "Frame1");
    auto* frameLayout = new QVBoxLayout(frame);
    list_ = NewReportList(*frame, "ListView1");
    list_->viewport()->installEventFilter(this);
    frameLayout->addWidget(list_);
    layout->addWidget(frame, 1);
    setCentralWidget(central);
    resize(1100, 650);

    list_->setModel(shown_);
    session_.SetMainWindow(this, list_->selectionModel());
    AutoSizeColumns(*list_);
    Connect();
    new CollectionCommands(session_, *this, menu_);
    AddShortcuts();
    editor_ = new EditDialog(session_, this);
    ShowState();
}

MainWindow::~MainWindow() = default;

EditDialog* MainWindow::Editor() const {
    return editor_;
}
ConvertDialog* MainWindow::Convert() const {
    return convert_;
}
DefaultStyleDialog* MainWindow::DefaultStyle() const {
    return defaultStyle_;
}
SearchDialog* MainWindow::Search() const {
    return search_;
}
StyleReplaceDialog* MainWindow::StyleReplace() const {
    return styleReplace_;
}
PlayListWindow* MainWindow::PlayList() const {
    return playList_;
}
InfoWindow* MainWindow::Info() const {
    return info_;
}
AboutDialog* MainWindow::About() const {
    return about_;
}

void MainWindow::BuildStatusBar() {
    filePath_ = Named(new QLabel(this), "lblFilePath");
    counts_ = Named(new QLabel(this), "lblCounts");
    statusBar()->addWidget(filePath_, 1);
    statusBar()->addPermanentWidget(counts_);
    for (auto signal : {&Session::fileWritten, &Session::reported}) {
        connect(&session_, signal, this,
                [this](const QString& message) { statusBar()->showMessage(message, 10000); });
    }
}

void MainWindow::CopyRows() {
    const std::string text = CopiedRowsText(session_.Document(), Highlighted(), session_.Filter());
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
}

void MainWindow::Run(const char* operation, const std::function<void(Prompts&)>& command) {
    session_.Run(this, operation, command);
}

template <typename Window>
Window* MainWindow::ShowSingle(QPointer<Window>& window) {
    if (!window) {
        window = new Window(session_, this);
    }
    ShowInFront(*window, *this);
    return window;
}

// The windows that the wiring and the file commands open, one at a time each.
template SearchDialog* MainWindow::ShowSingle(QPointer<SearchDialog>&);
template StyleReplaceDialog* MainWindow::ShowSingle(QPointer<StyleReplaceDialog>&);
template DefaultStyleDialog* MainWindow::ShowSingle(QPointer<DefaultStyleDialog>&);
template ConvertDialog* MainWindow::ShowSingle(QPointer<ConvertDialog>&);
template AboutDialog* MainWindow::ShowSingle(QPointer<AboutDialog>&);

std::optional<std::size_t> MainWindow::Highlighted() const {
    return session_.HighlightedRow();
}

void MainWindow::ShowHighlight(std::size_t row) {
    const QModelIndex index = shown_->mapFromSource(model_->index(static_cast<int>(row), 0));
    if (!index.isValid()) {
        list_->selectionModel()->clear();
        session_.Report("The record is hidden by the filter");
        return;
    }
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
    // The search stays open beside its finds: it moves off the row it found.
    if (search_ && search_->isVisible()) {
        UncoverSelectedRow(*search_, *list_);
    }
}

void MainWindow::CheckToggled(int row, bool checked) {
    Run(operation::kTickRow, [&](Prompts&) {
        MusicFinderDocument& document = session_.Document();
        document.SetChecked(static_cast<std::size_t>(row), checked);
        commands_.TickToggled(document.CheckedCount());
    });
}

void MainWindow::DoubleClicked() {
    const auto row = Highlighted();
    if (!row) {
        return;
    }
    if (doubleClickTogglesFavorite_) {
        Run(operation::kToggleFavorite,
            [&](Prompts&) { ToggleFavorite(session_.Document(), *row); });
    } else {
        Run(operation::kModify, [&](Prompts&) { Modify(); });
    }
}

void MainWindow::Modify() {
    const auto row = Highlighted();
    if (ModifyAllowed(session_.Work(), row)) {
        editor_->StartModify();
    } else if (!session_.Work().file.name.empty() && row) {
        session_.PromptsFor(this).ShowMessage(*ModifyRefusal(session_.Document(), row));
    }
}

void MainWindow::OpenPlayList() {
    const bool opens =
        PlayListMayOpen(session_.Document(), session_.PromptsFor(this), session_.Filter());
    commands_.PlayListAsked(opens);
    if (opens) {
        ShowSingle(playList_);
    }
}

bool MainWindow::FileOpenOrTold() {
    if (session_.Work().file.name.empty()) {
        session_.PromptsFor(this).ShowMessage("Select a file to view first");
        return false;
    }
    return true;
}

void MainWindow::Print() {
    if (!FileOpenOrTold()) {
        return;
    }
    const Workspace& work = session_.Work();
    ListPrintJob job;
    job.settings = printSettings_;
    job.heading = QString::fromStdString("Quillory of  " + work.file.name);
    job.caption = "Quillory Print Preview";
    job.iconFile = FromPath(work.files.File("styles256.ico"));
    ListPrintPreview(session_.PromptsFor(this), *model_, job);
}

void MainWindow::ChooseOrientation(int orientation) {
    printSettings_.orientation = orientation;
    menu_.portrait->setChecked(orientation == 1);
    menu_.landscape->setChecked(orientation == 2);
}

void MainWindow::ShowInfo(const std::filesystem::path& file, InfoWindow::Kind kind,
                          const QString& title) {
    if (!info_) {
        info_ = new InfoWindow(session_, this);
    }
    Prompts& prompts = session_.PromptsFor(this);
    // A file that is there but cannot be read is refused with the report that names it.
    RunReported(prompts, operation::kShowInfo, [&] {
        if (!info_->Load(file, kind)) {
            prompts.ShowMessage("Cannot find the Information File named " +
                                Utf8FromPath(file.filename()));
            return;
        }
        info_->setWindowTitle(title);
        ShowInFront(*info_, *this);
    });
}

void MainWindow::AddKeyword() {
    const std::string answer = session_.PromptsFor(this).Input(
        "Enter text to be included with all keywords", "Add Keyword to all entries");
    if (answer.empty()) {
        return;
    }
    RunBulk(operation::kKeywordAdd, [&] {
        const KeywordAdded result = KeywordAdd(session_.Document(), answer);
        if (const auto message = KeywordNoRoomMessage(result.unchanged)) {
            session_.PromptsFor(this).ShowMessage(*message);
        }
        return BulkReport(BulkChange::kKeywordAdd, result.added);
    });
}

void MainWindow::RunBulk(const char* operation, const std::function<std::string()>& command) {
    Run(operation, [&](Prompts& prompts) {
        if (AllRecordsMayChange(session_.Document(), session_.Filter(), prompts)) {
            session_.Report(command());
        }
    });
}

void MainWindow::ShowState() {
    const Workspace& work = session_.Work();
    const MusicFinderDocument& document = work.document;
    const ButtonPanel& p = panel_;
    setWindowTitle(QString::fromStdString(title_) + "[*]");
    const CommandStates states =
        commands_.States({.savedFileOpen = !work.file.path.empty(),
                          .rowHighlighted = Highlighted().has_value(),
                          .rowsShown = static_cast<std::size_t>(shown_->rowCount())});
    for (QWidget* control : std::initializer_list<QWidget*>{
             p.clear, p.edit, p.check, p.s2, p.s1, p.fav, p.add, p.uncheck, p.invert, p.checkAll,
             p.search, p.counterCaption, p.counter}) {
        control->setEnabled(states.fileCommands);
    }
    for (QWidget* control : {p.deleteRow, p.modify, p.replace}) {
        control->setEnabled(states.rowCommands);
    }
    p.deleteChecked->setEnabled(states.deleteChecked);
    p.playList->setEnabled(states.playList);
    menu_.save->setEnabled(states.save);
    p.counter->setText(QString::number(document.CheckedCount()));
    counts_->setText(
        QString::fromStdString(ListCountsText(CountList(document, shown_->rowCount()))));
    ShowSortIndicator(*list_, document.Sorted(), document.SortColumn(), document.Order());

    menu_.editRecord->setChecked(!doubleClickTogglesFavorite_);
    menu_.toggleFavorite->setChecked(doubleClickTogglesFavorite_);
    const Settings& settings = work.settings;
    menu_.userStyles->setChecked(settings.allowUserStyles);
    menu_.red->setChecked(settings.unknownStyleColour == kRed);
    menu_.blue->setChecked(settings.unknownStyleColour == kBlue);
    menu_.autoSource->setChecked(settings.sourceMenu.Auto());
    menu_.styleNumbers->setChecked(settings.sourceMenu.StyleNumbers());
    for (const auto& [action, instrument] : menu_.sourceItems) {
        action->setChecked(settings.sourceMenu == SourceMenu{SourceMenu::Choice::kInstrument,
                                                             std::string(instrument->id)});
    }
}

void MainWindow::ChooseTarget(int index) {
    Run(operation::kChooseTarget, [&](Prompts& p) {
        Workspace& work = session_.Work();
        ChooseTargetInstrument(work, panel_.target->itemText(index).toStdString(), p);
        title_ = TitleAfterTargetChosen(work);
    });
}

void MainWindow::ChooseSourceItem(const Instrument& instrument) {
    Workspace& work = session_.Work();
    if (instrument.sourceItem.acts &&
        ChooseSourceInstrumentItem(work, std::string(instrument.id))) {
        title_ = TitleForSourceItem(work.file.name, instrument.sourceItem.title);
    }
    ShowState();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->viewport()) {
        return QMainWindow::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                menu_.trackMenu->popup(mouse->globalPosition().toPoint());
            }
            // A click on a check box only ticks it: the highlighted row stays where it is.
            tickClick_ = mouse->button() == Qt::LeftButton &&
                         OnCheckIndicator(*list_, mouse->position().toPoint());
            if (tickClick_ && event->type() == QEvent::MouseButtonPress) {
                const QModelIndex index = list_->indexAt(mouse->position().toPoint());
                list_->model()->setData(
                    index,
                    index.data(Qt::CheckStateRole) == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                    Qt::CheckStateRole);
            }
            return tickClick_;
        }
        case QEvent::MouseButtonRelease: return std::exchange(tickClick_, false);
        default: return QMainWindow::eventFilter(watched, event);
    }
}

}  // namespace quillory
