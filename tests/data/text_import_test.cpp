#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "conversion_harness.h"
#include "data/list_export.h"
#include "data/text_file.h"
#include "data/text_import.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::RecordBytesOf;
using testkit::RecordSpec;

const std::string kExportHeader =
    "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
    "Search 1\tSearch 2\tIntro\tSection";
const std::string kRefusedMessage =
    "Some entries could not be stored because the style indicated does not exist on the source "
    "instrument. See ImportLog.txt for details";

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    bool first = true;
    for (const std::string& field : fields) {
        line += (first ? "" : "\t") + field;
        first = false;
    }
    return line;
}

// A data line of twelve fields with the given genre, song and style.
std::string DataLine(const std::string& genre, const std::string& song, const std::string& style,
                     const std::string& timeSig = " 4/ 4") {
    return Line({"1", genre, song, style, timeSig, "120", "", "No", "No", "No", "Off", "Off"});
}

// The record an accepted line must give: texts blank-padded, bytes 90 and 91 zero.
struct Expected {
    int p;
    int style;
    std::uint8_t numerator = 4, denominator = 4;
    int tempo = 120;
    std::uint8_t marks = 0;
    std::string music{}, genre{}, keywords{};
    std::uint8_t sections = 0;
};

Bytes RecordOf(const Expected& e) {
    Bytes record(kRecordSize, 0);
    record[0] = static_cast<std::uint8_t>(e.p >> 8);
    record[1] = static_cast<std::uint8_t>(e.p & 0xFF);
    record[2] = static_cast<std::uint8_t>(e.style >> 8);
    record[3] = static_cast<std::uint8_t>(e.style & 0xFF);
    record[4] = e.numerator;
    record[5] = e.denominator;
    record[6] = static_cast<std::uint8_t>(e.tempo >> 8);
    record[7] = static_cast<std::uint8_t>(e.tempo & 0xFF);
    record[8] = e.marks;
    const auto put = [&](std::size_t at, std::size_t width, const std::string& text) {
        const std::string padded = (text + std::string(width, ' ')).substr(0, width);
        std::copy(padded.begin(), padded.end(), record.begin() + static_cast<std::ptrdiff_t>(at));
    };
    put(9, 32, e.music);
    put(41, 16, e.genre);
    put(57, 32, e.keywords);
    record[89] = e.sections;
    return record;
}

int CountOf(const Bytes& image) {
    return image[34] * 256 + image[35];
}

class TextImportTest : public testing::Test, public testkit::ConversionHarness {
  protected:
    // Opens a PSR-2000 file of n records whose styles the table knows.
    void OpenRecords(int n) {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Slow Rock", "002"}, {"8Beat", "003"}});
        std::vector<RecordSpec> records(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            records[static_cast<std::size_t>(i)].music = "Old " + std::to_string(i);
        }
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
        before = store.gFileBytes;
    }

    ImportOutcome Import(const std::string& text) {
        return ImportTextDelimitedText(store, text, ui);
    }

    // The image holds the records before the import unchanged, then `added` records, and the
    // count, the rows and the size agree.
    void ExpectConsistent(int added) {
        const int rows = static_cast<int>(before.size() - kHeaderSize) / 92 + added;
        EXPECT_EQ(static_cast<int>(store.list.Size()), rows);
        EXPECT_EQ(CountOf(store.gFileBytes), rows);
        EXPECT_EQ(store.gFileBytes.size(),
                  kHeaderSize + kRecordSize * static_cast<std::size_t>(rows));
        Bytes kept(store.gFileBytes.begin(),
                   store.gFileBytes.begin() + static_cast<std::ptrdiff_t>(before.size()));
        kept[34] = before[34];
        kept[35] = before[35];
        EXPECT_EQ(kept, before);
    }

    Bytes before;
};

