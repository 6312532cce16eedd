#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "run_program.h"
#include "support/mfd_builder.h"
#include "support/temp_folder.h"

namespace quillory::cli {
namespace {

using testkit::BuildMfd;
using testkit::ReadFile;
using testkit::TempFolder;
using testkit::WriteFile;

std::string Problem(const std::vector<std::string>& args) {
    const auto parsed = ParseCommandLine(args);
    const auto* usage = std::get_if<UsageError>(&parsed);
    return usage ? usage->problem : "accepted";
}

// The problem names what was wrong; its exact wording is the tool's own.
TEST(CliCommandLineTest, RefusesWrongCommandLines) {
    using testing::HasSubstr;
    EXPECT_THAT(Problem({}), HasSubstr("no command given"));
    EXPECT_THAT(Problem({"frobnicate", "a.mfd"}), HasSubstr("unknown command 'frobnicate'"));
    EXPECT_THAT(Problem({"info", "a.mfd", "--verbose"}), HasSubstr("unknown option '--verbose'"));
    EXPECT_THAT(Problem({"list", "a.mfd", "-o"}), HasSubstr("-o needs a value"));
    EXPECT_THAT(Problem({"info"}), HasSubstr("info takes 1 file"));
}

TEST(CliCommandLineTest, TakesOptionsInAnyOrder) {
    const auto line = std::get<CommandLine>(
        ParseCommandLine({"list", "-o", "out.txt", "--numbers", "a.mfd", "--styles", "tables"}));
    EXPECT_EQ(line.files, std::vector<std::filesystem::path>{"a.mfd"});
    EXPECT_EQ(line.output, std::filesystem::path("out.txt"));
    EXPECT_EQ(line.styles, std::filesystem::path("tables"));
    EXPECT_TRUE(line.numbers);
}

// A PSR-2000 file of two records beside its style table; texts outside ASCII on both sides.
class CliCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(folder_.File("PSR-2000.dat"), std::string("Bossa Se\xF1or;042\r\n8Beat;001\r\n"));
        // number, style, time signature, tempo, marks, music, genre, keywords, sections
        WriteFile(
            File("songs.mfd"),
            BuildMfd("PSR-2000", {{std::nullopt, 42, 4, 4, 120, 3, "Café", "Pop", "€uro", 0x15},
                                  {std::nullopt, 7, 3, 4, 96, 4, "Blue", "Jazz", "", 0}}));
        std::filesystem::create_directory(File("empty"));
    }

    std::string File(const std::string& name) const { return folder_.File(name); }

    struct Outcome {
        int status;
        std::string out;
        std::string errors;
    };

    // Runs a command line with this folder as the tool's own folder.
    Outcome Run(const std::vector<std::string>& args) const {
        std::ostringstream out;
        std::ostringstream errors;
        const int status =
            RunCommand(std::get<CommandLine>(ParseCommandLine(args)), folder_.Path(), out, errors);
        return {status, out.str(), errors.str()};
    }

    TempFolder folder_;
};

TEST_F(CliCommandsTest, InfoAndListPrintTheFileWithTheGivenStyles) {
    EXPECT_EQ(Run({"info", File("songs.mfd"), "--numbers"}).out,
              "model: PSR-2000\nrecords: 2\nsource: numbers\n");
    const Outcome list = Run({"list", File("songs.mfd"), "--styles", File("empty")});
    EXPECT_EQ(list.status, kSuccess);
    EXPECT_NE(list.out.find("\r\n1\tPop\tCaf\xE9\t042\t 4/ 4\t120\t\x80uro\tYes"),
              std::string::npos);
    EXPECT_EQ(Run({"list", File("songs.mfd"), "-o", File("out.txt")}).out, "");
    EXPECT_EQ(ReadFile(File("out.txt")).size(), Run({"list", File("songs.mfd")}).out.size());
    EXPECT_EQ(Run({"list", File("songs.mfd"), "-o", File("missing/out.txt")}).errors,
              "That path doesn't exist.\n");
}

// The reader's test covers the refusals before the read.
TEST_F(CliCommandsTest, RefusedFilesGiveTheProgramsMessages) {
    Bytes overflow = BuildMfd("PSR-2000", {{}});
    overflow[RecordOffset(1) + 2] = 0x80;  // style number
    WriteFile(File("short.mfd"), BuildMfd("PSR-2000", {{}}, 2));
    WriteFile(File("overflow.mfd"), overflow);
    WriteFile(File("out.txt"), std::string("kept"));
    const std::pair<const char*, const char*> cases[] = {
        {"short.mfd", "There was a problem With this file\n"},
        {"overflow.mfd", "Quillory can not read this file\n"},
    };
    for (const auto& [name, message] : cases) {
        for (const char* command : {"info", "list"}) {
            SCOPED_TRACE(std::string(command) + " " + name);
            const Outcome outcome = Run({command, File(name)});
            EXPECT_EQ(outcome.status, kRefused);
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.errors, message);
        }
        EXPECT_EQ(Run({"list", File(name), "-o", File("out.txt")}).status, kRefused);
        EXPECT_EQ(ReadFile(File("out.txt")), Bytes({'k', 'e', 'p', 't'}));
    }
}

TEST(CliExecutableTest, WrongCommandLineShowsUsageAndExitsWith2) {
    TempFolder folder;
    const int status = testkit::RunProgram(QUILLORY_CLI_PATH, {"info", "a.mfd", "--bogus"},
                                           folder.File("out"), folder.File("err"));
    EXPECT_EQ(status, kWrongCommandLine);
    EXPECT_TRUE(ReadFile(folder.File("out")).empty());
    const Bytes bytes = ReadFile(folder.File("err"));
    const std::string errors(bytes.begin(), bytes.end());
    EXPECT_THAT(errors, testing::StartsWith("quillory-cli: unknown option '--bogus'"));
    EXPECT_THAT(errors, testing::EndsWith("\n\n" + UsageText()));
}

}  // namespace
}  // namespace quillory::cli
