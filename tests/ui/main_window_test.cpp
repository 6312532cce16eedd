#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/help/info_window.h"
#include "ui/playlist/play_list_window.h"
#include "ui/search/search_dialog.h"
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

TEST_F(MainWindowTest, StartsWithTheControlsAndMenusOfAnEmptyWindow) {
    EXPECT_EQ(Main().objectName() + " " + Title(), "frmQuillory Quillory");
    EXPECT_TRUE(Main().isVisible());
    for (const QString& control : kControls) {
        const QString name = control.section(':', 0, 0);
        QWidget* widget = InMain<QWidget>(name.toLatin1());
        const char* caption = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
        EXPECT_EQ(name + ":" + widget->property(caption).toString(), control);
        EXPECT_EQ(widget->isEnabled(), name == "Frame2" || name == "Frame1") << name.toStdString();
    }
    EXPECT_EQ(List().font().family() + QString::number(List().font().pointSize()), "Arial8");
    EXPECT_EQ(Headers(ListModel()),
              QStringList({"Number", "Genre", "Music", "Style", "TimeSig", "Tempo", "Keywords",
                           "Fav ", "S1", "S2", "Intro", "Next Section"}));
    const auto* targets = InMain<QComboBox>("cboInst");
    EXPECT_EQ(QString("%1 %2").arg(targets->count()).arg(targets->currentIndex()), "17 -1");

    // Each menu's entries in order, "name caption" (a submenu by its own name), marked "-" when
    // hidden, "!" when disabled, "[x]" when ticked and "[ ]" when it can be ticked.
    const std::pair<const char*, const char*> menus[] = {
        {"",
         "mnuOpen &Open File|mnuSaveAs S&ave As|mnuPrint &Print|mnuEdit E&dit|mnuOption Options|"
         "-mnufont &Font |-mnuOrientation Pri&nter Orientation    |"
         "mnuOptions &Source Instrument    |mnuImport &Import|mnuLogs &View Logs|"
         "mnuKeyword_add Keyword_Add|mnuHelp &Help/Info|mnuAbout &About|mnuExit &Exit|"
         "-mnuTrackMenu TrackMenu"},
        {"mnuSaveAs",
         "mnuTextFile &Delimited Text File|mnuConvert MusicFinder File |"
         "-mnuConvert2 MusicFinder File with UserStyle Numbers"},
        {"mnuOption",
         "mnuUserStyles Allow User Styles[ ]|mnuDefaultStyle Change Defult Style|"
         "mnuColor Color for unrecognized styles|mnudblclick Double Click Action"},
        {"mnuColor", "mnuRed Red[x]|mnuBlue Blue[ ]"},
        {"mnudblclick", "mnuEditRecord Edit Record[x]|mnuToggleFavorite Toggle Favorite[ ]"},
        {"mnuOptions",
         "mnuAuto Auto[x]|-mnuPSR2000 PSR2000[ ]|-mnuPSR2100 PSR2100[ ]|-mnuPSR1000 PSR1000[ ]|"
         "-mnuPSR1100 PSR1100[ ]|-!mnuPSR1500 PSR1500[ ]|-mnuPSR3000 PSR3000[ ]|"
         "-mnuCVP209 CVP209[ ]|-mnuCVP207 CVP207[ ]|-mnuCVP205 CVP205[ ]|-mnuCVP203 CVP203[ ]|"
         "-mnuCVP210 CVP210[ ]|-mnuCVP208 CVP208[ ]|-mnuCVP206 CVP206[ ]|-mnuCVP204 CVP204[ ]|"
         "-mnuTYROS Tyros[ ]|mnuStyleNumbers Use Style Numbers[ ]"},
        {"mnuImport", "mnuTextDelimitedInput Text Delimited File|-!mnuMfdInput MFD File"},
        {"mnuLogs", "mnuConversion Conversion Log|mnuDelimitedFile Delimited File Load"},
        {"mnuTrackMenu", "mnuTrackMenuSetFavorite Set Favorite"},
    };
    for (const auto& [parent, items] : menus) {
        QWidget* menu = *parent ? static_cast<QWidget*>(InMain<QMenu>(parent)) : Main().menuBar();
        QStringList entries;
        for (QAction* action : menu->actions()) {
            const bool hidden = !action->isVisible();
            action->setVisible(true);  // Qt disables hidden entries; shown, they show their state
            entries << QString(hidden ? "-" : "") + (action->isEnabled() ? "" : "!") +
                           (action->menu() ? action->menu()->objectName() : action->objectName()) +
                           " " + action->text() +
                           (action->isCheckable() ? action->isChecked() ? "[x]" : "[ ]" : "");
        }
        EXPECT_EQ(entries.join('|'), items) << parent;
    }
}

TEST_F(MainWindowTest, OpensAFileAndKeepsItWhenTheNextIsRefused) {
    // A bad field ends the read: the rows read before it stay, the columns fitted to them.
    const QString title = "A Song Title Of Thirty-Two Chars";
    Bytes corrupt = BuildMfd("PSR-2000", {Song(title.toStdString(), "Pop", 1), Song("", "", 1)});
    corrupt[RecordOffset(2) + field::kStyle] = 0x80;
    OpenSongs(corrupt);
    EXPECT_EQ(Messages(), QStringList{"Quillory can not read this file"});
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList{title});
    EXPECT_GE(List().columnWidth(kMusicColumn),
              QFontMetrics(List().font()).horizontalAdvance(title));
    EXPECT_EQ(Title(), "Quillory   songs.mfd");
    EXPECT_FALSE(Enabled("cmdAdd"));

    OpenSongs();
    EXPECT_EQ(dialogs.fileRequests.back().filter, "Music Finder Files(*.mfd)|*.mfd|");
    EXPECT_EQ(QtFilter(dialogs.fileRequests.back().filter), "Music Finder Files(*.mfd)");
    // The rows leave room around their check boxes.
    EXPECT_GE(List().visualRect(ListModel().index(0, kNumberColumn)).height(),
              List().style()->pixelMetric(QStyle::PM_IndicatorHeight) + 4);
    EXPECT_EQ(Title(), kSongsTitle);
    // The source became the target: only the user style is missing.
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");
    EXPECT_EQ(Colours(), "kkr");
    // Without a selected or ticked row, the commands on rows stay disabled.
    const QStringList disabled = {"cmdReplaceStyle", "cmdDeleteChecked", "CmdDelete", "cmdModify",
                                  "cmdPlayList"};
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
        EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song A", "Song B", "Song C"}));
    }
    EXPECT_EQ(Messages(), QStringList{"Could not find that file "});
}