TEST_F(TextImportTest, SkipsTheExportHeaderAndStoresEveryField) {
    OpenRecords(10);
    const std::string title40 = "Forty Characters Long Song Title Goes On";
    ASSERT_EQ(title40.size(), 40u);
    const std::string text = kExportHeader + "\r\n" +
                             Line({"7", "Pop", title40, "cool POP", " 6/ 8", "096", "love,summer",
                                   "YES", "yes", "Yes", "Intro 2", "Main C"}) +
                             "\r\n" +
                             Line({"8", "Rock", "Short", "Slow  Rock", "3/4", "1234", "", "No",
                                   "yEs", "yes!", "intro 1", "Ending 3"}) +
                             "\r\n";

    const ImportOutcome outcome = Import(text);
    EXPECT_EQ(outcome.accepted, 2);
    EXPECT_EQ(outcome.refused, 0);
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.reports.empty());
    EXPECT_FALSE(Exists("ImportLog.txt"));
    ExpectConsistent(2);

    const std::array<std::string, 12> first = {"00011", "Pop", title40,       "cool POP",
                                               " 6/ 8", "096", "love,summer", "YES",
                                               "yes",   "Yes", "Intro 2",     "Main C"};
    EXPECT_EQ(store.list.At(10).cells, first);
    EXPECT_EQ(store.list.At(11).Cell(kNumberColumn), "00012");
    EXPECT_EQ(store.list.At(11).Cell(kStyleColumn), "Slow  Rock");

    Expected one{.p = 11,
                 .style = 1,
                 .numerator = 6,
                 .denominator = 8,
                 .tempo = 96,
                 .marks = 7,
                 .music = title40.substr(0, 32),
                 .genre = "Pop",
                 .keywords = "love,summer",
                 .sections = 0x26};
    Expected two{.p = 12,
                 .style = 2,
                 .numerator = 3,
                 .denominator = 4,
                 .tempo = 1234,
                 .marks = 2,
                 .music = "Short",
                 .genre = "Rock",
                 .keywords = "",
                 .sections = 0x0A};
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 11), RecordOf(one));
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 12), RecordOf(two));
}

TEST_F(TextImportTest, ReadsTheFirstLineAsDataUnlessItsSecondFieldIsGenre) {
    OpenRecords(0);
    // "Genre" is told apart exactly, after trimming blanks.
    EXPECT_EQ(Import(DataLine("  Genre ", "Head", "8Beat") + "\r\n" +
                     DataLine("Jazz", "A", "8Beat") + "\r\n")
                  .accepted,
              1);
    EXPECT_EQ(
        Import(DataLine("genre", "B", "8Beat") + "\r\n" + DataLine("Jazz", "C", "8Beat") + "\r\n")
            .accepted,
        2);
    EXPECT_EQ(Import(DataLine("Pop", "D", "8Beat") + "\r\n").accepted, 1);
    // Text after the last CR LF is never read.
    EXPECT_EQ(
        Import(DataLine("Pop", "E", "8Beat") + "\r\n" + DataLine("Pop", "lost", "8Beat")).accepted,
        1);
    EXPECT_EQ(Import(DataLine("Pop", "lost too", "8Beat")).accepted, 0);
    EXPECT_TRUE(ui.reports.empty());

    std::vector<std::string> songs;
    for (const Row& row : store.list.Rows()) {
        songs.push_back(row.Cell(kMusicColumn));
    }
    EXPECT_EQ(songs, (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    ExpectConsistent(5);
    EXPECT_EQ(store.list.At(4).Cell(kNumberColumn), "00005");
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 5),
              RecordOf({.p = 5, .style = 3, .music = "E", .genre = "Pop"}));
}

