#include "data/common/text.h"
#include "data/document/window_title.h"
#include "data/format/instrument_catalog.h"
#include "data/format/style_table.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

using ReaderTest = DataTest;
using StyleTableTest = DataTest;

// Genres read alike only when all their 16 bytes are alike, and a genre reading "deleted" marks
// every record that carries it; the widest time signature and the largest style number read too,
// and the records of one style share one copy of its name.
TEST_F(ReaderTest, GenresAreToldApartByAllTheirBytes) {
    WriteTable("PSR-2000", {{"Pop", "001"}});
    const std::string a = "Ballroom Dance A", b = "Ballroom Dance B";
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {{0, 32767, 255, 255, 0, 0, "", a, "", 0},
                                           WithTexts("", b),
                                           WithTexts("", a),
                                           WithTexts("", std::string("dele\0ted", 8)),
                                           WithTexts("", "deleted")})));
    EXPECT_EQ(Map(doc.Records(), Joined),
              (Texts{"00001|" + a + "||32767| 255/ 255|000||No|No|No|Off|Off",
                     "00002|" + b + "||Pop| 4/ 4|120||No|No|No|Off|Off",
                     "00003|" + a + "||Pop| 4/ 4|120||No|No|No|Off|Off",
                     "00004|deleted||Pop| 4/ 4|120||No|No|No|Off|Off",
                     "00005|deleted||Pop| 4/ 4|120||No|No|No|Off|Off"}));
    EXPECT_EQ(Map(doc.Records(), [](const Record& row) { return row.deleted; }),
              (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(ws.choices.genres, (Texts{a, b, "deleted"}));
    // The records of one style share its name.
    EXPECT_EQ(&doc.At(1).style.str(), &doc.At(2).style.str());
}

TEST_F(ReaderTest, RefusedOpenKeepsThePreviousFile) {
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {RecordValues{}}), "first.mfd"));
    const Bytes image = doc.Image();
    WriteFile(folder.File("empty.mfd"), Bytes{});
    const std::pair<const char*, std::string> refusals[] = {
        {"fd", "The program can only open mfd files. Not a valid file"},
        {"missing.mfd", "Could not find that file "},
        {"empty.mfd", "Bad File"}};
    for (const auto& [name, message] : refusals) {
        ui.messages.clear();
        EXPECT_EQ(OpenMusicFinderFile(ws, folder.File(name), name, ui), ReadOutcome::kRefused);
        EXPECT_EQ(ui.messages, Texts{message}) << name;
        EXPECT_EQ(ws.file.name + (doc.Image() == image ? "" : " changed"), "first.mfd") << name;
    }

    EXPECT_TRUE(Open(BuildMfd("PSR-1100", {}), "LOUD.MFD"));
    EXPECT_TRUE(doc.Empty());
}

// Style names by 3- or 4-digit key, user style numbers from 600, halves from 623 or 689.
TEST(StyleColumnTest, ShowsNamesNumbersOrHalvesByTheInstrumentsRules) {
    const std::vector<int> numbers = {12, 13, 599, 600, 622, 623, 688, 689, 1300, 1301};
    const Texts names = {"S12", "S599", "S600", "S622", "S623", "S688", "S689", "S1300", "S1301"};
    const std::tuple<const char*, int, Texts> cases[] = {
        // none shown: every style by name
        {"PSR-2000", 3, {}},
        {"PSR-3000", 4, {}},
        {"TYROS", 3, {"S12", "013", "S599", "600", "622", "623", "688", "689", "1300", "1301"}},
        {"CVP-203", 3, {"S12", "013", "S599", "S600", "S622", "312", "344", "345", "650", "651"}},
        {"CVP-204",
         3,
         {"S12", "013", "S599", "S600", "S622", "S623", "S688", "345", "650", "651"}}};
    for (auto [id, digits, shown] : cases) {
        SCOPED_TRACE(id);
        Harness h;
        Styles table = {{"Wrong width", ZeroPad(12, 7 - digits)}};
        for (const std::string& name : names) {
            table.push_back({name, ZeroPad(std::stoi(name.substr(1)), digits)});
        }
        if (shown.empty()) {
            shown = names;
            shown.insert(shown.begin() + 1, ZeroPad(13, digits));
        }
        h.WriteTable(id, table);
        h.ws.settings.targetInstrument = "unset";  // keeps the editor's list for the user styles
        ASSERT_TRUE(h.Open(BuildMfd(id, RecordsWithStyles(numbers))));
        EXPECT_EQ(h.Column(kStyleColumn), shown);
        const Texts userStyles = {"013", "600", "622", "623", "688", "689", "1300", "1301"};
        EXPECT_EQ(h.ChoiceNames(), std::string(id) == "TYROS" ? userStyles : Texts{shown[1]});
    }
}

// A model name, trimmed, must match exactly, else the source stays; a fixed menu item overrides
// it. An unknown source and "Use Style Numbers" show 0 as 000 and other numbers as their half.
TEST_F(ReaderTest, SourceInstrumentComesFromHeaderOrMenu) {
    WriteTable("PSR-2000", {{"Twelve", "012"}});
    WriteTable("numbers", {{"Twelve", "012"}});
    const SourceMenu instrument{SourceMenu::Choice::kInstrument, "PSR-2000"},
        numbers{SourceMenu::Choice::kStyleNumbers, ""};
    const Texts named = {"000", "Twelve", "013"}, halves = {"000", "006", "007"};
    const std::tuple<std::string, SourceMenu, std::string, std::string, Texts> cases[] = {
        {std::string("\x01PSR-2000\xFF\x7C", 11), {}, "", "PSR-2000", named},
        {"KEYBOARD", {}, "", "", halves},
        {"Psr-2000", {}, "PSR-1000", "PSR-1000", {"000", "012", "013"}},
        {"CVP-204", instrument, "TYROS", "PSR-2000", named},
        {"PSR-2000", numbers, "", "numbers", halves}};
    for (const auto& [header, menu, previous, source, styles] : cases) {
        SCOPED_TRACE(header);
        ws.settings.sourceMenu = menu;
        ws.file.sourceInstrument = previous;
        ASSERT_TRUE(Open(BuildMfd(header, RecordsWithStyles({0, 12, 13}))));
        EXPECT_EQ(ws.file.sourceInstrument, source);
        EXPECT_EQ(Column(kStyleColumn), styles);
    }
}

// The source menu's items and the Save As dialog's options in the order shown: "!" marks an
// item that does nothing, "-" one greyed out.
TEST(InstrumentCatalogTest, MenuItemsAndTargetOptionsInTheirOrder) {
    std::string items, options;
    for (const Instrument* i : SourceMenuInstruments()) {
        const SourceMenuItem& item = i->sourceItem;
        items += std::string(item.name) + "=" + std::string(item.caption) + "/" +
                 std::string(item.title) + (item.acts ? "" : "!") + (item.enabled ? "" : "-") + " ";
    }
    for (const Instrument* i : TargetOptionInstruments()) {
        options += std::string(i->targetOption.name) + "=" + std::string(i->targetOption.caption) +
                   ">" + std::string(i->id) + " ";
    }
    EXPECT_EQ(
        items,
        "mnuPSR2000=PSR2000/PSR-2000 mnuPSR2100=PSR2100/PSR-2100 mnuPSR1000=PSR1000/PSR-1000 "
        "mnuPSR1100=PSR1100/PSR-1100 mnuPSR1500=PSR1500/PSR-1500- mnuPSR3000=PSR3000/PSR-3000 "
        "mnuCVP209=CVP209/CVP-209 mnuCVP207=CVP207/CVP-207 mnuCVP205=CVP205/CVP-205 "
        "mnuCVP203=CVP203/CVP-203 mnuCVP210=CVP210/CVP-210! mnuCVP208=CVP208/CVP-208! "
        "mnuCVP206=CVP206/CVP-206! mnuCVP204=CVP204/CVP-204! mnuTYROS=Tyros/Tyros ");
    EXPECT_EQ(options,
              "optTarget3000=PSR3000>PSR-3000 optTarget1500=PSR1500>PSR-1500 "
              "optTarget204=CVP204>CVP-204 optTarget206=CVP206>CVP-206 optTarget208=CVP208>CVP-208 "
              "optTarget210=CVP210>CVP-210 optTarget1100=PSR1100>PSR-1100 "
              "optTarget2100=PSR2100>PSR-2100 optTargetTyros=TYROS>TYROS "
              "optTarget207=CVP207>CVP-207 optTarget203=CVP203>CVP-203 "
              "optTarget1000=PSR1000>PSR-1000 optTarget2000=PSR2000>PSR-2000 "
              "optTarget205=CVP205>CVP-205 optTarget209=CVP209>CVP-209 ");
}

// Slots grow by 30 when the next-to-last is filled; no genre lost, doubled or empty.
TEST_F(ReaderTest, GenreSlotsGrowAndKeepEveryGenreSorted) {
    for (const auto& [distinct, slots] : {std::pair{29, 31}, {30, 61}, {60, 91}}) {
        std::vector<RecordValues> records;
        Texts expected;
        for (int i = distinct - 1; i >= 0; --i) {
            const std::string genre = (i < 10 ? "G0" : "G") + std::to_string(i);
            expected.insert(expected.begin(), genre);
            records.insert(records.end(), {WithTexts("", genre), {}, WithTexts("", genre)});
        }
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
        EXPECT_EQ(ws.choices.genres, expected) << distinct;
        expected.resize(static_cast<std::size_t>(slots));
        EXPECT_EQ(ws.file.genres, expected) << distinct;
    }
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", Map(Texts{"pop", "Éire", "Rock", "Ballad"},
                                              [](auto& g) { return WithTexts("", g); }))));
    EXPECT_EQ(ws.choices.genres, (Texts{"Ballad", "Rock", "pop", "Éire"}));
}

// Later reads keep the target; a user style joins the editor's list once unless offered.
TEST_F(ReaderTest, OnlyTheFirstReadChoosesTheTarget) {
    WriteTable("PSR-2000", {{" Pop ", "001"}, {"Ballad", "002"}, {"009", "009"}});
    WriteTable("TYROS", {{"Swing", "001"}, {"Jazz", "002"}});
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", RecordsWithStyles({1})), "a.mfd"));
    EXPECT_EQ(Column(kStyleColumn), Texts{" Pop "});  // as written
    ws.settings.allowUserStyles = true;
    const Bytes tyros = BuildMfd("TYROS", RecordsWithStyles({2, 700, 9, 700}));
    ASSERT_TRUE(Open(tyros, "b.mfd"));
    ASSERT_TRUE(Open(tyros, "b.mfd"));
    EXPECT_EQ(ws.settings.targetInstrument, "PSR-2000");
    EXPECT_TRUE(ws.settings.allowUserStyles);
    EXPECT_EQ(Column(kStyleColumn), (Texts{"Jazz", "700", "009", "700"}));
    EXPECT_EQ(ChoiceNames(), (Texts{"Pop", "Ballad", "009", "700"}));
    EXPECT_EQ(ws.choices.styles.back().number, 700);
    EXPECT_EQ(TitleAfterRead(ws),
              "Quillory   b.mfd  Source Instrument = TYROS   Deafult Style = 009");
}

TEST_F(StyleTableTest, ParsesLinesEndedByCrLfUpToTheFirstEmptyOne) {
    const auto lines = [](std::string_view text) {
        return Map(ParseStyleTable(text),
                   [](const StyleTableLine& line) { return line.name + "|" + line.numberText; });
    };
    EXPECT_EQ(lines("A;001\r\nA2;001\r\nLast;002"), (Texts{"A|001", "A2|001"}));
    EXPECT_EQ(lines("A;001\r\n\r\nB;002\r\n"), Texts{"A|001"});
    EXPECT_EQ(lines("A;001\rB;002\r\n"), Texts{"A|001\rB;002"});
    EXPECT_EQ(lines(" Cool Pop ;012;x\r\nTitle\r\n;\r\n"), (Texts{" Cool Pop |012;x", "|"}));
    EXPECT_EQ(lines("A;001\nB;002\r\nC;\r003\r\r\n\nD;004\n"),
              (Texts{"A|001", "B|002", "C|\r003\r"}));
    // A line of 65,536 bytes is read; one byte more and the table is refused with its number.
    const std::string longest = std::string(65532, 'n') + ";001";
    EXPECT_EQ(lines("A;001\n" + longest + "\r\n").size(), 2u);
    EXPECT_EQ(ErrorOf([&] { lines("A;001\n" + longest + "2\r\n"); }), kFileRefused);

    SourceStyles styles;
    styles.Add("999", "Stale");
    FillSourceStyles(styles, "A;001\r\nA2;001\r\n");
    EXPECT_EQ(styles.Size(), 1u);
    EXPECT_EQ(*styles.Find("001") + (styles.Find("1") ? " and 1" : ""), "A");
}

// A number that is not a whole number stops the set-up, keeping what came before.
TEST_F(StyleTableTest, EditorListKeepsEveryLineAndTheLastIsTheDefault) {
    ws.settings.targetInstrument = "CVP-305";
    ws.choices.styles = {{"Old", 1}};
    WriteFile(folder.File("CVP-305.dat"),
              std::string("A;0001\r\n B ; 0002\r\nA2;0001\r\nCaf\xE9;1234\r\n"));
    SetUpStyleChoices(ws, ui);
    EXPECT_EQ(ChoiceNames(), (Texts{"A", "B", "A2", "Café"}));
    EXPECT_EQ(ws.choices.styles[3].number, 1234);
    EXPECT_EQ(ws.settings.defaultStyle, "Café");

    WriteTable("CVP-305", {{"C", "0001"}, {"D", "three"}, {"E", "0004"}});
    SetUpStyleChoices(ws, ui);
    EXPECT_EQ(ChoiceNames(), Texts{"C"});
    EXPECT_EQ(ws.settings.defaultStyle, "Café");
    EXPECT_EQ(Told(), Reported(kTypeMismatch, "cboStyle_setup"));

    Remove("CVP-305.dat");
    SetUpStyleChoices(ws, ui);
    EXPECT_TRUE(ws.choices.styles.empty());
    EXPECT_EQ(ws.settings.defaultStyle, "");
}

}  // namespace
}  // namespace quillory::testkit
