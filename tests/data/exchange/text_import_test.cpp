#include "data/exchange/text_import.h"

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/exchange/delimited_text.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

const std::string kExportHeader =
    "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
    "Search 1\tSearch 2\tIntro\tSection\r\n";

std::string Line(const Texts& fields) {
    std::string line = fields.at(0);
    for (std::size_t i = 1; i < fields.size(); ++i) {
        line += "\t" + fields[i];
    }
    return line + "\r\n";
}

std::string DataLine(const std::string& genre, const std::string& song, const std::string& style) {
    return Line({"1", genre, song, style, " 4/ 4", "120", "", "No", "No", "No", "Off", "Off"});
}

// The nine bytes up to the marks, the texts cut and padded with blanks, the sections.
std::string Imported(const char (&front)[10], const std::string& music, const std::string& genre,
                     const std::string& keywords = "", char sections = 0) {
    const auto blanked = [](const std::string& text, std::size_t width) {
        return (text + std::string(width, ' ')).substr(0, width);
    };
    return std::string(front, 9) + blanked(music, 32) + blanked(genre, 16) + blanked(keywords, 32) +
           sections + std::string(2, '\0');
}

class TextImportTest : public DataTest {
protected:
    void OpenRecords(std::size_t n) {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Slow Rock", "002"}, {"8Beat", "003"}});
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", std::vector<RecordValues>(n))));
        before = doc.Image();
    }

    ImportOutcome Import(const std::string& text) { return ImportTextDelimitedText(ws, text, ui); }
    // Imports a file of these bytes, as the user chooses it.
    ImportOutcome ImportFile(const std::string& bytes) {
        WriteFile(folder.File("in.txt"), bytes);
        ui.fileAnswers.push_back(folder.Path() / "in.txt");
        return ImportTextDelimitedFile(ws, ui);
    }

    void ExpectConsistent(int added) {
        const int rows =
            static_cast<int>((before.size() - mfd::kHeaderSize) / mfd::kRecordSize) + added;
        EXPECT_EQ(static_cast<int>(doc.Size()), rows);
        EXPECT_EQ(doc.HeaderCount(), rows);
        ASSERT_EQ(doc.Image().size(), mfd::RecordOffset(rows + 1));
        Bytes kept(doc.Image().begin(),
                   doc.Image().begin() + static_cast<std::ptrdiff_t>(before.size()));
        mfd::WriteBigEndian16(kept, mfd::kCountOffset, CountOf(before));
        EXPECT_EQ(kept, before);
    }

    Bytes before;
};

TEST_F(TextImportTest, StoresEveryFieldOfTheLinesAfterTheExportHeader) {
    OpenRecords(10);
    const std::string title40 = "Forty Characters Long Song Title Goes On";
    const std::string text = kExportHeader +
                             Line({"7", "Pop", title40, "cool POP", " 6/ 8", "096", "love,summer",
                                   "YES", "yes", "Yes", "Intro 2", "Main C"}) +
                             Line({"8", "Rock", "Short", "Slow  Rock", "3/4", "1234", "", "No",
                                   "yEs", "yes!", "intro 1", "Ending 3"});
    EXPECT_EQ(Import(text).accepted, 2);
    EXPECT_EQ(Told(), "");
    ExpectConsistent(2);
    EXPECT_EQ(Joined(doc.At(10)), "00011|Pop|" + title40 +
                                      "|cool POP| 6/ 8|096|love,summer|Yes|Yes|Yes|Intro 2|Main C");
    EXPECT_EQ(Joined(doc.At(11)), "00012|Rock|Short|Slow  Rock|3/4|1234||No|Yes|No|Off|Ending 3");
    EXPECT_EQ(Stored(11),
              Imported("\0\x0b\0\x01\x06\x08\0\x60\x07", title40, "Pop", "love,summer", 0x26));
    EXPECT_EQ(Stored(12), Imported("\0\x0c\0\x02\x03\x04\x04\xd2\x02", "Short", "Rock", "", 0x0A));
}

