#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/interaction.h"

namespace quillory::testkit {

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
    bool AskYesNo(const std::string& question, const std::string& title) override {
        questionTitles.push_back(title);
        return ConfirmOkCancel(question);
    }
    std::string Input(const std::string& prompt, const std::string&) override {
        inputs.push_back(prompt);
        return NextAnswer(inputAnswers, std::string());
    }

    std::vector<std::string> messages;
    std::vector<Report> reports;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::string> questions;  // OK/Cancel and Yes/No questions, in order
    std::vector<std::string> questionTitles;
    std::vector<std::string> inputs;  // the prompts of input boxes
    bool busy = false;

    // Answers, used up in order; a dialog without an answer is cancelled, a question without
    // one is answered OK.
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    std::deque<bool> confirmAnswers;       // for both kinds of question
    std::deque<std::string> inputAnswers;  // an input box without one is cancelled

private:
    template <typename Answer>
    static Answer NextAnswer(std::deque<Answer>& answers, Answer unanswered) {
        if (answers.empty()) {
            return unanswered;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quillory::testkit
