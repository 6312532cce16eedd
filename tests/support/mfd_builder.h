#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/format/file_image.h"

namespace quillory::testkit {

// The Music Finder layout as the tests know it, written out here rather than taken from the
// program: a wrong offset in the program then shows as a wrong row instead of reappearing in
// every file the tests build.
namespace mfd {
inline constexpr std::size_t kHeaderSize = 38;
inline constexpr std::size_t kRecordSize = 92;
inline constexpr std::size_t kModelNameOffset = 16;
inline constexpr std::size_t kCountOffset = 34;
// Offsets inside a record.
inline constexpr std::size_t kNumber = 0;
inline constexpr std::size_t kStyle = 2;
inline constexpr std::size_t kTimeSigNumerator = 4;
inline constexpr std::size_t kTimeSigDenominator = 5;
inline constexpr std::size_t kTempo = 6;
inline constexpr std::size_t kMarks = 8;
inline constexpr std::size_t kMusic = 9;
inline constexpr std::size_t kMusicSize = 32;
inline constexpr std::size_t kGenre = 41;
inline constexpr std::size_t kGenreSize = 16;
inline constexpr std::size_t kKeywords = 57;
inline constexpr std::size_t kKeywordsSize = 32;
inline constexpr std::size_t kSections = 89;

// Where record n (from 1) starts.
constexpr std::size_t RecordOffset(int n) {
    return 38 + static_cast<std::size_t>(n - 1) * 92;
}

inline int ReadBigEndian16(const Bytes& bytes, std::size_t at) {
    return bytes[at] * 256 + bytes[at + 1];
}

inline void WriteBigEndian16(Bytes& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

// A UTF-8 text as the Windows-1252 bytes a keyboard stores: U+00A0 to U+00FF and the
// characters of bytes 0x80 to 0x9F (listed below in byte order) are one byte each.
inline std::string CodePageBytes(std::string_view utf8) {
    static const std::u32string kHigh =
        U"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        if (lead >= 0x80 && lead < 0xC0) {
            length = 1;  // not a UTF-8 lead byte: stored as a character the page lacks
            cp = '?';
        }
        for (std::size_t k = 1; k < length; ++k) {
            cp = cp << 6 |
                 (static_cast<unsigned char>(i + k < utf8.size() ? utf8[i + k] : 0) & 0x3F);
        }
        i += length;
        const std::size_t high = kHigh.find(cp);
        bytes += static_cast<char>(high != std::u32string::npos ? 0x80 + high
                                   : cp < 0x100                 ? cp
                                                                : '?');
    }
    return bytes;
}

inline void WriteText(Bytes& bytes, std::size_t at, std::size_t width, std::string_view utf8) {
    const std::string text = CodePageBytes(utf8).substr(0, width);
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}
}  // namespace mfd

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
    Bytes bytes(mfd::RecordOffset(static_cast<int>(records.size()) + 1), 0);
    mfd::WriteText(bytes, 0, 16, "MUSIC FINDER 1.0");
    std::copy_n(model.begin(), std::min<std::size_t>(model.size(), 16),
                bytes.begin() + mfd::kModelNameOffset);
    mfd::WriteBigEndian16(bytes, mfd::kCountOffset,
                          count.value_or(static_cast<int>(records.size())));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RecordValues& r = records[i];
        const std::size_t at = mfd::RecordOffset(static_cast<int>(i) + 1);
        mfd::WriteBigEndian16(bytes, at + mfd::kNumber, r.number.value_or(static_cast<int>(i)));
        mfd::WriteBigEndian16(bytes, at + mfd::kStyle, r.style);
        bytes[at + mfd::kTimeSigNumerator] = r.timeSigNumerator;
        bytes[at + mfd::kTimeSigDenominator] = r.timeSigDenominator;
        mfd::WriteBigEndian16(bytes, at + mfd::kTempo, r.tempo);
        bytes[at + mfd::kMarks] = r.marks;
        mfd::WriteText(bytes, at + mfd::kMusic, mfd::kMusicSize, r.music);
        mfd::WriteText(bytes, at + mfd::kGenre, mfd::kGenreSize, r.genre);
        mfd::WriteText(bytes, at + mfd::kKeywords, mfd::kKeywordsSize, r.keywords);
        bytes[at + mfd::kSections] = r.sections;
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
