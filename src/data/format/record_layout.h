#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/format/file_image.h"

namespace quillory {

// Offsets of the fields inside a 92-byte record.
namespace field {
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
}  // namespace field

// Header bytes 16 to 31 hold the instrument's model name.
inline constexpr std::size_t kModelNameOffset = 16;
inline constexpr std::size_t kModelNameSize = 16;

// Bits of the marks byte.
inline constexpr std::uint8_t kFavoriteBit = 1;
inline constexpr std::uint8_t kSearch1Bit = 2;
inline constexpr std::uint8_t kSearch2Bit = 4;

// The text of an intro or next-section code: 0 "Off", 1 "Intro 1" ... 10 "Ending 3"; codes 11
// to 15 read as "Off".
std::string_view SectionText(int code);
// The code of a section text ("Main A" is 4); any other text is 0.
int SectionCode(std::string_view text);

// The marks byte of a record with the given marks.
std::uint8_t MarksByte(bool favorite, bool search1, bool search2);
// The sections byte: the intro's code in the high half, the next section's in the low half.
std::uint8_t SectionsByte(std::string_view intro, std::string_view section);

// Writes text into a field of width bytes: its first width characters in the single-byte code
// page, the rest of the field filled with pad (zero bytes from the record editor, blanks from
// the text import).
void WriteTextField(Bytes& bytes, std::size_t offset, std::size_t width, std::string_view text,
                    char pad);

// Writes the first characters of text over the start of a field, as many bytes as the text has
// characters (at most width); the rest of the field keeps its bytes.
void OverwriteTextField(Bytes& bytes, std::size_t offset, std::size_t width, std::string_view text);

// The text of a field with every byte outside lowest to highest read as a blank, trimmed.
std::string FieldTextInRange(const Bytes& bytes, std::size_t offset, std::size_t width,
                             std::uint8_t lowest, std::uint8_t highest);

// The model name in the header: bytes 16 to 31, every byte below 33 or above 123 read as a
// blank, without surrounding blanks.
std::string HeaderModelName(const Bytes& bytes);

}  // namespace quillory
