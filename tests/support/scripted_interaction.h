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

    void ShowMessage(const std::string& text) override;
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool busy) override;
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest& request) override;
    bool ConfirmOkCancel(const std::string& question) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;

    std::vector<std::string> messages;
    std::vector<Report> reports;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<std::string> questions;  // OK/Cancel and Yes/No questions, in order
    std::vector<std::string> questionTitles;
    bool busy = false;

    // Answers, used up in order; a dialog without an answer is cancelled, a question without
    // one is answered OK.
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    std::deque<bool> confirmAnswers;  // for both kinds of question
};

}  // namespace quillory::testkit
