#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "data/format/file_image.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record.h"
#include "data/format/style_table.h"

namespace quillory {

// The style column's text for a style number, and whether the record counts as carrying a
// user style (one the source table cannot name).
struct StyleCell {
    std::string text;
    bool userStyle = false;
};

// Works out the style text by the source instrument's rules: numbers at or above its threshold
// are shown as the number or as half of it, the others are looked up under the number
// zero-padded to the instrument's digit count.
// The source is the catalog's entry, or null for an instrument the catalog lacks.
StyleCell StyleCellFor(int styleNumber, const Instrument* source, const SourceStyles& styles,
                       bool styleNumbersChecked);

// Record n of the image as the list shows it; the style text is given. Fails with overflow
// when a big-endian field's first byte is 128 or more.
Record DecodeRecord(const Bytes& bytes, int n, SharedText styleText);

}  // namespace quillory
