#include "record_layout.h"

#include <algorithm>
#include <array>

#include "codepage.h"
#include "failure.h"
#include "text.h"

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

std::string HeaderModelName(const Bytes& bytes) {
    if (bytes.size() < kModelNameOffset + kModelNameSize) {
        throw Failure(kInputPastEndOfFile);
    }
    std::string name(kModelNameSize, ' ');
    for (std::size_t i = 0; i < kModelNameSize; ++i) {
        const std::uint8_t byte = bytes[kModelNameOffset + i];
        if (byte >= 33 && byte <= 123) {
            name[i] = static_cast<char>(byte);
        }
    }
    return Trim(name);
}

}  // namespace quillory
