#include "ui/playlist/play_list_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/list_export.h"
#include "data/text_file.h"
#include "platform/auto_size_columns.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/file_names.h"
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
    auto* frame = new QGroupBox("For selected row: ", central);
    frame->setObjectName("Frame1");
    auto* frameLayout = new QHBoxLayout(frame);
    auto* order = new QPushButton("Change Position in List", frame);
    order->setObjectName("cmdOrder");
    auto* notes = new QPushButton("Enter Comments", frame);
    notes->setObjectName("cmdNotes");
    frameLayout->addWidget(order);
    frameLayout->addWidget(notes);
    frameLayout->addStretch(1);
    layout->addWidget(frame);
    connect(order, &QPushButton::clicked, this, &PlayListWindow::ChangePosition);
    connect(notes, &QPushButton::clicked, this, &PlayListWindow::EnterComments);

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
    AutoSizeColumns(*view_, true);
    view_->header()->setSortIndicatorShown(list_.Sorted());
    view_->header()->setSortIndicator(list_.SortColumn(), list_.Order() == SortOrder::kAscending
                                                              ? Qt::AscendingOrder
                                                              : Qt::DescendingOrder);
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

QString PlayListWindow::ActedOnTitle() const {
    const auto row = list_.ActedOnRow();
    return row ? QString::fromStdString(list_.Rows()[*row][1]) : QString();
}

void PlayListWindow::EnterComments() {
    const QString answer =
        app_.GetDialogs().Input(this, "Enter Comments", ActedOnTitle(), QString());
    Run("Notes", [&] { list_.SetComment(answer.toStdString()); });
}

void PlayListWindow::ChangePosition() {
    const QString answer =
        app_.GetDialogs().Input(this, "Enter new position", ActedOnTitle(), QString());
    Run("Order", [&] { list_.ChangePosition(answer.toStdString(), ui_); });
}

void PlayListWindow::ExportText() {
    Run("PlayList TextFile", [&] { SaveDelimitedFile(PlayListExportText(list_.Rows()), ui_); });
}

void PlayListWindow::Print() {
    printSettings_ = PrintSettings();
    ListPrintJob job;
    job.settings = printSettings_;
    job.heading = "Quillory Play List";
    job.caption = "Quillory Play List Print Preview";
    job.iconFile = FromPath(app_.Store().ProgramFile("styles256.ico"));
    ListPrintPreview(app_.GetDialogs(), this, *model_, job);
}

}  // namespace quillory
