#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "data/instrument_catalog.h"
#include "data/list_export.h"
#include "data/music_finder_reader.h"
#include "data/play_list.h"
#include "data/record_commands.h"
#include "data/record_editor.h"
#include "data/style_options.h"
#include "data/text_file.h"
#include "data/text_import.h"
#include "platform/auto_size_columns.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/file_names.h"
#include "platform/widgets.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/help/info_window.h"
#include "ui/main/application.h"
#include "ui/main/main_menu.h"
#include "ui/main/record_list_model.h"
#include "ui/playlist/play_list_window.h"

namespace quillory {
namespace {

QPushButton* AddButton(QWidget& parent, QLayout& layout, const char* name, const char* caption) {
    auto* button = Named(new QPushButton(caption, &parent), name);
    button->setEnabled(false);
    layout.addWidget(button);
    return button;
}

// Two columns of equal width that buttons fill row by row, so that the panel fits low screens.
QGridLayout* TwoColumns(QWidget& frame) {
    auto* grid = new QGridLayout(&frame);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* AddFrame(QLayout& layout, const char* name, const char* caption, bool enabled) {
    auto* frame = Named(new QGroupBox(caption), name);
    frame->setEnabled(enabled);
    layout.addWidget(frame);
    return frame;
}

}  // namespace

MainWindow::MainWindow(Application& app) : app_(app), ui_(app.GetDialogs(), this) {
    setObjectName("frmQuillory");
    setWindowTitle("Quillory");
    BuildMainMenu(*this);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildButtonPanel());

    auto* frame = Named(new QGroupBox(central), "Frame1");
    auto* frameLayout = new QVBoxLayout(frame);
    list_ = NewReportList(*frame, "ListView1");
    list_->viewport()->installEventFilter(this);
    frameLayout->addWidget(list_);
    layout->addWidget(frame, 1);
    setCentralWidget(central);
    resize(1100, 650);

    CreateColumnHeaders();
    FillInstrumentCombo();
    Connect();
    ShowStoreState();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::BuildButtonPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);

    QGroupBox* target = AddFrame(*layout, "Frame2", "Target Instrument", true);
    auto* targetLayout = new QVBoxLayout(target);
    cboInst_ = Named(new QComboBox(target), "cboInst");
    targetLayout->addWidget(cboInst_);

    QGroupBox* clear = AddFrame(*layout, "fraClear", "Clear", false);
    auto* clearLayout = new QHBoxLayout(clear);
    AddButton(*clear, *clearLayout, "cmdS2", "S2");
    AddButton(*clear, *clearLayout, "cmdS1", "S1");
    AddButton(*clear, *clearLayout, "CmdFav", "Fav");

    QGroupBox* edit = AddFrame(*layout, "fraEdit", "Edit Item", false);
    QGridLayout* editLayout = TwoColumns(*edit);
    AddButton(*edit, *editLayout, "cmdReplaceStyle", "Replace");
    AddButton(*edit, *editLayout, "cmdDeleteChecked", "Del Chk'd");
    AddButton(*edit, *editLayout, "cmdAdd", "Add");
    AddButton(*edit, *editLayout, "CmdDelete", "Delete");
    AddButton(*edit, *editLayout, "cmdModify", "Modify");

    QGroupBox* check = AddFrame(*layout, "fraCheck", "Checkbox Control", false);
    QGridLayout* checkLayout = TwoColumns(*check);
    AddButton(*check, *checkLayout, "CmdUnCheck", "Uncheck ");
    AddButton(*check, *checkLayout, "cmdInvert", "Invert");
    AddButton(*check, *checkLayout, "cmdCheck", "Check");
    auto* counter = new QHBoxLayout;
    auto* lblchk = Named(new QLabel("Number", check), "lblchk");
    lblNumberChecked_ = Named(new QLabel("0", check), "lblNumberChecked");
    counter->addWidget(lblchk);
    counter->addWidget(lblNumberChecked_);
    checkLayout->addLayout(counter, 1, 1);

    auto* listButtons = new QHBoxLayout;
    layout->addLayout(listButtons);
    AddButton(*panel, *listButtons, "cmdPlayList", "Play List ");
    AddButton(*panel, *listButtons, "cmdSearch", "Search");
    layout->addStretch(1);
    return panel;
}

void MainWindow::CreateColumnHeaders() {
    model_ = new RecordListModel(app_.Store().list, this);
    list_->setModel(model_);
    AutoSizeColumns(*list_);
}

void MainWindow::FillInstrumentCombo() {
    for (const Instrument& instrument : Instruments()) {
        cboInst_->addItem(QString::fromLatin1(instrument.id.data(),
                                              static_cast<qsizetype>(instrument.id.size())));
    }
    cboInst_->setCurrentIndex(-1);
}