TEST_F(TextImportTest, ReadsTheFirstLineAsDataUnlessItsSecondFieldIsGenre) {
    OpenRecords(0);
    EXPECT_EQ(
        Import(DataLine("  Genre ", "Head", "8Beat") + DataLine("Jazz", "A", "8Beat")).accepted, 1);
    EXPECT_EQ(Import(DataLine("genre", "B", "8Beat") + DataLine("Jazz", "C", "8Beat")).accepted, 2);
    EXPECT_EQ(Import(DataLine("Pop", "D", "8Beat") + "1\tPop\tlost").accepted, 1);
    EXPECT_EQ(Stored(4), Imported("\0\x04\0\x03\x04\x04\0\x78\0", "D", "Pop"));
    // Only a field that opens and closes with quotes is quoted, as the program's own export has it.
    std::string text = kExportHeader;
    for (const char* title :
         {"\"Heroes", "12\" Mix", "\"Mix\" 12", "A\nB", "A\rB", "\"Say \"\"Hi\"\"\"", "\"\""}) {
        text += DataLine("Pop", title, "8Beat");
    }
    EXPECT_EQ(Import(text).accepted, 7);
    EXPECT_EQ(Column(kMusicColumn), (Texts{"A", "B", "C", "D", "\"Heroes", "12\" Mix", "\"Mix\" 12",
                                           "A\nB", "A\rB", "Say \"Hi\"", ""}));
    EXPECT_EQ(Stored(8, mfd::kMusic, 4), "A\nB ");
    ExpectConsistent(11);
}

// The log numbers non-empty lines from 1, the header included; user styles go by number.
TEST_F(TextImportTest, RefusesStylesTheSourceLacksUnlessUserStylesAreAllowed) {
    OpenRecords(0);
    const ImportOutcome outcome =
        Import(kExportHeader + "\r\n" + DataLine("Pop", "One", "Cool Pop") + "\r\n\r\n" +
               DataLine("Latin", "Girl", " Bossa Nova ") + DataLine("Pop", "Two", "8BEAT") +
               DataLine("Odd", "Mine", "123"));
    EXPECT_EQ(std::pair(outcome.accepted, outcome.refused), std::pair(2, 2));
    EXPECT_EQ(ui.messages, Texts{"Some entries could not be stored because the style indicated "
                                 "does not exist on the source instrument. See ImportLog.txt for "
                                 "details"});
    const std::string log =
        "Item #\tGenre\tSong\tStyle\r\n3\tLatin\tGirl\tbossanova\r\n5\tOdd\tMine\t123\r\n\r\n";
    EXPECT_EQ(FileText("ImportLog.txt"), log);
    ExpectConsistent(2);
    EXPECT_EQ(Stored(2), Imported("\0\x02\0\x03\x04\x04\0\x78\0", "Two", "Pop"));

    ws.settings.allowUserStyles = true;
    EXPECT_EQ(Import(DataLine("Odd", "Mine", "123") + DataLine("Odd", "Again", "123") +
                     DataLine("Pop", "Known", "cool pop"))
                  .accepted,
              3);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(FileText("ImportLog.txt"), log);
    EXPECT_EQ(Stored(3), Imported("\0\x03\0\x7b\x04\x04\0\x78\0", "Mine", "Odd"));
    EXPECT_EQ(Column(kStyleColumn)[2], "123");
    EXPECT_EQ(ChoiceNames(), (Texts{"Cool Pop", "Slow Rock", "8Beat", "123"}));
    EXPECT_EQ(ws.choices.styles.back().number, 123);
    ws.settings.allowUserStyles = false;
    Import(DataLine("Latin", "Girl", "Bossa"));
    EXPECT_EQ(FileText("ImportLog.txt"),
              "Item #\tGenre\tSong\tStyle\r\n1\tLatin\tGirl\tbossa\r\n\r\n");
}

// Earlier lines stay stored; a failing last line shows only the report, naming it from line 1.
TEST_F(TextImportTest, StopsAtALineItCannotStoreAndKeepsTheLinesBefore) {
    OpenRecords(3);
    const std::string ten =
        Line({"1", "Pop", "Ten", "8Beat", "4/4", "100", "kw", "yes", "No", "No"});
    const std::string bad = Line({"1", "Pop", "Bad", "8Beat", "44", "100", "", "No", "No", "No"});
    EXPECT_TRUE(Import("\r\n" + ten + ten + bad + ten).failed);
    const std::string badText = bad.substr(0, bad.size() - 2);
    EXPECT_TRUE(ui.reports.at(0).text.value_or("").ends_with("\r\nLine 3: " + badText));
    const std::string report = Reported(kInvalidProcedureCall, "ImportTextDelimitedFile");
    EXPECT_EQ(Told(), "There is a problem (e.g. extra carriage return) in this line 2\r\n" +
                          badText + ";" + report);
    ExpectConsistent(2);
    EXPECT_EQ(Stored(5), Imported("\0\x05\0\x03\x04\x04\0\x64\x01", "Ten", "Pop", "kw"));
    EXPECT_EQ(RowOf(5).Cell(kIntroColumn), "Off");

    ui = {};
    EXPECT_TRUE(Import(ten + bad).failed);
    EXPECT_EQ(Told(), report);
    ExpectConsistent(3);
    const std::string fast =
        Line({"1", "Pop", "Fast", "8Beat", "4/4", "40000", "", "No", "No", "No"});
    for (const std::string& line : {fast, ten.substr(0, ten.size() - 2) + "\tIntro 1\r\n"}) {
        ui = {};
        EXPECT_TRUE(Import(line + ten).failed);
        EXPECT_EQ(ui.messages,
                  Texts{"There is a problem (e.g. extra carriage return) in this line 0\r\n" +
                        line.substr(0, line.size() - 2)});
        ExpectConsistent(3);
    }
}

