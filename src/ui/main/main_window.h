#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <optional>
#include <string>

#include "data/document/command_states.h"
#include "data/document/music_finder_document.h"
#include "platform/dialogs.h"
#include "platform/list_print.h"
#include "ui/help/info_window.h"
#include "ui/main/button_panel.h"
#include "ui/main/filter_bar.h"
#include "ui/main/main_menu.h"

class QLabel;
class QPushButton;
class QTreeView;

namespace quillory {

class AboutDialog;
class ConvertDialog;
class DefaultStyleDialog;
class EditDialog;
class PlayListWindow;
class RecordFilterModel;
class RecentFilesMenu;
class RecordListModel;
class SearchDialog;
class Session;
class StyleReplaceDialog;
struct Instrument;
struct RememberedOptions;

// The main window frmQuillory: the record list beside the button panels, the menus and the
// target-instrument combo. It owns the program's other windows and opens them; every handler
// runs a core command through the session and then shows the state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Session& session);
    ~MainWindow() override;

    QTreeView& List() { return *list_; }

    // Opens a Music Finder file as the open command does once the file is chosen (the command
    // line, a file dropped on the window).
    void OpenFile(const std::filesystem::path& path);
    // Start-up: the Save As options of the last run, where they still apply, shown as if chosen.
    void RestoreOptions(const RememberedOptions& options);

    // The other windows while they exist (the record editor from start-up to exit).
    EditDialog* Editor() const;
    ConvertDialog* Convert() const;
    DefaultStyleDialog* DefaultStyle() const;
    SearchDialog* Search() const;
    StyleReplaceDialog* StyleReplace() const;
    PlayListWindow* PlayList() const;
    InfoWindow* Info() const;
    AboutDialog* About() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The wiring, grouped by what it serves: the session's signals, the File menu, the options
    // menus, the button panel, the Help menu, the list with its menu.
    void Connect();
    void ConnectSession();
    void ConnectFileMenu();
    void ConnectOptionsMenu();
    void ConnectButtons();
    void ConnectHelpMenu();
    void ConnectList();
    void ConnectButton(QPushButton* button, const char* operation,
                       const std::function<void()>& command);
    // Runs a command of this window through the session.
    void Run(const char* operation, const std::function<void(Prompts&)>& command);
    // Shows the state: the title, the counter, the enabled controls and the menus' ticks.
    void ShowState();
    std::optional<std::size_t> Highlighted() const;

    void Open();
    // Writes the open records back to the open file; false when nothing was written.
    bool Save();
    // Asks what to do with unsaved changes before they would be lost (moment: "closing",
    // "opening another file"); false when the user keeps them and nothing is to happen.
    bool ChangesMayGo(const std::string& moment);
    void AddHistoryActions();
    // Keys that work without a menu entry of their own: Ctrl+F, F3, Delete, Enter, Ctrl+A and
    // Ctrl+C in the list, Ctrl+L and Ctrl+Shift+F to the filter.
    void AddShortcuts();
    // The filter box and its column choice: the list shows the rows they let through.
    void ConnectFilter();
    // A command that changes many records, run once the user knows about the hidden ones; the
    // status bar says what it did.
    void RunBulk(const char* operation, const std::function<std::string()>& command);
    // Copies the ticked rows, or the highlighted one when none is ticked, as the text export's
    // lines.
    void CopyRows();
    void BuildStatusBar();
    void ChooseTarget(int index);
    void SaveAsMusicFinder();
    void ImportText();
    void ChooseSourceItem(const Instrument& instrument);
    void CheckToggled(int row, bool checked);
    void Modify();
    void AddKeyword();
    void DoubleClicked();
    void OpenPlayList();
    void ShowHighlight(std::size_t row);
    // True while a file is open; otherwise the user is told to select one first.
    bool FileOpenOrTold();
    void Print();
    void ExportText();
    void ChooseOrientation(int orientation);
    // Loads a file (the help file, a log) into the information viewer and shows it under its
    // title; a file that cannot be read is only reported.
    void ShowInfo(const std::filesystem::path& file, InfoWindow::Kind kind, const QString& title);
    template <typename Window>
    Window* ShowSingle(QPointer<Window>& window);

    Session& session_;
    MainMenu menu_;
    ButtonPanel panel_{};
    FilterBar filter_{};
    QTreeView* list_ = nullptr;
    RecordListModel* model_ = nullptr;
    RecordFilterModel* shown_ = nullptr;  // the rows of model_ that the filter lets through
    PrintSettings printSettings_;
    RecentFilesMenu* recent_ = nullptr;
    QLabel* filePath_ = nullptr;  // the status bar's full path of the open file
    QLabel* counts_ = nullptr;    // the status bar's records, shown, ticked and deleted

    std::string title_ = "Quillory";
    CommandMemory commands_;  // what the enabled states remember of the user's steps
    bool doubleClickTogglesFavorite_ = false;
    bool tickClick_ = false;  // the mouse went down on a check box of the list

    QPointer<EditDialog> editor_;
    QPointer<ConvertDialog> convert_;
    QPointer<DefaultStyleDialog> defaultStyle_;
    QPointer<SearchDialog> search_;
    QPointer<StyleReplaceDialog> styleReplace_;
    QPointer<PlayListWindow> playList_;
    QPointer<InfoWindow> info_;
    QPointer<AboutDialog> about_;
};

}  // namespace quillory
