#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "support/mfd_builder.h"
#include "support/temp_folder.h"

namespace quillory::cli {
namespace {

namespace mfd = testkit::mfd;
using testkit::BuildMfd;
using testkit::ReadFile;
using testkit::TempFolder;
using testkit::WriteFile;

TEST(CliCommandLineTest, TakesOptionsInAnyOrderAndRefusesWrongCommandLines) {
    using Path = std::filesystem::path;
    const auto line = std::get<CommandLine>(
        ParseCommandLine({"list", "-o", "out.txt", "--numbers", "a.mfd", "--styles", "tables"}));
    EXPECT_EQ(std::tuple(line.files, line.output, line.styles, line.numbers),
              std::tuple(std::vector<Path>{"a.mfd"}, Path("out.txt"), Path("tables"), true));
    const std::pair<std::vector<std::string>, const char*> refusals[] = {
        {{}, "no command given"},
        {{"frobnicate", "a.mfd"}, "unknown command 'frobnicate'"},
        {{"list", "a.mfd", "-o"}, "-o needs a value"},
        {{"info"}, "info takes 1 file"},
        {{"list", "a.mfd", "-o", ""}, "-o needs a file name"},
        {{"merge", "a.mfd", "-o", "out.mfd"}, "merge takes 2 files or more"},
        {{"duplicates", "a.mfd", "b.mfd"}, "duplicates takes 1 file"}};
    for (const auto& [args, problem] : refusals) {
        EXPECT_THAT(std::get<UsageError>(ParseCommandLine(args)).problem,
                    testing::HasSubstr(problem));
    }
}

// Texts outside ASCII in the file and its style table.
class CliCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(File("PSR-2000.dat"), std::string("Bossa Se\xF1or;042\r\n"));
        WriteFile(
            File("songs.mfd"),
            BuildMfd("PSR-2000", {{std::nullopt, 42, 4, 4, 120, 3, "Café", "Pop", "€uro", 0x15}}));
        std::filesystem::create_directory(File("empty"));
    }

    std::string File(const std::string& name) const { return folder_.File(name); }
    // The status, what went out and the errors: "0|out|errors".
    std::string Run(const std::vector<std::string>& args) const {
        std::ostringstream out, errors;
        const int status =
            RunCommand(std::get<CommandLine>(ParseCommandLine(args)), folder_.Path(), out, errors);
        return std::to_string(status) + "|" + out.str() + "|" + errors.str();
    }

    TempFolder folder_;
};

// The list as written out; an instrument the program does not know is a wrong command line.
TEST_F(CliCommandsTest, ListShowsTheStylesOfTheGivenFolderWhereTold) {
    EXPECT_NE(Run({"list", File("songs.mfd")}).find("\tBossa Se\xF1or\t"), std::string::npos);
    EXPECT_EQ(
        Run({"list", File("songs.mfd"), "--styles", File("empty")}),
        "0|Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
        "Search 1\tSearch 2\tIntro\tSection\r\n"
        "1\tPop\tCaf\xE9\t042\t 4/ 4\t120\t\x80uro\tYes\tYes\tNo\tIntro 1\tMain B\r\n\r\n|");
    EXPECT_EQ(Run({"convert", File("songs.mfd"), "--to", "PSR-9000", "-o", File("out.mfd")}),
              "2||quillory-cli: PSR-9000 is not an instrument this program knows\n");
    EXPECT_EQ(Run({"list", File("songs.mfd"), "-o", File("missing/out.txt")}),
              "1||That path doesn't exist.\n");
}

TEST_F(CliCommandsTest, RefusedFilesGiveTheProgramsMessagesAndWriteNothing) {
    Bytes overflow = BuildMfd("PSR-2000", {{}});
    overflow[mfd::RecordOffset(1) + 2] = 0x80;  // style number
    WriteFile(File("short.mfd"), BuildMfd("PSR-2000", {{}}, 2));
    WriteFile(File("overflow.mfd"), overflow);
    WriteFile(File("cut.mfd"), Bytes(37, 0));
    WriteFile(File("out.txt"), std::string("kept"));
    for (const auto& [name, message] :
         {std::pair{"short.mfd", "There was a problem With this file"},
          {"cut.mfd", "There was a problem With this file"},
          {"overflow.mfd", "Quillory can not read this file"}}) {
        for (const char* command : {"info", "list"}) {
            EXPECT_EQ(Run({command, File(name)}), "1||" + std::string(message) + "\n") << command;
        }
        EXPECT_EQ(Run({"convert", File(name), "--to", "TYROS", "-o", File("out.txt")}),
                  "1||" + std::string(message) + "\n");
        EXPECT_EQ(Run({"list", File(name), "-o", File("out.txt")}).substr(0, 2), "1|");
        EXPECT_EQ(ReadFile(File("out.txt")), Bytes({'k', 'e', 'p', 't'}));
    }
    EXPECT_EQ(Run({"import", File("songs.mfd"), File("empty"), "-o", File("out.txt")}),
              "1||Cannot use " + File("empty") + ": it is a folder, not a file.\n");
}

