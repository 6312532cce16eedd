#pragma once

#include <string>
#include <vector>

// What the tool takes from the console of the system it runs on. The build compiles
// system_console_windows.cpp or system_console_posix.cpp.
namespace quillory::cli {

// The arguments after the program's name as UTF-8, as the program keeps its file names; on
// Windows they are read wide, so no name is lost to the console's code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes standard output and error pass bytes unchanged, so that the tool writes the same bytes
// on every system: the exported text brings its own CR LF.
void WriteStandardStreamsAsBytes();

}  // namespace quillory::cli
