#include "data/document/document_edit.h"

namespace quillory {

std::size_t DocumentEdit::MemoryUse() const {
    std::size_t bytes = sizeof(*this) + name_.capacity() + addedBytes_.capacity() +
                        appendedRows_.capacity() * sizeof(Record);
    for (const auto* positions : {&touched_, &appended_, &patched_}) {
        bytes += positions->capacity() * sizeof(int);
    }
    for (const Side* side : {&before_, &after_}) {
        bytes += side->indices.capacity() * sizeof(std::uint32_t) + side->rows.MemoryUse() +
                 side->recordBytes.capacity();
    }
    return bytes;
}

}  // namespace quillory
