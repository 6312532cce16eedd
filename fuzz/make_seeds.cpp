// Writes the seed corpus of the fuzz targets into the folder given (fuzz/corpus): small inputs
// that lead each target into its paths. The seeds are kept with the sources; run this again
// only to change them.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "data/record_layout.h"
#include "reader_options.h"
#include "support/mfd_builder.h"

namespace {

using quillory::Bytes;
using quillory::testkit::BuildMfd;
using quillory::testkit::RecordSpec;
namespace fuzz = quillory::fuzz;
namespace fs = std::filesystem;

RecordSpec Record(int style, std::string music, std::string genre, std::string keywords,
                  std::uint8_t marks = 0, std::uint8_t sections = 0) {
    RecordSpec record;
    record.style = style;
    record.music = std::move(music);
    record.genre = std::move(genre);
    record.keywords = std::move(keywords);
    record.marks = marks;
    record.sections = sections;
    return record;
}

std::vector<RecordSpec> SmallRecords() {
    return {Record(1, "My Song", "Pop", "love,summer", 3, 0x15),
            Record(42, "Blue Harbour", "Swing", "", 5, 0xA0),
            Record(650, "Midnight Train Blues", "", "night,slow", 8, 0x4C)};
}

Bytes WithOptions(std::uint8_t menu, std::uint8_t target, const Bytes& image) {
    Bytes input(fuzz::kReaderOptionBytes + image.size());
    input[0] = menu;
    input[1] = target;
    std::copy(image.begin(), image.end(), input.begin() + fuzz::kReaderOptionBytes);
    return input;
}

void WriteReaderSeeds(const fs::path& folder) {
    auto write = [&](const std::string& name, std::uint8_t menu, std::uint8_t target,
                     const Bytes& image) {
        quillory::testkit::WriteFile((folder / name).string(), WithOptions(menu, target, image));
    };
    const Bytes small = BuildMfd("PSR-2000", SmallRecords());
    write("valid_psr2000.bin", fuzz::kMenuAutoByte, 0, small);
    write("numbers_target_tyros.bin", fuzz::kMenuStyleNumbersByte, fuzz::TargetByte("TYROS"),
          small);
    write("tyros_user_styles.bin", fuzz::kMenuAutoByte, fuzz::TargetByte("PSR-2000"),
          BuildMfd("TYROS", {Record(5, "A", "Pop", ""), Record(599, "B", "Pop", ""),
                             Record(600, "C", "Rock", ""), Record(0, "D", "Rock", "")}));
    write("cvp207_halves.bin", fuzz::kMenuAutoByte, fuzz::TargetByte("numbers"),
          BuildMfd("CVP-207", {Record(622, "A", "Jazz", ""), Record(623, "B", "Jazz", ""),
                               Record(1300, "C", "Latin", ""), Record(1301, "D", "", "")}));
    write("psr3000_fixed_target_cvp207.bin", fuzz::MenuInstrumentByte("PSR-3000"),
          fuzz::TargetByte("CVP-207"),
          BuildMfd("PSR-3000", {Record(12, "A", "Pop", ""), Record(5000, "B", "Pop", "")}));

    Bytes truncated = small;
    truncated.resize(truncated.size() - 50);
    write("truncated.bin", fuzz::kMenuAutoByte, 0, truncated);
    write("count_past_end.bin", fuzz::kMenuAutoByte, 0, BuildMfd("PSR-2000", SmallRecords(), 40));
    write("header_only.bin", fuzz::kMenuAutoByte, 0, BuildMfd("PSR-2000", {}));
    write("short_header.bin", fuzz::kMenuAutoByte, 0, Bytes(small.begin(), small.begin() + 20));

    Bytes high = BuildMfd("PSR-2000", {Record(2, "Café Noël \u0081 Señorita", "Música",
                                              "cœur,\u201Cquote\u201D", 0x80, 0xFF)});
    const std::size_t first = quillory::RecordOffset(1);
    high[first + quillory::field::kTimeSigNumerator] = 200;
    high[first + quillory::field::kTimeSigDenominator] = 255;
    high[quillory::kModelNameOffset + 9] = 0xFF;
    write("high_bytes_in_fields.bin", fuzz::kMenuAutoByte, 0, high);

    Bytes overflowStyle = small;
    overflowStyle[quillory::RecordOffset(2) + quillory::field::kStyle] = 0x90;
    write("overflow_style.bin", fuzz::kMenuAutoByte, 0, overflowStyle);
    Bytes overflowCount = small;
    overflowCount[quillory::kCountOffset] = 0x80;
    write("overflow_count.bin", fuzz::kMenuAutoByte, 0, overflowCount);

    std::vector<RecordSpec> manyGenres;
    for (int i = 1; i <= 35; ++i) {
        manyGenres.push_back(
            Record(i, "Song " + std::to_string(i), "Genre " + std::to_string(i), ""));
    }
    write("genres_grow.bin", fuzz::kMenuAutoByte, 0, BuildMfd("PSR-2000", manyGenres));
}

void WriteStyleTableSeeds(const fs::path& folder) {
    auto write = [&](const std::string& name, const std::string& bytes) {
        quillory::testkit::WriteFile((folder / name).string(), bytes);
    };
    write("valid.dat", "Cool Pop;001\r\nSoft Ballad;002\r\nBig Band;003\r\n");
    write("last_line_without_crlf.dat", "Cool Pop;001\r\nSoft Ballad;002");
    write("empty_line_in_middle.dat", "Cool Pop;001\r\n\r\nSoft Ballad;002\r\n");
    write("duplicate_numbers.dat", "A;001\r\nB;002\r\nA2;001\r\n");
    write("not_a_number.dat", "A;001\r\nB;12x\r\nC;003\r\n");
    write("no_semicolon.dat", "A;001\r\nno separator here\r\nC;003\r\n");
    write("high_bytes.dat", "Caf\xE9 Swing;001\r\n\x80uro \x81\x9F;002\r\n\xFF;\xB2\r\n");
    write("huge_number.dat", "A;99999999999\r\nB;1.5\r\n");
    write("lf_only.dat", "A;001\nB;002\n");
    write("blanks_and_signs.dat", "  Padded Name  ; 042 \r\n-;-5\r\n.;.\r\n;\r\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER\n";
        return 2;
    }
    const fs::path corpus = argv[1];
    fs::create_directories(corpus / "reader");
    fs::create_directories(corpus / "style_table");
    WriteReaderSeeds(corpus / "reader");
    WriteStyleTableSeeds(corpus / "style_table");
    return 0;
}
