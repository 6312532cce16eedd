#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conversion_harness.h"
#include "data/instrument_catalog.h"
#include "data/style_options.h"
#include "data/text.h"

namespace quillory {
namespace {

using testkit::BuildMfd;
using testkit::MarkDeleted;
using testkit::RecordBytesOf;
using testkit::RecordSpec;

// A record as the writer must produce it from input record n: the output number and the new
// style in front, every other byte as read, "FIX," over the keywords when substituted.
Bytes ExpectedRecord(const Bytes& in, int n, int outputNumber, int style, bool substituted) {
    Bytes record = RecordBytesOf(in, n);
    record[0] = static_cast<std::uint8_t>(outputNumber >> 8);
    record[1] = static_cast<std::uint8_t>(outputNumber & 0xFF);
    record[2] = static_cast<std::uint8_t>(style >> 8);
    record[3] = static_cast<std::uint8_t>(style & 0xFF);
    if (substituted) {
        std::copy_n("FIX,", 4, record.begin() + 57);
    }
    return record;
}

int CountOf(const Bytes& image) {
    return image[34] * 256 + image[35];
}

// The log after its first line, which must name the default style and then the date.
std::string LogAfterFirstLine(const std::string& log, const std::string& defaultStyle) {
    const std::string start = "Style conversions to " + defaultStyle + "   ";
    const auto end = log.find("\r\n");
    EXPECT_EQ(log.substr(0, start.size()), start);
    EXPECT_GT(end, start.size()) << "no date";
    return end == std::string::npos ? log : log.substr(end);
}

class ConversionTest : public testing::Test, public testkit::ConversionHarness {
  protected:
    // A PSR-1000 file of five records: Cool Pop, Polka (which the PSR-2000 lacks), Slow Rock,
    // Big Band and the user style 99, each with texts and bytes of its own.
    void OpenFiveRecords() {
        WriteTable(
            "PSR-1000",
            {{"Cool Pop", "001"}, {"Slow Rock", "002"}, {"Big Band", "003"}, {"Polka", "004"}});
        // The target spells the names in other cases and blanks, and one number with a blank.
        WriteTable(
            "PSR-2000",
            {{"  COOL   POP ", "017"}, {"slowrock", " 42"}, {"Big Band", "100"}, {"8Beat", "250"}});
        std::vector<RecordSpec> records(5);
        const int styles[] = {1, 4, 2, 3, 99};
        const char* titles[] = {"First", "Don't-Stop~ Me", "Third", "Fourth",
                                "Fifth Song With A Long Title 32Z"};
        for (int i = 0; i < 5; ++i) {
            records[i].style = styles[i];
            records[i].music = titles[i];
            records[i].genre = "Genre" + std::to_string(i);
            records[i].keywords = "kw" + std::to_string(i) + " fills the whole keyword field!";
            records[i].marks = static_cast<std::uint8_t>(i);
            records[i].sections = static_cast<std::uint8_t>(0x15 + i);
            records[i].tempo = 90 + i;
            records[i].timeSigNumerator = static_cast<std::uint8_t>(2 + i);
        }
        input = BuildMfd("PSR-1000", records);
        for (int n = 1; n <= 5; ++n) {  // the bytes no one reads are carried too
            input[RecordOffset(n) + 90] = static_cast<std::uint8_t>(0xA0 + n);
            input[RecordOffset(n) + 91] = static_cast<std::uint8_t>(0xB0 + n);
        }
        ASSERT_TRUE(Open(input));
        ASSERT_TRUE(ui.reports.empty());
        ASSERT_EQ(store.gSourceInstrument, "PSR-1000");
        ASSERT_EQ(RowOf(5).Cell(kStyleColumn), "099");
    }

