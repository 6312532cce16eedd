#include "system_console.h"

namespace quillory::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void WriteStandardStreamsAsBytes() {}

}  // namespace quillory::cli
