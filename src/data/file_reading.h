#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "file_image.h"

namespace quillory {

// Every file the program reads goes through here: the Music Finder files, the style tables,
// the import texts, the logs and the help file.

// The whole file; nothing when it cannot be opened or read.
std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path);

// The whole file as text, decoded from the single-byte code page; the empty text when the file
// is missing or cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace quillory
