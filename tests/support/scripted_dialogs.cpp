#include "support/scripted_dialogs.h"

#include <QPrinter>

#include "platform/file_names.h"

namespace quillory {
namespace {

template <typename Answer>
Answer Next(std::deque<Answer>& answers, Answer unanswered) {
    if (answers.empty()) {
        return unanswered;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

Prompts& ScriptedDialogs::For(QWidget* window) {
    window_ = window;
    return *this;
}

void ScriptedDialogs::ShowMessage(const std::string& text) {
    messages << QString::fromStdString(text);
    messageWindows.push_back(window_);
}

void ScriptedDialogs::ReportError(const Failure& failure, const std::string& operation) {
    if (const auto text = ErrorReportText(failure, operation)) {
        ShowMessage(*text);
    }
}

std::optional<std::filesystem::path> ScriptedDialogs::AskOpenFileName(
    const FileDialogRequest& request) {
    return NextFile(request, false);
}

std::optional<std::filesystem::path> ScriptedDialogs::AskSaveFileName(
    const FileDialogRequest& request) {
    return NextFile(request, true);
}

bool ScriptedDialogs::ConfirmOkCancel(const std::string& question) {
    questions.push_back({QString::fromStdString(question), QString(), false});
    return NextAnswer();
}

bool ScriptedDialogs::AskYesNo(const std::string& question, const std::string& title) {
    questions.push_back({QString::fromStdString(question), QString::fromStdString(title), true});
    return NextAnswer();
}

std::string ScriptedDialogs::Input(const std::string& prompt, const std::string& title) {
    inputs.push_back({QString::fromStdString(prompt), QString::fromStdString(title)});
    return Next(inputAnswers, QString()).toStdString();
}

Prompts::SaveChoice ScriptedDialogs::AskSaveChanges(const std::string& question) {
    saveQuestions << QString::fromStdString(question);
    return Next(saveAnswers, SaveChoice::kDiscard);
}

bool ScriptedDialogs::Printer(QPrinter&, bool) {
    ++printerDialogs;
    return Next(printerAnswers, true);
}

void ScriptedDialogs::PrintPreview(const QString& caption, const QString& iconFile,
                                   const PageSetup& pages,
                                   const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetUpPages(printer, pages);
    if (previewLayout) {
        printer.setPageLayout(*previewLayout);
    }
    if (!previewPdf.isEmpty()) {
        printer.setOutputFileName(previewPdf);
        paint(printer);
    }
    previews.push_back({caption, iconFile, previewPdf, printer.pageLayout()});
}

bool ScriptedDialogs::NextAnswer() {
    return Next(answers, true);
}

std::optional<std::filesystem::path> ScriptedDialogs::NextFile(const FileDialogRequest& request,
                                                               bool save) {
    fileRequests.push_back({QString::fromStdString(request.filter),
                            QString::fromStdString(request.defaultExtension), save});
    if (files.empty() || !files.front()) {
        if (!files.empty()) {
            files.pop_front();
        }
        return std::nullopt;
    }
    const QString answer = *files.front();
    files.pop_front();
    return ToPath(answer);
}

}  // namespace quillory