TEST_F(TextImportTest, ListsRefusedLinesInTheLogAndSaysSoOnce) {
    OpenRecords(0);
    testkit::WriteFile(folder.File("ImportLog.txt"), std::string(3000, 'x'));
    const std::string text = kExportHeader + "\r\n\r\n" + DataLine("Pop", "One", "Cool Pop") +
                             "\r\n\r\n\r\n" + DataLine("Latin", "Girl", " Bossa Nova ") + "\r\n" +
                             DataLine("Pop", "Two", "8BEAT") + "\r\n" +
                             DataLine("Odd", "Mine", "123") + "\r\n";
    const ImportOutcome outcome = Import(text);
    EXPECT_EQ(outcome.accepted, 2);
    EXPECT_EQ(outcome.refused, 2);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kRefusedMessage});
    EXPECT_TRUE(ui.reports.empty());
    // Line numbers count the non-empty lines from 1, the header included.
    EXPECT_EQ(
        FileText("ImportLog.txt"),
        "Item #\tGenre\tSong\tStyle\r\n3\tLatin\tGirl\tbossanova\r\n5\tOdd\tMine\t123\r\n\r\n");
    ExpectConsistent(2);
    EXPECT_EQ(store.list.At(1).Cell(kNumberColumn), "00002");
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 2),
              RecordOf({.p = 2, .style = 3, .music = "Two", .genre = "Pop"}));

    // Without a refused line the earlier log stays as it was.
    const std::string log = FileText("ImportLog.txt");
    ui.messages.clear();
    EXPECT_EQ(Import(DataLine("Pop", "Three", "Cool Pop") + "\r\n").refused, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(FileText("ImportLog.txt"), log);

    // Without a source style table every style is refused.
    Remove("PSR-2000.dat");
    EXPECT_EQ(Import(DataLine("Pop", "Four", "Cool Pop") + "\r\n").refused, 1);
    ExpectConsistent(3);
}

TEST_F(TextImportTest, StoresUserStylesByNumberWhenAllowed) {
    OpenRecords(0);
    const std::size_t choices = store.styleChoices.size();
    store.gAllowUserStyles = true;
    const std::string text = DataLine("Odd", "Mine", "123") + "\r\n" +
                             DataLine("Odd", "Again", "123") + "\r\n" +
                             DataLine("Pop", "Known", "cool pop") + "\r\n";
    const ImportOutcome outcome = Import(text);
    EXPECT_EQ(outcome.accepted, 3);
    EXPECT_EQ(outcome.refused, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 1),
              RecordOf({.p = 1, .style = 123, .music = "Mine", .genre = "Odd"}));
    EXPECT_EQ(store.list.At(0).Cell(kStyleColumn), "123");
    // Offered once in the editor's style list, under its number; a known style is not added.
    ASSERT_EQ(store.styleChoices.size(), choices + 1);
    EXPECT_EQ(store.styleChoices.back().name, "123");
    EXPECT_EQ(store.styleChoices.back().number, 123);
    ExpectConsistent(3);
}

TEST_F(TextImportTest, StopsAtALineItCannotStoreAndKeepsTheLinesBefore) {
    OpenRecords(3);
    const std::string bad = DataLine("Pop", "Bad", "8Beat", "44");
    const std::string text = DataLine("Pop", "A", "8Beat") + "\r\n" +
                             DataLine("Pop", "B", "8Beat") + "\r\n" + bad + "\r\n" +
                             DataLine("Pop", "C", "8Beat") + "\r\n";
    const ImportOutcome outcome = Import(text);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.accepted, 2);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{
                  "There is a problem (e.g. extra carriage return) in this line 2\r\n" + bad});
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].operation, "ImportTextDelimitedFile");
    EXPECT_EQ(ui.reports[0].number, kInvalidProcedureCall);
    ExpectConsistent(2);
    EXPECT_EQ(store.list.At(4).Cell(kMusicColumn), "B");

    // Rows, records and count agree, so the records save as they are.
    store.gDefaultStyle = "8Beat";
    ASSERT_EQ(Preview("PSR-2000"), ConversionOutcome::kPreviewed);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(CountOf(store.gOutBytes), 5);
    EXPECT_EQ(store.gOutBytes[RecordOffset(5) + 9], 'B');

    // A failure on the last line shows the error report only.
    ui.messages.clear();
    ui.reports.clear();
    EXPECT_TRUE(Import(DataLine("Pop", "D", "8Beat") + "\r\n" + bad + "\r\n").failed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.reports.size(), 1u);
    ExpectConsistent(3);

    // A tempo too large for its field.
    ui.messages.clear();
    const std::string fast =
        Line({"1", "Pop", "Fast", "8Beat", "4/4", "40000", "", "No", "No", "No"});
    EXPECT_TRUE(Import(fast + "\r\n" + DataLine("Pop", "E", "8Beat") + "\r\n").failed);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{
                  "There is a problem (e.g. extra carriage return) in this line 0\r\n" + fast});
    ExpectConsistent(3);
}

