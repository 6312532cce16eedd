#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "safe_file.h"

namespace quillory {

class Interaction;

// Replaces a log at path by the text followed by one CR LF, in the single-byte code page.
// A failure is reported as "WriteTextFileContents"; false then.
bool WriteTextFileContents(std::string_view text, const std::filesystem::path& path,
                           Interaction& ui);

// The same text as bytes, without reporting: failures are thrown.
void WriteTextFile(std::string_view text, const std::filesystem::path& path, Durability durability);

// Saves an exported text: asks for the file name ("Text file|*.txt"), asks before replacing a
// file, and writes the text followed by one CR LF. Failures are reported as
// "SaveDelimitedFile". The file written, if one was.
std::optional<std::filesystem::path> SaveDelimitedFile(std::string_view text, Interaction& ui);

}  // namespace quillory
