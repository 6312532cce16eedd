#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "record_store.h"

namespace quillory {

class Interaction;

// Opens the file the user chose: checks its name, loads its bytes and reads it. A name that
// does not end in "mfd", a file that cannot be read and an empty file are refused with their
// messages and leave the store, its file name and the title as they were. True when the whole
// file was read.
bool OpenMusicFinderFile(RecordStore& store, const std::filesystem::path& path,
                         const std::string& fileName, Interaction& ui);

// The whole file; nothing when it cannot be opened or read.
std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path);

// Parses the file image into the record list, the genres, the source style table and the
// editor's choices, and brings the title and the enabled controls up to date. A field that
// cannot be read ends the read with a message; the rows read so far stay. True when the whole
// image was read.
bool ReadMusicFinderFile(RecordStore& store, Interaction& ui);

// Sorts the strings between the indices low and high (both included), ascending by ordinal
// comparison.
void SortStrings(std::vector<std::string>& strings, std::size_t low, std::size_t high);

}  // namespace quillory
