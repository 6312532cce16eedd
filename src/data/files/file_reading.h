#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "data/format/file_image.h"

namespace quillory {

// Every file the program reads goes through here: the Music Finder files, the style tables,
// the import texts, the logs and the help file.

// More than any text the program reads (a style table, an import text, a log, the help file)
// ever holds; nothing larger is taken into memory.
inline constexpr std::uintmax_t kLargestTextFile = 16u << 20;

// The whole file; nothing when nothing is at the path. Only a regular file (links followed) is
// opened: a folder, a pipe, a device or a socket, a file that may not be read, one of more than
// limit bytes and a read that fails are refused with a Failure that names the file.
std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path,
                                   std::uintmax_t limit = kLargestTextFile);

// The whole file as text, decoded from the single-byte code page; the empty text when nothing
// is at the path. Refuses what LoadFileBytes refuses.
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace quillory
