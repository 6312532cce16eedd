#include <cstdlib>

#include "data/file_system.h"
#include "run_program.h"

namespace quillory::testkit {
namespace {

std::wstring Quoted(const std::wstring& text) {
    return L'"' + text + L'"';
}

}  // namespace

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& errors) {
    std::wstring command = Quoted(std::filesystem::absolute(program).make_preferred().wstring());
    for (const std::string& argument : arguments) {
        command += L' ' + Quoted(PathFromUtf8(argument).wstring());
    }
    command += L" >" + Quoted(out.wstring()) + L" 2>" + Quoted(errors.wstring());
    // cmd /c takes the line between an outer pair of quotes as it is.
    return _wsystem(Quoted(command).c_str());
}

}  // namespace quillory::testkit
