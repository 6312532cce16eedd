// Writes the seed corpus of the fuzz targets into the folder given (fuzz/corpus): small inputs
// that lead each target into its paths. The seeds are kept with the sources; run this again
// only to change them.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "conversion_options.h"
#include "data/format/record_layout.h"
#include "import_options.h"
#include "reader_options.h"
#include "support/mfd_builder.h"

namespace {

using quillory::Bytes;
using quillory::testkit::BuildMfd;
using quillory::testkit::RecordValues;
namespace fuzz = quillory::fuzz;
namespace fs = std::filesystem;

RecordValues Record(int style, std::string music, std::string genre, std::string keywords,
                    std::uint8_t marks = 0, std::uint8_t sections = 0) {
    RecordValues record;
    record.style = style;
    record.music = std::move(music);
    record.genre = std::move(genre);
    record.keywords = std::move(keywords);
    record.marks = marks;
    record.sections = sections;
    return record;
}

std::vector<RecordValues> SmallRecords() {
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

    std::vector<RecordValues> manyGenres;
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

// An import line of the twelve fields the text export writes.
std::string ImportLine(const std::string& genre, const std::string& music, const std::string& style,
                       const std::string& timeSig = " 4/ 4", const std::string& tempo = "120") {
    return "1\t" + genre + "\t" + music + "\t" + style + "\t" + timeSig + "\t" + tempo +
           "\tlove,summer\tYes\tno\tNO\tIntro 1\tMain A\r\n";
}

void WriteImportSeeds(const fs::path& folder) {
    auto write = [&](const std::string& name, std::uint8_t options, const std::string& text) {
        std::string input(1, static_cast<char>(options));
        input += text;
        quillory::testkit::WriteFile((folder / name).string(), input);
    };
    const std::string header =
        "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
        "Search 1\tSearch 2\tIntro\tSection\r\n";
    const std::uint8_t decode = fuzz::kImportDecode;
    const std::uint8_t allow = fuzz::kImportAllowUserStyles;
    write("exported_list.txt", decode,
          header + ImportLine("Pop", "My Song", "Cool Pop") +
              ImportLine("Swing", "Blue Harbour", " soft  POP", "3/4", "96"));
    write("user_style_allowed.txt", decode | allow,
          ImportLine("Pop", "Mine", "123") + ImportLine("Pop", "Again", "123"));
    write("user_style_refused_logged.txt", decode | fuzz::kImportWriteLog,
          ImportLine("Pop", "Mine", "123") + ImportLine("Rock", "Known", "Cool Pop"));
    write("ten_and_eleven_fields.txt", decode,
          "1\tPop\tTen\tCool Pop\t4/4\t120\t\tyes\tyes\tyes\r\n"
          "2\tPop\tEleven\tCool Pop\t4/4\t120\t\tyes\tyes\tyes\tIntro 2\r\n");
    write("time_signature_without_slash.txt", decode,
          ImportLine("Pop", "A", "Cool Pop") + ImportLine("Pop", "B", "Cool Pop", "44") +
              ImportLine("Pop", "C", "Cool Pop"));
    write("tempo_too_large.txt", decode, ImportLine("Pop", "A", "Cool Pop", "4/4", "40000"));
    write("blank_lines_no_final_crlf.txt", decode,
          "\r\n" + ImportLine("Pop", "A", "Cool Pop") + "\r\n\r\n" +
              ImportLine("Jazz", "B", "Soft Pop") + "3\tPop\tLost\tCool Pop");
    write("code_page_bytes.txt", decode,
          ImportLine("M\xFAsica", "Caf\xE9 No\xEBl \x80\x81\x9F", "Cool Pop"));
    write("raw_invalid_utf8.txt", allow,
          ImportLine("\xC3", "\xE2\x82", "\xFF\xFE") + ImportLine("Pop", "A", "Cool Pop"));
    write("into_empty_file.txt", decode | fuzz::ImportFileBits(1),
          header + ImportLine("Pop", "A", "Cool Pop"));
    write("into_tyros_sorted.txt", decode | allow | fuzz::ImportFileBits(2) | fuzz::kImportSorted,
          ImportLine("Pop", "Zed", "Cool Pop") + ImportLine("Pop", "Aa", "650"));
    write("duplicate_source_names.txt", decode | fuzz::ImportFileBits(3),
          ImportLine("Pop", "A", "Cool Pop"));
    write("empty_text.txt", decode, "");
    write("only_crlf.txt", decode, "\r\n");
    write("calc_quoted_lf.txt", decode,
          "\"Number\"\t\"Genre    \"\n1\t\"Pop\"\t\"Say \"\"Hi\"\", two\tthree\nfour\"\t\"Cool "
          "Pop\"\t"
          "\" 4/ 4\"\t72\t\"a, b\"\t\"Yes\"\t\"No\"\t\"No\"\t\"Intro 1\"\t\"Main A\"\n");
    write("quotes_left_open.txt", decode,
          ImportLine("Pop", "\"Open", "Cool Pop") + ImportLine("Pop", "12\" Mix", "\"Cool Pop") +
              ImportLine("Pop", "\"Shut\" out", "Cool Pop\""));
    write("cr_line_ends.txt", decode,
          "1\tPop\tA\tCool Pop\t4/4\t90\t\tNo\tNo\tNo\r2\tPop\tB\nC\tCool "
          "Pop\t4/4\t90\t\tNo\tNo\tNo\r");
    write("utf8_with_mark.txt", decode,
          "\xEF\xBB\xBF" +
              ImportLine("Pop", "Z\xC5\x82oty \xE2\x82\xAC \xF0\x9F\x8E\xB5", "Cool Pop"));
    std::string utf16 = "\xFF\xFE";
    for (const char c : ImportLine("Pop", "Wide", "Cool Pop")) {
        utf16 += {c, '\0'};
    }
    write("utf16_little_endian.txt", decode, utf16 + "\x00\xD8");
    // The option byte itself looks like the middle of a character, as the line does.
    write("raw_line_too_long.txt", 0x80, std::string(70000, '\x80') + "\r\n");
    write("line_too_long.txt", decode,
          ImportLine("Pop", "A", "Cool Pop") +
              ImportLine("Pop", std::string(70000, 'x'), "Cool Pop"));
}

// A conversion input: the options, the target's table text, a zero byte and the image.
Bytes ConversionInput(std::uint8_t target, std::uint8_t options, std::uint8_t answers,
                      const std::string& table, const Bytes& image) {
    Bytes input = {target, options, answers};
    input.insert(input.end(), table.begin(), table.end());
    input.push_back(0);
    input.insert(input.end(), image.begin(), image.end());
    return input;
}

void WriteConversionSeeds(const fs::path& folder) {
    auto write = [&](const std::string& name, std::string_view target, std::uint8_t options,
                     std::uint8_t answers, const std::string& table, const Bytes& image) {
        quillory::testkit::WriteFile(
            (folder / name).string(),
            ConversionInput(fuzz::ConversionTargetByte(target), options, answers, table, image));
    };
    using fuzz::DefaultStyleChoice;
    using fuzz::SaveAnswer;
    const auto answer = [](SaveAnswer a) { return static_cast<std::uint8_t>(a); };
    // Shares two names with the PSR-2000 source table, in other letter case and blanks.
    const std::string table = "COOL POP;005\r\nSoft Pop;006\r\nBig Band;007\r\n";
    const Bytes small = BuildMfd("PSR-2000", SmallRecords());

    write("tyros_preview_cancel.bin", "TYROS", 0, answer(SaveAnswer::kCancel), table, small);
    write("cvp307_checked_new_file.bin", "CVP-307", fuzz::kCheckedOnly | fuzz::kWriteExportLog,
          answer(SaveAnswer::kNewFile) | fuzz::TicksBits(2), table, small);
    write("same_instrument_user_styles.bin", "PSR-2000",
          fuzz::kSourceIsTarget | fuzz::kAllowUserStyles | fuzz::kBlueWarning,
          answer(SaveAnswer::kExistingFile), table, small);
    write("default_none_drops.bin", "PSR-1000", fuzz::DefaultStyleBits(DefaultStyleChoice::kNone),
          answer(SaveAnswer::kExistingFile) | fuzz::kRefuseOverwrite, table, small);
    write("default_empty_drops.bin", "CVP-203", fuzz::DefaultStyleBits(DefaultStyleChoice::kEmpty),
          answer(SaveAnswer::kNewFile), table, small);
    write("default_not_in_table.bin", "TYROS",
          fuzz::DefaultStyleBits(DefaultStyleChoice::kFixedName), answer(SaveAnswer::kNewFile),
          "Soft Pop;006\r\nBig Band;007\r\n", small);
    write("missing_folder.bin", "CVP-210", 0, answer(SaveAnswer::kMissingFolder), table, small);
    write("duplicate_names.bin", "TYROS", 0, answer(SaveAnswer::kNewFile),
          "Cool Pop;001\r\ncoolpop;002\r\n", small);
    write("odd_numbers.bin", "PSR-3000", 0, answer(SaveAnswer::kNewFile),
          "Cool Pop;-1\r\nSoft Pop;99999\r\nBig Band; 12x\r\nLast;0\r\n", small);
    write("sorted_deleted_every_other_tick.bin", "CVP-305",
          fuzz::kSortedByMusic | fuzz::kCheckedOnly,
          answer(SaveAnswer::kNewFile) | fuzz::TicksBits(2) | fuzz::kDeleteEveryFourth, table,
          BuildMfd("PSR-2000", {Record(3, "Delta", "Pop", ""), Record(2, "Alpha", "Pop", ""),
                                Record(1, "Charlie", "Rock", "x"), Record(5, "Bravo", "", ""),
                                Record(4, "Echo", "Jazz", "")}));
    write("empty_table.bin", "TYROS", 0, answer(SaveAnswer::kNewFile), "", small);
    write("tyros_source_user_styles.bin", "TYROS", fuzz::kAllowUserStyles,
          answer(SaveAnswer::kNewFile), table,
          BuildMfd("TYROS", {Record(5, "A", "Pop", ""), Record(600, "B", "Pop", "")}));
    write("count_past_rows.bin", "CVP-207", 0, answer(SaveAnswer::kNewFile), table,
          BuildMfd("PSR-2000", SmallRecords(), 40));
    write("high_bytes.bin", "CVP-208", 0, answer(SaveAnswer::kNewFile),
          "Caf\xE9 Pop;001\r\n\x80uro;002\r\n",
          BuildMfd("PSR-2000", {Record(1, "Caf\u00E9 \u20AC", "M\u00FAsica", "c\u0153ur")}));
    quillory::testkit::WriteFile((folder / "no_image.bin").string(),
                                 Bytes{0, 0, 0, 'A', ';', '1', '\r', '\n'});
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
    fs::create_directories(corpus / "import");
    fs::create_directories(corpus / "conversion");
    WriteReaderSeeds(corpus / "reader");
    WriteStyleTableSeeds(corpus / "style_table");
    WriteImportSeeds(corpus / "import");
    WriteConversionSeeds(corpus / "conversion");
    return 0;
}
