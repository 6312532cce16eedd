#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/common/shared_text.h"
#include "data/format/file_image.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record.h"
#include "data/format/style_table.h"

namespace quillory {

// Turns the records of one file image into the rows the list shows, each record's 92 bytes in
// one step. The style column shows the style's name from the source table or, by the source
// instrument's rules, its number or half of it; a style the table cannot name is a user style
// and is offered to the editor's style list. Every style's text and every genre is worked out
// once per read and shared by the records that carry it.
class RecordDecoder {
public:
    // The source is the catalog's entry, or null for an instrument the catalog lacks.
    RecordDecoder(const Instrument* source, const SourceStyles& styles, bool styleNumbersChecked,
                  StyleChoiceAdder& userStyles);

    // Appends record n's row to rows. Fails with input past end of file when the image ends
    // inside the record and with overflow when a big-endian field's first byte is 128 or more;
    // then no row is appended. The genre when the record is the first of this read with its
    // genre bytes, else null (other bytes may have given the same genre before).
    const std::string* AppendRow(const Bytes& image, int n, std::vector<Record>& rows);

private:
    struct Genre {
        std::string text;
        bool deleted = false;
    };
    // A genre field's 16 bytes as two words, to be hashed and compared at once.
    struct GenreBytes {
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        bool operator==(const GenreBytes&) const = default;
    };
    struct GenreBytesHash {
        std::size_t operator()(const GenreBytes& bytes) const;
    };

    const SharedText& StyleText(int styleNumber);

    const Instrument* source_;
    const SourceStyles& styles_;
    bool styleNumbersChecked_;
    StyleChoiceAdder& userStyles_;
    // Each style number's place in styleTexts_ plus one; 0 until a record carries the style.
    std::vector<std::uint16_t> styleSlots_;
    std::vector<SharedText> styleTexts_;
    std::unordered_map<GenreBytes, Genre, GenreBytesHash> genres_;
};

}  // namespace quillory
