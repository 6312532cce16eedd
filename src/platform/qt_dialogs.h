#pragma once

#include <map>
#include <memory>

#include "platform/dialogs.h"

namespace quillory {

// The dialogs of the running program over one window: Qt's message boxes, input dialog, file
// dialogs, printer dialog and print preview.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* window) : window_(window) {}

    void ShowMessage(const std::string& text) override;
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool busy) override;
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest& request) override;
    bool ConfirmOkCancel(const std::string& question) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;
    std::string Input(const std::string& prompt, const std::string& title) override;
    SaveChoice AskSaveChanges(const std::string& question) override;
    bool Printer(QPrinter& printer, bool allowSelection) override;
    void PrintPreview(const QString& caption, const QString& iconFile, const PageSetup& pages,
                      const std::function<void(QPrinter&)>& paint) override;

private:
    QWidget* window_;
};

// Real dialogs for every window, each window's own for as long as the window lives.
class QtPromptProvider : public PromptProvider {
public:
    Prompts& For(QWidget* window) override;

private:
    std::map<QWidget*, std::unique_ptr<QtPrompts>> prompts_;
};

}  // namespace quillory
