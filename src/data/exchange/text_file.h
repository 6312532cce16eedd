#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "data/files/safe_file.h"

namespace quillory {

class Interaction;

struct ProgramFiles;

// Replaces one of the program's logs by the text followed by one CR LF, in the single-byte code
// page, making the log's folder on first use; nothing is written where the log has no place. A
// log that cannot be written is reported once as "WriteTextFileContents", naming it, and again
// only after it was written since. True when the log was written.
bool WriteLog(ProgramFiles& files, const std::optional<std::filesystem::path>& log,
              std::string_view text, Interaction& ui);

// The same text as bytes, without reporting: failures are thrown.
void WriteTextFile(std::string_view text, const std::filesystem::path& path, Durability durability);

// Saves an exported text: asks for the file name ("Text file (*.txt)"), asks before replacing a
// file, and writes the text followed by one CR LF. Failures are reported as
// "SaveDelimitedFile". The file written, if one was.
std::optional<std::filesystem::path> SaveDelimitedFile(std::string_view text, Interaction& ui);

}  // namespace quillory
