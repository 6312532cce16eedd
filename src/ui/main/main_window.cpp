#include "ui/main/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "data/conversion/save_as.h"
#include "data/conversion/style_options.h"
#include "data/document/open_file_save.h"
#include "data/document/play_list.h"
#include "data/document/record_commands.h"
#include "data/document/record_editor.h"
#include "data/document/window_title.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/exchange/text_import.h"
#include "data/files/file_system.h"
#include "data/format/instrument_catalog.h"
#include "data/format/music_finder_reader.h"
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
#include "ui/main/record_list_model.h"
#include "ui/playlist/play_list_window.h"
#include "ui/search/search_dialog.h"
#include "ui/session.h"

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

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The one Music Finder file a drop brings, if it brings exactly one.
std::optional<QString> DroppedMusicFinderFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString file = urls.front().toLocalFile();
    if (!file.endsWith(".mfd", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return file;
}

}  // namespace

MainWindow::MainWindow(Session& session) : session_(session) {
    setObjectName("frmQuillory");
    setWindowTitle("Quillory");
    setAcceptDrops(true);
    menu_ = BuildMainMenu(*this);
    AddHistoryActions();
    BuildStatusBar();

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

    model_ = new RecordListModel(session_.Document(), this);
    list_->setModel(model_);
    session_.SetMainWindow(this, list_->selectionModel());
    AutoSizeColumns(*list_);
    FillInstrumentCombo();
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

QWidget* MainWindow::BuildButtonPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    Panel& p = panel_;

    QGroupBox* target = AddFrame(*layout, "Frame2", "Target Instrument", true);
    auto* targetLayout = new QVBoxLayout(target);
    p.target = Named(new QComboBox(target), "cboInst");
    targetLayout->addWidget(p.target);

    p.clear = AddFrame(*layout, "fraClear", "Clear", false);
    auto* clearLayout = new QHBoxLayout(p.clear);
    p.s2 = AddButton(*p.clear, *clearLayout, "cmdS2", "S2");
    p.s1 = AddButton(*p.clear, *clearLayout, "cmdS1", "S1");
    p.fav = AddButton(*p.clear, *clearLayout, "CmdFav", "Fav");

    p.edit = AddFrame(*layout, "fraEdit", "Edit Item", false);
    QGridLayout* editLayout = TwoColumns(*p.edit);
    p.replace = AddButton(*p.edit, *editLayout, "cmdReplaceStyle", "Replace");
    p.deleteChecked = AddButton(*p.edit, *editLayout, "cmdDeleteChecked", "Del Chk'd");
    p.add = AddButton(*p.edit, *editLayout, "cmdAdd", "Add");
    p.deleteRow = AddButton(*p.edit, *editLayout, "CmdDelete", "Delete");
    p.modify = AddButton(*p.edit, *editLayout, "cmdModify", "Modify");

    p.check = AddFrame(*layout, "fraCheck", "Checkbox Control", false);
    QGridLayout* checkLayout = TwoColumns(*p.check);
    p.uncheck = AddButton(*p.check, *checkLayout, "CmdUnCheck", "Uncheck ");
    p.invert = AddButton(*p.check, *checkLayout, "cmdInvert", "Invert");
    p.checkAll = AddButton(*p.check, *checkLayout, "cmdCheck", "Check");
    auto* counter = new QHBoxLayout;
    p.counterCaption = Named(new QLabel("Number", p.check), "lblchk");
    p.counter = Named(new QLabel("0", p.check), "lblNumberChecked");
    counter->addWidget(p.counterCaption);
    counter->addWidget(p.counter);
    checkLayout->addLayout(counter, 1, 1);

    auto* listButtons = new QHBoxLayout;
    layout->addLayout(listButtons);
    p.playList = AddButton(*panel, *listButtons, "cmdPlayList", "Play List ");
    p.search = AddButton(*panel, *listButtons, "cmdSearch", "Search");
    layout->addStretch(1);
    return panel;
}

