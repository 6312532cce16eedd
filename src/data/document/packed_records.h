#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/format/record.h"

namespace quillory {

// Records kept compactly, one after the other in one buffer: an undo step may hold every
// record of the largest file twice.
class PackedRecords {
public:
    void Add(const Record& record);
    // The records in the order they were added.
    std::vector<Record> Unpack() const;
    // The memory the records take, in bytes.
    std::size_t MemoryUse() const { return data_.capacity(); }
    // Gives back the room left over once the last record is added.
    void ShrinkToFit() { data_.shrink_to_fit(); }

private:
    std::string data_;
    std::size_t count_ = 0;
};

}  // namespace quillory