// Calc quotes text cells, drops zeros, ends lines with LF or CR; quoted cells hold " tab and EOL.
TEST_F(TextImportTest, ReadsTheQuotesLineEndsAndEncodingsSpreadsheetsWrite) {
    for (const std::string eol : {"\n", "\r"}) {
        OpenRecords(0);
        const std::string text =
            "\"Number\"\t\"Genre    \"\t\"Music         \"\t\"Style    \"\t\"TimeSig\"\t\"Tempo\"\t"
            "\"Keywords\"\t\"Favorites\"\t\"Search 1\"\t\"Search 2\"\t\"Intro\"\t\"Section\"" +
            eol + "1\t\"Pop\"\t\"Caf\xE9 \"\"Live\"\"\"\t\"cool pop\"\t\" 4/ 4\"\t72\t" +
            "\"love, summer\"\t\"Yes\"\t\"No\"\t\"No\"\t\"Intro 2\"\t\"Main C\"" + eol + eol +
            "2\t\"Rock\"\t\"Two\tLines" + eol + "Here\"\t\"8Beat\"\t\" 3/ 4\"\t120\t\t\"No\"\t" +
            "\"yes\"\t\"No\"\t\"Off\"\t\"Off\"" + eol;
        EXPECT_EQ(ImportFile(text).accepted, 2);
        EXPECT_EQ(RowOf(1).tempo, "72");
        EXPECT_EQ(Stored(1), Imported("\0\x01\0\x01\x04\x04\0\x48\x01", "Caf\xE9 \"Live\"", "Pop",
                                      "love, summer", 0x26));
        EXPECT_EQ(Stored(2),
                  Imported("\0\x02\0\x03\x03\x04\0\x78\x02", "Two\tLines" + eol + "Here", "Rock"));
        ExpectConsistent(2);
    }
    EXPECT_EQ(Told(), "");
    // Excel's UTF-16 LE with its mark, UTF-8 with or without; what the code page lacks becomes "?".
    const std::u16string utf16 =
        u"1\tJazz\tZ\u0142oty \u20AC\U0001F3B5 Caf\u00e9\tslow rock\t4/4\t"
        u"96\t\"a, b\"\tNo\tNo\tYES\tEnding 1\tMain A\r\n";
    const std::string utf8 =
        "1\tJazz\tZ\u0142oty \u20AC\U0001F3B5 Caf\u00e9\tslow rock\t4/4\t"
        "96\t\"a, b\"\tNo\tNo\tYES\tEnding 1\tMain A\r\n";
    std::string little = "\xFF\xFE";
    for (const char16_t unit : utf16) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    for (const std::string& bytes : {little, "\xEF\xBB\xBF" + utf8, utf8}) {
        OpenRecords(0);
        EXPECT_EQ(ImportFile(bytes).accepted, 1);
        EXPECT_EQ(Stored(1), Imported("\0\x01\0\x02\x04\x04\0\x60\x04", "Z?oty \x80? Caf\xE9",
                                      "Jazz", "a, b", static_cast<char>(0x84)));
        EXPECT_EQ(RowOf(1).music, "Z?oty \u20AC? Caf\u00e9");
    }
}

TEST(DelimitedTextTest, TellsTheEncodingsApart) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"Caf\xC3\xA9", "Caf\u00e9"},                    // UTF-8 without a mark
        {"Caf\xE9 \xC3\xA9", "Caf\u00e9 \u00c3\u00a9"},  // not UTF-8 as a whole: Windows-1252
        {"\x81\x80", "\u0081\u20AC"},                    // Windows-1252
        {"\xEF\xBB\xBF\x41\xE2\x82\xAC", "A\u20AC"},     // UTF-8 with its mark
        {"\xFF\xFE\x41\0\0\xD8\x42\0"s, "A?B"},          // UTF-16 LE, a lone surrogate
        {"\xFE\xFF\0\x41\xD8\x3C\xDF\xB5\0"s, "A??"},    // UTF-16 BE, a pair, half a character
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(DecodeDelimitedText(bytes), text) << bytes;
    }
}

