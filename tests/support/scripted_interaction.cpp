#include "support/scripted_interaction.h"

namespace quillory::testkit {

void ScriptedInteraction::ShowMessage(const std::string& text) {
    messages.push_back(text);
}

void ScriptedInteraction::ReportError(const Failure& failure, const std::string& operation) {
    reports.push_back(
        {failure.Number(), failure.Description(), operation, ErrorReportText(failure, operation)});
}

void ScriptedInteraction::SetBusy(bool value) {
    busy = value;
}

std::optional<std::filesystem::path> ScriptedInteraction::AskOpenFileName(
    const FileDialogRequest& request) {
    return AskSaveFileName(request);
}

std::optional<std::filesystem::path> ScriptedInteraction::AskSaveFileName(
    const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedInteraction::AskYesNo(const std::string& question, const std::string& title) {
    questionTitles.push_back(title);
    return ConfirmOkCancel(question);
}

bool ScriptedInteraction::ConfirmOkCancel(const std::string& question) {
    questions.push_back(question);
    if (confirmAnswers.empty()) {
        return true;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

}  // namespace quillory::testkit
