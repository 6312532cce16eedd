#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/record_store.h"

namespace quillory::testkit {

// The fields of one record as they are written into a file.
struct RecordSpec {
    std::optional<int> number;  // the stored number; the record's index from 0 when not given
    int style = 1;
    std::uint8_t timeSigNumerator = 4;
    std::uint8_t timeSigDenominator = 4;
    int tempo = 120;
    std::uint8_t marks = 0;
    std::string music;
    std::string genre;
    std::string keywords;
    std::uint8_t sections = 0;  // intro * 16 + next section
};

// A Music Finder file image: the identification text, the model name at byte 16 padded with
// zero bytes, the record count (the number of records unless given) and the records with their
// texts padded with zero bytes.
Bytes BuildMfd(const std::string& model, const std::vector<RecordSpec>& records,
               std::optional<int> count = std::nullopt);

// A style table text: "name;number" lines, each ended by CR LF.
std::string StyleTableText(const std::vector<std::pair<std::string, std::string>>& styles);

void WriteFile(const std::string& path, const Bytes& bytes);
void WriteFile(const std::string& path, const std::string& text);
Bytes ReadFile(const std::string& path);

}  // namespace quillory::testkit
