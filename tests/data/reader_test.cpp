#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>

#include "data/record_layout.h"
#include "reader_harness.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::RecordSpec;

class ReaderTest : public testing::Test, public testkit::ReaderHarness {};

TEST_F(ReaderTest, DecodesTheExampleRecord) {
    WriteTable("PSR-2000", {{"Cool Pop", "042"}, {"8Beat", "001"}});
    RecordSpec spec;
    spec.number = 0;
    spec.style = 42;
    spec.tempo = 120;
    spec.marks = 3;
    spec.music = "My Song";
    spec.genre = "Pop";
    spec.keywords = "love,summer";
    spec.sections = 0x15;

    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {spec})));
    ASSERT_EQ(store.list.Size(), 1u);
    const std::array<std::string, 12> expected = {"00001", "Pop", "My Song",     "Cool Pop",
                                                  " 4/ 4", "120", "love,summer", "Yes",
                                                  "Yes",   "No",  "Intro 1",     "Main B"};
    EXPECT_EQ(store.list.At(0).cells, expected);
    EXPECT_EQ(store.window.title,
              "Quillory   song.mfd  Source Instrument = PSR-2000   Deafult Style = 8Beat");
    EXPECT_TRUE(store.window.fileControlsEnabled);
    EXPECT_TRUE(store.gFileLoaded);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.busy);
}

TEST_F(ReaderTest, DecodesMarksSectionsTimeSignatureTempoAndNumber) {
    struct Case {
        std::uint8_t marks, sections, numerator, denominator;
        int tempo, number;
        const char* cells;  // number, time signature, tempo, the three marks, intro, next section
    };
    const Case cases[] = {
        {5, 0x0A, 6, 8, 96, 0, "00001| 6/ 8|096|Yes|No|Yes|Off|Ending 3"},
        {8, 0xA0, 0, 0, 5, 41, "00042| 0/ 0|005|No|No|No|Ending 3|Off"},
        {7, 0x4C, 12, 16, 1234, 9998, "09999| 12/ 16|1234|Yes|Yes|Yes|Main A|Off"},
        {0xFF, 0xBF, 3, 4, 0, 3, "00004| 3/ 4|000|No|No|No|Off|Off"},
        {2, 0x98, 4, 4, 120, 7, "00008| 4/ 4|120|No|Yes|No|Ending 2|Ending 1"},
    };
    std::vector<RecordSpec> records;
    for (const Case& c : cases) {
        RecordSpec spec;
        spec.marks = c.marks;
        spec.sections = c.sections;
        spec.timeSigNumerator = c.numerator;
        spec.timeSigDenominator = c.denominator;
        spec.tempo = c.tempo;
        spec.number = c.number;
        records.push_back(spec);
    }
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
    ASSERT_EQ(store.list.Size(), std::size(cases));
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        std::string cells = Cell(row, kNumberColumn);
        for (int column : {kTimeSigColumn, kTempoColumn, kFavoriteColumn, kSearch1Column,
                           kSearch2Column, kIntroColumn, kSectionColumn}) {
            cells += "|" + Cell(row, column);
        }
        EXPECT_EQ(cells, cases[row].cells);
    }
}

TEST_F(ReaderTest, MusicAndKeywordsEndAtTheFirstZeroByteWhileGenreSkipsZeroBytes) {
    RecordSpec zeros;
    zeros.music = std::string("My\0Song", 7);
    zeros.genre = std::string("P\0o\0p", 5);
    zeros.keywords = std::string("love\0summer", 11);
    RecordSpec full;  // every field filled to its last byte, so nothing ends it but its width
    full.music = std::string(31, 'm') + "M";
    full.genre = std::string(15, 'g') + "G";
    full.keywords = std::string(31, 'k') + "K";
    RecordSpec empty;
    RecordSpec accents;
    accents.music = "Café";
    accents.genre = "Señor";
    accents.keywords = "€uro";

    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {zeros, full, empty, accents})));
    EXPECT_EQ(ColumnTexts(kMusicColumn), (std::vector<std::string>{"My", full.music, "", "Café"}));
    EXPECT_EQ(ColumnTexts(kGenreColumn),
              (std::vector<std::string>{"Pop", full.genre, "", "Señor"}));
    EXPECT_EQ(ColumnTexts(kKeywordsColumn),
              (std::vector<std::string>{"love", full.keywords, "", "€uro"}));
}

TEST_F(ReaderTest, EmptyFileListHasControlsAndTheFullTitle) {
    WriteTable("PSR-1100", {{"Only", "001"}});
    ASSERT_TRUE(Open(BuildMfd("PSR-1100", {}), "none.mfd"));
    EXPECT_TRUE(store.list.Empty());
    EXPECT_EQ(store.gRecordCount, 0);
    EXPECT_TRUE(store.window.fileControlsEnabled);
    EXPECT_TRUE(store.gFileLoaded);
    EXPECT_EQ(store.window.title,
              "Quillory   none.mfd  Source Instrument = PSR-1100   Deafult Style = Only");
}

