#pragma once

#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/format/file_image.h"

namespace quillory::testkit {

// Bytes written out by hand: two hex digits for a byte, 'text' for the bytes of a text as they
// stand, HH*N for N bytes HH; blanks and line breaks between them are ignored.
inline Bytes FixtureBytes(std::string_view notation) {
    Bytes bytes;
    for (std::size_t at = 0; at < notation.size();) {
        if (std::isspace(static_cast<unsigned char>(notation[at]))) {
            ++at;
        } else if (notation[at] == '\'') {
            const std::size_t end = notation.find('\'', at + 1);
            bytes.insert(bytes.end(), notation.begin() + at + 1, notation.begin() + end);
            at = end + 1;
        } else {
            const int byte = std::stoi(std::string(notation.substr(at, 2)), nullptr, 16);
            at += 2;
            std::size_t count = 1;
            if (at < notation.size() && notation[at] == '*') {
                std::size_t digits = 0;
                count = std::stoul(std::string(notation.substr(at + 1)), &digits);
                at += 1 + digits;
            }
            bytes.insert(bytes.end(), count, static_cast<std::uint8_t>(byte));
        }
    }
    return bytes;
}

}  // namespace quillory::testkit
