#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/format/record_layout.h"

namespace quillory::testkit {

// The fields of one record as they are written into a file.
struct RecordValues {
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

// A Music Finder file image with the record count given or the number of records; texts are
// padded with zero bytes.
inline Bytes BuildMfd(const std::string& model, const std::vector<RecordValues>& records,
                      std::optional<int> count = std::nullopt) {
    Bytes bytes(RecordOffset(static_cast<int>(records.size()) + 1), 0);
    WriteTextField(bytes, 0, 16, "MUSIC FINDER 1.0", '\0');
    std::copy_n(model.begin(), std::min(model.size(), kModelNameSize),
                bytes.begin() + kModelNameOffset);
    WriteBigEndian16(bytes, kCountOffset, count.value_or(static_cast<int>(records.size())));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RecordValues& r = records[i];
        const std::size_t at = RecordOffset(static_cast<int>(i) + 1);
        WriteBigEndian16(bytes, at + field::kNumber, r.number.value_or(static_cast<int>(i)));
        WriteBigEndian16(bytes, at + field::kStyle, r.style);
        bytes[at + field::kTimeSigNumerator] = r.timeSigNumerator;
        bytes[at + field::kTimeSigDenominator] = r.timeSigDenominator;
        WriteBigEndian16(bytes, at + field::kTempo, r.tempo);
        bytes[at + field::kMarks] = r.marks;
        WriteTextField(bytes, at + field::kMusic, field::kMusicSize, r.music, '\0');
        WriteTextField(bytes, at + field::kGenre, field::kGenreSize, r.genre, '\0');
        WriteTextField(bytes, at + field::kKeywords, field::kKeywordsSize, r.keywords, '\0');
        bytes[at + field::kSections] = r.sections;
    }
    return bytes;
}

// A style table text: "name;number" lines, each ended by CR LF.
inline std::string StyleTableText(const std::vector<std::pair<std::string, std::string>>& styles) {
    std::string text;
    for (const auto& [name, number] : styles) {
        text += name + ";" + number + "\r\n";
    }
    return text;
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline void WriteFile(const std::string& path, const std::string& text) {
    WriteFile(path, Bytes(text.begin(), text.end()));
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillory::testkit