void MainWindow::AddHistoryActions() {
    QUndoStack& history = session_.History();
    QAction* undo = Named(history.createUndoAction(this, "Undo"), "mnuUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = Named(history.createRedoAction(this, "Redo"), "mnuRedo");
    redo->setShortcut(QKeySequence::Redo);
    menu_.edit->addAction(undo);
    menu_.edit->addAction(redo);
    connect(&session_, &Session::historyMoved, this, [this] {
        // Undo and redo give back ticks with the records: the buttons that follow the ticks
        // follow them.
        const bool ticked = session_.Document().CheckedCount() > 0;
        deleteCheckedEnabled_ = ticked;
        playListEnabled_ = playListEnabled_ || ticked;
    });
    connect(&session_, &Session::modifiedChanged, this, &QWidget::setWindowModified);
}

void MainWindow::BuildStatusBar() {
    filePath_ = Named(new QLabel(this), "lblFilePath");
    counts_ = Named(new QLabel(this), "lblCounts");
    statusBar()->addWidget(filePath_, 1);
    statusBar()->addPermanentWidget(counts_);
    connect(&session_, &Session::fileWritten, this,
            [this](const QString& message) { statusBar()->showMessage(message, 10000); });
}

void MainWindow::AddShortcuts() {
    menu_.open->setShortcut(QKeySequence::Open);
    menu_.save->setShortcut(QKeySequence::Save);
    // The standard Save As key exists only on some desktops (none on Windows).
    menu_.convert->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    menu_.print->setShortcut(QKeySequence::Print);
    menu_.help->setShortcut(QKeySequence::HelpContents);
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

void MainWindow::CopyRows() {
    const std::string text = CopiedRowsText(session_.Document(), Highlighted());
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(FromStd(text));
    }
}

void MainWindow::FillInstrumentCombo() {
    for (const Instrument& instrument : Instruments()) {
        panel_.target->addItem(FromLatin1(instrument.id));
    }
    panel_.target->setCurrentIndex(-1);
}

void MainWindow::Run(const char* operation, const std::function<void(Prompts&)>& command) {
    session_.Run(this, operation, command);
}

void MainWindow::ConnectButton(QPushButton* button, const char* operation,
                               const std::function<void()>& command) {
    connect(button, &QPushButton::clicked, this,
            [this, operation, command] { Run(operation, [&](Prompts&) { command(); }); });
}

void MainWindow::Connect() {
    Workspace& work = session_.Work();
    MusicFinderDocument& document = session_.Document();
    connect(&session_, &Session::changed, this, &MainWindow::ShowState);
    connect(&session_, &Session::highlightMoved, this, &MainWindow::ShowState);
    connect(&session_, &Session::highlightRequested, this, &MainWindow::ShowHighlight);
    connect(&session_, &Session::fitColumnsRequested, this, [this] { AutoSizeColumns(*list_); });
    connect(&session_, &Session::foundAndTicked, this, [this](std::size_t matched) {
        deleteCheckedEnabled_ = true;
        playListEnabled_ = playListEnabled_ || matched > 0;
        ShowState();
    });

    connect(menu_.open, &QAction::triggered, this, &MainWindow::Open);
    connect(menu_.save, &QAction::triggered, this, &MainWindow::Save);
    connect(&session_, &Session::openFileReplaced, this,
            [this](const QString& file) { OpenFile(ToPath(file)); });
    connect(menu_.convert, &QAction::triggered, this, &MainWindow::SaveAsMusicFinder);
    connect(menu_.textDelimitedInput, &QAction::triggered, this, &MainWindow::ImportText);
    connect(menu_.userStyles, &QAction::triggered, this, [this, &work] {
        Run("mnuUserStyles",
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
        Run("mnuRed", [&](Prompts& p) { SetUnknownStyleColour(work, kRed, p); });
    });
    connect(menu_.blue, &QAction::triggered, this, [this, &work] {
        Run("mnuBlue", [&](Prompts& p) { SetUnknownStyleColour(work, kBlue, p); });
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
    connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
    connect(panel_.target, &QComboBox::activated, this, &MainWindow::ChooseTarget);
    connect(model_, &RecordListModel::checkToggled, this, &MainWindow::CheckToggled);

    ConnectButton(panel_.checkAll, "cmdCheck", [this, &document] {
        CheckAll(document);
        deleteCheckedEnabled_ = playListEnabled_ = true;
    });
    ConnectButton(panel_.uncheck, "UnCheck", [this, &document] {
        UncheckAll(document);
        deleteCheckedEnabled_ = playListEnabled_ = false;
    });
    ConnectButton(panel_.invert, "Invert", [this, &document] {
        const std::size_t ticked = InvertChecks(document);
        deleteCheckedEnabled_ = ticked >= 1;
        if (!document.Empty()) {
            playListEnabled_ = ticked >= 1;
        }
    });
    ConnectButton(panel_.deleteRow, "cmdDelete", [this, &document] {
        if (const auto row = Highlighted()) {
            DeleteRecord(document, *row);
        }
    });
    ConnectButton(panel_.deleteChecked, "Delecte_Checked", [this, &document] {
        if (DeleteChecked(document)) {
            deleteCheckedEnabled_ = false;
        }
    });
    ConnectButton(panel_.fav, "Fave_click", [&document] { ClearMark(document, Mark::kFavorite); });
    ConnectButton(panel_.s1, "cmdS1", [&document] { ClearMark(document, Mark::kSearch1); });
    ConnectButton(panel_.s2, "cmdS2", [&document] { ClearMark(document, Mark::kSearch2); });
    ConnectButton(panel_.add, "cmdAdd", [this] { editor_->StartAdd(); });
    ConnectButton(panel_.modify, "cmdModify", [this] { Modify(); });
    ConnectButton(panel_.replace, "cmdReplaceStyle", [this] { ShowSingle(styleReplace_); });
    ConnectButton(panel_.search, "cmdSearch", [this] { ShowSingle(search_); });
    ConnectButton(panel_.playList, "Playlist", [this] { OpenPlayList(); });
    connect(menu_.keywordAdd, &QAction::triggered, this, &MainWindow::AddKeyword);
    connect(menu_.print, &QAction::triggered, this, &MainWindow::Print);
    connect(menu_.textFile, &QAction::triggered, this, &MainWindow::ExportText);
    connect(menu_.portrait, &QAction::triggered, this, [this] { ChooseOrientation(1); });
    connect(menu_.landscape, &QAction::triggered, this, [this] { ChooseOrientation(2); });
    const ProgramFiles& files = work.files;
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
    connect(menu_.editRecord, &QAction::triggered, this, [this] {
        doubleClickTogglesFavorite_ = false;
        ShowState();
    });
    connect(menu_.toggleFavorite, &QAction::triggered, this, [this] {
        doubleClickTogglesFavorite_ = true;
        ShowState();
    });
    connect(menu_.setFavorite, &QAction::triggered, this, [this, &document] {
        Run("mnuTrackMenuSetFavorite", [&](Prompts&) {
            if (const auto row = Highlighted()) {
                ToggleFavorite(document, *row);
            }
        });
    });
    ConnectList();
}

void MainWindow::ConnectList() {
    connect(list_, &QTreeView::doubleClicked, this, &MainWindow::DoubleClicked);
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        Run("ListViewClick", [&](Prompts&) { ColumnHeaderClicked(session_.Document(), column); });
    });
}

std::optional<std::size_t> MainWindow::Highlighted() const {
    return session_.HighlightedRow();
}

void MainWindow::ShowHighlight(std::size_t row) {
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
    // The search stays open beside its finds: it moves off the row it found.
    if (search_ && search_->isVisible()) {
        UncoverSelectedRow(*search_, *list_);
    }
}

void MainWindow::CheckToggled(int row, bool checked) {
    Run("ListView_ItemCheck", [&](Prompts&) {
        MusicFinderDocument& document = session_.Document();
        document.SetChecked(static_cast<std::size_t>(row), checked);
        playListEnabled_ = true;
        deleteCheckedEnabled_ = document.CheckedCount() > 0;
    });
}

void MainWindow::DoubleClicked() {
    const auto row = Highlighted();
    if (!row) {
        return;
    }
    if (doubleClickTogglesFavorite_) {
        Run("mnuToggleFavorite", [&](Prompts&) { ToggleFavorite(session_.Document(), *row); });
    } else {
        Run("cmdModify", [&](Prompts&) { Modify(); });
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
    if (PlayListMayOpen(session_.Document(), session_.PromptsFor(this))) {
        playListEnabled_ = true;
        ShowSingle(playList_);
    } else {
        playListEnabled_ = false;
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
    job.heading = FromStd("Quillory of  " + work.file.name);
    job.caption = "Quillory Print Preview";
    job.iconFile = FromPath(work.files.File("styles256.ico"));
    ListPrintPreview(session_.PromptsFor(this), *model_, job);
}

void MainWindow::ExportText() {
    Run("mnuTextFile", [&](Prompts& p) {
        if (const auto file = SaveDelimitedFile(RecordListExportText(session_.Document()), p)) {
            session_.FileWritten("Exported", *file);
        }
    });
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
    RunReported(prompts, "ShowInfo", [&] {
        if (!info_->Load(file, kind)) {
            prompts.ShowMessage("Cannot find the Information File named " +
                                Utf8FromPath(file.filename()));
            return;
        }
        info_->setWindowTitle(title);
        ShowInFront(*info_, *this);
    });
}

template <typename Window>
Window* MainWindow::ShowSingle(QPointer<Window>& window) {
    if (!window) {
        window = new Window(session_, this);
    }
    ShowInFront(*window, *this);
    return window;
}

void MainWindow::AddKeyword() {
    const std::string answer = session_.PromptsFor(this).Input(
        "Enter text to be included with all keywords", "Add Keyword to all entries");
    Run("mnuKeyword_add", [&](Prompts& prompts) {
        if (const auto message = KeywordNoRoomMessage(KeywordAdd(session_.Document(), answer))) {
            prompts.ShowMessage(*message);
        }
    });
}

void MainWindow::ShowState() {
    const Workspace& work = session_.Work();
    const MusicFinderDocument& document = work.document;
    const Panel& p = panel_;
    setWindowTitle(FromStd(title_) + "[*]");
    for (QWidget* control : std::initializer_list<QWidget*>{
             p.clear, p.edit, p.check, p.s2, p.s1, p.fav, p.add, p.uncheck, p.invert, p.checkAll,
             p.search, p.counterCaption, p.counter}) {
        control->setEnabled(fileControlsEnabled_);
    }
    const bool highlighted = Highlighted().has_value();
    for (QWidget* control : {p.deleteRow, p.modify, p.replace}) {
        control->setEnabled(highlighted);
    }
    p.deleteChecked->setEnabled(deleteCheckedEnabled_);
    p.playList->setEnabled(playListEnabled_);
    menu_.save->setEnabled(!work.file.path.empty());
    p.counter->setText(QString::number(document.CheckedCount()));
    counts_->setText(
        QString("%1 records, %2 ticked").arg(document.Size()).arg(document.CheckedCount()));
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

void MainWindow::Open() {
    if (!ChangesMayGo("opening another file")) {
        return;
    }
    if (const auto chosen =
            session_.PromptsFor(this).AskOpenFileName({"Music Finder Files(*.mfd)|*.mfd|", ""})) {
        OpenFile(*chosen);
    }
}

void MainWindow::OpenFile(const std::filesystem::path& path) {
    Workspace& work = session_.Work();
    const bool targetChosen = !work.settings.targetInstrument.empty();
    Run("Entry", [&](Prompts& p) {
        const std::string name = QFileInfo(FromPath(path)).fileName().toStdString();
        const std::string previousTitle = std::exchange(title_, TitleWithFile(name));
        switch (OpenMusicFinderFile(work, path, name, p)) {
            case ReadOutcome::kRefused: title_ = previousTitle; break;
            case ReadOutcome::kPartlyRead:
                filePath_->setText(FromPath(std::filesystem::absolute(path)));
                break;
            case ReadOutcome::kRead:
                fileControlsEnabled_ = true;
                title_ = TitleAfterRead(work);
                filePath_->setText(FromPath(std::filesystem::absolute(path)));
                break;
        }
        AutoSizeColumns(*list_);
    });
    // The read made the source the target: the combo shows it. Otherwise the combo keeps what
    // the user chose there, even when Save As has converted for another instrument since. A
    // target the combo does not list ("numbers" under Use Style Numbers) leaves it empty.
    if (!targetChosen) {
        SelectText(*panel_.target, FromStd(work.settings.targetInstrument));
    }
}

bool MainWindow::ChangesMayGo(const std::string& moment) {
    Workspace& work = session_.Work();
    if (!work.document.Modified()) {
        return true;
    }
    Prompts& prompts = session_.PromptsFor(this);
    switch (
        prompts.AskSaveChanges("Save changes to " + work.file.name + " before " + moment + "?")) {
        case Prompts::SaveChoice::kDiscard: return true;
        case Prompts::SaveChoice::kCancel: return false;
        case Prompts::SaveChoice::kSave: break;
    }
    return Save();
}

bool MainWindow::Save() {
    bool saved = false;
    Run("mnuSave", [&](Prompts& p) {
        Workspace& work = session_.Work();
        saved = SaveOpenFile(work, p);
        if (saved) {
            session_.FileWritten("Saved", work.file.path);
        }
    });
    return saved;
}

void MainWindow::ChooseTarget(int index) {
    Run("cboInst", [&](Prompts& p) {
        Workspace& work = session_.Work();
        ChooseTargetInstrument(work, panel_.target->itemText(index).toStdString(), p);
        title_ = TitleAfterTargetChosen(work);
    });
}

void MainWindow::SaveAsMusicFinder() {
    if (FileOpenOrTold()) {
        ShowSingle(convert_);
    }
}

void MainWindow::ImportText() {
    Run("ImportTextDelimitedFile", [&](Prompts& p) {
        ImportTextDelimitedFile(session_.Work(), p);
        AutoSizeColumns(*list_);
    });
}

void MainWindow::ChooseSourceItem(const Instrument& instrument) {
    Workspace& work = session_.Work();
    if (instrument.sourceItem.acts &&
        ChooseSourceInstrumentItem(work, std::string(instrument.id))) {
        title_ = TitleForSourceItem(work.file.name, instrument.id);
    }
    ShowState();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ChangesMayGo("closing")) {
        event->ignore();
        return;
    }
    if (playList_) {
        playList_->CloseByProgram();
    }
    for (QWidget* window : std::initializer_list<QWidget*>{info_, about_, search_, styleReplace_,
                                                           editor_, convert_, defaultStyle_}) {
        if (window) {
            window->close();
        }
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedMusicFinderFile(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto file = DroppedMusicFinderFile(*event->mimeData());
    if (!file) {
        return;
    }
    event->acceptProposedAction();
    if (ChangesMayGo("opening another file")) {
        OpenFile(ToPath(*file));
    }
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
                model_->setData(
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
