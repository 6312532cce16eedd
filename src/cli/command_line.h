#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillory::cli {

// What the user asked for on the command line.
struct CommandLine {
    std::string command;                  // "info" or "list"
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> styles;  // folder of the style tables
    std::optional<std::filesystem::path> output;
    bool numbers = false;                 // "Use Style Numbers" instead of "Auto"
};

struct UsageError {
    std::string problem;
};

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace quillory::cli
