#pragma once

#include <QMainWindow>

#include "data/play_list.h"
#include "platform/dialogs_interaction.h"

class QTreeView;

namespace quillory {

class Application;
class PlayListModel;

// "Quillory  Play List" (frmPlayList): the ticked records as a numbered running order, appended
// to whenever the window becomes active. Only its Exit menu closes it; it is gone then, and the
// next opening starts afresh.
class PlayListWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PlayListWindow(Application& app);
    ~PlayListWindow() override;

    // Closes the window as the program does (Exit or shutdown), which the user's close box
    // cannot.
    void CloseByProgram();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Run(const char* operation, const std::function<void()>& command);
    void ShowList();
    void ChooseLayout(PlayListLayout layout);
    void EnterComments();
    void ChangePosition();
    void ExportText();
    void Print();

    Application& app_;
    DialogsInteraction ui_;
    PlayList list_;
    PlayListModel* model_ = nullptr;
    QTreeView* view_ = nullptr;
    bool closingByProgram_ = false;
};

}  // namespace quillory
