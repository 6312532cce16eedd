#include <QFileInfo>
#include <QTextBlock>
#include <QTextEdit>
#include <filesystem>

#include "platform/rtf_reader.h"
#include "platform/system_info.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class HelpWindowsTest : public UiFixture {
protected:
    void WriteHelp(int paragraphs) {
        std::string rtf = "{\\rtf1 {\\b Help}\\par ";
        for (int i = 1; i <= paragraphs; ++i) {
            rtf += "Paragraph " + std::to_string(i) + "\\par ";
        }
        WriteFile(folder.File("Quillory.rtf"), rtf + "}");
    }
    QTextEdit* Text() { return FindIn<QTextEdit>(Showing("frmInfo"), "rtfInfo"); }
    // The viewer's title and paragraphs ("T:|a|b"), each indented by 600 twips on both sides.
    QString Viewer() {
        QString shown = Showing("frmInfo")->windowTitle() + ":";
        for (QTextBlock block = Text()->document()->begin(); block.isValid();
             block = block.next()) {
            const bool indented = block.blockFormat().leftMargin() == 600 * kPixelsPerTwip &&
                                  block.blockFormat().rightMargin() == 600 * kPixelsPerTwip;
            shown += (indented ? "|" : "|not indented ") + block.text();
        }
        return shown;
    }
};

// System Info starts a program found on the PATH; without one the button says why beforehand.
TEST_F(HelpWindowsTest, SystemInfoStartsAProgramOnThePathOrSaysWhyNot) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.Path().string().c_str());
    Trigger("mnuAbout");
    auto* button = FindIn<QPushButton>(Main().About(), "cmdSysInfo");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(),
              "No system information program is installed (looked for kinfocenter, hardinfo2, "
              "hardinfo, gnome-system-monitor, mate-system-monitor)");
    Main().About()->close();
    Settle();

    WriteFile(folder.File("hardinfo"), std::string("#!/bin/sh\n"));
    std::filesystem::permissions(folder.Path() / "hardinfo", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(SystemInfoProgram(), Path("hardinfo"));
    Trigger("mnuAbout");
    button = FindIn<QPushButton>(Main().About(), "cmdSysInfo");
    EXPECT_TRUE(button->isEnabled() && button->toolTip().isEmpty());
    button->click();
    qputenv("PATH", path);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(HelpWindowsTest, TheViewerShowsHelpAndLogsIndentedUnderTheirTitlesPrintsAndAboutIsNotModal) {
    Trigger("mnuConversion");
    EXPECT_EQ(Messages(), QStringList{"Cannot find the Information File named ExportLog.txt"});
    EXPECT_EQ(Showing("frmInfo"), nullptr);

    WriteHelp(2);
    Trigger("mnuHelp");
    QPointer<QWidget> viewer = Showing("frmInfo");
    ASSERT_FALSE(viewer.isNull());
    EXPECT_EQ(Viewer(), "Quillory-Information & Help:|Help|Paragraph 1|Paragraph 2");
    OpenSongs();  // writes the conversion log
    Trigger("mnuConversion");
    EXPECT_EQ(Showing("frmInfo"), viewer);
    EXPECT_EQ(viewer->windowTitle(), "Items missing styles in target instrument");
    EXPECT_EQ(Text()->toPlainText(),
              QString::fromStdString(FileText("ExportLog.txt")).replace("\r\n", "\n"));
    WriteFile(folder.File("ImportLog.txt"),
              std::string("Item #\tGenre\r\n3\tFolk\r\n1024 and beyond\tRock\r\n"));
    Trigger("mnuDelimitedFile");
    EXPECT_EQ(Viewer(),
              "Items not included due in last Import operation:|Item #\tGenre|3\tFolk|"
              "1024 and beyond\tRock|");
    const QStringList secondColumn = Texts(3, [&](int line) {  // the log's columns line up
        const int start = Text()->document()->findBlockByNumber(line).position();
        return QString::number(Text()->cursorRect(Text()->document()->find("\t", start)).left());
    });
    EXPECT_EQ(secondColumn.count(secondColumn[0]), 3);
    // Exit, and Escape with it, closes the viewer.
    Activate(*viewer);
    QTest::keyClick(viewer, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(viewer.isNull());

    Trigger("mnuAbout");
    const QPointer<QDialog> about = qobject_cast<QDialog*>(Showing("frmAbout"));
    ASSERT_TRUE(about && !about->isModal());
    QTest::keyClick(about, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(about.isNull());

    // Reopened, the viewer prints the selection or everything, unless cancelled.
    WriteHelp(400);
    Trigger("mnuHelp");
    QList<qint64> sizes;
    for (const int print : {0, 1, 2}) {
        if (print == 1) {
            Text()->setTextCursor(Text()->document()->find("Paragraph 1"));
        }
        dialogs.printerAnswers = {print < 2};
        dialogs.printerPdf = Path(std::to_string(print) + ".pdf");
        Trigger("mnuPrint", Showing("frmInfo"));
        sizes << QFileInfo(dialogs.printerPdf).size();
    }
    EXPECT_TRUE(sizes[0] > sizes[1] && sizes[1] > 0 && sizes[2] == 0);
    EXPECT_EQ(dialogs.printerSelections, (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(Messages().isEmpty());
}

// The text with "\n" between paragraphs; line separators and other characters as read.
QString TextOf(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

TEST(RtfReaderTest, TheHelpFileShowsItsHeadingsBulletsAndCharacters) {
    const Bytes help = ReadFile(
        (std::filesystem::path(__FILE__).parent_path() / "../../resources/Quillory.rtf").string());
    QTextDocument document;
    ReadRtf(std::string(help.begin(), help.end()), document);
    const auto formatAtEnd = [&](const QString& text) { return document.find(text).charFormat(); };
    EXPECT_EQ(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    const QTextCharFormat heading = formatAtEnd("Saving for another instrument");
    const QTextCharFormat body = formatAtEnd("Quillory carries no style names");
    EXPECT_EQ(std::tuple(heading.fontWeight(), heading.fontPointSize(), body.fontWeight(),
                         heading.foreground().color().name(), body.fontFamilies().toStringList()),
              std::tuple(QFont::Bold, 15.0, QFont::Normal, "#003366", QStringList{"Arial"}));
    const QTextBlockFormat bullet = document.find("Check ticks every row").block().blockFormat();
    EXPECT_EQ(std::pair(bullet.leftMargin(), bullet.textIndent()),
              std::pair(600 * kPixelsPerTwip, -300 * kPixelsPerTwip));
    const QString text = TextOf(document);
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
}  // namespace quillory::testkit
