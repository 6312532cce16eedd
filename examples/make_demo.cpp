// Writes the demo files of examples/ into the folder given: demo.mfd, a small Music Finder file
// from a PSR-2000, and invented style tables for the PSR-2000 and the TYROS. The tables share
// most names; some differ only in case or blanks (matched all the same on conversion), some
// exist on one instrument only, and the file uses two user styles that neither table names.
//
//   quillory-make-demo examples

#include <filesystem>
#include <iostream>
#include <string>

#include "data/common/codepage.h"
#include "examples/realistic_data.h"
#include "support/mfd_builder.h"

namespace {

using quillory::testkit::StyleTableLines;

constexpr int kRecords = 40;
constexpr std::uint64_t kSeed = 2002;
constexpr int kFirstUserStyle = 600;
// The records that carry a user style instead of the next style of the table.
constexpr int kUserStyleRecords[] = {17, 31};

// The last line of each table is the instrument's default style.
const StyleTableLines kPsr2000 = {
    {"Cool Pop", "001"},       {"8Beat Modern", "002"},  {"Acoustic Pop", "003"},
    {"Soft Ballad", "010"},    {"Movie Strings", "011"}, {"Slow Waltz", "012"},
    {"Rock Shuffle", "020"},   {"Surf Rock", "021"},     {"Boogie Train", "022"},
    {"Disco Nights", "030"},   {"Funky Street", "031"},  {"Hip Hop Groove", "032"},
    {"Soul Kitchen", "033"},   {"Easy Swing", "040"},    {"Café Swing", "041"},
    {"Big Band Brass", "042"}, {"Jazz Club", "043"},     {"Smooth Jazz", "044"},
    {"Stride Piano", "045"},   {"Latin Fiesta", "050"},  {"Sunset Bossa", "051"},
    {"Samba Carnival", "052"}, {"Cha Cha Time", "053"},  {"Mambo Heat", "054"},
    {"Tango Noir", "055"},     {"Reggae Breeze", "056"}, {"Country Road", "060"},
    {"Folk Guitar", "061"},    {"Irish Jig", "062"},     {"Blues Corner", "063"},
    {"Gospel Choir", "064"},   {"Polka Party", "070"},   {"March Parade", "071"},
    {"Studio Pop", "072"},
};

const StyleTableLines kTyros = {
    {"Cool Pop", "001"},       {"8 Beat Modern", "002"}, {"ACOUSTIC POP", "003"},
    {"Power Ballad", "004"},   {"Soft Ballad", "005"},   {"Movie Strings", "006"},
    {"Slow Waltz", "007"},     {"Rock Shuffle", "011"},  {"Disco Nights", "015"},
    {"Funky Street", "016"},   {"HipHop Groove", "017"}, {"Soul Kitchen", "018"},
    {"Trance Pulse", "019"},   {"Easy Swing", "021"},    {"Café Swing", "022"},
    {"Big Band Brass", "023"}, {"Jazz Club", "024"},     {"smooth jazz", "025"},
    {"Lounge Bar", "026"},     {"Latin Fiesta", "031"},  {"Sunset Bossa", "032"},
    {"Samba Carnival", "033"}, {"ChaCha time", "034"},   {"Tango Noir", "035"},
    {"Reggae Breeze", "036"},  {"Ska Party", "037"},     {"Country Road", "041"},
    {"Folk Guitar", "042"},    {"Celtic Dance", "043"},  {"Blues Corner", "044"},
    {"Gospel Choir", "045"},   {"Polka Party", "051"},   {"March Parade", "052"},
    {"Studio Pop", "060"},
};

// Realistic records that use every style of the PSR-2000 table in turn, and a user style in
// the records of kUserStyleRecords.
quillory::Bytes DemoFile() {
    auto records = quillory::testkit::RealisticRecords(kRecords, kSeed, {});
    const std::vector<int> styles = quillory::testkit::StyleNumbersOf(kPsr2000);
    std::size_t nextStyle = 0;
    int nextUserStyle = kFirstUserStyle;
    for (int i = 0; i < kRecords; ++i) {
        bool user = false;
        for (int record : kUserStyleRecords) {
            user = user || record == i;
        }
        records[static_cast<std::size_t>(i)].style =
            user ? nextUserStyle++ : styles[nextStyle++ % styles.size()];
    }
    return quillory::testkit::BuildMfd("PSR-2000", records);
}

void WriteTable(const std::filesystem::path& path, const StyleTableLines& lines) {
    quillory::testkit::WriteFile(
        path.string(), quillory::EncodeWindows1252(quillory::testkit::StyleTableText(lines)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        quillory::testkit::WriteFile((folder / "demo.mfd").string(), DemoFile());
        WriteTable(folder / "PSR-2000.dat", kPsr2000);
        WriteTable(folder / "TYROS.dat", kTyros);
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
