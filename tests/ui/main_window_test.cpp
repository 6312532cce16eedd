#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QScreen>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

using MainWindowTest = UiFixture;

const char* const kSongsTitle =
    "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Swing";

// The panel's controls as "name:caption".
const QStringList kControls =
    QString(
        "Frame2:Target Instrument|fraClear:Clear|cmdS2:S2|cmdS1:S1|CmdFav:Fav|fraEdit:Edit Item|"
        "cmdReplaceStyle:Replace|cmdDeleteChecked:Del Chk'd|cmdAdd:Add|CmdDelete:Delete|"
        "cmdModify:Modify|fraCheck:Checkbox Control|CmdUnCheck:Uncheck |cmdInvert:Invert|"
        "cmdCheck:Check|lblNumberChecked:0|lblchk:Number|cmdPlayList:Play List |"
        "cmdSearch:Search|Frame1:")
        .split('|');

TEST_F(MainWindowTest, OpensAFileAndKeepsItWhenTheNextIsRefused) {
    EXPECT_EQ(Main().objectName() + " " + Title(), "frmQuillory Quillory");
    const QStringList disabled = {"cmdReplaceStyle", "cmdDeleteChecked", "CmdDelete", "cmdModify",
                                  "cmdPlayList"};
    for (const QString& control : kControls) {
        const QString name = control.section(':', 0, 0);
        QWidget* widget = InMain<QWidget>(name.toLatin1());
        const char* caption = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
        EXPECT_EQ(name + ":" + widget->property(caption).toString(), control);
        EXPECT_EQ(widget->isEnabled(), name == "Frame2" || name == "Frame1") << name.toStdString();
    }
    const QString title = "A Song Title Of Thirty-Two Chars";
    Bytes corrupt = BuildMfd("PSR-2000", {Song(title.toStdString(), "Pop", 1), Song("", "", 1)});
    corrupt[RecordOffset(2) + field::kStyle] = 0x80;
    OpenSongs(corrupt);
    EXPECT_EQ(Messages(), QStringList{"Quillory can not read this file"});
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList{title});
    EXPECT_GE(List().columnWidth(kMusicColumn),
              QFontMetrics(List().font()).horizontalAdvance(title));  // fitted to the rows read
    EXPECT_EQ(Title(), "Quillory   songs.mfd");
    EXPECT_FALSE(Enabled("cmdAdd"));

    OpenSongs();
    EXPECT_EQ(QtFilter(dialogs.fileRequests.back().filter), "Music Finder Files(*.mfd)");
    EXPECT_EQ(Title(), kSongsTitle);
    // The source became the target: only the user style is missing.
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");
    EXPECT_EQ(Colours(), "kkr");
    for (const QString& control : kControls) {
        const QString name = control.section(':', 0, 0);
        EXPECT_EQ(Enabled(name.toLatin1()), !disabled.contains(name)) << name.toStdString();
    }
    // A refused file and a cancelled open dialog leave the open file as it was.
    for (const auto& file : {std::optional(QString::fromStdString(folder.File("missing.mfd"))),
                             std::optional<QString>()}) {
        dialogs.files.push_back(file);
        Trigger("mnuOpen");
        EXPECT_EQ(Title(), kSongsTitle);
        EXPECT_EQ(RowCount(), 3);
    }
    EXPECT_EQ(Messages(), QStringList{"Could not find that file "});
}

TEST_F(MainWindowTest, TheTargetComboRecoloursTheMissingStylesAndRetitles) {
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    ChooseTarget("TYROS");
    EXPECT_EQ(Title(), "Quillory      Default Style = Cool Pop");
    OpenSongs();  // keeps that target
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "TYROS");
    EXPECT_EQ(Colours(), "krr");
    Trigger("mnuBlue");
    ChooseTarget("PSR-2000");
    EXPECT_EQ(Colours(), "kkb");
    EXPECT_EQ(Title(), kSongsTitle);
}

// Qt's model tester watches the list model while the program changes the list in every way it
// can: reading, importing, changing cells and check marks, sorting. A breach ends the program.
TEST_F(MainWindowTest, ImportAppendsTheKnownStylesAndTheModelKeepsItsContractThroughout) {
    QAbstractItemModelTester tester(&ListModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(Messages().size(), 1);  // no file to append to

    OpenSongs();
    WriteFile(folder.File("more.txt"),
              std::string("1\tBallad\tSong D\tcool pop\t 3/ 4\t090\t\tYES\t\t\tIntro 2\tOff\r\n"
                          "2\tFolk\tSong E\tPolka\t 4/ 4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n"));
    dialogs.files.push_back(QString::fromStdString(folder.File("more.txt")));
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(Messages().size(), 1);  // Polka refused
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song A", "Song B", "Song C", "Song D"}));

    Tick({3});
    Record renamed = Work().document.At(1);
    renamed.music = "Song Z";
    Work().document.Change(1, renamed);
    ClickHeader(kMusicColumn);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song Z", "Song D", "Song C", "Song A"}));
    EXPECT_EQ(Ticks(), "0100");
    OpenSongs();
    EXPECT_EQ(RowCount(), 3);
    EXPECT_FALSE(Main().isWindowModified());
}

TEST_F(MainWindowTest, WindowsOpenBesideTheMainWindow) {
    OpenSongs();
    const QRect screen = Main().screen()->availableGeometry();
    const QRect main(screen.topLeft() + QPoint(40, 40), QSize(420, 500));
    Main().setGeometry(main);
    for (const auto& [item, name] :
         {std::pair{"mnuAbout", "frmAbout"}, {"mnuConvert", "frmConvert"}}) {
        Trigger(item);
        ASSERT_NE(Showing(name), nullptr) << name;
        const QRect shown = Showing(name)->frameGeometry();
        EXPECT_TRUE(screen.contains(shown) && !shown.intersects(main)) << name;
    }
}

}  // namespace
}  // namespace quillory::testkit
