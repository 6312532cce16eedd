#include <sys/wait.h>

#include <cstdlib>

#include "run_program.h"

namespace quillory::testkit {
namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& errors) {
    std::string command = Quoted(program.string());
    for (const std::string& argument : arguments) {
        command += ' ' + Quoted(argument);
    }
    command += " >" + Quoted(out.string()) + " 2>" + Quoted(errors.string());
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quillory::testkit