    Bytes input;
};

TEST_F(ConversionTest, MapsStylesByNameRenumbersAndCopiesEveryOtherByte) {
    OpenFiveRecords();
    MarkDeleted(store.list, *store.list.FindRecord(3));
    store.list.SetChecked(*store.list.FindRecord(3), true);
    store.list.SetStyleColour(*store.list.FindRecord(3), 0x123456);
    store.gDefaultStyle = "big band";
    store.gUnknownStyleColor = kBlue;

    EXPECT_EQ(Preview("PSR-2000"), ConversionOutcome::kPreviewed);
    ASSERT_TRUE(ui.reports.empty());

    const Bytes& out = store.gOutBytes;
    ASSERT_EQ(out.size(), kHeaderSize + 4 * kRecordSize);
    EXPECT_EQ(CountOf(out), 4);
    EXPECT_EQ(RecordBytesOf(out, 1), ExpectedRecord(input, 1, 0, 17, false));
    EXPECT_EQ(RecordBytesOf(out, 2), ExpectedRecord(input, 2, 1, 100, true));
    EXPECT_EQ(RecordBytesOf(out, 3), ExpectedRecord(input, 4, 2, 100, false));
    EXPECT_EQ(RecordBytesOf(out, 4), ExpectedRecord(input, 5, 3, 100, true));

    EXPECT_EQ(RowOf(1).styleColour, kBlack);
    EXPECT_EQ(RowOf(2).styleColour, kBlue);
    EXPECT_EQ(RowOf(3).styleColour, 0x123456u);  // deleted: not considered at all
    EXPECT_EQ(RowOf(4).styleColour, kBlack);
    EXPECT_EQ(RowOf(5).styleColour, kBlue);
    EXPECT_TRUE(store.gStylesMissing);
    EXPECT_EQ(store.gRecordCount, 5);
    EXPECT_FALSE(ui.busy);

    // The log names the default style, then each substitution with the title as the log shows
    // it (bytes outside "0" to "}" blanked, trimmed) and the style's normalised name.
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "big band"),
              "\r\n\r\n0001  Don t Stop  Me   polka\r\n0002  Fifth Song With A Long Title 32Z   "
              "099\r\n\r\n");

    // Once the target names every style, nothing is missing any more.
    WriteTable("PSR-2000", {{"Cool Pop", "017"},
                            {"Slow Rock", "42"},
                            {"Big Band", "100"},
                            {"Polka", "7"},
                            {"099", "099"}});
    Preview("PSR-2000");
    EXPECT_FALSE(store.gStylesMissing);
    EXPECT_EQ(RowOf(2).styleColour, kBlack);
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 2), ExpectedRecord(input, 2, 1, 7, false));
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "big band"), "\r\n\r\n\r\n");
}

TEST_F(ConversionTest, DropsRecordsWithMissingStylesWhenTheDefaultIsNoneOrEmpty) {
    OpenFiveRecords();
    for (const std::string defaultStyle : {"None", ""}) {
        SCOPED_TRACE("default style '" + defaultStyle + "'");
        SetDefaultStyle(store, defaultStyle, ui);  // a file is loaded: this previews
        Preview("PSR-2000");
        ASSERT_TRUE(ui.reports.empty());
        const Bytes& out = store.gOutBytes;
        ASSERT_EQ(out.size(), kHeaderSize + 3 * kRecordSize);
        EXPECT_EQ(CountOf(out), 3);
        EXPECT_EQ(RecordBytesOf(out, 1), ExpectedRecord(input, 1, 0, 17, false));
        EXPECT_EQ(RecordBytesOf(out, 2), ExpectedRecord(input, 3, 1, 42, false));
        EXPECT_EQ(RecordBytesOf(out, 3), ExpectedRecord(input, 4, 2, 100, false));
        EXPECT_EQ(RowOf(2).styleColour, kRed);
        EXPECT_EQ(RowOf(5).styleColour, kRed);
        EXPECT_TRUE(store.gStylesMissing);
        EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), defaultStyle), "\r\n\r\n\r\n");
    }
}

