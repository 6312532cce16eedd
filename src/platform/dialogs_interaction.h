#pragma once

#include "data/interaction.h"

class QWidget;

namespace quillory {

class Dialogs;

// What the core asks of the user, answered with the windows' dialogs over a parent window.
class DialogsInteraction : public Interaction {
public:
    DialogsInteraction(Dialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}

    void ShowMessage(const std::string& text) override;
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool busy) override;
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest& request) override;
    bool ConfirmOkCancel(const std::string& question) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;

private:
    Dialogs& dialogs_;
    QWidget* parent_;
};

}  // namespace quillory
