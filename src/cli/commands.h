#pragma once

#include <filesystem>
#include <iosfwd>

#include "cli/command_line.h"

namespace quillory::cli {

// Exit statuses of the tool.
inline constexpr int kSuccess = 0;
inline constexpr int kRefused = 1;
inline constexpr int kWrongCommandLine = 2;

// Runs a parsed command; defaultStyles is the folder of the style tables when none is given.
int RunCommand(const CommandLine& line, const std::filesystem::path& defaultStyles,
               std::ostream& out, std::ostream& errors);

}  // namespace quillory::cli
