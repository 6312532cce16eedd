#pragma once

#include <cstddef>
#include <cstdint>

namespace quillory::fuzz {

// The import target's input: one option byte, then the text to import.
inline constexpr std::size_t kImportOptionBytes = 1;

// The bits of the option byte.
inline constexpr std::uint8_t kImportAllowUserStyles = 0x01;
// Bits 1 and 2 pick the small file the text is imported into (see ImportFileIndex).
inline constexpr unsigned kImportFileShift = 1;
inline constexpr unsigned kImportFileCount = 4;
// The text as a file read from the disk reaches the import: decoded from its encoding.
// Without it the bytes are imported as they are, which need not be valid UTF-8.
inline constexpr std::uint8_t kImportDecode = 0x08;
// The list is sorted by the music column, so that new rows are put into their places.
inline constexpr std::uint8_t kImportSorted = 0x10;
// Refused lines are written to ImportLog.txt.
inline constexpr std::uint8_t kImportWriteLog = 0x20;

// The small files: three PSR-2000 records; a PSR-2000 file without records; two TYROS records
// (a table that repeats a number); two PSR-1000 records (a table in which two names differ only
// in blanks and letter case, which the import refuses to index).
inline unsigned ImportFileIndex(std::uint8_t options) {
    return (options >> kImportFileShift) % kImportFileCount;
}

inline std::uint8_t ImportFileBits(unsigned index) {
    return static_cast<std::uint8_t>(index << kImportFileShift);
}

}  // namespace quillory::fuzz
