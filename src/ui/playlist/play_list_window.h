#pragma once

#include <QMainWindow>

#include "data/document/play_list.h"
#include "platform/dialogs.h"

class QAction;
class QTreeView;

namespace quillory {

class Session;
class PlayListModel;

// "Quillory  Play List" (frmPlayList): the ticked records as a numbered running order, appended
// to whenever the window becomes active. Only its Exit menu closes it, asking first about unsaved
// work; the list itself is the session's and opens again as it was left, following the ticks
// changed meanwhile.
class PlayListWindow : public QMainWindow {
    Q_OBJECT

public:
    PlayListWindow(Session& session, QWidget* owner);
    ~PlayListWindow() override;

    // Closes the window as the program does (Exit or shutdown), which the user's close box
    // cannot.
    void CloseByProgram();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Run(const char* operation, const std::function<void(Prompts&)>& command);
    // The ticked records of the main list not listed yet join the list.
    void Activate();
    void ShowList();
    void ChooseLayout(PlayListLayout layout);
    void EnterComments();
    void ChangePosition();
    void ExportText();
    void OpenSaved();
    // Exit: asks about unsaved work, then closes.
    void Exit();
    void ShowLayoutTicks();
    void Print();

    Session& session_;
    PlayList& list_;
    PlayListModel* model_ = nullptr;
    QAction* defaultLayout_ = nullptr;
    QAction* songGenreLayout_ = nullptr;
    QTreeView* view_ = nullptr;
    bool closingByProgram_ = false;
};

}  // namespace quillory