TEST_F(TextImportTest, TakesTenOrTwelveFieldsButNotNineOrEleven) {
    OpenRecords(0);
    const std::string ten =
        Line({"1", "Pop", "Ten", "8Beat", "4/4", "100", "kw", "yes", "No", "No"});
    const std::string twelve = Line({"1", "Pop", "Twelve", "8Beat", "4/4", "100", "kw", "No", "No",
                                     "No", "Main D", "Ending 1"});
    EXPECT_EQ(Import(ten + "\r\n" + twelve + "\r\n").accepted, 2);
    EXPECT_TRUE(ui.reports.empty());
    EXPECT_EQ(store.list.At(0).Cell(kIntroColumn), "");
    EXPECT_EQ(store.list.At(0).Cell(kSectionColumn), "");
    EXPECT_EQ(RecordBytesOf(store.gFileBytes, 1), RecordOf({.p = 1,
                                                            .style = 3,
                                                            .tempo = 100,
                                                            .marks = 1,
                                                            .music = "Ten",
                                                            .genre = "Pop",
                                                            .keywords = "kw"}));
    EXPECT_EQ(store.gFileBytes[RecordOffset(2) + 89], 0x78);

    for (const std::string& line :
         {Line({"1", "Pop", "Nine", "8Beat", "4/4", "100", "kw", "No", "No"}), ten + "\tIntro 1"}) {
        SCOPED_TRACE(line);
        ui.messages.clear();
        ui.reports.clear();
        EXPECT_TRUE(Import(line + "\r\n" + ten + "\r\n").failed);
        EXPECT_EQ(ui.messages.size(), 1u);
        ASSERT_EQ(ui.reports.size(), 1u);
        EXPECT_EQ(ui.reports[0].operation, "ImportTextDelimitedFile");
        ExpectConsistent(2);
    }
}

TEST_F(TextImportTest, ChangesNothingForAnEmptyOrMissingFileOrATableItCannotUse) {
    // No open file: a message, and no dialog.
    EXPECT_EQ(ImportTextDelimitedFile(store, ui).accepted, 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"A music finder file must be loaded before you "
                                                    "can append a text delimited file to it"});
    EXPECT_TRUE(ui.fileDialogs.empty());

    OpenRecords(2);
    ui.messages.clear();
    EXPECT_EQ(ImportTextDelimitedFile(store, ui).accepted, 0);  // dialog cancelled
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].filter, "Text Delimited Files(*.txt)|*.txt|");
    EXPECT_TRUE(ui.reports.empty());

    testkit::WriteFile(folder.File("empty.txt"), std::string());
    for (const char* name : {"missing.txt", "empty.txt"}) {
        SCOPED_TRACE(name);
        ui.reports.clear();
        ui.fileAnswers.push_back(folder.Path() / name);
        EXPECT_TRUE(ImportTextDelimitedFile(store, ui).failed);
        ASSERT_EQ(ui.reports.size(), 1u);
        EXPECT_EQ(ui.reports[0].operation, "ImportTextDelimitedFile");
        EXPECT_EQ(ui.reports[0].number, kInputPastEndOfFile);
        EXPECT_EQ(ui.reports[0].text, "There was a problem With this file");
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(store.gFileBytes, before);
        EXPECT_EQ(store.list.Size(), 2u);
    }

    // A source table naming one style twice (in other cases and blanks).
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"COOLPOP", "002"}});
    ui.reports.clear();
    EXPECT_TRUE(
        Import(DataLine("Pop", "A", "8Beat") + "\r\n" + DataLine("Pop", "B", "8Beat") + "\r\n")
            .failed);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].number, kDuplicateKey);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(store.gFileBytes, before);

    // Text in the single-byte code page is read as such.
    WriteTable("PSR-2000", {{"Caf\xE9 Jazz", "007"}});
    testkit::WriteFile(folder.File("accents.txt"),
                       "1\tCaf\xE9\tNa\xEFve\tcaf\xC9 jazz\t4/4\t100\t\tNo\tNo\tNo\r\n");
    ui.fileAnswers.push_back(folder.Path() / "accents.txt");
    EXPECT_EQ(ImportTextDelimitedFile(store, ui).accepted, 1);
    EXPECT_EQ(store.list.At(2).Cell(kGenreColumn), "Caf\u00e9");
    EXPECT_EQ(
        RecordBytesOf(store.gFileBytes, 3),
        RecordOf({.p = 3, .style = 7, .tempo = 100, .music = "Na\xEFve", .genre = "Caf\xE9"}));
}