TEST_F(ConversionTest, SkipsDeletedRowsAndWithCheckedOnlyTheUncheckedOnes) {
    OpenFiveRecords();
    store.gDefaultStyle = "Big Band";

    // No row checked: a bare header with a count of 0.
    ASSERT_EQ(SaveAs("PSR-2000", "none.mfd", true), ConversionOutcome::kSaved);
    const Bytes none = testkit::ReadFile(folder.File("none.mfd"));
    ASSERT_EQ(none.size(), kHeaderSize);
    EXPECT_EQ(CountOf(none), 0);
    EXPECT_EQ(Bytes(none.begin() + 16, none.begin() + 24),
              Bytes({'P', 'S', 'R', '-', '2', '0', '0', '0'}));

    // A deleted row is left out even when checked; the written ones are numbered from 0.
    MarkDeleted(store.list, *store.list.FindRecord(1));
    for (int n : {1, 4, 5}) {
        store.list.SetChecked(*store.list.FindRecord(n), true);
    }
    ASSERT_EQ(SaveAs("PSR-2000", "checked.mfd", true), ConversionOutcome::kSaved);
    const Bytes checked = testkit::ReadFile(folder.File("checked.mfd"));
    ASSERT_EQ(checked.size(), kHeaderSize + 2 * kRecordSize);
    EXPECT_EQ(CountOf(checked), 2);
    EXPECT_EQ(RecordBytesOf(checked, 1), ExpectedRecord(input, 4, 0, 100, false));
    EXPECT_EQ(RecordBytesOf(checked, 2), ExpectedRecord(input, 5, 1, 100, true));
    // Unchecked rows are not considered: Polka, missing on the target, keeps the black of the
    // read's preview for the source.
    EXPECT_EQ(RowOf(2).styleColour, kBlack);
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "Big Band"),
              "\r\n\r\n0001  Fifth Song With A Long Title 32Z   099\r\n\r\n");

    // All records: the deleted one still left out.
    ASSERT_EQ(SaveAs("PSR-2000", "all.mfd"), ConversionOutcome::kSaved);
    const Bytes all = testkit::ReadFile(folder.File("all.mfd"));
    ASSERT_EQ(all.size(), kHeaderSize + 4 * kRecordSize);
    EXPECT_EQ(RecordBytesOf(all, 1), ExpectedRecord(input, 2, 0, 100, true));
    EXPECT_EQ(RecordBytesOf(all, 4), ExpectedRecord(input, 5, 3, 100, true));
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(ConversionTest, FindsRowsByRecordNumberWhateverTheirOrder) {
    OpenFiveRecords();
    store.gDefaultStyle = "8Beat";
    // Sorted by genre descending, then sorting switched off: the rows stay in reverse order.
    store.list.SetSort(true, kGenreColumn, SortOrder::kDescending);
    store.list.SetSort(false, kGenreColumn, SortOrder::kDescending);
    ASSERT_EQ(store.list.At(0).Cell(kNumberColumn), "00005");
    store.list.Select(1);  // record 4

    Preview("PSR-2000");
    const Bytes& out = store.gOutBytes;
    ASSERT_EQ(CountOf(out), 5);
    EXPECT_EQ(RecordBytesOf(out, 1), ExpectedRecord(input, 1, 0, 17, false));
    EXPECT_EQ(RecordBytesOf(out, 2), ExpectedRecord(input, 2, 1, 250, true));
    EXPECT_EQ(RecordBytesOf(out, 3), ExpectedRecord(input, 3, 2, 42, false));
    EXPECT_EQ(RecordBytesOf(out, 4), ExpectedRecord(input, 4, 3, 100, false));
    EXPECT_EQ(RecordBytesOf(out, 5), ExpectedRecord(input, 5, 4, 250, true));
    EXPECT_EQ(RowOf(2).styleColour, kRed);
    EXPECT_EQ(RowOf(4).styleColour, kBlack);
    EXPECT_EQ(store.list.SortColumn(), kNumberColumn);
    EXPECT_EQ(store.list.Order(), SortOrder::kAscending);
    // The preview leaves the selection on the row the user chose.
    ASSERT_TRUE(store.list.Selected());
    EXPECT_EQ(store.list.At(*store.list.Selected()).Cell(kNumberColumn), "00004");

    // With sorting on, the list is put back in number order and the selection follows its row.
    store.list.SetSort(true, kMusicColumn, SortOrder::kAscending);
    Preview("PSR-2000");
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(store.list.At(i).RecordNumber(), static_cast<int>(i) + 1);
    }
    ASSERT_TRUE(store.list.Selected());
    EXPECT_EQ(store.list.At(*store.list.Selected()).Cell(kNumberColumn), "00004");
}

TEST_F(ConversionTest, PairsRowsAndRecordsByPositionWhateverNumbersTheFileStores) {
    WriteTable("PSR-2000", {{"A", "001"}, {"B", "002"}, {"C", "003"}});
    WriteTable("PSR-2100", {{"A", "011"}, {"B", "012"}, {"C", "013"}});
    std::vector<RecordSpec> records(3);
    for (int i = 0; i < 3; ++i) {
        records[i].number = 40 + 7 * i;  // shown as 00041, 00048, 00055
        records[i].style = i + 1;
        records[i].genre = std::string(1, static_cast<char>('a' + i));
    }
    input = BuildMfd("PSR-2000", records);
    ASSERT_TRUE(Open(input));
    EXPECT_TRUE(ui.reports.empty());  // the read's own preview
    store.list.SetSort(true, kGenreColumn, SortOrder::kDescending);
    store.list.SetSort(false, kGenreColumn, SortOrder::kDescending);
    ASSERT_EQ(store.list.At(0).Cell(kNumberColumn), "00055");

    EXPECT_EQ(Preview("PSR-2100"), ConversionOutcome::kPreviewed);
    EXPECT_TRUE(ui.reports.empty());
    ASSERT_EQ(CountOf(store.gOutBytes), 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(RecordBytesOf(store.gOutBytes, n),
                  ExpectedRecord(input, n, n - 1, 10 + n, false));
    }
}

