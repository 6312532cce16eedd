#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/system_console.h"
#include "data/document/workspace.h"
#include "data/files/file_system.h"

int main(int argc, char** argv) {
    quillory::cli::WriteStandardStreamsAsBytes();
    const std::vector<std::string> args = quillory::cli::Utf8Arguments(argc, argv);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << quillory::cli::UsageText();
        return quillory::cli::kSuccess;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << quillory::cli::VersionText();
        return quillory::cli::kSuccess;
    }
    const auto parsed = quillory::cli::ParseCommandLine(args);
    if (const auto* usage = std::get_if<quillory::cli::UsageError>(&parsed)) {
        std::cerr << "quillory-cli: " << usage->problem << "\n\n" << quillory::cli::UsageText();
        return quillory::cli::kWrongCommandLine;
    }
    std::ios::sync_with_stdio(false);
    // The style tables live in the tool's own folder by default.
    return quillory::cli::RunCommand(
        std::get<quillory::cli::CommandLine>(parsed),
        quillory::ProgramFilesFolder(quillory::ExecutableFolder(argv[0])), std::cout, std::cerr);
}
