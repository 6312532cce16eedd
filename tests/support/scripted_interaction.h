#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/common/interaction.h"

namespace quillory::testkit {

// The next scripted answer, used up; the one given when the script has none left.
template <typename Answer>
Answer NextAnswer(std::deque<Answer>& answers, Answer unanswered) {
    if (!answers.empty()) {
        unanswered = answers.front();
        answers.pop_front();
    }
    return unanswered;
}

// Records everything the core tells the user and answers its questions from a script.
class ScriptedInteraction : public Interaction {
public:
    struct Report {
        int number;
        std::string description;
        std::string operation;
        std::optional<std::string> text;  // what the user would see
    };

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ReportError(const Failure& failure, const std::string& operation) override {
        reports.push_back({failure.Number(), failure.Description(), operation,
                           ErrorReportText(failure, operation)});
    }
    void SetBusy(bool value) override { busy = value; }
    std::optional<std::filesystem::path> AskOpenFileName(
        const FileDialogRequest& request) override {
        return AskSaveFileName(request);
    }
    std::optional<std::filesystem::path> AskSaveFileName(
        const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        return NextAnswer(fileAnswers, std::optional<std::filesystem::path>());
    }
    bool ConfirmOkCancel(const std::string& question) override {
        questions.push_back(question);
        return NextAnswer(confirmAnswers, true);
    }
    bool AskYesNo(const std::string& question, const std::string&) override {
        return ConfirmOkCancel(question);
    }
    std::string Input(const std::string&, const std::string&) override { return {}; }

    std::vector<std::string> messages;
    std::vector<Report> reports;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::string> questions;  // OK/Cancel and Yes/No questions, in order
    bool busy = false;

    // Answers, used up in order; a dialog without an answer is cancelled, a question without
    // one is answered OK, an input box is cancelled.
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    std::deque<bool> confirmAnswers;
};

}  // namespace quillory::testkit
