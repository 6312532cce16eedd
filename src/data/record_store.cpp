#include "record_store.h"

#include <algorithm>

#include "failure.h"

namespace quillory {

std::int16_t ReadBigEndian16(const Bytes& bytes, std::size_t offset) {
    if (offset + 1 >= bytes.size()) {
        throw Failure(kInputPastEndOfFile);
    }
    if (bytes[offset] >= 128) {
        throw Failure(kOverflow);
    }
    return static_cast<std::int16_t>(bytes[offset] * 256 + bytes[offset + 1]);
}

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

void PutRecord(Bytes& image, int n, const Bytes& record) {
    const std::size_t at = RecordOffset(n);
    image.resize(std::max(image.size(), at + kRecordSize), 0);
    std::copy(record.begin(), record.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
    WriteBigEndian16(image, kCountOffset, n);
}

RecordStore::RecordStore(std::filesystem::path folder)
    : gGenres(kInitialGenreSlots), programFolder(std::move(folder)) {
    exportLogPath = ProgramFile("ExportLog.txt");
    importLogPath = ProgramFile("ImportLog.txt");
}

std::filesystem::path RecordStore::ProgramFile(const std::string& name) const {
    return programFolder / name;
}

int RecordStore::HeaderRecordCount() const {
    return ReadBigEndian16(gFileBytes, kCountOffset);
}

void RecordStore::ResetForRead() {
    list.Clear();
    gGenres.assign(kInitialGenreSlots, std::string());
    gSourceStyles.Clear();
}

void RecordStore::ReleaseStyles() {
    gSourceStyles.Clear();
}

}  // namespace quillory
