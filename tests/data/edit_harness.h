#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/record_layout.h"
#include "reader_harness.h"

namespace quillory::testkit {

// An open PSR-2000 file whose records the editing commands change, with a look at the bytes of
// each record and at the row that stands for it.
class EditHarness : public testing::Test, public ReaderHarness {
  protected:
    void OpenRecords(const std::vector<RecordSpec>& records) {
        OpenImage(BuildMfd("PSR-2000", records));
    }
    void OpenImage(const Bytes& image) {
        WriteTable(
            "PSR-2000",
            {{"Cool Pop", "001"}, {"8Beat", "002"}, {"Jazz Club", "003"}, {"COOL POP", "004"}});
        ASSERT_TRUE(Open(image));
    }

    // Rows in reverse record order: a command that takes a row's position for its record
    // number hits the wrong record.
    void SortNewestFirst() { store.list.SetSort(true, kNumberColumn, SortOrder::kDescending); }

    std::size_t IndexOf(int n) const { return store.list.FindRecord(n).value(); }
    const Row& RowOf(int n) const { return store.list.At(IndexOf(n)); }

    std::uint8_t Byte(int n, std::size_t offset) const {
        return store.gFileBytes.at(RecordOffset(n) + offset);
    }
    // The raw bytes of a field, zero bytes included.
    std::string Field(int n, std::size_t offset, std::size_t size) const {
        const auto at =
            store.gFileBytes.begin() + static_cast<std::ptrdiff_t>(RecordOffset(n) + offset);
        return std::string(at, at + static_cast<std::ptrdiff_t>(size));
    }

    // The records of the ticked rows, in record order.
    std::vector<int> TickedRecords() const {
        std::vector<int> records;
        for (int n = 1; n <= static_cast<int>(store.list.Size()); ++n) {
            if (RowOf(n).checked) {
                records.push_back(n);
            }
        }
        return records;
    }

    std::vector<int> RecordOrder() const {
        std::vector<int> order;
        for (const Row& row : store.list.Rows()) {
            order.push_back(row.RecordNumber());
        }
        return order;
    }
};

// A record with these texts and the other fields as BuildMfd takes them by default.
inline RecordSpec TextRecord(std::string music, std::string genre, std::string keywords) {
    RecordSpec record;
    record.music = std::move(music);
    record.genre = std::move(genre);
    record.keywords = std::move(keywords);
    return record;
}

// A text padded with zero bytes to the width of its field.
inline std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), '\0');
}

}  // namespace quillory::testkit
