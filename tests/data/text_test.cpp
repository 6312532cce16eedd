#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/text.h"

namespace quillory {
namespace {

TEST(TextTest, NumericValueReadsTheLeadingNumber) {
    EXPECT_EQ(NumericValue(" 4/ 4"), 4);
    EXPECT_EQ(NumericValue("120 abc"), 120);
    EXPECT_EQ(NumericValue("abc"), 0);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("00042"), 42);
    EXPECT_EQ(NumericValue(" 1 2 3x"), 123);  // blanks inside the number are skipped
    EXPECT_EQ(NumericValue("\t-12.5kg"), -12.5);
    EXPECT_EQ(NumericValue("1.2.3"), 1.2);
    EXPECT_EQ(NumericValue("+7"), 7);
    EXPECT_EQ(NumericValue("-"), 0);
}

TEST(TextTest, NumbersAsTheListWritesThem) {
    EXPECT_EQ(ZeroPad(42, 3), "042");
    EXPECT_EQ(ZeroPad(12, 4), "0012");
    EXPECT_EQ(ZeroPad(1234, 3), "1234");
    EXPECT_EQ(ZeroPad(0, 5), "00000");
    EXPECT_EQ(ZeroPad(-5, 3), "-005");
    EXPECT_EQ(SignedNumberText(42), " 42");
    EXPECT_EQ(SignedNumberText(0), " 0");
    EXPECT_EQ(SignedNumberText(-3), "-3");
}

TEST(TextTest, CaseAndBlanks) {
    EXPECT_EQ(LowerCase("ABC xyz ÀÉÞ ŠŒŽŸ ×"), "abc xyz àéþ šœžÿ ×");
    EXPECT_EQ(Trim("  a b \t "), "a b \t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(NormalisedStyleName("  Cool  Pop É "), "coolpopé");
    EXPECT_EQ(StripChars("a;b,c;", ";,"), "abc");
}

TEST(TextTest, SplitHasOneMorePieceThanSeparators) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(Split("", "\r\n"), V{});
    EXPECT_EQ(Split("a", "\r\n"), V{"a"});
    EXPECT_EQ(Split("\r\n", "\r\n"), (V{"", ""}));
    EXPECT_EQ(Split("a\r\nb\r\n", "\r\n"), (V{"a", "b", ""}));
    EXPECT_EQ(Split("a\r\r\nb\n", "\r\n"), (V{"a\r", "b\n"}));
}

}  // namespace
}  // namespace quillory
