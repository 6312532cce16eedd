#include "command_line.h"

#include <map>

namespace quillory::cli {
namespace {

struct CommandShape {
    std::size_t files;
    bool takesOutput;
};

const std::map<std::string, CommandShape>& Commands() {
    static const std::map<std::string, CommandShape> kCommands = {
        {"info", {1, false}},
        {"list", {1, true}},
    };
    return kCommands;
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) {
        return UsageError{"no command given"};
    }
    CommandLine line;
    line.command = args[0];
    const auto shape = Commands().find(line.command);
    if (shape == Commands().end()) {
        return UsageError{"unknown command '" + line.command + "'"};
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == "--styles" || (arg == "-o" && shape->second.takesOutput)) {
            const auto given = value();
            if (!given) {
                return UsageError{arg + " needs a value"};
            }
            (arg == "--styles" ? line.styles : line.output) = *given;
        } else if (arg == "--numbers") {
            line.numbers = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError{"unknown option '" + arg + "'"};
        } else {
            line.files.emplace_back(arg);
        }
    }
    if (line.files.size() != shape->second.files) {
        return UsageError{line.command + " takes " + std::to_string(shape->second.files) +
                          " file"};
    }
    return line;
}

std::string UsageText() {
    return "usage: quillory-cli info FILE [--styles DIR] [--numbers]\n"
           "       quillory-cli list FILE [--styles DIR] [--numbers] [-o OUT]\n"
           "\n"
           "  info     the file's model name, record count and source instrument\n"
           "  list     the records as tab-delimited text, as the program exports them\n"
           "\n"
           "  --styles DIR  folder of the <instrument>.dat style tables (default: this\n"
           "                program's folder)\n"
           "  --numbers     show style numbers instead of names (\"Use Style Numbers\")\n"
           "  -o OUT        write to OUT instead of standard output\n";
}

}  // namespace quillory::cli
