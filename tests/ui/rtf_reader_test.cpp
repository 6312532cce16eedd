#include "platform/rtf_reader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/ui_fixture.h"

namespace quillory {
namespace {

class RtfReaderTest : public ::testing::Test {
protected:
    void Read(std::string_view rtf) { ReadRtf(rtf, document); }
    // The text with "\n" between paragraphs; line separators and other characters as read.
    QString Text() const { return document.toRawText().replace(QChar::ParagraphSeparator, u'\n'); }
    // The format of a text's first character.
    QTextCharFormat FormatOf(const QString& text) {
        QTextCursor cursor = document.find(text);
        cursor.setPosition(cursor.selectionStart() + 1);
        return cursor.charFormat();
    }

    QTextDocument document;
};

TEST_F(RtfReaderTest, TheHelpFileShowsItsHeadingsBulletsAndCharacters) {
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                      "resources" / "Quillory.rtf";
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    ASSERT_TRUE(file.good()) << path;
    Read(bytes.str());

    EXPECT_EQ(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    const QTextCharFormat heading = FormatOf("Saving for another instrument");
    const QTextCharFormat body = FormatOf("Quillory carries no style names");
    EXPECT_TRUE(heading.fontWeight() == QFont::Bold && body.fontWeight() == QFont::Normal);
    EXPECT_EQ(heading.fontPointSize(), 15);
    EXPECT_EQ(heading.foreground().color(), QColor(0, 51, 102));
    EXPECT_EQ(body.fontFamilies().toStringList(), QStringList{"Arial"});
    const QTextBlock bullet = document.find("Check ticks every row").block();
    EXPECT_EQ(bullet.blockFormat().leftMargin(), 600 * kPixelsPerTwip);
    EXPECT_EQ(bullet.blockFormat().textIndent(), -300 * kPixelsPerTwip);
    EXPECT_TRUE(Text().contains(QString::fromUtf16(u"Cool Pop;001\u20288Beat Modern;002")));
    // Nothing of the markup, the font table or the document information shows.
    EXPECT_FALSE(Text().contains('\\') || Text().contains('{') || Text().contains("Courier New"));
    EXPECT_EQ(Text().count("Quillory Help"), 1);
}

// What shows of a text: characters of the code page and of Unicode, left-out destinations,
// unknown control words, and broken input, which shows what can be read and neither crashes nor
// hangs.
struct TextCase {
    const char* name;
    std::string rtf;
    QString text;
};

// A failing case shows its name, not its bytes.
void PrintTo(const TextCase& textCase, std::ostream* out) {
    *out << textCase.name;
}

class RtfTextTest : public RtfReaderTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RtfTextTest, ShowsWhatCanBeRead) {
    Read(GetParam().rtf);
    EXPECT_EQ(Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfTextTest,
    ::testing::Values(
        // \u with as many fallback characters skipped as the group's \uc says (a control word or
        // \'hh counting as one), negative values, a surrogate pair and one without its partner.
        TextCase{
            "Characters",
            R"({\rtf1 caf\'e9 \'80 \'93q\'94 \{\}\\ a\~b \u8364? {\uc2\u8364\'3f\b x}{\uc0\u233})"
            R"(\u-4064? \u-10179?\u-8704? \u-10179? \bullet\emdash\tab y})",
            QString::fromUtf16(u"caf\u00e9 \u20ac \u201cq\u201d {}\\ a\u00a0b \u20ac \u20acx"
                               u"\u00e9\uf020 \U0001f600 \ufffd \u2022\u2014\ty")},
        TextCase{"Destinations",
                 R"({\rtf1{\stylesheet{\s1 Heading;}}{\info{\title Title}{\author Someone}})"
                 R"({\header head}{\footer foot}{\*\generator Writer;}{\*\unknown {\b nested} x})"
                 R"({\pict\pngblip\bin6 }{}{{x}visible\par})",
                 "visible"},
        TextCase{
            "UnknownControlWords",
            R"({\rtf1\ansi\ansicpg1252\viewkind4\nosuchword42 one\-two\|\:three\strike\zzz-5 four})",
            "onetwothreefour"},
        TextCase{"NotRtfAtAll", "just text\r\nover lines", "just textover lines"},
        TextCase{"Unclosed", R"({\rtf1 {\b open {\i more)", "open more"},
        TextCase{"ExtraClosing", R"({\rtf1 a}}}} b{)", "a b"},
        TextCase{"TruncatedHex", "{\\rtf1 x\\'4", "x4"},
        TextCase{"HugeNumbers",
                 R"({\rtf1\fs99999999999999999999\li-99999999999\uc999999 x\u65?yy})", "xA"},
        TextCase{"BinaryPastTheEnd", R"({\rtf1 x\bin99999999999 {y}})", "x"},
        TextCase{"ZeroBytes", std::string("{\\rtf1 a\0b\\'00c}", 16), "abc"},
        TextCase{"DeepNesting", std::string(100000, '{') + "deep" + std::string(100000, '}'),
                 "deep"},
        TextCase{"DeepSkippedGroups",
                 "{\\rtf1{\\*" + std::string(5000, '{') + "x" + std::string(5000, '}') + "}after}",
                 "after"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quillory
