#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/document/packed_records.h"
#include "data/format/file_image.h"
#include "data/format/record.h"

namespace quillory {

// One change of the records as a step that can be undone and redone: the records it touched,
// as they were before and after, with their places in the list, the bytes it patched, the
// bytes it added past the image's end, and the image's size and header count on both sides.
// It holds only what it touched; the rows it added it holds only while it is undone.
class DocumentEdit {
public:
    // The command's name, as the undo and redo entries show it ("Delete").
    const std::string& Name() const { return name_; }
    // The memory the step keeps, in bytes.
    std::size_t MemoryUse() const;

private:
    friend class MusicFinderDocument;

    // The document on one side of the step.
    struct Side {
        std::size_t imageSize = 0;
        std::optional<std::array<std::uint8_t, 2>> count;  // header bytes 34 and 35
        std::vector<std::uint32_t> indices;  // where the records' rows stand in the list
        PackedRecords rows;
        Bytes recordBytes;  // 92 bytes per patched record, zeros past the image's end
    };

    std::string name_;
    std::uint64_t stateBefore_ = 0;
    std::uint64_t stateAfter_ = 0;
    std::vector<int> touched_;   // rows there before, by record position, first touch first
    std::vector<int> appended_;  // rows the step added, by record position
    std::vector<int> patched_;   // records within the old image whose bytes the step wrote
    Side before_;                // rows of touched_
    Side after_;                 // rows of touched_
    Bytes addedBytes_;           // the image past its old end, as the step left it
    mutable std::vector<Record> appendedRows_;  // the rows of appended_, while undone
};

}  // namespace quillory
