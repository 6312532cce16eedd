#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

namespace {

// The folder this program was started from, where its style tables live by default.
std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << quillory::cli::UsageText();
        return quillory::cli::kSuccess;
    }
    const auto parsed = quillory::cli::ParseCommandLine(args);
    if (const auto* usage = std::get_if<quillory::cli::UsageError>(&parsed)) {
        std::cerr << "quillory-cli: " << usage->problem << "\n\n" << quillory::cli::UsageText();
        return quillory::cli::kWrongCommandLine;
    }
    std::ios::sync_with_stdio(false);
    return quillory::cli::RunCommand(std::get<quillory::cli::CommandLine>(parsed),
                                     ProgramFolder(argv[0]), std::cout, std::cerr);
}
