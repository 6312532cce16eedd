#pragma once

#include <filesystem>

#include "data/common/interaction.h"
#include "data/document/workspace.h"
#include "data/format/file_image.h"

namespace quillory {

// The open file's bytes as Save writes them back: the records as they stand, the deleted ones
// left out, the others numbered from 0 in their first two bytes in record order and counted in
// header bytes 34 and 35. Every other byte stays as it is, the header's included; a record the
// count announces but the image does not wholly hold is not written.
Bytes OwnFileImage(const MusicFinderDocument& document);

// Save: writes the open records back to the file they were read from, through the safe writer,
// with no conversion and no question. The record limit of the instrument the header names is
// kept, with its message. Marks the document saved; the list and the undo history stay. A
// failure to write is thrown with the file's name as its place. False when the limit refused
// it.
bool SaveOpenFile(Workspace& workspace, Interaction& ui);

// Whether path names the open file (the same file, whatever the spelling of its path).
bool IsOpenFile(const OpenFile& file, const std::filesystem::path& path);

}  // namespace quillory
