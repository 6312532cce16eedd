#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "platform/dialogs_interaction.h"
#include "platform/list_print.h"
#include "ui/help/info_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace quillory {

class Application;
class RecordListModel;
struct SourceItem;

// The main window frmQuillory: the record list beside the button panels, the menus and the
// target-instrument combo. Every handler forwards to the core and then shows the store's state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app);
    ~MainWindow() override;

    QTreeView& List() { return *list_; }
    Interaction& Ui() { return ui_; }

    // Shows what the store holds: the title, the counter, the enabled controls, the target
    // combo's selection and the menus' tick marks.
    void ShowStoreState();

    // Runs a handler; a failure ends it with the shared error report under its operation name.
    void Run(const char* operation, const std::function<void()>& handler);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildButtonPanel();
    void CreateColumnHeaders();
    void FillInstrumentCombo();
    void Connect();
    void ConnectAction(const char* name, void (MainWindow::*handler)());

    void Open();
    void ChooseTarget(int index);
    void SaveAsMusicFinder();
    void ImportText();
    void ToggleUserStyles();
    void ChangeDefaultStyle();
    void ChooseRed();
    void ChooseBlue();
    void ChooseAuto();
    void ChooseStyleNumbers();
    void ChooseSourceItem(const SourceItem& item);
    void CheckToggled(int row, bool checked);

    void ConnectButton(const char* name, const char* operation,
                       const std::function<void()>& command);
    void ConnectList();
    void Add();
    void Modify();
    void AddKeyword();
    void RowClicked(const QModelIndex& index);
    void DoubleClicked();
    void ShowSelection();
    void ChooseDoubleClickAction(bool togglesFavorite);
    void OpenPlayList();
    // True while a file is open; otherwise the user is told to select one first.
    bool FileOpenOrTold();
    void Print();
    void ExportText();
    void ChooseOrientation(int orientation);
    // Loads a file of the program's folder into the information viewer and shows it under the
    // title; a file that cannot be read is only reported.
    void ShowInfo(const std::string& file, InfoWindow::Kind kind, const char* title);

    Application& app_;
    DialogsInteraction ui_;
    QTreeView* list_ = nullptr;
    RecordListModel* model_ = nullptr;
    QComboBox* cboInst_ = nullptr;
    QLabel* lblNumberChecked_ = nullptr;
    PrintSettings printSettings_;
};

}  // namespace quillory
