#include "platform/rtf_reader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>

#include "ui/ui_fixture.h"

namespace quillory {
namespace {

// The text with "\n" between paragraphs; line separators and other characters as read.
QString TextOf(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

TEST(RtfReaderTest, TheHelpFileShowsItsHeadingsBulletsAndCharacters) {
    const Bytes help = testkit::ReadFile(
        (std::filesystem::path(__FILE__).parent_path() / "../../resources/Quillory.rtf").string());
    QTextDocument document;
    ReadRtf(std::string(help.begin(), help.end()), document);
    const auto formatOf = [&](const QString& text) {  // of the text's first character
        QTextCursor cursor = document.find(text);
        cursor.setPosition(cursor.selectionStart() + 1);
        return cursor.charFormat();
    };
    const QString text = TextOf(document);
    EXPECT_EQ(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    const QTextCharFormat heading = formatOf("Saving for another instrument");
    const QTextCharFormat body = formatOf("Quillory carries no style names");
    EXPECT_TRUE(heading.fontWeight() == QFont::Bold && body.fontWeight() == QFont::Normal);
    EXPECT_EQ(heading.fontPointSize(), 15);
    EXPECT_EQ(heading.foreground().color(), QColor(0, 51, 102));
    EXPECT_EQ(body.fontFamilies().toStringList(), QStringList{"Arial"});
    const QTextBlock bullet = document.find("Check ticks every row").block();
    EXPECT_EQ(bullet.blockFormat().leftMargin(), 600 * kPixelsPerTwip);
    EXPECT_EQ(bullet.blockFormat().textIndent(), -300 * kPixelsPerTwip);
    EXPECT_TRUE(text.contains(QString::fromUtf16(u"Cool Pop;001\u20288Beat Modern;002")));
    EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains("Courier New"));
}

// What shows of each text; broken input shows what can be read and neither crashes nor hangs.
TEST(RtfTextTest, ShowsWhatCanBeRead) {
    const struct {
        const char* name;
        std::string rtf;
        QString text;
    } cases[] = {
        // \u with as many fallback characters skipped as the group's \uc says (a control word or
        // \'hh counting as one), negative values, a surrogate pair and one without its partner.
        {"Characters",
         R"({\rtf1 caf\'e9 \'80 \'93q\'94 \{\}\\ a\~b \u8364? {\uc2\u8364\'3f\b x}{\uc0\u233})"
         R"(\u-4064? \u-10179?\u-8704? \u-10179? \bullet\emdash\tab y})",
         QString::fromUtf16(u"caf\u00e9 \u20ac \u201cq\u201d {}\\ a\u00a0b \u20ac \u20acx"
                            u"\u00e9\uf020 \U0001f600 \ufffd \u2022\u2014\ty")},
        {"Destinations",
         R"({\rtf1{\stylesheet{\s1 Heading;}}{\info{\title Title}{\author Someone}})"
         R"({\header head}{\footer foot}{\*\generator Writer;}{\*\unknown {\b nested} x})"
         R"({\pict\pngblip\bin6 }{}{{x}visible\par})",
         "visible"},
        {"UnknownControlWords",
         R"({\rtf1\ansi\ansicpg1252\viewkind4\nosuchword42 one\-two\|\:three\strike\zzz-5 four})",
         "onetwothreefour"},
        {"NotRtfAtAll", "just text\r\nover lines", "just textover lines"},
        {"Unclosed", R"({\rtf1 {\b open {\i more)", "open more"},
        {"ExtraClosing", R"({\rtf1 a}}}} b{)", "a b"},
        {"TruncatedHex", "{\\rtf1 x\\'4", "x4"},
        {"HugeNumbers", R"({\rtf1\fs99999999999999999999\li-99999999999\uc999999 x\u65?yy})", "xA"},
        {"BinaryPastTheEnd", R"({\rtf1 x\bin99999999999 {y}})", "x"},
        {"ZeroBytes", std::string("{\\rtf1 a\0b\\'00c}", 16), "abc"},
        {"DeepNesting", std::string(100000, '{') + "deep" + std::string(100000, '}'), "deep"},
        {"DeepSkippedGroups",
         "{\\rtf1{\\*" + std::string(5000, '{') + "x" + std::string(5000, '}') + "}after}",
         "after"},
    };
    for (const auto& [name, rtf, text] : cases) {
        QTextDocument document;
        ReadRtf(rtf, document);
        EXPECT_EQ(TextOf(document), text) << name;
    }
}

}  // namespace
}  // namespace quillory
