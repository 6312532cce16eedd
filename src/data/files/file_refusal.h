#pragma once

#include <filesystem>
#include <string_view>

#include "data/common/failure.h"

namespace quillory {

// A file the program will not read or write, reported in words that name it:
// "Cannot use PATH: REASON." The report shows this text as it is.
Failure FileRefused(const std::filesystem::path& path, std::string_view reason);

// Why something other than a regular file cannot be read or written ("it is a folder", "it is
// a pipe", ...); no reason for a regular file or for nothing at all.
std::string_view NotAFileReason(std::filesystem::file_type type);

}  // namespace quillory
