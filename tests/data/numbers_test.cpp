#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>

#include "data/failure.h"
#include "data/numbers.h"

namespace quillory {
namespace {

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

TEST(NumbersTest, RoundingRules) {
    const double values[] = {0.5, 1.5, 2.5, -0.5, -2.5, -3.5, 2.4999, 650.5};
    const double awayFromZero[] = {1, 2, 3, -1, -3, -4, 2, 651};
    const double toEven[] = {0, 2, 2, -0.0, -2, -4, 2, 650};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(RoundHalfAwayFromZero(values[i]), awayFromZero[i]) << values[i];
        EXPECT_EQ(RoundHalfToEven(values[i]), toEven[i]) << values[i];
    }
}

// The integer conversions round halves to even first and fail with overflow only when the
// rounded value does not fit.
TEST(NumbersTest, ConversionsFailWithOverflowOutsideTheirType) {
    EXPECT_EQ(ToInt16(32766.5), 32766);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToByte(-0.5), 0);
    EXPECT_EQ(ToByte(254.5), 254);
    EXPECT_EQ(ToInt32(-2147483648.4), INT32_MIN);
    EXPECT_EQ(ErrorOf([] { ToInt16(32767.5); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt16(-32769); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToByte(255.5); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToByte(-0.6); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt32(2147483647.5); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt32(std::nan("")); }), kOverflow);
}

TEST(NumbersTest, ParseInt32WantsAWholeNumberText) {
    EXPECT_EQ(ParseInt32("012"), 12);
    EXPECT_EQ(ParseInt32("  1234 "), 1234);
    EXPECT_EQ(ParseInt32("-7"), -7);
    EXPECT_EQ(ParseInt32("2.5"), 2);
    EXPECT_EQ(ParseInt32("3.5"), 4);
    for (const char* bad : {"", " ", "abc", "12abc", "1 2", "-", ".", "1.2.3"}) {
        EXPECT_EQ(ErrorOf([&] { ParseInt32(bad); }), kTypeMismatch) << '"' << bad << '"';
    }
    EXPECT_EQ(ErrorOf([] { ParseInt32("3000000000"); }), kOverflow);
}

}  // namespace
}  // namespace quillory
