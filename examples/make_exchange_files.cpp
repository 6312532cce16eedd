// Writes, into the folder given, a Music Finder file for every instrument of the catalog
// ("<id>.mfd"), the same without records to import into ("<id>-empty.mfd") and its style table
// ("<id>.dat"): realistic records that use the table's styles, every mark and every intro and
// next section, and titles and keywords with the code page's own characters, commas and quotes.
// tests/cli/spreadsheet_round_trip.cmake sends them through a spreadsheet.
//
//   quillory-make-exchange-files FOLDER

#include <filesystem>
#include <iostream>
#include <string>

#include "data/common/codepage.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_layout.h"
#include "examples/realistic_data.h"
#include "support/mfd_builder.h"

namespace {

using quillory::testkit::RecordValues;

constexpr int kStyles = 60;
constexpr int kSectionCodes = 11;
// Enough records for every pair of intro and next section.
constexpr int kRecords = kSectionCodes * kSectionCodes;
constexpr int kTitles = 5;

// A text blank-padded to its field as an import pads it, so that the file and its round trip
// hold the same bytes.
std::string Field(const std::string& utf8, std::size_t width) {
    const std::size_t length = quillory::EncodeWindows1252(utf8).size();
    return length < width ? utf8 + std::string(width - length, ' ') : utf8;
}

std::vector<RecordValues> ExchangeRecords(const quillory::testkit::StyleTableLines& table,
                                          std::uint64_t seed) {
    const std::string titles[kTitles][2] = {
        {"Caf\u00e9 \"Live\", Part 2", "love, summer"},
        {"Stra\u00dfe \u20ac 100%", "\"quoted\" kw"},
        {"Se\u00f1or \u0152uvre \u2122", "a,b,c"},
        {"Say \"Hi\"", "rock; roll"},
        {"12\" Mix", "\u00e0 la carte, \u00bd"},
    };
    std::vector<RecordValues> records = quillory::testkit::RealisticRecords(
        kRecords, seed, {quillory::testkit::StyleNumbersOf(table), {}, 0});
    for (int i = 0; i < kRecords; ++i) {
        RecordValues& record = records[static_cast<std::size_t>(i)];
        record.marks = static_cast<std::uint8_t>(i % 8);
        record.sections = static_cast<std::uint8_t>((i % kSectionCodes) * 16 + i / kSectionCodes);
        if (i < kTitles) {
            record.music = titles[i][0];
            record.keywords = titles[i][1];
        }
        record.music = Field(record.music, quillory::field::kMusicSize);
        record.genre = Field(record.genre, quillory::field::kGenreSize);
        record.keywords = Field(record.keywords, quillory::field::kKeywordsSize);
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillory-make-exchange-files FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::uint64_t seed = 21;
    for (const quillory::Instrument& instrument : quillory::Instruments()) {
        const std::string id(instrument.id);
        const auto table = quillory::testkit::RealisticStyleTable(kStyles, instrument.styleDigits);
        quillory::testkit::WriteFile(
            (folder / (id + ".dat")).string(),
            quillory::EncodeWindows1252(quillory::testkit::StyleTableText(table)));
        quillory::testkit::WriteFile(
            (folder / (id + ".mfd")).string(),
            quillory::testkit::BuildMfd(id, ExchangeRecords(table, ++seed)));
        quillory::testkit::WriteFile((folder / (id + "-empty.mfd")).string(),
                                     quillory::testkit::BuildMfd(id, {}));
    }
    return 0;
}