// Each report names what was wrong with the line, then the line; nothing changes on a failure.
TEST_F(TextImportTest, NamesWhatWasWrongWithALine) {
    OpenRecords(0);
    ws.settings.allowUserStyles = true;
    const std::string longLine = "1\tPop\t" + std::string(73, 'x') + "\u00e9" +
                                 std::string(70000, 'x') + "\t8Beat\t4/4\t1\t\tNo\tNo\tNo";
    const std::string cases[][3] = {
        {"1\tPop\tNine\t8Beat\t4/4\t100\t\tNo\tNo", "There was a problem With this file",
         "9 fields, where a line has 10 or 12"},
        {longLine, "There was a problem With this file", "Longer than 65536 bytes"},
        {"1\tPop\tSlow\t8Beat\t4/4\t40000\t\tNo\tNo\tNo", "Error #: 6, Overflow",
         "The tempo \"40000\" does not fit its field"},
        {"1\tPop\tOdd\t70000\t3/4\t100\t\tNo\tNo\tNo", "Error #: 6, Overflow",
         "The style \"70000\" does not fit its field"},
        {"1\tPop\tOdd\t8Beat\t3\t100\t\tNo\tNo\tNo", "Error #: 5, Invalid procedure call",
         "The time signature \"3\" has no \"/\""},
    };
    for (const auto& [line, report, problem] : cases) {
        ui = {};
        EXPECT_TRUE(Import(line + "\r\n").failed);
        const std::string text = ui.reports.at(0).text.value_or("");
        const std::string shown = line.size() > 65536 ? line.substr(0, 79) + " ..." : line;
        EXPECT_TRUE(text.starts_with(report)) << text;
        EXPECT_TRUE(text.ends_with("\r\n" + problem + "\r\nLine 1: " + shown)) << text;
    }
    ui = {};
    EXPECT_FALSE(Import(kExportHeader + "\r\n").failed);
    EXPECT_EQ(ImportTextDelimitedFile(ws, ui).accepted, 0);  // cancelled
    WriteFile(folder.File("empty.txt"), std::string());
    for (const char* name : {"missing.txt", "empty.txt"}) {
        ui.fileAnswers.push_back(folder.Path() / name);
        EXPECT_TRUE(ImportTextDelimitedFile(ws, ui).failed);
    }
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"COOLPOP", "002"}});
    EXPECT_TRUE(Import(DataLine("Pop", "A", "Cool Pop")).failed);
    const std::string early = Reported(kInputPastEndOfFile, "ImportTextDelimitedFile");
    EXPECT_EQ(Told(), "No record was added: the file holds no line that could be stored;" + early +
                          early + Reported(kDuplicateKey, "ImportTextDelimitedFile"));
    ExpectConsistent(0);
}

TEST_F(TextImportTest, ExportsTheListInDisplayOrder) {
    EXPECT_EQ(RecordListExportText(doc), kExportHeader);
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {{0, 1, 4, 4, 120, 5, "One", "Rock", "", 0x15},
                                           WithTexts("Caf\u00e9", "Jazz", "kw"),
                                           WithTexts("Three", "Pop")})));
    Delete(1);
    doc.SetSort(true, kGenreColumn, SortOrder::kAscending);
    const std::string text = RecordListExportText(doc);
    EXPECT_EQ(text, kExportHeader + "1\tdeleted\t\t\t\t\t\tYes\tNo\tYes\tIntro 1\tMain B\r\n" +
                        "2\tJazz\tCaf\u00e9\t001\t 4/ 4\t120\tkw\tNo\tNo\tNo\tOff\tOff\r\n" +
                        "3\tPop\tThree\t001\t 4/ 4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n");

    ui.fileAnswers = {folder.Path() / "list.txt", folder.Path() / "list.txt"};
    ui.confirmAnswers = {false};
    ASSERT_TRUE(SaveDelimitedFile(text, ui));
    EXPECT_FALSE(SaveDelimitedFile("other", ui));
    EXPECT_EQ(ui.questions, Texts{"This will replace existing file"});
    EXPECT_EQ(FileText("list.txt"), EncodeWindows1252(text) + "\r\n");
}

TEST(PlayListExportTest, WritesItsOwnHeaderAndFiveCellsPerRow) {
    EXPECT_EQ(PlayListExportText({{"00002", "Song B", "8Beat", " 3/ 4", "100", " "},
                                  {"00001", "Song A", "Cool Pop", " 4/ 4", "096", "slow start"}}),
              "Number\tMusic         \tStyleName\tTimeSig\tTempo\tComments\r\n1\tSong B\t8Beat\t "
              "3/ 4\t100\t \r\n2\tSong A\tCool Pop\t 4/ 4\t096\tslow start\r\n");
    EXPECT_THROW(PlayListExportText({{"00001", "Song A", "Pop"}}), Failure);  // song-genre rows
}

}  // namespace
}  // namespace quillory::testkit
