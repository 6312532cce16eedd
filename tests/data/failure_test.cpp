#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data/failure.h"

namespace quillory {
namespace {

TEST(FailureTest, ErrorReportTextForEveryNumber) {
    struct Case {
        int number;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {53, "This file is Not found."},
        {54, "Can't open your file"},
        {57, "Internal disk error."},
        {61, "Disk is full."},
        {62, "There was a problem With this file"},
        {68, "That device appears unavailable."},
        {70,
         "Error writing to file- make sure it is not being used by another program and that "
         "the media is available."},
        {71, "Insert a disk in the drive "},
        {75, "File may have read-only attribute. Change attribute or choose another name."},
        {76, "That path doesn't exist."},
        {384, std::nullopt},
        {6,
         "Error #: 6, Overflow, encountered in Function List1. If the solution is not "
         "obvious, please report this to the author."},
        {457,
         "Error #: 457, This key is already associated with an element of this collection, "
         "encountered in Function List1. If the solution is not obvious, please report "
         "this to the author."},
        {1000,
         "Error #: 1000, Application-defined or object-defined error, encountered in "
         "Function List1. If the solution is not obvious, please report this to the "
         "author."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorReportText(Failure(c.number), "List1"), c.text) << c.number;
    }
    EXPECT_EQ(ErrorReportText(Failure(13, "Odd"), "Entry"),
              "Error #: 13, Odd, encountered in Function Entry. If the solution is not obvious, "
              "please report this to the author.");
    // The fixed messages do not depend on the description.
    EXPECT_EQ(ErrorReportText(Failure(53, "Odd"), "Entry"), "This file is Not found.");
}

TEST(FailureTest, PrintCommandsShowNumberAndDescription) {
    EXPECT_EQ(PrintErrorText(Failure(kDeviceUnavailable)), "Error 68;Device unavailable");
}

}  // namespace
}  // namespace quillory