TEST_F(ConversionTest, KeepsUserStylesOnlyOnTheSameInstrumentWhenAllowed) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}});
    WriteTable("PSR-2100", {{"Cool Pop", "001"}, {"8Beat", "003"}});
    RecordSpec known;
    known.style = 1;
    known.music = "Known";
    RecordSpec user;
    user.style = 150;
    user.music = "Mine";
    user.keywords = "original keywords";
    input = BuildMfd("PSR-2000", {known, user});
    ASSERT_TRUE(Open(input));
    ASSERT_EQ(store.gDefaultStyle, "8Beat");
    ASSERT_EQ(RowOf(2).Cell(kStyleColumn), "150");
    EXPECT_EQ(RowOf(2).styleColour, kRed);  // the read's own preview

    // Not allowed: the user style gives way to the default style.
    Preview("PSR-2000");
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 2), ExpectedRecord(input, 2, 1, 3, true));
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "8Beat"),
              "\r\n\r\n0001  Mine   150\r\n\r\n");

    // Allowed: the number stays, the cell turns black and nothing is logged.
    SetAllowUserStyles(store, true, ui);
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 1), ExpectedRecord(input, 1, 0, 1, false));
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 2), ExpectedRecord(input, 2, 1, 150, false));
    EXPECT_EQ(RowOf(2).styleColour, kBlack);
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "8Beat"), "\r\n\r\n\r\n");

    // Allowed, but for another instrument: substituted after all.
    Preview("PSR-2100");
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 2), ExpectedRecord(input, 2, 1, 3, true));
    EXPECT_EQ(RowOf(2).styleColour, kRed);
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(ConversionTest, FailsWithoutFileOrLogOnATableOrDefaultItCannotUse) {
    OpenFiveRecords();
    store.gDefaultStyle = "Big Band";
    const auto expectFailure = [&](int number) {
        Remove("ExportLog.txt");
        ui.reports.clear();
        ui.fileDialogs.clear();
        EXPECT_EQ(SaveAs("PSR-2000", "out.mfd"), ConversionOutcome::kFailed);
        ASSERT_EQ(ui.reports.size(), 1u);
        EXPECT_EQ(ui.reports[0].number, number);
        EXPECT_EQ(ui.reports[0].operation, "SaveMusicFinder");
        EXPECT_TRUE(ui.fileDialogs.empty());
        EXPECT_FALSE(Exists("out.mfd"));
        EXPECT_FALSE(Exists("ExportLog.txt"));
        EXPECT_FALSE(ui.busy);
        ui.fileAnswers.clear();
    };

    // Two lines whose names differ only in case and blanks are one key twice.
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Big Band", "100"}, {"COOL POP", "002"}});
    expectFailure(kDuplicateKey);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].text,
              "Error #: 457, This key is already associated with an element of this collection, "
              "encountered in Function SaveMusicFinder. If the solution is not obvious, please "
              "report this to the author.");

    // A default style that the target lacks, met while substituting.
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Big Band", "100"}});
    store.gDefaultStyle = "Bossa";
    expectFailure(kInvalidProcedureCall);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_NE(ui.reports[0].description.find("Bossa"), std::string::npos);
    EXPECT_NE(ui.reports[0].description.find("PSR-2000"), std::string::npos);

    // The same default is no fault while nothing needs substituting.
    WriteTable(
        "PSR-2000",
        {{"Cool Pop", "1"}, {"Slow Rock", "2"}, {"Big Band", "3"}, {"Polka", "4"}, {"099", "99"}});
    ui.reports.clear();
    EXPECT_EQ(SaveAs("PSR-2000", "out.mfd"), ConversionOutcome::kSaved);
    EXPECT_TRUE(ui.reports.empty());
    Remove("out.mfd");

    // A count in the header above the number of rows.
    store.gFileBytes[35] = 6;
    store.gFileBytes.resize(RecordOffset(7), 0);
    expectFailure(kSubscriptOutOfRange);
}

