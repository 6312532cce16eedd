#include "console_interaction.h"

#include <ostream>

namespace quillory::cli {

void ConsoleInteraction::ShowMessage(const std::string& text) {
    errors_ << text << '\n';
}

void ConsoleInteraction::ReportError(const Failure& failure, const std::string& operation) {
    if (const auto text = ErrorReportText(failure, operation)) {
        errors_ << *text << '\n';
    }
}

std::optional<std::filesystem::path> ConsoleInteraction::AskOpenFileName(const FileDialogRequest&) {
    return openFile_;
}

std::optional<std::filesystem::path> ConsoleInteraction::AskSaveFileName(const FileDialogRequest&) {
    return saveFile_;
}

}  // namespace quillory::cli
