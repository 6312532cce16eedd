#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/format/file_image.h"

namespace quillory {

class Interaction;
struct Workspace;

// How far a read came.
enum class ReadOutcome {
    kRefused,     // the file was not read: the document and the file's name are as they were
    kPartlyRead,  // a field could not be read: the records before it were read and stay
    kRead,        // the whole file was read
};

// Opens the file the user chose: checks its name, loads its bytes and reads it. A name that
// does not end in "mfd", a missing file, anything but a regular file, a file that may not be
// read, one larger than any Music Finder file and an empty file are refused with their
// messages and leave the document and the file's name as they were.
ReadOutcome OpenMusicFinderFile(Workspace& workspace, const std::filesystem::path& path,
                                const std::string& fileName, Interaction& ui);

// Parses the file image into the document's records, the file's genres and source instrument
// and the editor's choices, then runs the conversion preview. A field that cannot be read, or
// a header cut short after its count, ends the read with a message; the records read so far
// stay.
ReadOutcome ReadMusicFinderFile(Workspace& workspace, Bytes image, Interaction& ui);

// The file's genres, sorted in place in their slots.
std::vector<std::string> SortedGenres(std::vector<std::string>& slots);

}  // namespace quillory
