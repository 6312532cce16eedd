#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

namespace quillory {

// Prompts for tests, the same for every window: every message and question is recorded with
// the window that raised it, and questions, input boxes and file dialogs are answered from
// queues. A question without a scripted answer is answered OK/Yes, an input box without one is
// cancelled (empty), a file dialog without one is cancelled, the printer dialog is accepted.
class ScriptedDialogs : public PromptProvider, public Prompts {
public:
    struct Question {
        QString text;
        QString title;
        bool yesNo;
    };
    struct FileRequest {
        QString filter;
        QString defaultExtension;
        bool save;
    };
    struct InputRequest {
        QString prompt;
        QString title;
    };
    struct Preview {
        QString caption;
        QString iconFile;
        QString pdf;         // where the preview's pages were rendered
        QPageLayout layout;  // of the pages as rendered
    };

    Prompts& For(QWidget* window) override;

    void ShowMessage(const std::string& text) override;
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool) override {}
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest& request) override;
    bool ConfirmOkCancel(const std::string& question) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;
    std::string Input(const std::string& prompt, const std::string& title) override;
    SaveChoice AskSaveChanges(const std::string& question) override;
    bool Printer(QPrinter& printer, bool allowSelection) override;
    void PrintPreview(const QString& caption, const QString& iconFile, const PageSetup& pages,
                      const std::function<void(QPrinter&)>& paint) override;

    QStringList messages;
    std::vector<QPointer<QWidget>> messageWindows;  // the window each message belongs to
    std::vector<Question> questions;
    std::vector<FileRequest> fileRequests;
    std::vector<InputRequest> inputs;
    int printerDialogs = 0;
    std::vector<Preview> previews;
    // A print preview renders its pages into this PDF file when set, in the page layout the
    // user chooses in it when that is set.
    QString previewPdf;
    std::optional<QPageLayout> previewLayout;

    std::deque<bool> answers;                  // for OK/Cancel and Yes/No questions
    std::deque<QString> inputAnswers;          // for input boxes
    std::deque<std::optional<QString>> files;  // for file dialogs
    std::deque<bool> printerAnswers;           // for printer dialogs
    // For the question about unsaved changes; without one the changes are discarded.
    std::deque<SaveChoice> saveAnswers;
    QStringList saveQuestions;

protected:
    QPointer<QWidget> window_;  // the window whose prompt this is

private:
    bool NextAnswer();
    std::optional<std::filesystem::path> NextFile(const FileDialogRequest& request, bool save);
};

}  // namespace quillory
