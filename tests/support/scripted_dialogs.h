#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

namespace quillory {

// Prompts for tests, the same for every window: every message and question is recorded with
// the window that raised it, and the prompts are answered from queues. Without a scripted
// answer a question is answered OK/Yes, an input box and a file dialog are cancelled, the
// printer dialog is accepted and unsaved changes are discarded.
class ScriptedDialogs : public PromptProvider, public Prompts {
public:
    struct FileRequest {
        QString filter;
    };
    struct InputRequest {
        QString prompt;
        QString title;
    };
    struct Preview {
        QString caption;
        QPageLayout layout;  // of the pages as rendered
    };

    Prompts& For(QWidget* window) override {
        window_ = window;
        return *this;
    }
    void ShowMessage(const std::string& text) override {
        messages << QString::fromStdString(text);
        messageWindows.push_back(window_);
    }
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool) override {}
    std::optional<std::filesystem::path> AskOpenFileName(
        const FileDialogRequest& request) override {
        return NextFile(request);
    }
    std::optional<std::filesystem::path> AskSaveFileName(
        const FileDialogRequest& request) override {
        return NextFile(request);
    }
    bool ConfirmOkCancel(const std::string& question) override { return Ask(question); }
    bool AskYesNo(const std::string& question, const std::string& title) override {
        return Ask(title + ": " + question);
    }
    std::string Input(const std::string& prompt, const std::string& title) override {
        inputs.push_back({QString::fromStdString(prompt), QString::fromStdString(title)});
        return Next(inputAnswers, QString()).toStdString();
    }
    SaveChoice AskSaveChanges(const std::string& question) override {
        saveQuestions << QString::fromStdString(question);
        return Next(saveAnswers, SaveChoice::kDiscard);
    }
    bool Printer(QPrinter& printer, bool allowSelection) override;
    void PrintPreview(const QString& caption, const QString& iconFile, const PageSetup& pages,
                      const std::function<void(QPrinter&)>& paint) override;

    QStringList messages;
    std::vector<QPointer<QWidget>> messageWindows;  // the window each message belongs to
    QStringList questions;                          // a Yes/No one as "title: question"
    std::vector<FileRequest> fileRequests;
    std::vector<InputRequest> inputs;
    std::vector<Preview> previews;
    QStringList saveQuestions;
    QString previewPdf;                        // where a print preview renders its pages, when set
    std::optional<QPageLayout> previewLayout;  // the layout the user chooses in a preview
    std::vector<std::vector<QStringList>> previewPages;  // the texts on each preview's pages
    std::vector<bool> printerSelections;  // whether each printer dialog offered the selection
    QString printerPdf;  // where a printer dialog's printer writes, even when cancelled

    std::deque<bool> answers;  // for OK/Cancel and Yes/No questions
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> files;
    std::deque<bool> printerAnswers;
    std::deque<SaveChoice> saveAnswers;

protected:
    QPointer<QWidget> window_;  // the window whose prompt this is

private:
    template <typename Answer>
    static Answer Next(std::deque<Answer>& queue, Answer unanswered) {
        if (queue.empty()) {
            return unanswered;
        }
        Answer answer = queue.front();
        queue.pop_front();
        return answer;
    }
    bool Ask(const std::string& question) {
        questions << QString::fromStdString(question);
        return Next(answers, true);
    }
    std::optional<std::filesystem::path> NextFile(const FileDialogRequest& request);
};

}  // namespace quillory
