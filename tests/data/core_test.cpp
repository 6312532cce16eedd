#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/codepage.h"
#include "data/failure.h"
#include "data/numbers.h"
#include "data/text.h"

namespace quillory {
namespace {

// The error number an action fails with; 0 when it succeeds.
int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

TEST(CodePageTest, EveryByteSurvivesTheRoundTripAndMissingCharactersBecomeQuestionMarks) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    // The five bytes the code page leaves undefined keep their value as control characters.
    EXPECT_EQ(DecodeWindows1252(all.substr(0x80, 32) + "\xA0\xC0\xD7\xFF"),
              "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0À×ÿ");
    // Characters it lacks, a sequence cut in the middle, overlong and surrogate sequences.
    EXPECT_EQ(EncodeWindows1252("Ωmega 中 🎹 \u0080 \u0100 caf\xC3"), "?mega ? ? ? ? caf?");
    EXPECT_EQ(EncodeWindows1252("\xC0\xAF\xED\xA0\x80"), "?????");
}

// The leading number: blanks skipped, also inside it; 0 when there is none.
TEST(TextTest, NumericValueReadsTheLeadingNumber) {
    const std::pair<const char*, double> values[] = {
        {" 4/ 4", 4}, {"120 abc", 120},     {"abc", 0},     {"", 0},         {"-", 0},
        {"+7", 7},    {"\t-12.5kg", -12.5}, {"1.2.3", 1.2}, {" 1 2 3x", 123}};
    for (const auto& [text, value] : values) {
        EXPECT_EQ(NumericValue(text), value) << '"' << text << '"';
    }
}

TEST(NumbersTest, RoundingRulesAndConversionsThatOverflow) {
    const double values[] = {0.5, 1.5, 2.5, -0.5, -2.5, -3.5, 2.4999, 650.5};
    const double awayFromZero[] = {1, 2, 3, -1, -3, -4, 2, 651};
    const double toEven[] = {0, 2, 2, -0.0, -2, -4, 2, 650};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(RoundHalfAwayFromZero(values[i]), awayFromZero[i]) << values[i];
        EXPECT_EQ(RoundHalfToEven(values[i]), toEven[i]) << values[i];
    }
    // Halves go to even first; only a rounded value that does not fit overflows.
    EXPECT_EQ(ToInt16(32766.5), 32766);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToByte(254.5), 254);
    EXPECT_EQ(ToByte(-0.5), 0);
    EXPECT_EQ(ToInt32(-2147483648.4), INT32_MIN);
    for (const double overflow : {32767.5, -32769.0}) {
        EXPECT_EQ(ErrorOf([&] { ToInt16(overflow); }), kOverflow) << overflow;
    }
    for (const double overflow : {255.5, -0.6}) {
        EXPECT_EQ(ErrorOf([&] { ToByte(overflow); }), kOverflow) << overflow;
    }
    for (const double overflow : {2147483647.5, std::nan("")}) {
        EXPECT_EQ(ErrorOf([&] { ToInt32(overflow); }), kOverflow) << overflow;
    }
}

TEST(NumbersTest, ParseInt32WantsAWholeNumberText) {
    EXPECT_EQ(ParseInt32(" -1234 "), -1234);
    EXPECT_EQ(ParseInt32("2.5"), 2);
    EXPECT_EQ(ParseInt32("3.5"), 4);
    for (const char* bad : {"", " ", "abc", "12abc", "1 2", "-", ".", "1.2.3"}) {
        EXPECT_EQ(ErrorOf([&] { ParseInt32(bad); }), kTypeMismatch) << '"' << bad << '"';
    }
    EXPECT_EQ(ErrorOf([] { ParseInt32("3000000000"); }), kOverflow);
}

// The fixed messages do not depend on the description; the others name number, description
// and operation.
TEST(FailureTest, ErrorReportTextForEveryNumber) {
    const std::pair<int, std::optional<std::string>> fixed[] = {
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
        {384, std::nullopt}};
    for (const auto& [number, text] : fixed) {
        EXPECT_EQ(ErrorReportText(Failure(number, "Odd"), "List1"), text) << number;
    }
    const std::pair<int, std::string> described[] = {
        {6, "Overflow"},
        {457, "This key is already associated with an element of this collection"},
        {1000, "Application-defined or object-defined error"}};
    for (const auto& [number, description] : described) {
        EXPECT_EQ(ErrorReportText(Failure(number), "Entry"),
                  "Error #: " + std::to_string(number) + ", " + description +
                      ", encountered in Function Entry. If the solution is not obvious, please "
                      "report this to the author.");
    }
    EXPECT_EQ(PrintErrorText(Failure(kDeviceUnavailable)), "Error 68;Device unavailable");
}

}  // namespace
}  // namespace quillory
