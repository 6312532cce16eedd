#include "data/conversion/save_as.h"
#include "data/conversion/style_options.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

using Records = Texts;

Records RecordsOf(const Bytes& image) {
    Records records;
    for (int n = 1; n <= CountOf(image); ++n) {
        records.push_back(RecordBytes(image, n));
    }
    EXPECT_EQ(image.size(), mfd::RecordOffset(CountOf(image) + 1));
    return records;
}

const std::string kNoSubstitution = "\r\n\r\n\r\n";

class ConversionTest : public DataTest {
protected:
    // Five PSR-1000 records for the PSR-2000, which lacks Polka and the user style 99.
    void OpenFiveRecords() {
        WriteTable(
            "PSR-1000",
            {{"Cool Pop", "001"}, {"Slow Rock", "002"}, {"Big Band", "003"}, {"Polka", "004"}});
        WriteTable(
            "PSR-2000",
            {{"  COOL   POP ", "017"}, {"slowrock", " 42"}, {"Big Band", "100"}, {"8Beat", "250"}});
        input = BuildMfd(
            "PSR-1000",
            {{40, 1, 2, 4, 90, 0, "First", "Genre0", "kw0 fills the whole keyword field!", 0x15},
             {47, 4, 3, 4, 91, 1, "Don't-Stop~ Me", "Genre1", "kw1 fills the keyword field!", 0x16},
             {54, 2, 4, 4, 92, 2, "Third", "Genre2", "kw2 fills the whole keyword field!", 0x17},
             {61, 3, 5, 4, 93, 3, "Fourth", "Genre3", "kw3 fills the whole keyword field!", 0x18},
             {68, 99, 6, 4, 94, 4, "Fifth Song With A Long Title 32Z", "Genre4", "kw4", 0x19}});
        for (int n = 1; n <= 5; ++n) {  // the bytes no one reads are carried too
            input[mfd::RecordOffset(n) + 90] = static_cast<std::uint8_t>(0xA0 + n);
            input[mfd::RecordOffset(n) + 91] = static_cast<std::uint8_t>(0xB0 + n);
        }
        ASSERT_TRUE(Open(input));
        ChooseTargetInstrument(ws, "PSR-2000", ui);
    }

    Records Saved(const std::string& target = "PSR-2000", bool checkedOnly = false) {
        EXPECT_EQ(Save(target, "out.mfd", checkedOnly), ConversionOutcome::kSaved);
        return RecordsOf(ReadFile(folder.File("out.mfd")));
    }

    // Input record n renumbered and restyled, other bytes as read, "FIX," where substituted.
    std::string Expected(int n, int outputNumber, int style, bool substituted = false) const {
        std::string record = RecordBytes(input, n);
        record.replace(0, 4,
                       {static_cast<char>(outputNumber >> 8), static_cast<char>(outputNumber),
                        static_cast<char>(style >> 8), static_cast<char>(style)});
        return substituted ? record.replace(mfd::kKeywords, 4, "FIX,") : record;
    }

    // The export log after its first line, which names the default style and a date.
    std::string ExportLog(const std::string& defaultStyle) const {
        const std::string log = FileText("ExportLog.txt");
        const std::string start = "Style conversions to " + defaultStyle + "   ";
        const auto end = log.find("\r\n");
        EXPECT_EQ(log.substr(0, start.size()), start);
        EXPECT_GT(end, start.size()) << "no date";
        return end == std::string::npos ? log : log.substr(end);
    }

    std::vector<Colour> Colours() const {
        return Map(std::vector<int>{1, 2, 3, 4, 5}, [this](int n) { return RowOf(n).styleColour; });
    }

    Bytes input;
};