TEST_F(MainWindowTest, TheTargetComboRecoloursTheMissingStylesAndRetitles) {
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    ChooseTarget("TYROS");
    EXPECT_EQ(Title(), "Quillory      Default Style = Cool Pop");
    // The file read later keeps that target.
    OpenSongs();
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "TYROS");
    EXPECT_EQ(Title(),
              "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Cool Pop");
    EXPECT_EQ(Colours(), "krr");
    Trigger("mnuBlue");
    ChooseTarget("PSR-2000");
    EXPECT_EQ(Colours(), "kkb");
    EXPECT_EQ(Title(), kSongsTitle);
    EXPECT_TRUE(Messages().isEmpty());
}

// Qt's model tester watches the list model while the program changes the list in every way it
// can: reading, importing, changing cells and check marks, sorting. A breach ends the program.
TEST_F(MainWindowTest, ImportAppendsTheKnownStylesAndTheModelKeepsItsContractThroughout) {
    QAbstractItemModelTester tester(&ListModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(Messages(), QStringList{"A music finder file must be loaded before you can append a "
                                      "text delimited file to it"});
    EXPECT_TRUE(dialogs.fileRequests.empty());

    OpenSongs();
    OpenSongs();
    WriteFile(
        folder.File("more.txt"),
        std::string("1\tBallad\tSong D\tcool pop\t 3/ 4\t090\t\tYES\tyes \t\tIntro 2\tending\r\n"
                    "2\tFolk\tSong E\tPolka\t 4/ 4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n"));
    dialogs.files.push_back(QString::fromStdString(folder.File("more.txt")));
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(dialogs.fileRequests.back().filter, "Text Delimited Files(*.txt)|*.txt|");
    EXPECT_EQ(Messages().size(), 1);  // Polka refused
    // The marks and sections show as the record holds them.
    EXPECT_EQ(RowCells(3), QStringList({"00004", "Ballad", "Song D", "cool pop", " 3/ 4", "090", "",
                                        "Yes", "No", "No", "Intro 2", "Off"}));

    Tick({3});
    Record renamed = Work().document.At(1);
    renamed.music = "Song Z";
    Work().document.Change(1, renamed);
    Trigger("mnuBlue");
    ClickHeader(kMusicColumn);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song Z", "Song D", "Song C", "Song A"}));
    EXPECT_EQ(Ticks(), "0100");
    OpenSongs();
    EXPECT_EQ(RowCount(), 3);
}

TEST_F(MainWindowTest, WindowsFitSmallScreensOpenBesideTheMainWindowAndSpareTheFoundRow) {
    OpenSongs();
    ChooseTarget("TYROS");
    const QRect screen = Main().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(Main().frameGeometry()));
    const QRect main(screen.topLeft() + QPoint(40, 40), QSize(420, 500));
    Main().setGeometry(main);
    const std::pair<const char*, const char*> beside[] = {{"mnuAbout", "frmAbout"},
                                                          {"mnuDefaultStyle", "frmDefaultStyle"},
                                                          {"mnuConvert", "frmConvert"}};
    for (const auto& [item, name] : beside) {
        Trigger(item);
        ASSERT_NE(Showing(name), nullptr) << name;
        const QRect shown = Showing(name)->frameGeometry();
        EXPECT_TRUE(screen.contains(shown) && !shown.intersects(main)) << name;
    }
    // Too wide for the room beside the main window, the search dialog moves off the row it finds.
    Click("cmdSearch");
    QWidget* search = Showing("frmSearch");
    FindIn<QLineEdit>(search, "txtFind")->setText("Song B");
    FindIn<QPushButton>(search, "cmdFind")->click();
    ASSERT_EQ(SelectedRow(), 1);
    const QRect cell = List().visualRect(ListModel().index(1, kMusicColumn));
    const QRect row(List().viewport()->mapToGlobal(QPoint(0, cell.top())),
                    QSize(List().viewport()->width(), cell.height()));
    EXPECT_TRUE(screen.contains(search->frameGeometry()));
    EXPECT_FALSE(search->frameGeometry().intersects(row));

    // Every window fits the 1366 x 768 screen at 100 % and the 1600 x 1000 screen at 200 %
    // (800 x 500 device-independent pixels).
    Tick({0});
    Click("cmdPlayList");
    Trigger("mnuHelp");
    ClickRow(0);
    Click("cmdReplaceStyle");
    const QWidgetList windows = {&Main(),        Main().Convert(),      Main().DefaultStyle(),
                                 search,         Main().StyleReplace(), Main().PlayList(),
                                 Main().About(), Main().Info(),         Main().Editor()};
    for (QWidget* window : windows) {
        const QSize least = window->minimumSizeHint();
        EXPECT_EQ(least.boundedTo(QSize(800, 500)), least) << window->objectName().toStdString();
    }
}

}  // namespace
}  // namespace quillory::testkit
