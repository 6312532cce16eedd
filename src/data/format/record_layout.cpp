#include "data/format/record_layout.h"

#include <algorithm>
#include <array>

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/common/text.h"

namespace quillory {
namespace {

constexpr std::array<std::string_view, 11> kSectionTexts = {
    "Off",    "Intro 1", "Intro 2",  "Intro 3",  "Main A",   "Main B",
    "Main C", "Main D",  "Ending 1", "Ending 2", "Ending 3",
};

void RequireField(const Bytes& bytes, std::size_t offset, std::size_t width) {
    if (offset + width > bytes.size()) {
        throw Failure(kSubscriptOutOfRange);
    }
}

}  // namespace

std::string_view SectionText(int code) {
    return code >= 0 && code < static_cast<int>(kSectionTexts.size())
               ? kSectionTexts[static_cast<std::size_t>(code)]
               : kSectionTexts[0];
}

int SectionCode(std::string_view text) {
    for (std::size_t code = 1; code < kSectionTexts.size(); ++code) {
        if (kSectionTexts[code] == text) {
            return static_cast<int>(code);
        }
    }
    return 0;
}

std::uint8_t MarksByte(bool favorite, bool search1, bool search2) {
    return static_cast<std::uint8_t>((favorite ? kFavoriteBit : 0) | (search1 ? kSearch1Bit : 0) |
                                     (search2 ? kSearch2Bit : 0));
}

std::uint8_t SectionsByte(std::string_view intro, std::string_view section) {
    return static_cast<std::uint8_t>(SectionCode(intro) * 16 + SectionCode(section));
}

void WriteTextField(Bytes& bytes, std::size_t offset, std::size_t width, std::string_view text,
                    char pad) {
    RequireField(bytes, offset, width);
    // ASCII, which most texts are, is its own code page: as far as the field reaches, such a
    // text is copied byte for byte.
    const std::string_view shown = text.substr(0, width);
    if (std::all_of(shown.begin(), shown.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        for (std::size_t i = 0; i < width; ++i) {
            bytes[offset + i] = static_cast<std::uint8_t>(i < shown.size() ? shown[i] : pad);
        }
        return;
    }
    const std::string encoded = EncodeWindows1252(text);
    for (std::size_t i = 0; i < width; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(i < encoded.size() ? encoded[i] : pad);
    }
}

void OverwriteTextField(Bytes& bytes, std::size_t offset, std::size_t width,
                        std::string_view text) {
    RequireField(bytes, offset, width);
    const std::string encoded = EncodeWindows1252(text);
    for (std::size_t i = 0; i < width && i < encoded.size(); ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(encoded[i]);
    }
}

std::string FieldTextInRange(const Bytes& bytes, std::size_t offset, std::size_t width,
                             std::uint8_t lowest, std::uint8_t highest) {
    if (bytes.size() < offset + width) {
        throw Failure(kInputPastEndOfFile);
    }
    std::string text(width, ' ');
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint8_t byte = bytes[offset + i];
        if (byte >= lowest && byte <= highest) {
            text[i] = static_cast<char>(byte);
        }
    }
    return Trim(text);
}

std::string HeaderModelName(const Bytes& bytes) {
    return FieldTextInRange(bytes, kModelNameOffset, kModelNameSize, 33, 123);
}

}  // namespace quillory