TEST_F(CliCommandsTest, MergesSkippingDuplicatesAndListsTheSongsRecordedTwice) {
    WriteFile(File("TYROS.dat"), std::string("Polka;008\r\nBossa Se\xF1or;007\r\n"));
    WriteFile(File("tyros.mfd"),
              BuildMfd("TYROS", {{std::nullopt, 7, 4, 4, 120, 0, "Café", "Pop", "", 0},
                                 {std::nullopt, 8, 3, 4, 90, 0, "Polka Song", "Folk", "", 0},
                                 {std::nullopt, 7, 4, 4, 99, 0, "New", "Latin", "", 0}}));
    EXPECT_EQ(Run({"merge", File("songs.mfd"), File("tyros.mfd"), "-o", File("out.mfd"),
                   "--skip-duplicates", "--log", File("log.txt")}),
              "0|" + File("tyros.mfd") + ": 2 records merged, 1 duplicates left out\n|");
    EXPECT_EQ(ReadFile(File("out.mfd")),
              BuildMfd("PSR-2000", {{0, 42, 4, 4, 120, 3, "Café", "Pop", "€uro", 0x15},
                                    {1, 42, 3, 4, 90, 0, "Polka Song", "Folk", "FIX,", 0},
                                    {2, 42, 4, 4, 99, 0, "New", "Latin", "", 0}}));
    const Bytes log = ReadFile(File("log.txt"));
    const std::string logText(log.begin(), log.end());
    EXPECT_EQ(logText.substr(0, 35), "Style conversions to Bossa Se\xF1or   ");
    EXPECT_EQ(logText.substr(logText.find("\r\n")), "\r\n\r\n0001  Polka Song   polka\r\n\r\n");

    EXPECT_EQ(Run({"merge", File("songs.mfd"), File("tyros.mfd"), File("missing.mfd"), "-o",
                   File("none.mfd")}),
              "1|" + File("tyros.mfd") + ": 3 records merged\n|Could not find that file \n");
    EXPECT_FALSE(std::filesystem::exists(File("none.mfd")));
    EXPECT_EQ(Run({"merge", File("songs.mfd"), File("tyros.mfd"), "-o", File("all.mfd")}),
              "0|" + File("tyros.mfd") + ": 3 records merged\n|");
    WriteFile(File("twice.mfd"),
              BuildMfd("PSR-2000", {{std::nullopt, 42, 4, 4, 96, 0, "A", "Pop", "", 0},
                                    {std::nullopt, 42, 4, 4, 96, 0, "B", "Pop", "", 0},
                                    {std::nullopt, 42, 3, 4, 90, 0, "a ", "Rock", "", 0},
                                    {std::nullopt, 42, 3, 4, 90, 0, "b", "Rock", "", 0}}));
    const std::string style = "\tBossa Se\xF1or\t";
    EXPECT_EQ(Run({"duplicates", File("twice.mfd")}),
              "0|1\tPop\tA" + style +
                  " 4/ 4\t096\t\tNo\tNo\tNo\tOff\tOff\r\n"
                  "3\tRock\ta " +
                  style +
                  " 3/ 4\t090\t\tNo\tNo\tNo\tOff\tOff\r\n\r\n"
                  "2\tPop\tB" +
                  style +
                  " 4/ 4\t096\t\tNo\tNo\tNo\tOff\tOff\r\n"
                  "4\tRock\tb" +
                  style + " 3/ 4\t090\t\tNo\tNo\tNo\tOff\tOff\r\n|");
    EXPECT_EQ(Run({"duplicates", File("songs.mfd"), "--title-only"}), "0||");
    EXPECT_EQ(Run({"info", File("songs.mfd"), File("out.mfd")}),
              "0|file: " + File("songs.mfd") +
                  "\nmodel: PSR-2000\nrecords: 1\nsource: PSR-2000\n\nfile: " + File("out.mfd") +
                  "\nmodel: PSR-2000\nrecords: 3\nsource: PSR-2000\n|");
}

TEST_F(CliCommandsTest, ImportThatStoresNoRecordExitsWith1) {
    const std::string header =
        "Number\tGenre\tMusic\tStyle\tTimeSig\tTempo\tKeywords\tFavorites\t"
        "Search 1\tSearch 2\tIntro\tSection\r\n";
    WriteFile(File("none.txt"), header);
    EXPECT_EQ(Run({"import", File("songs.mfd"), File("none.txt"), "-o", File("out.mfd")}),
              "1||No record was added: the file holds no line that could be stored\n");
    EXPECT_FALSE(std::filesystem::exists(File("out.mfd")));
}

}  // namespace
}  // namespace quillory::cli
