#include "ui/playlist/play_list_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/list_export.h"
#include "data/text_file.h"
#include "platform/auto_size_columns.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/file_names.h"
#include "platform/list_print.h"
#include "platform/widgets.h"
#include "ui/main/application.h"
#include "ui/playlist/play_list_model.h"

namespace quillory {

PlayListWindow::PlayListWindow(Application& app) : app_(app), ui_(app.GetDialogs(), this) {
    setObjectName("frmPlayList");
    setWindowTitle("Quillory  Play List");
    setAttribute(Qt::WA_DeleteOnClose);

    QMenuBar& bar = *menuBar();
    connect(AddMenuItem(bar, "mnuPrint", "&Print"), &QAction::triggered, this,
            &PlayListWindow::Print);
    QMenu& items = *AddSubmenu(bar, "mnuListItems", "List Items");
    QAction* defaultLayout = AddMenuItem(items, "mnuDefault", "Default");
    QAction* songGenre = AddMenuItem(items, "mnuSong_Genre", "Song-Genre");
    for (QAction* action : {defaultLayout, songGenre}) {
        action->setCheckable(true);
    }
    connect(defaultLayout, &QAction::triggered, this,
            [this] { ChooseLayout(PlayListLayout::kDefault); });
    connect(songGenre, &QAction::triggered, this,
            [this] { ChooseLayout(PlayListLayout::kSongGenre); });
    QMenu& saveAs = *AddSubmenu(bar, "mnuSaveAs", "Save As");
    connect(AddMenuItem(saveAs, "mnuTextFile", "&Delimited Text File"), &QAction::triggered, this,
            &PlayListWindow::ExportText);
    connect(AddMenuItem(bar, "mnuExit", "                  &Exit"), &QAction::triggered, this,
            &PlayListWindow::CloseByProgram);

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
    connect(view_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { Run("Column sort", [&] { list_.HeaderClicked(column); }); });
}

PlayListWindow::~PlayListWindow() = default;

void PlayListWindow::Run(const char* operation, const std::function<void()>& command) {
    RunReported(app_.GetDialogs(), this, operation, command);
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

bool PlayListWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Run("FormActivate", [&] { list_.Activate(app_.Store().list); });
    }
    return QMainWindow::event(event);
}

void PlayListWindow::CloseByProgram() {
    closingByProgram_ = true;
    close();
}

void PlayListWindow::closeEvent(QCloseEvent* event) {
    if (!closingByProgram_) {
        app_.GetDialogs().Message(this, "Please use the menu item Exit to close");
        event->ignore();
        return;
    }
    event->accept();
}

void PlayListWindow::ChooseLayout(PlayListLayout layout) {
    findChild<QAction*>("mnuDefault")->setChecked(layout == PlayListLayout::kDefault);
    findChild<QAction*>("mnuSong_Genre")->setChecked(layout == PlayListLayout::kSongGenre);
    Run("CreateList", [&] { list_.SetLayout(layout, app_.Store().list); });
}

void PlayListWindow::EnterComments() {
    const QString answer = app_.GetDialogs().Input(this, "Enter Comments",
                                                   QString::fromStdString(list_.ActedOnTitle()));
    Run("Notes", [&] { list_.SetComment(answer.toStdString()); });
}

void PlayListWindow::ChangePosition() {
    const QString answer = app_.GetDialogs().Input(this, "Enter new position",
                                                   QString::fromStdString(list_.ActedOnTitle()));
    Run("Order", [&] { list_.ChangePosition(answer.toStdString(), ui_); });
}

void PlayListWindow::ExportText() {
    Run("PlayList TextFile", [&] { SaveDelimitedFile(PlayListExportText(list_.Rows()), ui_); });
}

void PlayListWindow::Print() {
    ListPrintJob job;
    job.heading = "Quillory Play List";
    job.caption = "Quillory Play List Print Preview";
    job.iconFile = FromPath(app_.Store().ProgramFile("styles256.ico"));
    ListPrintPreview(app_.GetDialogs(), this, *model_, job);
}

}  // namespace quillory