TEST_F(ConversionTest, PreviewsRewriteTheLogAndFollowTheOptions) {
    OpenFiveRecords();
    testkit::WriteFile(folder.File("ExportLog.txt"), std::string(5000, 'x'));
    ui.fileAnswers.push_back(folder.Path() / "never.mfd");
    ChooseTargetInstrument(store, "PSR-2000", ui);  // its last style becomes the default
    EXPECT_EQ(store.gDefaultStyle, "8Beat");
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_FALSE(Exists("never.mfd"));
    EXPECT_EQ(LogAfterFirstLine(FileText("ExportLog.txt"), "8Beat"),
              "\r\n\r\n0001  Don t Stop  Me   polka\r\n0002  Fifth Song With A Long Title 32Z   "
              "099\r\n\r\n");
    EXPECT_EQ(RowOf(2).styleColour, kRed);  // Polka is a PSR-1000 style only

    SetUnknownStyleColour(store, kBlue, ui);
    EXPECT_EQ(RowOf(2).styleColour, kBlue);
    SetDefaultStyle(store, "Big Band", ui);
    EXPECT_EQ(RecordBytesOf(store.gOutBytes, 2), ExpectedRecord(input, 2, 1, 100, true));

    // Without a loaded file the options change nothing else.
    store.gFileLoaded = false;
    Remove("ExportLog.txt");
    SetDefaultStyle(store, "None", ui);
    SetUnknownStyleColour(store, kRed, ui);
    EXPECT_FALSE(Exists("ExportLog.txt"));
    EXPECT_EQ(RowOf(2).styleColour, kBlue);
}

TEST_F(ConversionTest, SavesOverALongerFileOnlyAfterAsking) {
    OpenFiveRecords();
    store.gDefaultStyle = "Big Band";
    testkit::WriteFile(folder.File("out.mfd"), std::string(5000, 'x'));

    // Cancel at the question: the old file stays, the log is still rewritten.
    Remove("ExportLog.txt");
    ui.confirmAnswers.push_back(false);
    EXPECT_EQ(SaveAs("PSR-2000", "out.mfd"), ConversionOutcome::kNotSaved);
    EXPECT_EQ(ui.questions, std::vector<std::string>{"This will replace existing file"});
    EXPECT_EQ(FileText("out.mfd"), std::string(5000, 'x'));
    EXPECT_TRUE(Exists("ExportLog.txt"));

    // OK: the file holds exactly the image.
    ui.confirmAnswers.push_back(true);
    EXPECT_EQ(SaveAs("PSR-2000", "out.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 2u);
    const Bytes saved = testkit::ReadFile(folder.File("out.mfd"));
    EXPECT_EQ(saved.size(), kHeaderSize + 5 * kRecordSize);
    EXPECT_EQ(saved, store.gOutBytes);
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[0].filter, "Music Finder Files(*.mfd)|*.mfd|");
    EXPECT_EQ(ui.fileDialogs[0].defaultExtension, "mfd");

    // A new name is not asked about.
    EXPECT_EQ(SaveAs("PSR-2000", "new.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(testkit::ReadFile(folder.File("new.mfd")), saved);

    // The save dialog cancelled: nothing written, the log still rewritten.
    Remove("ExportLog.txt");
    EXPECT_EQ(SaveMusicFinder(store, "PSR-2000", false, ConversionMode::kSave, ui),
              ConversionOutcome::kNotSaved);
    EXPECT_TRUE(Exists("ExportLog.txt"));

    // A folder that is not there: reported, and the log is not rewritten.
    Remove("ExportLog.txt");
    EXPECT_EQ(SaveAs("PSR-2000", "missing/out.mfd"), ConversionOutcome::kFailed);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].number, kPathNotFound);
    EXPECT_EQ(ui.reports[0].operation, "SaveMusicFinder");
    EXPECT_EQ(ui.reports[0].text, "That path doesn't exist.");
    EXPECT_FALSE(Exists("ExportLog.txt"));
    EXPECT_FALSE(ui.busy);
}

class RecordLimitTest : public testing::Test, public testkit::ConversionHarness {
  protected:
    void SetUp() override {
        for (const char* id : {"PSR-2000", "PSR-1000", "TYROS", "CVP-203", "PSR-3000"}) {
            WriteTable(id, {{"A", "001"}});
        }
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", std::vector<RecordSpec>(2501))));
    }

    // Saves for the target; the written count, or -1 when the limit refused it.
    int Save(const std::string& target, bool checkedOnly = false) {
        Remove("out.mfd");
        Remove("ExportLog.txt");
        ui.messages.clear();
        ui.fileDialogs.clear();
        const ConversionOutcome outcome = SaveAs(target, "out.mfd", checkedOnly);
        ui.fileAnswers.clear();
        if (outcome == ConversionOutcome::kOverLimit) {
            EXPECT_FALSE(Exists("out.mfd"));
            EXPECT_FALSE(Exists("ExportLog.txt"));
            EXPECT_TRUE(ui.fileDialogs.empty());
            return -1;
        }
        EXPECT_EQ(outcome, ConversionOutcome::kSaved);
        EXPECT_TRUE(ui.messages.empty());
        const Bytes saved = testkit::ReadFile(folder.File("out.mfd"));
        EXPECT_EQ(saved.size(),
                  kHeaderSize + kRecordSize * static_cast<std::size_t>(CountOf(saved)));
        return CountOf(saved);
    }

    std::string Message(int count, int limit) const {
        return "This mfd has  " + std::to_string(count) + " and the instrument will only accept " +
               std::to_string(limit) + ". Use Delete to remove records. ";
    }
};

TEST_F(RecordLimitTest, HoldsEachTargetToItsLimitOfWrittenRecords) {
    EXPECT_EQ(Save("PSR-2000"), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Message(2501, 2500)});
    EXPECT_EQ(Save("TYROS"), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Message(2501, 2500)});
    EXPECT_EQ(Save("PSR-3000"), -1);
    EXPECT_EQ(Save("CVP-203"), 2501);

    // The limit counts what is written, not what was read.
    MarkDeleted(store.list, 7);
    EXPECT_EQ(Save("PSR-2000"), 2500);
    EXPECT_EQ(Save("TYROS"), 2500);
    EXPECT_EQ(Save("PSR-1000"), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Message(2500, 1200)});

    for (std::size_t i = 100; i < 1300; ++i) {
        store.list.SetChecked(i, true);
    }
    EXPECT_EQ(Save("PSR-1000", true), 1200);
    store.list.SetChecked(1300, true);
    EXPECT_EQ(Save("PSR-1000", true), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{Message(1201, 1200)});
    EXPECT_TRUE(ui.reports.empty());
}