void MainWindow::ConnectAction(const char* name, void (MainWindow::*handler)()) {
    connect(findChild<QAction*>(name), &QAction::triggered, this, handler);
}

void MainWindow::Connect() {
    ConnectAction("mnuOpen", &MainWindow::Open);
    ConnectAction("mnuConvert", &MainWindow::SaveAsMusicFinder);
    ConnectAction("mnuTextDelimitedInput", &MainWindow::ImportText);
    ConnectAction("mnuUserStyles", &MainWindow::ToggleUserStyles);
    ConnectAction("mnuDefaultStyle", &MainWindow::ChangeDefaultStyle);
    ConnectAction("mnuRed", &MainWindow::ChooseRed);
    ConnectAction("mnuBlue", &MainWindow::ChooseBlue);
    ConnectAction("mnuAuto", &MainWindow::ChooseAuto);
    ConnectAction("mnuStyleNumbers", &MainWindow::ChooseStyleNumbers);
    connect(findChild<QAction*>("mnuExit"), &QAction::triggered, this, [this] { close(); });
    for (const SourceItem& item : SourceItems()) {
        connect(findChild<QAction*>(item.name), &QAction::triggered, this, [this, &item] {
            if (item.hasAction) {
                ChooseSourceItem(item);
            }
            ShowStoreState();
        });
    }
    connect(cboInst_, &QComboBox::activated, this, &MainWindow::ChooseTarget);
    connect(model_, &RecordListModel::checkToggled, this, &MainWindow::CheckToggled);

    RecordStore& store = app_.Store();
    ConnectButton("cmdCheck", "cmdCheck", [&store] { CheckAll(store); });
    ConnectButton("CmdUnCheck", "UnCheck", [&store] { UncheckAll(store); });
    ConnectButton("cmdInvert", "Invert", [&store] { InvertChecks(store); });
    ConnectButton("CmdDelete", "cmdDelete", [&store] { DeleteSelected(store); });
    ConnectButton("cmdDeleteChecked", "Delecte_Checked", [&store] { DeleteChecked(store); });
    ConnectButton("CmdFav", "Fave_click", [&store] { ClearMark(store, Mark::kFavorite); });
    ConnectButton("cmdS1", "cmdS1", [&store] { ClearMark(store, Mark::kSearch1); });
    ConnectButton("cmdS2", "cmdS2", [&store] { ClearMark(store, Mark::kSearch2); });
    ConnectButton("cmdAdd", "cmdAdd", [this] { Add(); });
    ConnectButton("cmdModify", "cmdModify", [this] { Modify(); });
    ConnectButton("cmdReplaceStyle", "cmdReplaceStyle", [this] { app_.ShowStyleReplace(); });
    ConnectButton("cmdSearch", "cmdSearch", [this] { app_.ShowSearch(); });
    ConnectAction("mnuKeyword_add", &MainWindow::AddKeyword);
    ConnectButton("cmdPlayList", "Playlist", [this] { OpenPlayList(); });
    ConnectAction("mnuPrint", &MainWindow::Print);
    ConnectAction("mnuTextFile", &MainWindow::ExportText);
    connect(findChild<QAction*>("mnuPort"), &QAction::triggered, this,
            [this] { ChooseOrientation(1); });
    connect(findChild<QAction*>("mnuLand"), &QAction::triggered, this,
            [this] { ChooseOrientation(2); });
    connect(findChild<QAction*>("mnuHelp"), &QAction::triggered, this, [this] {
        ShowInfo("Quillory.rtf", InfoWindow::Kind::kRichText, InfoWindow::kDesignTitle);
    });
    connect(findChild<QAction*>("mnuConversion"), &QAction::triggered, this, [this] {
        ShowInfo("ExportLog.txt", InfoWindow::Kind::kPlainText,
                 "Items missing styles in target instrument");
    });
    connect(findChild<QAction*>("mnuDelimitedFile"), &QAction::triggered, this, [this] {
        ShowInfo("ImportLog.txt", InfoWindow::Kind::kPlainText,
                 "Items not included due in last Import operation");
    });
    connect(findChild<QAction*>("mnuAbout"), &QAction::triggered, this,
            [this] { app_.ShowAbout(); });
    connect(findChild<QAction*>("mnuEditRecord"), &QAction::triggered, this,
            [this] { ChooseDoubleClickAction(false); });
    connect(findChild<QAction*>("mnuToggleFavorite"), &QAction::triggered, this,
            [this] { ChooseDoubleClickAction(true); });
    connect(
        findChild<QAction*>("mnuTrackMenuSetFavorite"), &QAction::triggered, this,
        [this, &store] { Run("mnuTrackMenuSetFavorite", [&store] { ToggleFavorite(store); }); });
    ConnectList();
}

