#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"
#include "platform/file_names.h"
#include "support/scripted_interaction.h"

namespace quillory {

// Prompts for tests: every prompt is recorded, with the window that raised a message, and
// answered from a queue. Unscripted, a question is answered Yes/OK, an input box and a file
// dialog are cancelled, the printer dialog is accepted and unsaved changes are discarded.
class ScriptedDialogs : public PromptProvider, public Prompts {
public:
    Prompts& For(QWidget* window) override {
        window_ = window;
        return *this;
    }
    void ShowMessage(const std::string& text) override {
        messages << QString::fromStdString(text);
        messageWindows.push_back(window_);
    }
    void ReportError(const Failure& failure, const std::string& operation) override {
        if (const auto text = ErrorReportText(failure, operation)) {
            ShowMessage(*text);
        }
    }
    void SetBusy(bool) override {}
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest& r) override {
        return NextFile(r);
    }
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest& r) override {
        return NextFile(r);
    }
    bool ConfirmOkCancel(const std::string& question) override { return Ask(question); }
    bool AskYesNo(const std::string& question, const std::string& title) override {
        return Ask(title + ": " + question);
    }
    std::string Input(const std::string& prompt, const std::string& title) override {
        inputs << QString::fromStdString(prompt + ": " + title);
        return testkit::NextAnswer(inputAnswers, QString()).toStdString();
    }
    SaveChoice AskSaveChanges(const std::string& question) override {
        saveQuestions << QString::fromStdString(question);
        return testkit::NextAnswer(saveAnswers, SaveChoice::kDiscard);
    }
    bool Printer(QPrinter& printer, bool allowSelection) override;
    void PrintPreview(const QString& caption, const QString& iconFile, const PageSetup& pages,
                      const std::function<void(QPrinter&)>& paint) override;

    QStringList messages;
    std::vector<QPointer<QWidget>> messageWindows;
    QStringList questions;  // a Yes/No one as "title: question"
    QStringList fileFilters;
    QStringList inputs;  // as "prompt: title"
    QStringList saveQuestions;
    QStringList previewCaptions;
    std::vector<QPageLayout> previewLayouts;             // of the pages as rendered
    std::vector<std::vector<QStringList>> previewPages;  // the texts on each preview's pages
    QString previewPdf;                        // where a preview renders its pages, when set
    std::optional<QPageLayout> previewLayout;  // the layout the user chooses in a preview
    std::vector<bool> printerSelections;       // whether each printer dialog offered it
    QString printerPdf;                        // where the printer writes, even when cancelled

    std::deque<bool> answers;  // for OK/Cancel and Yes/No questions
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> files;
    std::deque<bool> printerAnswers;
    std::deque<SaveChoice> saveAnswers;

private:
    bool Ask(const std::string& question) {
        questions << QString::fromStdString(question);
        return testkit::NextAnswer(answers, true);
    }
    std::optional<std::filesystem::path> NextFile(const FileDialogRequest& request) {
        fileFilters << QString::fromStdString(request.filter);
        const auto file = testkit::NextAnswer(files, std::optional<QString>());
        return file ? std::optional(ToPath(*file)) : std::nullopt;
    }

    QPointer<QWidget> window_;
};

}  // namespace quillory
