#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillory::testkit {

// Runs a program through the system's command interpreter with UTF-8 arguments, its standard
// output and error going to the files given, and returns its exit status (-1 when it did not
// exit). The build compiles run_program_windows.cpp or run_program_posix.cpp.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& out, const std::filesystem::path& errors);

}  // namespace quillory::testkit
