#include "ui/playlist/play_list_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/common/operation_names.h"
#include "data/exchange/list_export.h"
#include "data/exchange/saved_play_list.h"
#include "data/exchange/text_file.h"
#include "platform/activation.h"
#include "platform/auto_size_columns.h"
#include "platform/file_names.h"
#include "platform/list_print.h"
#include "platform/widgets.h"
#include "ui/playlist/play_list_model.h"
#include "ui/playlist/play_list_work.h"
#include "ui/session.h"

namespace quillory {

PlayListWindow::PlayListWindow(Session& session, QWidget* owner)
    : QMainWindow(owner, Qt::Window), session_(session), list_(session.KeptPlayList()) {
    setObjectName("frmPlayList");
    setWindowTitle("Quillory  Play List");
    setAttribute(Qt::WA_DeleteOnClose);

    QMenuBar& bar = *menuBar();
    connect(AddMenuItem(bar, "mnuPrint", "&Print"), &QAction::triggered, this,
            &PlayListWindow::Print);
    QMenu& items = *AddSubmenu(bar, "mnuListItems", "List Items");
    defaultLayout_ = AddMenuItem(items, "mnuDefault", "Default");
    songGenreLayout_ = AddMenuItem(items, "mnuSong_Genre", "Song-Genre");
    for (QAction* action : {defaultLayout_, songGenreLayout_}) {
        action->setCheckable(true);
    }
    connect(defaultLayout_, &QAction::triggered, this,
            [this] { ChooseLayout(PlayListLayout::kDefault); });
    connect(songGenreLayout_, &QAction::triggered, this,
            [this] { ChooseLayout(PlayListLayout::kSongGenre); });
    QMenu& saveAs = *AddSubmenu(bar, "mnuSaveAs", "Save As");
    connect(AddMenuItem(saveAs, "mnuTextFile", "&Delimited Text File"), &QAction::triggered, this,
            &PlayListWindow::ExportText);
    connect(AddMenuItem(bar, "mnuOpenPlayList", "&Open Play List"), &QAction::triggered, this,
            &PlayListWindow::OpenSaved);
    connect(AddMenuItem(bar, "mnuExit", "                  &Exit"), &QAction::triggered, this,
            &PlayListWindow::Exit);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* frame = Named(new QGroupBox("For selected row: ", central), "Frame1");
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addLayout(
        NewButtonRow(*frame, {{"cmdOrder", "Change Position in List", [this] { ChangePosition(); }},
                              {"cmdNotes", "Enter Comments", [this] { EnterComments(); }}}));
    frameLayout->addStretch(1);
    layout->addWidget(frame);

    view_ = NewReportList(*central, "ListView1");
    model_ = new PlayListModel(list_, this);
    view_->setModel(model_);
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    resize(760, 480);

    connect(view_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        list_.RowClicked(static_cast<std::size_t>(index.row()));
    });
    connect(view_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        Run(operation::kPlayListSort, [&](Prompts&) { list_.HeaderClicked(column); });
    });
    OnActivationFromOurWindow(*this, [this] { Activate(); });

    // The list kept from the last opening follows the ticks changed since.
    if (!list_.Rows().empty()) {
        Run(operation::kPlayListReopen, [&](Prompts&) {
            statusBar()->showMessage(
                QString::fromStdString(ChangesSummary(list_.Reopen(session_.Document()))));
        });
        ShowLayoutTicks();
    }
}

PlayListWindow::~PlayListWindow() = default;

void PlayListWindow::Run(const char* operation, const std::function<void(Prompts&)>& command) {
    session_.Run(this, operation, command);
    ShowList();
}

void PlayListWindow::ShowList() {
    model_->Refresh();
    AutoSizeColumns(*view_);
    ShowSortIndicator(*view_, list_.Sorted(), list_.SortColumn(), list_.Order());
    if (const auto selected = list_.Selected()) {
        view_->setCurrentIndex(model_->index(static_cast<int>(*selected), 0));
    }
}

void PlayListWindow::Activate() {
    Run(operation::kPlayListActivate,
        [&](Prompts&) { list_.Activate(session_.Document(), session_.Filter()); });
}

void PlayListWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Activate();
}

void PlayListWindow::CloseByProgram() {
    closingByProgram_ = true;
    close();
}

void PlayListWindow::closeEvent(QCloseEvent* event) {
    if (!closingByProgram_) {
        session_.PromptsFor(this).ShowMessage("Please use the menu item Exit to close");
        event->ignore();
        return;
    }
    event->accept();
}

void PlayListWindow::Exit() {
    if (PlayListWorkMayGo(session_, session_.PromptsFor(this), "closing")) {
        CloseByProgram();
    }
}

void PlayListWindow::ShowLayoutTicks() {
    defaultLayout_->setChecked(list_.Layout() == PlayListLayout::kDefault);
    songGenreLayout_->setChecked(list_.Layout() == PlayListLayout::kSongGenre);
}

void PlayListWindow::ChooseLayout(PlayListLayout layout) {
    Run(operation::kPlayListRefill,
        [&](Prompts&) { list_.SetLayout(layout, session_.Document(), session_.Filter()); });
    ShowLayoutTicks();
}

void PlayListWindow::EnterComments() {
    const std::string answer =
        session_.PromptsFor(this).Input("Enter Comments", list_.ActedOnTitle());
    Run(operation::kPlayListComment, [&](Prompts&) { list_.SetComment(answer); });
}

void PlayListWindow::ChangePosition() {
    const std::string answer =
        session_.PromptsFor(this).Input("Enter new position", list_.ActedOnTitle());
    Run(operation::kPlayListPosition,
        [&](Prompts& prompts) { list_.ChangePosition(answer, prompts); });
}

void PlayListWindow::ExportText() {
    SavePlayList(session_, session_.PromptsFor(this));
    ShowList();
}

void PlayListWindow::OpenSaved() {
    Run(operation::kOpenSavedPlayList, [&](Prompts& prompts) {
        if (OpenSavedPlayList(list_, session_.Document(), prompts)) {
            statusBar()->clearMessage();
        }
    });
    ShowLayoutTicks();
}

void PlayListWindow::Print() {
    ListPrintJob job;
    job.heading = "Quillory Play List";
    job.caption = "Quillory Play List Print Preview";
    job.iconFile = FromPath(session_.Work().files.File("styles256.ico"));
    ListPrintPreview(session_.PromptsFor(this), *model_, job);
}

}  // namespace quillory
