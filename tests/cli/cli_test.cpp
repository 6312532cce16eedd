#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"

namespace quillory::cli {
namespace {

TEST(CommandLineTest, RefusesUnknownCommands) {
    const auto parsed = ParseCommandLine({"frobnicate"});
    EXPECT_TRUE(std::holds_alternative<UsageError>(parsed));
}

}  // namespace
}  // namespace quillory::cli