// The header for every target: the format digit at byte 12, the identifier from byte 16, the
// input's own pad byte up to byte 24, the input's bytes 25 to 37 and the written count.
class HeaderTest : public testing::TestWithParam<std::string_view>,
                   public testkit::ConversionHarness {};

TEST_P(HeaderTest, WritesFormatDigitIdentifierPadAndCarriedBytes) {
    const std::string target(GetParam());
    WriteTable("PSR-2000", {{"A", "001"}});
    WriteTable(target, {{"A", "001"}});
    Bytes in = BuildMfd("PSR-2000", std::vector<RecordSpec>(2));
    in[12] = 'Q';
    for (std::size_t i = 24; i < 38; ++i) {
        if (i != 34 && i != 35) {
            in[i] =
                static_cast<std::uint8_t>(0xC0 + i);  // above "{": the model name stays readable
        }
    }
    ASSERT_TRUE(Open(in));
    store.gDefaultStyle = "A";
    Preview(target);
    ASSERT_TRUE(ui.reports.empty());

    const Bytes& out = store.gOutBytes;
    ASSERT_EQ(out.size(), kHeaderSize + 2 * kRecordSize);
    const bool fourDigits =
        target == "PSR-1500" || target == "PSR-3000" || target == "CVP-305" || target == "CVP-307";
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(out[i], i == 12 ? (fourDigits ? '2' : '1') : in[i]) << "byte " << i;
    }
    EXPECT_EQ(std::string(out.begin() + 16,
                          out.begin() + 16 + static_cast<std::ptrdiff_t>(target.size())),
              target);
    for (std::size_t i = 16 + target.size(); i <= 24; ++i) {
        EXPECT_EQ(out[i], in[31]) << "pad byte " << i;
    }
    for (std::size_t i = 25; i < 38; ++i) {
        if (i != 34 && i != 35) {
            EXPECT_EQ(out[i], in[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(out[34], 0);
    EXPECT_EQ(out[35], 2);
}

std::vector<std::string_view> AllInstruments() {
    std::vector<std::string_view> ids;
    for (const Instrument& instrument : Instruments()) {
        ids.push_back(instrument.id);
    }
    return ids;
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, HeaderTest, testing::ValuesIn(AllInstruments()),
                         [](const testing::TestParamInfo<std::string_view>& info) {
                             return StripChars(info.param, "-");
                         });

}  // namespace
}  // namespace quillory
