#include <gtest/gtest.h>

#include <string>

#include "data/codepage.h"

namespace quillory {
namespace {

TEST(CodePageTest, EveryByteSurvivesDecodingAndEncoding) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const std::string decoded = DecodeWindows1252(all);
    EXPECT_EQ(EncodeWindows1252(decoded), all);

    // The five bytes the code page leaves undefined keep their value as control characters.
    EXPECT_EQ(DecodeWindows1252(all.substr(0x80, 32)),
              "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    EXPECT_EQ(DecodeWindows1252("\xA0\xC0\xD7\xE9\xFF"), "\u00A0À×éÿ");
}

TEST(CodePageTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1252("Ωmega 中 🎹 \u0080 \u0100"), "?mega ? ? ? ?");
    EXPECT_EQ(EncodeWindows1252("caf\xC3"), "caf?");                // cut in the middle
    EXPECT_EQ(EncodeWindows1252("\xC0\xAF\xED\xA0\x80"), "?????");  // overlong, surrogate
    EXPECT_EQ(EncodeWindows1252("€uro naïve"), "\x80uro na\xEFve");
}

}  // namespace
}  // namespace quillory
