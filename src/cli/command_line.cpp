#include "command_line.h"

#include <algorithm>
#include <map>

#include "data/files/file_system.h"

namespace quillory::cli {
namespace {

struct CommandShape {
    std::size_t files;
    bool moreFiles;                     // takes further files after the first ones
    std::vector<std::string> options;   // the options this command takes
    std::vector<std::string> required;  // the options it cannot do without
};

const std::map<std::string, CommandShape>& Commands() {
    static const std::map<std::string, CommandShape> kCommands = {
        {"info", {1, true, {"--styles", "--numbers"}, {}}},
        {"list", {1, false, {"--styles", "--numbers", "-o"}, {}}},
        {"convert",
         {1,
          false,
          {"--styles", "--numbers", "-o", "--to", "--default-style", "--allow-user-styles",
           "--log"},
          {"-o", "--to"}}},
        {"import", {2, false, {"--styles", "-o", "--allow-user-styles", "--log"}, {"-o"}}},
        {"merge",
         {2,
          true,
          {"--styles", "-o", "--default-style", "--allow-user-styles", "--log",
           "--skip-duplicates"},
          {"-o"}}},
        {"duplicates", {1, false, {"--styles", "--title-only"}, {}}},
    };
    return kCommands;
}

bool TakesValue(const std::string& option) {
    return option != "--numbers" && option != "--allow-user-styles" &&
           option != "--skip-duplicates" && option != "--title-only";
}

void Store(CommandLine& line, const std::string& option, const std::string& value) {
    if (option == "--styles") {
        line.styles = PathFromUtf8(value);
    } else if (option == "-o") {
        line.output = PathFromUtf8(value);
    } else if (option == "--log") {
        line.log = PathFromUtf8(value);
    } else if (option == "--to") {
        line.target = value;
    } else if (option == "--default-style") {
        line.defaultStyle = value;
    } else if (option == "--numbers") {
        line.numbers = true;
    } else if (option == "--allow-user-styles") {
        line.allowUserStyles = true;
    } else if (option == "--skip-duplicates") {
        line.skipDuplicates = true;
    } else if (option == "--title-only") {
        line.titleOnly = true;
    }
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) {
        return UsageError{"no command given"};
    }
    CommandLine line;
    line.command = args[0];
    const auto found = Commands().find(line.command);
    if (found == Commands().end()) {
        return UsageError{"unknown command '" + line.command + "'"};
    }
    const CommandShape& shape = found->second;
    std::vector<std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            line.files.push_back(PathFromUtf8(arg));
            continue;
        }
        if (std::find(shape.options.begin(), shape.options.end(), arg) == shape.options.end()) {
            return UsageError{"unknown option '" + arg + "' for " + line.command};
        }
        std::string value;
        if (TakesValue(arg)) {
            if (i + 1 >= args.size()) {
                return UsageError{arg + " needs a value"};
            }
            value = args[++i];
            // A file option names a file: an empty name names none.
            if (value.empty() && (arg == "-o" || arg == "--log")) {
                return UsageError{arg + " needs a file name"};
            }
        }
        Store(line, arg, value);
        given.push_back(arg);
    }
    for (const std::string& option : shape.required) {
        if (std::find(given.begin(), given.end(), option) == given.end()) {
            return UsageError{line.command + " needs " + option};
        }
    }
    if (line.files.size() < shape.files || (line.files.size() > shape.files && !shape.moreFiles)) {
        return UsageError{line.command + " takes " + std::to_string(shape.files) +
                          (shape.files == 1 ? " file" : " files") +
                          (shape.moreFiles ? " or more" : "")};
    }
    return line;
}

std::string UsageText() {
    return "usage: quillory-cli info FILE... [--styles DIR] [--numbers]\n"
           "       quillory-cli list FILE [--styles DIR] [--numbers] [-o OUT]\n"
           "       quillory-cli convert FILE --to ID -o OUT [--styles DIR] [--numbers]\n"
           "                    [--default-style NAME] [--allow-user-styles] [--log PATH]\n"
           "       quillory-cli import FILE TEXT -o OUT [--styles DIR] [--allow-user-styles]\n"
           "                    [--log PATH]\n"
           "       quillory-cli merge FILE OTHER... -o OUT [--styles DIR] [--default-style NAME]\n"
           "                    [--allow-user-styles] [--log PATH] [--skip-duplicates]\n"
           "       quillory-cli duplicates FILE [--styles DIR] [--title-only]\n"
           "       quillory-cli --version | -h | --help\n"
           "\n"
           "  info     the file's model name, record count and source instrument; with several\n"
           "           files one block each, headed by the file's name\n"
           "  list     the records as tab-delimited text, as the program exports them\n"
           "  convert  saves the records as a Music Finder file for the instrument ID\n"
           "  import   appends the lines of a tab-delimited TEXT file to FILE and saves the\n"
           "           result for the file's own instrument\n"
           "  merge    appends the records of each OTHER Music Finder file to FILE, their styles\n"
           "           mapped by name to FILE's instrument as convert maps them, and saves the\n"
           "           result to OUT; one line per OTHER tells what was merged\n"
           "  duplicates  the records that repeat a song (same title and style, letter case\n"
           "           and blanks at the ends aside), each song's records as tab-delimited\n"
           "           lines, a blank line between songs\n"
           "\n"
           "  --styles DIR          folder of the <instrument>.dat style tables (default: this\n"
           "                        program's folder)\n"
           "  --numbers             show style numbers instead of names (\"Use Style Numbers\")\n"
           "  -o OUT                the file to write (list: standard output without it)\n"
           "  --to ID               the target instrument, e.g. PSR-2000, TYROS, CVP-207\n"
           "  --default-style NAME  the style for styles the target lacks; None drops them\n"
           "                        (merge: the target is FILE's instrument)\n"
           "  --allow-user-styles   keep user style numbers on the same instrument\n"
           "  --log PATH            write the conversion log (convert, merge) or the log of\n"
           "                        refused lines (import) to PATH\n"
           "  --skip-duplicates     leave out merged records of songs FILE already holds\n"
           "  --title-only          the same title alone makes the same song\n"
           "  --version             the tool's name and version\n"
           "  -h, --help            this text\n";
}

std::string VersionText() {
    return "quillory-cli " QUILLORY_VERSION "\n";
}

}  // namespace quillory::cli