// A refused open leaves the store as it was: the previous file's name, title, image and rows.
TEST_F(ReaderTest, RefusedOpenKeepsThePreviousFile) {
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {RecordSpec{}}), "first.mfd"));
    const Bytes image = store.gFileBytes;
    const std::string title = store.window.title;
    testkit::WriteFile(folder.File("empty.mfd"), Bytes{});
    std::filesystem::create_directory(folder.Path() / "folder.mfd");
    testkit::WriteFile(folder.File("real.txt"), BuildMfd("PSR-2000", {}));

    struct Refusal {
        const char* name;
        const char* message;
    };
    const Refusal refusals[] = {
        {"real.txt", "The program can only open mfd files. Not a valid file"},
        {"missing.txt", "The program can only open mfd files. Not a valid file"},
        {"fd", "The program can only open mfd files. Not a valid file"},
        {"missing.mfd", "Could not find that file "},
        {"folder.mfd", "Could not find that file "},
        {"empty.mfd", "Bad File"},
    };
    for (const Refusal& refusal : refusals) {
        ui.messages.clear();
        EXPECT_FALSE(OpenMusicFinderFile(store, folder.File(refusal.name), refusal.name, ui));
        EXPECT_EQ(ui.messages, std::vector<std::string>{refusal.message}) << refusal.name;
        EXPECT_EQ(store.gFileName, "first.mfd") << refusal.name;
        EXPECT_EQ(store.window.title, title) << refusal.name;
        EXPECT_EQ(store.gFileBytes, image) << refusal.name;
        EXPECT_EQ(store.list.Size(), 1u) << refusal.name;
    }
    EXPECT_TRUE(ui.reports.empty());

    // The ending is compared without regard to case.
    testkit::WriteFile(folder.File("LOUD.MFD"), BuildMfd("PSR-2000", {}));
    EXPECT_TRUE(OpenMusicFinderFile(store, folder.File("LOUD.MFD"), "LOUD.MFD", ui));
    EXPECT_EQ(store.gFileName, "LOUD.MFD");
}

// A big-endian field whose first byte is 128 or more stops the read with its own message; the
// rows before the bad record stay and the read does not count as a loaded file.
TEST_F(ReaderTest, OverflowingFieldStopsTheReadKeepingEarlierRows) {
    const std::size_t fields[] = {field::kNumber, field::kStyle, field::kTempo};
    for (std::size_t at : fields) {
        ui = {};
        Bytes bytes = BuildMfd("PSR-2000", {RecordSpec{}, RecordSpec{}, RecordSpec{}});
        bytes[RecordOffset(2) + at] = 0x80;
        EXPECT_FALSE(Open(bytes, "bad.mfd"));
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Quillory can not read this file"});
        EXPECT_TRUE(ui.reports.empty());
        EXPECT_EQ(store.list.Size(), 1u) << "field at " << at;
        EXPECT_FALSE(store.gFileLoaded);
        EXPECT_EQ(store.window.title, "Quillory   bad.mfd");
        EXPECT_FALSE(ui.busy);
    }

    Bytes badCount = BuildMfd("PSR-2000", {RecordSpec{}});
    badCount[kCountOffset] = 0xFF;
    ui = {};
    EXPECT_FALSE(Open(badCount, "count.mfd"));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Quillory can not read this file"});
    EXPECT_TRUE(store.list.Empty());
}

// A file that ends before its count says, or inside its header, is reported as input past end
// of file under "List1"; the rows read before stay and nothing past the image is read.
TEST_F(ReaderTest, ShortFileIsReportedUnderList1) {
    struct Case {
        const char* why;
        Bytes bytes;
        std::size_t rows;
    };
    Bytes twoOfThree = BuildMfd("PSR-2000", {RecordSpec{}, RecordSpec{}}, 3);
    Bytes halfRecord = BuildMfd("PSR-2000", {RecordSpec{}, RecordSpec{}});
    halfRecord.resize(RecordOffset(2) + 50);
    Bytes noCount = BuildMfd("PSR-2000", {});
    noCount.resize(35);
    Bytes noName = BuildMfd("PSR-2000", {});
    noName.resize(20);
    const Case cases[] = {{"count too high", twoOfThree, 2},
                          {"half a record", halfRecord, 1},
                          {"header without count", noCount, 0},
                          {"header without model name", noName, 0}};
    for (const Case& c : cases) {
        ui = {};
        EXPECT_FALSE(Open(c.bytes, "short.mfd")) << c.why;
        ASSERT_EQ(ui.reports.size(), 1u) << c.why;
        EXPECT_EQ(ui.reports[0].number, kInputPastEndOfFile) << c.why;
        EXPECT_EQ(ui.reports[0].operation, "List1") << c.why;
        EXPECT_EQ(ui.reports[0].text, "There was a problem With this file") << c.why;
        EXPECT_TRUE(ui.messages.empty()) << c.why;
        EXPECT_EQ(store.list.Size(), c.rows) << c.why;
        EXPECT_FALSE(ui.busy) << c.why;
    }
}

}  // namespace
}  // namespace quillory
