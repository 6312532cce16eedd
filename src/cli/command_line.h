#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillory::cli {

// What the user asked for on the command line.
struct CommandLine {
    std::string command;  // "info", "list", "convert", "import", "merge" or "duplicates"
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> styles;  // folder of the style tables
    std::optional<std::filesystem::path> output;
    std::optional<std::filesystem::path> log;
    std::optional<std::string> target;        // --to
    std::optional<std::string> defaultStyle;  // --default-style
    bool numbers = false;                     // "Use Style Numbers" instead of "Auto"
    bool allowUserStyles = false;
    bool skipDuplicates = false;  // merge: leave out records of songs already there
    bool titleOnly = false;       // duplicates: the same title is the same song
};

struct UsageError {
    std::string problem;
};

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

// What --version prints: "quillory-cli 1.0.0".
std::string VersionText();

}  // namespace quillory::cli