TEST_F(ConversionTest, MapsStylesByNameRenumbersAndSkipsDeletedOrUncheckedRows) {
    OpenFiveRecords();
    Delete(3);
    Tick({3});
    doc.SetStyleColour(IndexOf(3), 0x123456);
    ws.settings.defaultStyle = "big band";
    SetUnknownStyleColour(ws, kBlue, ui);  // a file is loaded: this previews
    EXPECT_EQ(Colours(), (std::vector<Colour>{kBlack, kBlue, 0x123456, kBlack, kBlue}));
    EXPECT_TRUE(Preview("PSR-2000").stylesMissing);
    EXPECT_EQ(Saved(), (Records{Expected(1, 0, 17), Expected(2, 1, 100, true), Expected(4, 2, 100),
                                Expected(5, 3, 100, true)}));
    ASSERT_TRUE(ui.reports.empty());
    EXPECT_EQ(ExportLog("big band"),
              "\r\n\r\n0001  Don t Stop  Me   polka\r\n0002  Fifth Song With A Long Title 32Z   "
              "099\r\n\r\n");

    Tick({5});
    doc.SetStyleColour(IndexOf(2), kRed);
    EXPECT_EQ(Saved("PSR-2000", true), Records{Expected(5, 0, 100, true)});
    EXPECT_EQ(RowOf(2).styleColour, kRed);
    EXPECT_EQ(ExportLog("big band"),
              "\r\n\r\n0001  Fifth Song With A Long Title 32Z   099\r\n\r\n");

    for (const std::string defaultStyle : {"None", ""}) {
        SetDefaultStyle(ws, defaultStyle, ui);  // previews
        EXPECT_EQ(Colours(), (std::vector<Colour>{kBlack, kBlue, 0x123456, kBlack, kBlue}));
        EXPECT_EQ(Saved(), (Records{Expected(1, 0, 17), Expected(4, 1, 100)}));
        EXPECT_EQ(ExportLog(defaultStyle), kNoSubstitution);
    }

    WriteTable("PSR-2000", {{"Cool Pop", "1"}, {"Big Band", "100"}, {"Polka", "7"}, {"099", "99"}});
    Record polka = RowOf(1);
    polka.style = "Polka";
    doc.Change(IndexOf(1), polka);
    EXPECT_FALSE(Preview("PSR-2000").stylesMissing);
    EXPECT_EQ(RowOf(2).styleColour, kBlack);
    EXPECT_EQ(Saved(), (Records{Expected(1, 0, 7), Expected(2, 1, 7), Expected(4, 2, 100),
                                Expected(5, 3, 99)}));
}

TEST_F(ConversionTest, PairsRowsWithTheirRecordsWhateverTheirOrder) {
    OpenFiveRecords();
    doc.SetSort(true, kGenreColumn, SortOrder::kDescending);
    doc.SetSort(false, kGenreColumn, SortOrder::kDescending);
    EXPECT_EQ(Saved(), (Records{Expected(1, 0, 17), Expected(2, 1, 250, true), Expected(3, 2, 42),
                                Expected(4, 3, 100), Expected(5, 4, 250, true)}));
    EXPECT_EQ(Colours(), (std::vector<Colour>{kBlack, kRed, kBlack, kBlack, kRed}));
    EXPECT_EQ(Order(doc), (std::vector<int>{5, 4, 3, 2, 1}));  // not sorted: left as it was

    // The conversion itself changes nothing: the caller colours and sorts.
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    doc.SetStyleColour(IndexOf(2), kBlue);
    const Conversion converted = ConvertRecords(doc, StyleNameIndex(FileText("PSR-2000.dat")),
                                                {"PSR-2000", "PSR-1000", "None"});
    EXPECT_EQ(RecordsOf(converted.image),
              (Records{Expected(1, 0, 17), Expected(3, 1, 42), Expected(4, 2, 100)}));
    EXPECT_EQ(Map(converted.rows, [](RowStyle row) { return row.lacking; }),
              (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(Order(doc), (std::vector<int>{2, 5, 1, 4, 3}));
    EXPECT_EQ(RowOf(2).styleColour, kBlue);
    Preview("PSR-2000");
    EXPECT_EQ(Order(doc), (std::vector<int>{1, 2, 3, 4, 5}));

    // A preview reads the target's table again only when the file's size or time changed.
    ws.settings.defaultStyle = "None";
    const std::filesystem::path table = folder.Path() / "PSR-2000.dat";
    const auto written = std::filesystem::last_write_time(table);
    WriteTable(
        "PSR-2000",
        {{"  COOL   POP ", "017"}, {"slowrock", " 42"}, {"Big Band", "100"}, {"Polka", "250"}});
    std::filesystem::last_write_time(table, written);
    Preview("PSR-2000");
    EXPECT_EQ(RowOf(2).styleColour, kRed);
    std::filesystem::last_write_time(table, written + std::chrono::seconds(1));
    Preview("PSR-2000");
    EXPECT_EQ(RowOf(2).styleColour, kBlack);
}

TEST_F(ConversionTest, KeepsUserStylesOnlyOnTheSameInstrumentWhenAllowed) {
    OpenFiveRecords();
    ChooseTargetInstrument(ws, "PSR-1000", ui);
    SetDefaultStyle(ws, "Big Band", ui);
    EXPECT_EQ(RowOf(5).styleColour, kRed);
    EXPECT_EQ(Saved("PSR-1000")[4], Expected(5, 4, 3, true));
    SetAllowUserStyles(ws, true, ui);
    EXPECT_EQ(RowOf(5).styleColour, kBlack);
    EXPECT_EQ(Saved("PSR-1000"), (Records{Expected(1, 0, 1), Expected(2, 1, 4), Expected(3, 2, 2),
                                          Expected(4, 3, 3), Expected(5, 4, 99)}));
    EXPECT_EQ(ExportLog("Big Band"), kNoSubstitution);
    EXPECT_EQ(Saved("PSR-2000")[4], Expected(5, 4, 100, true));
    EXPECT_EQ(RowOf(5).styleColour, kRed);
}

TEST_F(ConversionTest, FailsWithoutFileOrLogOnATableOrDefaultItCannotUse) {
    OpenFiveRecords();
    ws.settings.defaultStyle = "Big Band";
    const auto expectFailure = [&](int number) {
        Remove("ExportLog.txt");
        ui = {};
        EXPECT_EQ(Save("PSR-2000", "out.mfd"), ConversionOutcome::kFailed);
        EXPECT_FALSE(Exists("out.mfd") || Exists("ExportLog.txt"));
        EXPECT_EQ(Told(), Reported(number, "SaveMusicFinder"));
    };
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Big Band", "100"}, {"COOL POP", "002"}});
    expectFailure(kDuplicateKey);
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"Big Band", "100"}});
    ws.settings.defaultStyle = "Bossa";
    expectFailure(kInvalidProcedureCall);
    EXPECT_EQ(ui.reports.at(0).description, "The default style Bossa is not a style of PSR-2000");
    WriteTable(
        "PSR-2000",
        {{"Cool Pop", "1"}, {"Slow Rock", "2"}, {"Big Band", "3"}, {"Polka", "4"}, {"099", "99"}});
    EXPECT_EQ(Preview("PSR-2000").outcome, ConversionOutcome::kPreviewed);
    doc.PutRecordBytes(6, Bytes(mfd::kRecordSize, 0));
    doc.WriteHeaderCount(6);
    expectFailure(kSubscriptOutOfRange);
}

