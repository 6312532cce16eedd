#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ui/ui_fixture.h"  // PrintTo for texts

namespace quillory {
namespace {

class RtfReaderTest : public ::testing::Test {
protected:
    void Read(std::string_view rtf) { ReadRtf(rtf, document); }

    // The document's text with "\n" between paragraphs; line separators and other characters
    // stay as read.
    QString Text() const { return document.toRawText().replace(QChar::ParagraphSeparator, u'\n'); }

    // The format of the first character of the first occurrence of the text.
    QTextCharFormat FormatOf(const QString& text) {
        QTextCursor cursor = document.find(text);
        EXPECT_FALSE(cursor.isNull()) << "no " << text.toStdString();
        cursor.setPosition(cursor.selectionStart() + 1);
        return cursor.charFormat();
    }

    QTextBlockFormat BlockOf(const QString& text) {
        return document.find(text).block().blockFormat();
    }

    QTextDocument document;
};

// The help file as the program ships it.
class HelpFileTest : public RtfReaderTest {
protected:
    HelpFileTest() {
        const auto path =
            std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
            "resources" / "Quillory.rtf";
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        EXPECT_TRUE(file.good()) << path;
        Read(bytes.str());
    }
};

TEST_F(HelpFileTest, HeadingsAreBoldLargerAndColouredAboveBodyText) {
    EXPECT_EQ(document.begin().text(), "Quillory Help");
    EXPECT_EQ(BlockOf("Quillory Help").alignment(), Qt::AlignHCenter);
    const QTextCharFormat heading = FormatOf("Saving for another instrument");
    const QTextCharFormat body = FormatOf("Quillory carries no style names");
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_EQ(body.fontWeight(), QFont::Normal);
    EXPECT_GT(heading.fontPointSize(), body.fontPointSize());
    EXPECT_EQ(body.fontPointSize(), 10);
    EXPECT_EQ(heading.foreground().color(), QColor(0, 51, 102));
    EXPECT_EQ(body.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf("Cool Pop;001").fontFamilies().toStringList(), QStringList{"Courier New"});
}

TEST_F(HelpFileTest, BulletsHangFromTheirIndentAndSpecialCharactersShow) {
    const QTextBlock bullet = document.find("Check ticks every row").block();
    EXPECT_TRUE(bullet.text().startsWith(QString::fromUtf16(u"\u2022\tCheck ticks every row")));
    EXPECT_EQ(bullet.blockFormat().leftMargin(), 600 * kPixelsPerTwip);
    EXPECT_EQ(bullet.blockFormat().textIndent(), -300 * kPixelsPerTwip);
    EXPECT_EQ(BlockOf("Quillory carries no style names").leftMargin(), 0);

    EXPECT_TRUE(
        Text().contains(QString::fromUtf16(u"close Quillory \u2014 unsaved changes are lost")));
    EXPECT_TRUE(Text().contains("Del Chk'd"));
    EXPECT_TRUE(Text().contains(QString::fromUtf16(u"Cool Pop;001\u20288Beat Modern;002")));
    // Nothing of the markup, the font table or the document information shows.
    EXPECT_FALSE(Text().contains('\\'));
    EXPECT_FALSE(Text().contains('{'));
    EXPECT_FALSE(Text().contains("Courier New"));
    EXPECT_EQ(Text().count("Quillory Help"), 1);
    EXPECT_TRUE(Text().endsWith("unsaved changes are lost"));
}

TEST_F(RtfReaderTest, GroupsKeepTheirCharacterFormattingToThemselves) {
    Read(R"({\rtf1 plain {\b bold {\i both} \ul under\ulnone} again \b b\b0 n\i i\plain p})");
    EXPECT_EQ(Text(), "plain bold both under again bnip");
    EXPECT_EQ(FormatOf("plain").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf("bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf("both").fontItalic());
    EXPECT_EQ(FormatOf("both").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf("under").fontUnderline());
    EXPECT_FALSE(FormatOf("again").fontItalic());
    EXPECT_EQ(FormatOf("again").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf("bn").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf("ni").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf("ip").fontItalic());
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    EXPECT_FALSE(end.charFormat().fontItalic());  // the "p" after \plain
}

TEST_F(RtfReaderTest, FontsColoursAndSizesComeFromTheirTables) {
    Read(R"({\rtf1\deff1{\fonttbl{\f0 Courier New;}{\f1\fswiss{\*\panose 0} Arial;}})"
         R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
         R"(default \f0\fs36 big \cf2 blue \cf9 none\par\plain plain})");
    EXPECT_EQ(Text(), "default big blue none\nplain");
    EXPECT_EQ(FormatOf("default").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf("default").fontPointSize(), 12);
    EXPECT_EQ(FormatOf("big").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(FormatOf("big").fontPointSize(), 18);
    EXPECT_EQ(FormatOf("blue").foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(FormatOf("none").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatOf("plain").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf("plain").fontPointSize(), 12);
}

TEST_F(RtfReaderTest, ParagraphsTakeThePropertiesInForceAtTheirEnd) {
    Read(R"({\rtf1\pard\li1440\ri720\fi-360\sb240\qc first\par)"
         R"(\pard\qr second\line more\par\par\pard\qj\tx2880 third\tab x\par})");
    EXPECT_EQ(Text(), QString::fromUtf16(u"first\nsecond\u2028more\n\nthird\tx"));
    const QTextBlockFormat first = BlockOf("first");
    EXPECT_EQ(first.leftMargin(), 96);
    EXPECT_EQ(first.rightMargin(), 48);
    EXPECT_EQ(first.textIndent(), -24);
    EXPECT_EQ(first.topMargin(), 16);
    EXPECT_EQ(first.alignment(), Qt::AlignHCenter);
    ASSERT_EQ(first.tabPositions().size(), 1);  // the hanging indent's stop at the left indent
    EXPECT_EQ(first.tabPositions()[0].position, 24);
    EXPECT_EQ(BlockOf("second").leftMargin(), 0);
    EXPECT_EQ(BlockOf("second").alignment(), Qt::AlignRight);
    EXPECT_EQ(BlockOf("third").alignment(), Qt::AlignJustify);
    ASSERT_EQ(BlockOf("third").tabPositions().size(), 1);
    EXPECT_EQ(BlockOf("third").tabPositions()[0].position, 192);
}

TEST_F(RtfReaderTest, CharactersOfTheCodePageAndOfUnicode) {
    // \u with as many fallback characters skipped as the group's \uc says (a control word or
    // \'hh counting as one), negative values, a surrogate pair and one without its partner.
    Read(R"({\rtf1 caf\'e9 \'80 \'93q\'94 \{\}\\ a\~b \u8364? {\uc2\u8364\'3f\b x}{\uc0\u233})"
         R"(\u-4064? \u-10179?\u-8704? \u-10179? \bullet\emdash\tab y})");
    EXPECT_EQ(Text(),
              QString::fromUtf16(u"caf\u00e9 \u20ac \u201cq\u201d {}\\ a\u00a0b \u20ac \u20acx"
                                 u"\u00e9\uf020 \U0001f600 \ufffd \u2022\u2014\ty"));
}

TEST_F(RtfReaderTest, LeavesOutDestinationsThatAreNotText) {
    Read(R"({\rtf1{\stylesheet{\s1 Heading;}}{\info{\title Title}{\author Someone}})"
         R"({\header head}{\footer foot}{\*\generator Writer;}{\*\unknown {\b nested} x})"
         R"({\pict\pngblip\bin6 }{}{{x}visible\par})");
    EXPECT_EQ(Text(), "visible");
}

TEST_F(RtfReaderTest, IgnoresUnknownControlWords) {
    Read(R"({\rtf1\ansi\ansicpg1252\viewkind4\nosuchword42 one\-two\|\:three\strike\zzz-5 four})");
    EXPECT_EQ(Text(), "onetwothreefour");
    EXPECT_EQ(FormatOf("four").fontWeight(), QFont::Normal);
}

// Broken input shows what can be read and neither crashes nor hangs.
struct MalformedCase {
    const char* name;
    std::string rtf;
    QString text;
};

void PrintTo(const MalformedCase& malformed, std::ostream* out) {
    *out << malformed.name;
}

class MalformedRtfTest : public RtfReaderTest,
                         public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedRtfTest, ShowsWhatCanBeRead) {
    Read(GetParam().rtf);
    EXPECT_EQ(Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedRtfTest,
    ::testing::Values(
        MalformedCase{"Empty", "", ""},
        MalformedCase{"NotRtfAtAll", "just text\r\nover lines", "just textover lines"},
        MalformedCase{"Unclosed", R"({\rtf1 {\b open {\i more)", "open more"},
        MalformedCase{"ExtraClosing", R"({\rtf1 a}}}} b{)", "a b"},
        MalformedCase{"ClosingFirst", R"(}}{\rtf1 x})", "x"},
        MalformedCase{"TruncatedControlWord", "{\\rtf1 x\\", "x"},
        MalformedCase{"TruncatedHex", "{\\rtf1 x\\'4", "x4"},
        MalformedCase{"BadHex", R"({\rtf1 x\'zz})", "xzz"},
        MalformedCase{"UnicodeWithoutNumber", R"({\rtf1 \u x})", "x"},
        MalformedCase{"UnicodeTooLarge", R"({\rtf1 \u99999999999?x})", "x"},
        MalformedCase{"HugeNumbers",
                      R"({\rtf1\fs99999999999999999999\li-99999999999\uc999999 x\u65?yy})", "xA"},
        MalformedCase{"BinaryPastTheEnd", R"({\rtf1 x\bin99999999999 {y}})", "x"},
        MalformedCase{"NegativeBinary", R"({\rtf1 x\bin-5 y})", "xy"},
        MalformedCase{"ZeroBytes", std::string("{\\rtf1 a\0b\\'00c}", 16), "abc"},
        MalformedCase{"DeepNesting", std::string(100000, '{') + "deep" + std::string(100000, '}'),
                      "deep"},
        MalformedCase{
            "DeepSkippedGroups",
            "{\\rtf1{\\*" + std::string(5000, '{') + "x" + std::string(5000, '}') + "}after}",
            "after"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST_F(RtfReaderTest, ReadingAgainReplacesTheDocument) {
    Read(R"({\rtf1\qc\b first})");
    Read(R"({\rtf1 second})");
    EXPECT_EQ(Text(), "second");
    EXPECT_EQ(FormatOf("second").fontWeight(), QFont::Normal);
    EXPECT_EQ(BlockOf("second").alignment(), Qt::AlignLeft);
}

TEST_F(RtfReaderTest, PlainTextIsOneParagraphPerLineInTheCodePage) {
    ReadPlainText(
        std::string("Item #\tGenre\r\n0001  Caf\xe9 \x80\r\nlf only\ncr only\rend\0!\r\n", 51),
        document);
    EXPECT_EQ(Text(), QString::fromUtf16(
                          u"Item #\tGenre\n0001  Caf\u00e9 \u20ac\nlf only\ncr only\nend!\n"));
    EXPECT_EQ(document.blockCount(), 6);
}

}  // namespace
}  // namespace quillory
