#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "support/realistic_data.h"
#include "support/temp_folder.h"

namespace quillory::cli {
namespace {

using testkit::TempFolder;

// What the tool writes, folded into one number: the same files and command lines must give
// the same bytes from one version of the program to the next.
class OutputDigest {
public:
    void Add(const std::string& bytes) {
        for (unsigned char byte : bytes) {
            value_ = (value_ ^ byte) * 1099511628211ULL;
        }
        value_ = (value_ ^ 0xFF) * 1099511628211ULL;
    }
    std::uint64_t Value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ULL;
};

struct Source {
    const char* instrument;
    int digits;
};
constexpr Source kSources[] = {
    {"PSR-2000", 3}, {"TYROS", 3}, {"CVP-207", 3}, {"PSR-3000", 4}, {"PSR-1000", 3}};

// Two hundred generated files of every source instrument, read, listed, converted to another
// instrument and given another file's lines: the output stays byte for byte what it was.
TEST(CliOutputTest, StaysByteForByteOnGeneratedFiles) {
    TempFolder folder;
    for (const Source& source : kSources) {
        testkit::WriteFile(folder.File(std::string(source.instrument) + ".dat"),
                           testkit::StyleTableText(testkit::RealisticStyleTable(
                               source.digits == 4 ? 600 : 300, source.digits)));
    }
    OutputDigest digest;
    auto run = [&](const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream errors;
        const int status =
            RunCommand(std::get<CommandLine>(ParseCommandLine(args)), folder.Path(), out, errors);
        digest.Add(std::to_string(status) + out.str() + errors.str());
        return out.str();
    };
    auto fileText = [&](const std::string& name) {
        const Bytes bytes = testkit::ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    };
    constexpr int kFiles = 200;
    for (int i = 0; i < kFiles; ++i) {
        const Source& source = kSources[i % 5];
        const Source& target = kSources[(i / 5 + i + 1) % 5];
        const testkit::StyleTableLines table =
            testkit::RealisticStyleTable(source.digits == 4 ? 600 : 300, source.digits);
        testkit::StyleDraw draw{testkit::StyleNumbersOf(table), {777, 1300, 1301, 650}, i % 4 * 5};
        const std::string name = "file" + std::to_string(i) + ".mfd";
        testkit::WriteFile(
            folder.File(name),
            testkit::BuildMfd(
                source.instrument,
                testkit::RealisticRecords(1 + i * 13 % 400, static_cast<std::uint64_t>(i), draw)));
        const std::string file = folder.File(name);
        const bool numbers = i % 7 == 0;
        run(numbers ? std::vector<std::string>{"info", file, "--numbers"}
                    : std::vector<std::string>{"info", file});
        run(numbers ? std::vector<std::string>{"list", file, "--numbers"}
                    : std::vector<std::string>{"list", file});
        std::vector<std::string> convert = {"convert",         file, "--to",
                                            target.instrument, "-o", folder.File("out.mfd")};
        if (i % 3 == 0) {
            convert.push_back("--allow-user-styles");
        }
        if (i % 4 == 1) {
            convert.insert(convert.end(), {"--default-style", "None"});
        }
        run(convert);
        run({"list", file, "-o", folder.File("lines.txt")});
        std::vector<std::string> import = {"import", file, folder.File("lines.txt"), "-o",
                                           folder.File("imported.mfd")};
        if (i % 2 == 0) {
            import.push_back("--allow-user-styles");
        }
        run(import);
        for (const char* output : {"out.mfd", "lines.txt", "imported.mfd"}) {
            if (std::filesystem::exists(folder.File(output))) {
                digest.Add(fileText(output));
                std::filesystem::remove(folder.File(output));
            }
        }
    }
    EXPECT_EQ(digest.Value(), 9465944557130401629u);
}

}  // namespace
}  // namespace quillory::cli
