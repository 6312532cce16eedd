#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "data/common/interaction.h"

namespace quillory::cli {

// The user as the command line sees them: messages and error reports go to the error stream
// unchanged, the file to save is the one named on the command line, and replacing it was asked
// for by naming it.
class ConsoleInteraction : public Interaction {
public:
    explicit ConsoleInteraction(std::ostream& errors) : errors_(errors) {}

    void ShowMessage(const std::string& text) override;
    void ReportError(const Failure& failure, const std::string& operation) override;
    void SetBusy(bool) override {}
    std::optional<std::filesystem::path> AskOpenFileName(const FileDialogRequest&) override;
    std::optional<std::filesystem::path> AskSaveFileName(const FileDialogRequest&) override;
    bool ConfirmOkCancel(const std::string&) override { return true; }
    // The warnings before a conversion: the command asked to convert, so it goes on.
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    // No command asks for a text: an input box would be cancelled.
    std::string Input(const std::string&, const std::string&) override { return {}; }

    void SetOpenFile(std::filesystem::path path) { openFile_ = std::move(path); }
    void SetSaveFile(std::filesystem::path path) { saveFile_ = std::move(path); }

private:
    std::ostream& errors_;
    std::optional<std::filesystem::path> openFile_;
    std::optional<std::filesystem::path> saveFile_;
};

}  // namespace quillory::cli
