#include "data/format/file_image.h"

#include "data/common/failure.h"

namespace quillory {

void WriteBigEndian16(Bytes& bytes, std::size_t offset, int value) {
    if (offset + 1 >= bytes.size()) {
        throw Failure(kSubscriptOutOfRange);
    }
    if (value < 0 || value > 32767) {
        throw Failure(kOverflow);
    }
    const auto word = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<std::uint8_t>(word >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(word & 0xFF);
}

}  // namespace quillory
