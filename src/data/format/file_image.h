#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/common/failure.h"

namespace quillory {

// A Music Finder file byte for byte: a 38-byte header, then 92-byte records.
using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kHeaderSize = 38;
inline constexpr std::size_t kRecordSize = 92;
inline constexpr std::size_t kCountOffset = 34;

// Offset of record n (counted from 1) in a file image.
constexpr std::size_t RecordOffset(int n) {
    return kHeaderSize + static_cast<std::size_t>(n - 1) * kRecordSize;
}

// The largest file there can be: the header and the 32,767 records its count can name
// (3,014,602 bytes).
inline constexpr std::size_t kLargestFileSize = RecordOffset(32768);

// The big-endian 16-bit value at offset. A first byte of 128 or more fails with overflow, and
// an offset past the end of the image with input past end of file.
// Inline: the reader reads three of every record.
inline std::int16_t ReadBigEndian16(const Bytes& bytes, std::size_t offset) {
    if (offset + 1 >= bytes.size()) {
        throw Failure(kInputPastEndOfFile);
    }
    if (bytes[offset] >= 128) {
        throw Failure(kOverflow);
    }
    return static_cast<std::int16_t>(bytes[offset] * 256 + bytes[offset + 1]);
}
// Writes the high byte, then the low byte. A value that the reader could not read back (below
// 0 or above 32767) fails with overflow.
void WriteBigEndian16(Bytes& bytes, std::size_t offset, int value);

}  // namespace quillory
