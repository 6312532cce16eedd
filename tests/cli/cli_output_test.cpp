#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "examples/realistic_data.h"
#include "support/temp_folder.h"

namespace quillory::cli {
namespace {

// Two hundred generated files of five source instruments, read, listed, converted to another
// instrument and given their own lines back: every byte the tool writes, folded into one
// number, stays what it was in the version before the document was rebuilt.
TEST(CliOutputTest, StaysByteForByteOnGeneratedFiles) {
    testkit::TempFolder folder;
    const std::pair<const char*, int> sources[] = {
        {"PSR-2000", 3}, {"TYROS", 3}, {"CVP-207", 3}, {"PSR-3000", 4}, {"PSR-1000", 3}};
    auto table = [](int digits) {
        return testkit::RealisticStyleTable(digits == 4 ? 600 : 300, digits);
    };
    for (const auto& [instrument, digits] : sources) {
        testkit::WriteFile(folder.File(std::string(instrument) + ".dat"),
                           testkit::StyleTableText(table(digits)));
    }
    std::uint64_t digest = 14695981039346656037ULL;
    auto add = [&](const std::string& bytes) {
        for (unsigned char byte : bytes + '\xFF') {
            digest = (digest ^ byte) * 1099511628211ULL;
        }
    };
    auto run = [&](std::vector<std::string> args, bool option, std::vector<std::string> extra) {
        if (option) {
            args.insert(args.end(), extra.begin(), extra.end());
        }
        std::ostringstream out, errors;
        const int status =
            RunCommand(std::get<CommandLine>(ParseCommandLine(args)), folder.Path(), out, errors);
        add(std::to_string(status) + out.str() + errors.str());
    };
    for (int i = 0; i < 200; ++i) {
        const auto& [instrument, digits] = sources[i % 5];
        const testkit::StyleDraw draw{
            testkit::StyleNumbersOf(table(digits)), {777, 1300, 1301, 650}, i % 4 * 5};
        const std::string file = folder.File("file" + std::to_string(i) + ".mfd");
        testkit::WriteFile(
            file, testkit::BuildMfd(instrument, testkit::RealisticRecords(1 + i * 13 % 400,
                                                                          std::uint64_t(i), draw)));
        run({"info", file}, i % 7 == 0, {"--numbers"});
        run({"list", file}, i % 7 == 0, {"--numbers"});
        std::vector<std::string> convert = {"convert", file,
                                            "--to",    sources[(i / 5 + i + 1) % 5].first,
                                            "-o",      folder.File("out.mfd")};
        if (i % 3 == 0) {
            convert.push_back("--allow-user-styles");
        }
        run(convert, i % 4 == 1, {"--default-style", "None"});
        run({"list", file, "-o", folder.File("lines.txt")}, false, {});
        run({"import", file, folder.File("lines.txt"), "-o", folder.File("imported.mfd")},
            i % 2 == 0, {"--allow-user-styles"});
        for (const char* output : {"out.mfd", "lines.txt", "imported.mfd"}) {
            if (std::filesystem::exists(folder.File(output))) {
                const Bytes bytes = testkit::ReadFile(folder.File(output));
                add(std::string(bytes.begin(), bytes.end()));
                std::filesystem::remove(folder.File(output));
            }
        }
    }
    EXPECT_EQ(digest, 9465944557130401629u);
}

}  // namespace
}  // namespace quillory::cli