// A list exported as text and imported into an empty copy of its file saves as the same file.
TEST_F(TextImportTest, AnExportedListImportsAndSavesAsTheSameRecords) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Slow Rock", "002"}, {"8Beat", "003"}});
    store.gAllowUserStyles = true;
    std::vector<RecordSpec> records(4);
    const int styles[] = {1, 2, 3, 150};
    const char* music[] = {"A Song Title Of All 32 Bytes !!!", "Caf\u00e9 Song", "Third", "Mine"};
    for (std::size_t i = 0; i < 4; ++i) {
        records[i].style = styles[i];
        records[i].music = music[i];
        records[i].genre = i % 2 ? "Rock" : "Sixteen Chars Gn";
        records[i].keywords = "kw " + std::to_string(i);
        records[i].marks = static_cast<std::uint8_t>(2 * i + 1);
        records[i].sections = std::array<std::uint8_t, 4>{0x1A, 0x23, 0x45, 0xA0}[i];
        records[i].tempo = 60 + 333 * static_cast<int>(i);
        records[i].timeSigNumerator = static_cast<std::uint8_t>(3 + 4 * i);
        records[i].timeSigDenominator = static_cast<std::uint8_t>(i % 2 ? 8 : 4);
    }
    Bytes original = BuildMfd("PSR-2000", records);
    original[12] = '1';             // the format digit the writer puts there for this target
    for (int n = 1; n <= 4; ++n) {  // the import pads texts with blanks
        const RecordSpec& r = records[static_cast<std::size_t>(n - 1)];
        WriteTextField(original, RecordOffset(n) + 9, 32, r.music, ' ');
        WriteTextField(original, RecordOffset(n) + 41, 16, r.genre, ' ');
        WriteTextField(original, RecordOffset(n) + 57, 32, r.keywords, ' ');
    }
    ASSERT_TRUE(Open(original));
    ASSERT_EQ(SaveAs("PSR-2000", "a.mfd"), ConversionOutcome::kSaved);
    const Bytes saved = testkit::ReadFile(folder.File("a.mfd"));
    EXPECT_EQ(saved, original);

    WriteTextFile(RecordListExportText(store.list), folder.Path() / "list.txt", Durability::kOnDisk);
    Bytes empty(original.begin(), original.begin() + kHeaderSize);
    empty[35] = 0;
    ASSERT_TRUE(Open(empty, "copy.mfd"));
    ASSERT_EQ(store.list.Size(), 0u);
    ui.fileAnswers.push_back(folder.Path() / "list.txt");
    EXPECT_EQ(ImportTextDelimitedFile(store, ui).accepted, 4);
    ASSERT_EQ(SaveAs("PSR-2000", "b.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(testkit::ReadFile(folder.File("b.mfd")), saved);
    EXPECT_TRUE(ui.reports.empty());
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quillory