void MainWindow::ConnectButton(const char* name, const char* operation,
                               const std::function<void()>& command) {
    connect(findChild<QPushButton*>(name), &QPushButton::clicked, this,
            [this, operation, command] { Run(operation, command); });
}

void MainWindow::ConnectList() {
    connect(list_, &QTreeView::clicked, this, &MainWindow::RowClicked);
    connect(list_, &QTreeView::doubleClicked, this, &MainWindow::DoubleClicked);
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        Run("ListViewClick", [&] { ColumnHeaderClicked(app_.Store(), column); });
    });
    connect(model_, &RecordListModel::selectionMoved, this, &MainWindow::ShowSelection);
    connect(model_, &QAbstractItemModel::modelReset, this, &MainWindow::ShowSelection);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    app_.Store().list.Select(static_cast<std::size_t>(current.row()));
                }
            });
}

void MainWindow::ShowSelection() {
    const auto selected = app_.Store().list.Selected();
    if (!selected) {
        list_->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(static_cast<int>(*selected), 0);
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

void MainWindow::RowClicked(const QModelIndex& index) {
    Run("ListView_ItemClick", [&] {
        const RowClick click =
            quillory::RowClicked(app_.Store(), static_cast<std::size_t>(index.row()));
        app_.Editor()->ShowRow(click);
        app_.StyleReplace()->ShowCurrentStyle(QString::fromStdString(click.style));
    });
}

void MainWindow::DoubleClicked() {
    if (!app_.Store().list.Selected()) {
        return;
    }
    if (app_.Store().window.doubleClickTogglesFavorite) {
        Run("mnuToggleFavorite", [&] { ToggleFavorite(app_.Store()); });
    } else {
        Run("cmdModify", [&] { Modify(); });
    }
}

void MainWindow::ChooseDoubleClickAction(bool togglesFavorite) {
    app_.Store().window.doubleClickTogglesFavorite = togglesFavorite;
    ShowStoreState();
}

void MainWindow::Add() {
    app_.Editor()->StartAdd();
}

void MainWindow::Modify() {
    if (PrepareModify(app_.Store())) {
        ShowInFront(*app_.Editor(), *this);
    }
}

void MainWindow::OpenPlayList() {
    if (PlayListMayOpen(app_.Store(), ui_)) {
        app_.ShowPlayList();
    }
}

bool MainWindow::FileOpenOrTold() {
    if (app_.Store().gFileName.empty()) {
        app_.GetDialogs().Message(this, "Select a file to view first");
        return false;
    }
    return true;
}

void MainWindow::Print() {
    if (!FileOpenOrTold()) {
        return;
    }
    const RecordStore& store = app_.Store();
    ListPrintJob job;
    job.settings = printSettings_;
    job.heading = QString::fromStdString("Quillory of  " + store.gFileName);
    job.caption = "Quillory Print Preview";
    job.iconFile = FromPath(store.ProgramFile("styles256.ico"));
    ListPrintPreview(app_.GetDialogs(), this, *model_, job);
}

void MainWindow::ExportText() {
    Run("mnuTextFile", [&] { SaveDelimitedFile(RecordListExportText(app_.Store().list), ui_); });
}

void MainWindow::ChooseOrientation(int orientation) {
    printSettings_.orientation = orientation;
    findChild<QAction*>("mnuPort")->setChecked(orientation == 1);
    findChild<QAction*>("mnuLand")->setChecked(orientation == 2);
}

void MainWindow::ShowInfo(const std::string& file, InfoWindow::Kind kind, const char* title) {
    InfoWindow& viewer = *app_.Info();
    if (!viewer.Load(app_.Store().ProgramFile(file), kind)) {
        app_.GetDialogs().Message(
            this, QString::fromStdString("Cannot find the Information File named " + file));
        return;
    }
    viewer.setWindowTitle(title);
    ShowInFront(viewer, *this);
}

void MainWindow::AddKeyword() {
    const QString answer = app_.GetDialogs().Input(
        this, "Enter text to be included with all keywords", "Add Keyword to all entries");
    Run("mnuKeyword_add", [&] { KeywordAdd(app_.Store(), answer.toStdString()); });
}

void MainWindow::Run(const char* operation, const std::function<void()>& handler) {
    RunReported(app_.GetDialogs(), this, operation, handler);
    ShowStoreState();
}

void MainWindow::ShowStoreState() {
    const RecordStore& store = app_.Store();
    const MainWindowState& state = store.window;
    setWindowTitle(QString::fromStdString(state.title));
    for (const char* name :
         {"fraClear", "fraEdit", "fraCheck", "cmdS2", "cmdS1", "CmdFav", "cmdAdd", "CmdUnCheck",
          "cmdInvert", "cmdCheck", "cmdSearch", "lblchk", "lblNumberChecked"}) {
        findChild<QWidget*>(name)->setEnabled(state.fileControlsEnabled);
    }
    for (const char* name : {"CmdDelete", "cmdModify"}) {
        findChild<QWidget*>(name)->setEnabled(state.rowControlsEnabled);
    }
    findChild<QWidget*>("cmdReplaceStyle")->setEnabled(state.replaceEnabled);
    findChild<QAction*>("mnuEditRecord")->setChecked(!state.doubleClickTogglesFavorite);
    findChild<QAction*>("mnuToggleFavorite")->setChecked(state.doubleClickTogglesFavorite);
    ShowSortIndicator(*list_, store.list.Sorted(), store.list.SortColumn(), store.list.Order());
    if (app_.Editor()) {
        app_.Editor()->ShowStoreLists();
    }
    findChild<QWidget*>("cmdDeleteChecked")->setEnabled(state.deleteCheckedEnabled);
    findChild<QWidget*>("cmdPlayList")->setEnabled(state.playListEnabled);
    lblNumberChecked_->setText(QString::number(store.list.CheckedCount()));

    findChild<QAction*>("mnuUserStyles")->setChecked(store.gAllowUserStyles);
    findChild<QAction*>("mnuRed")->setChecked(store.gUnknownStyleColor == kRed);
    findChild<QAction*>("mnuBlue")->setChecked(store.gUnknownStyleColor == kBlue);
    const SourceMenu& source = store.sourceMenu;
    findChild<QAction*>("mnuAuto")->setChecked(source.Auto());
    findChild<QAction*>("mnuStyleNumbers")->setChecked(source.StyleNumbers());
    for (const SourceItem& item : SourceItems()) {
        findChild<QAction*>(item.name)->setChecked(source.choice ==
                                                       SourceMenu::Choice::kInstrument &&
                                                   source.instrument == item.instrument);
    }
}

void MainWindow::Open() {
    const auto chosen =
        app_.GetDialogs().OpenFile(this, "Music Finder Files(*.mfd)|*.mfd|", QString());
    if (!chosen) {
        return;
    }
    const bool targetChosen = !app_.Store().gTargetInstrument.empty();
    Run("Entry", [&] {
        OpenMusicFinderFile(app_.Store(), ToPath(*chosen),
                            QFileInfo(*chosen).fileName().toStdString(), ui_);
        AutoSizeColumns(*list_);
    });
    // The read made the source the target: the combo shows it. Otherwise the combo keeps what
    // the user chose there, even when Save As has converted for another instrument since. A
    // target the combo does not list ("numbers" under Use Style Numbers) leaves it empty.
    if (!targetChosen) {
        SelectText(*cboInst_, QString::fromStdString(app_.Store().gTargetInstrument));
    }
}

void MainWindow::ChooseTarget(int index) {
    Run("cboInst", [&] {
        ChooseTargetInstrument(app_.Store(), cboInst_->itemText(index).toStdString(), ui_);
    });
}

void MainWindow::SaveAsMusicFinder() {
    if (FileOpenOrTold()) {
        app_.ShowConvert();
    }
}

void MainWindow::ImportText() {
    Run("ImportTextDelimitedFile", [&] {
        ImportTextDelimitedFile(app_.Store(), ui_);
        AutoSizeColumns(*list_);
    });
}

void MainWindow::ToggleUserStyles() {
    Run("mnuUserStyles",
        [&] { SetAllowUserStyles(app_.Store(), !app_.Store().gAllowUserStyles, ui_); });
}

void MainWindow::ChangeDefaultStyle() {
    if (app_.Store().gTargetInstrument.empty()) {
        app_.GetDialogs().Message(this,
                                  "Please select a target instrument before setting this option");
        ShowStoreState();
        return;
    }
    app_.ShowDefaultStyle();
}

void MainWindow::ChooseRed() {
    Run("mnuRed", [&] { SetUnknownStyleColour(app_.Store(), kRed, ui_); });
}

void MainWindow::ChooseBlue() {
    Run("mnuBlue", [&] { SetUnknownStyleColour(app_.Store(), kBlue, ui_); });
}

void MainWindow::ChooseAuto() {
    ChooseAutoSource(app_.Store());
    ShowStoreState();
}

void MainWindow::ChooseStyleNumbers() {
    ChooseStyleNumbersSource(app_.Store());
    ShowStoreState();
}

void MainWindow::ChooseSourceItem(const SourceItem& item) {
    ChooseSourceInstrumentItem(app_.Store(), item.instrument);
}

void MainWindow::CheckToggled(int row, bool checked) {
    Run("ListView_ItemCheck",
        [&] { CheckBoxChanged(app_.Store(), static_cast<std::size_t>(row), checked); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    app_.Store().ReleaseStyles();
    app_.CloseAll();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        findChild<QMenu*>("mnuTrackMenu")
            ->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillory
