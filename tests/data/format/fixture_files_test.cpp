#include "data/harness.h"
#include "support/fixture_bytes.h"

// Music Finder files and style tables written out byte by byte, with the rows they must show.
namespace quillory::testkit {
namespace {

// Seven records of a PSR-2000: every field, every mark (and a marks byte above 7, which shows
// none), every section code and every byte from 0x80 to 0xFF; the table names styles 042 and 001.
const char* const kPsr2000 =
    "'MUSIC FINDER 1.0' 'PSR-2000' 00*8  00 00 00 07 00 00"
    "00 00 00 2A 04 04 00 78 03 'My Song' 00*25 'Pop' 00*13 'love,summer' 00*21 15 00 00"
    "00 29 00 01 06 08 00 60 05 'My' 00 'Song' 00*25 'P' 00 'o' 00 'p' 00*11"
    "   'love' 00 'summer' 00*21 0A 00 00"
    "27 0E 00 63 0C 10 04 D2 0F 'Thirty-Two Characters Of A Title' 'Sixteen Letters!'"
    "   'thirty,two,keyword,characters,ok' A0 'XY'"
    "00 03 00 01 00 00 00 05 07 80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F"
    "   90 91 92 93 94 95 96 97 98 99 9A 9B 9C 9D 9E 9F A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB"
    "   AC AD AE AF B0 B1 B2 B3 B4 B5 B6 B7 B8 B9 BA BB BC BD BE BF C0 C1 C2 C3 C4 C5 C6 C7"
    "   C8 C9 CA CB CC CD CE CF 4C 00 00"
    "00 04 00 01 03 04 00 00 06 D0 D1 D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF"
    "   E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE EF F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB"
    "   FC FD FE FF 'Caf' E9 00*28 26 00 00"
    "00 05 00 2A 02 02 00 3C 01 'Six' 00*29 00*16 00*32 89 00 00"
    "00 06 00 2A 03 04 00 64 02 'Seven' 00*27 'Pop' 00*13 00*32 37 00 00";

// Two records of a TYROS, styles 599 and 600 (a user style); the header's unread bytes are set.
const char* const kTyros =
    "'MUSIC FINDER 1.0' 'TYROS' 00*10 20  01 02 00 02 03 04"
    "00 00 02 57 04 04 00 78 00 'Tyros One' 00*23 'Pop' 00*13 'one' 00*29 00 AA BB"
    "00 01 02 58 04 04 00 78 00 'Tyros Two' 00*23 'Pop' 00*13 'two,keys' 00*24 00 CC DD";

using FixtureFilesTest = DataTest;

TEST_F(FixtureFilesTest, RowsOfHandWrittenFiles) {
    WriteFile(folder.File("PSR-2000.dat"), std::string("Cool Pop;042\r\n8Beat;001\r\n"));
    WriteFile(folder.File("TYROS.dat"), std::string("Cool Pop;042\r\nLast Tyros;599\r\n"));
    ASSERT_TRUE(Open(FixtureBytes(kPsr2000)));
    EXPECT_EQ(
        Map(doc.Records(), Joined),
        (Texts{"00001|Pop|My Song|Cool Pop| 4/ 4|120|love,summer|Yes|Yes|No|Intro 1|Main B",
               "00042|Pop|My|8Beat| 6/ 8|096|love|Yes|No|Yes|Off|Ending 3",
               "09999|Sixteen Letters!|Thirty-Two Characters Of A Title|099| 12/ 16|1234|"
               "thirty,two,keyword,characters,ok|No|No|No|Ending 3|Off",
               "00004|\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯|€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ"
               "\u009DžŸ|8Beat| 0/ 0|005|°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ|Yes|Yes|Yes|Main A|Off",
               "00005|ðñòóôõö÷øùúûüýþÿ|ÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîï|8Beat| 3/ 4|000|Café|No|"
               "Yes|Yes|Intro 2|Main C",
               "00006||Six|Cool Pop| 2/ 2|060||Yes|No|No|Ending 1|Ending 2",
               "00007|Pop|Seven|Cool Pop| 3/ 4|100||No|Yes|No|Intro 3|Main D"}));
    // The records of one style share its name.
    EXPECT_EQ(&doc.At(0).style.str(), &doc.At(5).style.str());
    EXPECT_EQ(ws.file.sourceInstrument + " " + ChoiceNames().back(), "PSR-2000 099");

    ASSERT_TRUE(Open(FixtureBytes(kTyros)));
    EXPECT_EQ(Map(doc.Records(), Joined),
              (Texts{"00001|Pop|Tyros One|Last Tyros| 4/ 4|120|one|No|No|No|Off|Off",
                     "00002|Pop|Tyros Two|600| 4/ 4|120|two,keys|No|No|No|Off|Off"}));

    // A header naming no known instrument keeps the source; with none, 0 is 000 and 13 half.
    ws.file.sourceInstrument = "";
    ASSERT_TRUE(
        Open(FixtureBytes("'MUSIC FINDER 1.0' 'KEYBOARD' 00*8 00 00 00 02 00 00"
                          "00 00 00 00 04 04 00 78 00 00*80 00 00 00"
                          "00 01 00 0D 04 04 00 78 00 00*80 00 00 00")));
    EXPECT_EQ(ws.file.sourceInstrument + Column(kStyleColumn)[0] + Column(kStyleColumn)[1],
              "000007");
}

// A cut record and a count too high end the read with a report, an overflow with a message;
// the rows read before stay.
TEST_F(FixtureFilesTest, BrokenFilesKeepTheRowsBeforeTheBreak) {
    const Bytes whole = FixtureBytes(kPsr2000);
    Bytes cut(whole.begin(), whole.begin() + 38 + 92 + 50), countTooHigh = whole, overflow = whole;
    countTooHigh[35] = 8;
    overflow[38 + 92 + 6] = 0x80;  // the second record's tempo
    const std::string early = Reported(kInputPastEndOfFile, "List1");
    const std::tuple<Bytes, std::size_t, std::string> cases[] = {
        {cut, 1, early},
        {countTooHigh, 7, early},
        {overflow, 1, "Quillory can not read this file;"},
        {Bytes(whole.begin(), whole.begin() + 35), 0, early},   // a header without count
        {Bytes(whole.begin(), whole.begin() + 37), 0, early}};  // a count without the rest
    for (const auto& [bytes, rows, told] : cases) {
        SCOPED_TRACE(bytes.size());
        ui = {};
        EXPECT_EQ(Read(bytes, "bad.mfd"), ReadOutcome::kPartlyRead);
        EXPECT_EQ(std::tuple(Told(), doc.Size(), ws.file.loaded || ui.busy),
                  std::tuple(told, rows, false));
    }
}

// A TYROS file saved for a PSR-2000: the header's own bytes carried, the user style replaced by
// the default style with "FIX," over its keywords; headers for other targets.
TEST_F(FixtureFilesTest, SavedFileHasEveryByteInPlace) {
    WriteFile(folder.File("TYROS.dat"), std::string("Cool Pop;042\r\nLast Tyros;599\r\n"));
    WriteFile(folder.File("PSR-2000.dat"), std::string("Last Tyros;017\r\nSwing;002\r\n"));
    ASSERT_TRUE(Open(FixtureBytes(kTyros)));
    ASSERT_EQ(Save("PSR-2000", "out.mfd"), ConversionOutcome::kSaved);
    const Bytes expected = FixtureBytes(
        "'MUSIC FINDER11.0' 'PSR-2000' 20 00*6 20  01 02 00 02 03 04"
        "00 00 00 11 04 04 00 78 00 'Tyros One' 00*23 'Pop' 00*13 'one' 00*29 00 AA BB"
        "00 01 00 11 04 04 00 78 00 'Tyros Two' 00*23 'Pop' 00*13 'FIX,keys' 00*24 00 CC DD");
    EXPECT_EQ(ReadFile(folder.File("out.mfd")), expected);

    // The format digit is 2 for four-digit styles; the input's byte 31 pads up to byte 24.
    for (const auto& [target, header] :
         {std::pair{"TYROS", "'MUSIC FINDER11.0' 'TYROS' 20 20 20 20 00*6 20 01 02 00 02 03 04"},
          {"CVP-307", "'MUSIC FINDER21.0' 'CVP-307' 20 20 00*6 20 01 02 00 02 03 04"}}) {
        WriteFile(folder.File(std::string(target) + ".dat"), std::string("Last Tyros;0599\r\n"));
        ASSERT_EQ(Save(target, "out.mfd"), ConversionOutcome::kSaved);
        const Bytes out = ReadFile(folder.File("out.mfd"));
        EXPECT_EQ(Bytes(out.begin(), out.begin() + 38), FixtureBytes(header)) << target;
    }
}

}  // namespace
}  // namespace quillory::testkit