TEST_F(ConversionTest, HoldsEachTargetToItsRecordLimit) {
    for (const char* id : {"PSR-2000", "PSR-1000", "CVP-203"}) {
        WriteTable(id, {{"A", "001"}});
    }
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", std::vector<RecordValues>(2501))));
    const auto save = [&](const std::string& target, bool checkedOnly = false) {
        Remove("out.mfd");
        ui = {};
        Save(target, "out.mfd", checkedOnly);
        return Exists("out.mfd") ? std::to_string(CountOf(ReadFile(folder.File("out.mfd"))))
                                 : ui.messages.at(0);
    };
    const auto refusal = [](int count, int limit) {
        return "This mfd has  " + std::to_string(count) + " and the instrument will only accept " +
               std::to_string(limit) + ". Use Delete to remove records. ";
    };
    EXPECT_EQ(save("PSR-2000"), refusal(2501, 2500));
    EXPECT_EQ(save("CVP-203"), "2501");
    Delete(7);
    EXPECT_EQ(save("PSR-2000"), "2500");
    EXPECT_EQ(save("PSR-1000"), refusal(2500, 1200));
    for (std::size_t i = 100; i < 1300; ++i) {
        doc.SetChecked(i, true);
    }
    EXPECT_EQ(save("PSR-1000", true), "1200");
    doc.SetChecked(1300, true);
    EXPECT_EQ(save("PSR-1000", true), refusal(1201, 1200));
    EXPECT_TRUE(ui.reports.empty());
}

// The target combo and Save As name both places of a missing table and save nothing.
TEST_F(ConversionTest, AnInstrumentWithoutItsTableIsToldAndSavesNothing) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}});
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {RecordValues{}})));
    const std::string missing = "No style table TYROS.dat in " + folder.Path().string() +
                                " or in " + (folder.Path() / "styles").string();
    ui.fileAnswers = {folder.Path() / "out.mfd"};
    ChooseTargetInstrument(ws, "TYROS", ui);
    EXPECT_FALSE(SaveAs(ws, false, ui).file.has_value());
    EXPECT_EQ(ui.messages, (Texts{missing, missing}));
    EXPECT_FALSE(!ui.fileDialogs.empty() || Exists("out.mfd"));
}

}  // namespace
}  // namespace quillory::testkit
