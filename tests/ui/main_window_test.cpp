#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTreeView>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class MainWindowTest : public UiFixture {};

const QColor kRedText(255, 0, 0);
const QColor kBlueText(0, 0, 255);
const QColor kBlackText(0, 0, 0);

const char* const kSongsTitle =
    "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Swing";

// The caption of a frame, button or label.
QString Caption(QWidget* widget) {
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        return frame->title();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return QString();
}

// A menu entry by the name of its item, or of its submenu.
QString ItemName(const QAction* action) {
    return action->menu() ? action->menu()->objectName() : action->objectName();
}

TEST_F(MainWindowTest, StartsWithTheControlsOfAnEmptyWindow) {
    EXPECT_EQ(Main().objectName(), "frmQuillory");
    EXPECT_EQ(Main().windowTitle(), "Quillory");
    EXPECT_TRUE(Main().isVisible());

    struct Control {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Control controls[] = {
        {"Frame2", "Target Instrument", true},
        {"fraClear", "Clear", false},
        {"cmdS2", "S2", false},
        {"cmdS1", "S1", false},
        {"CmdFav", "Fav", false},
        {"fraEdit", "Edit Item", false},
        {"cmdReplaceStyle", "Replace", false},
        {"cmdDeleteChecked", "Del Chk'd", false},
        {"cmdAdd", "Add", false},
        {"CmdDelete", "Delete", false},
        {"cmdModify", "Modify", false},
        {"fraCheck", "Checkbox Control", false},
        {"CmdUnCheck", "Uncheck ", false},
        {"cmdInvert", "Invert", false},
        {"cmdCheck", "Check", false},
        {"lblNumberChecked", "0", false},
        {"lblchk", "Number", false},
        {"cmdPlayList", "Play List ", false},
        {"cmdSearch", "Search", false},
        {"Frame1", "", true},
    };
    for (const Control& control : controls) {
        QWidget* widget = InMain<QWidget>(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(Caption(widget), control.caption) << control.name;
        EXPECT_EQ(widget->isEnabled(), control.enabled) << control.name;
    }

    auto* list = InMain<QTreeView>("ListView1");
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(list->font().family(), "Arial");
    EXPECT_EQ(list->font().pointSize(), 8);
    const std::vector<std::pair<const char*, Qt::Alignment>> columns = {
        {"Number", Qt::AlignLeft},   {"Genre", Qt::AlignLeft},      {"Music", Qt::AlignLeft},
        {"Style", Qt::AlignLeft},    {"TimeSig", Qt::AlignHCenter}, {"Tempo", Qt::AlignHCenter},
        {"Keywords", Qt::AlignLeft}, {"Fav ", Qt::AlignHCenter},    {"S1", Qt::AlignHCenter},
        {"S2", Qt::AlignLeft},       {"Intro", Qt::AlignHCenter},   {"Next Section", Qt::AlignLeft},
    };
    ASSERT_EQ(list->model()->columnCount(), 12);
    for (int i = 0; i < 12; ++i) {
        const auto& [text, alignment] = columns[static_cast<std::size_t>(i)];
        EXPECT_EQ(list->model()->headerData(i, Qt::Horizontal).toString(), text);
        const auto shown = list->model()->headerData(i, Qt::Horizontal, Qt::TextAlignmentRole);
        EXPECT_EQ(shown.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, alignment) << text;
    }

    auto* combo = InMain<QComboBox>("cboInst");
    QStringList instruments;
    for (int i = 0; i < combo->count(); ++i) {
        instruments << combo->itemText(i);
    }
    EXPECT_EQ(instruments,
              QStringList({"PSR-1000", "PSR-1100", "PSR-1500", "PSR-2000", "PSR-2100", "PSR-3000",
                           "TYROS", "CVP-203", "CVP-204", "CVP-205", "CVP-206", "CVP-207",
                           "CVP-208", "CVP-209", "CVP-210", "CVP-305", "CVP-307"}));
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(MainWindowTest, MenusHaveTheirCaptionsTicksAndHiddenItems) {
    using Items = std::vector<std::pair<const char*, const char*>>;
    const std::vector<std::pair<const char*, Items>> tree = {
        {"",
         {{"mnuOpen", "&Open File"},
          {"mnuSaveAs", "S&ave As"},
          {"mnuPrint", "&Print"},
          {"mnuOption", "Options"},
          {"mnufont", "&Font "},
          {"mnuOrientation", "Pri&nter Orientation    "},
          {"mnuOptions", "&Source Instrument    "},
          {"mnuImport", "&Import"},
          {"mnuLogs", "&View Logs"},
          {"mnuKeyword_add", "Keyword_Add"},
          {"mnuHelp", "&Help/Info"},
          {"mnuAbout", "&About"},
          {"mnuExit", "&Exit"},
          {"mnuTrackMenu", "TrackMenu"}}},
        {"mnuSaveAs",
         {{"mnuTextFile", "&Delimited Text File"},
          {"mnuConvert", "MusicFinder File "},
          {"mnuConvert2", "MusicFinder File with UserStyle Numbers"}}},
        {"mnuOption",
         {{"mnuUserStyles", "Allow User Styles"},
          {"mnuDefaultStyle", "Change Defult Style"},
          {"mnuColor", "Color for unrecognized styles"},
          {"mnudblclick", "Double Click Action"}}},
        {"mnuColor", {{"mnuRed", "Red"}, {"mnuBlue", "Blue"}}},
        {"mnudblclick",
         {{"mnuEditRecord", "Edit Record"}, {"mnuToggleFavorite", "Toggle Favorite"}}},
        {"mnufont", {{"mnuselFon", "Select &Font"}, {"mnuresDefaults", "&Restore Defaults"}}},
        {"mnuOrientation", {{"mnuPort", "Portrait"}, {"mnuLand", "Landscape "}}},
        {"mnuOptions",
         {{"mnuAuto", "Auto"},
          {"mnuPSR2000", "PSR2000"},
          {"mnuPSR2100", "PSR2100"},
          {"mnuPSR1000", "PSR1000"},
          {"mnuPSR1100", "PSR1100"},
          {"mnuPSR1500", "PSR1500"},
          {"mnuPSR3000", "PSR3000"},
          {"mnuCVP209", "CVP209"},
          {"mnuCVP207", "CVP207"},
          {"mnuCVP205", "CVP205"},
          {"mnuCVP203", "CVP203"},
          {"mnuCVP210", "CVP210"},
          {"mnuCVP208", "CVP208"},
          {"mnuCVP206", "CVP206"},
          {"mnuCVP204", "CVP204"},
          {"mnuTYROS", "Tyros"},
          {"mnuStyleNumbers", "Use Style Numbers"}}},
        {"mnuImport",
         {{"mnuTextDelimitedInput", "Text Delimited File"}, {"mnuMfdInput", "MFD File"}}},
        {"mnuLogs",
         {{"mnuConversion", "Conversion Log"}, {"mnuDelimitedFile", "Delimited File Load"}}},
        {"mnuTrackMenu", {{"mnuTrackMenuSetFavorite", "Set Favorite"}}},
    };
    const std::set<std::string> hidden = {
        "mnuConvert2", "mnufont",    "mnuOrientation", "mnuPSR2000",  "mnuPSR2100",
        "mnuPSR1000",  "mnuPSR1100", "mnuPSR1500",     "mnuPSR3000",  "mnuCVP209",
        "mnuCVP207",   "mnuCVP205",  "mnuCVP203",      "mnuCVP210",   "mnuCVP208",
        "mnuCVP206",   "mnuCVP204",  "mnuTYROS",       "mnuMfdInput", "mnuTrackMenu"};
    const std::set<std::string> disabled = {"mnuPSR1500", "mnuMfdInput"};
    const std::set<std::string> ticked = {"mnuRed", "mnuEditRecord", "mnuAuto"};

    for (const auto& [parent, items] : tree) {
        QWidget* menu = *parent ? static_cast<QWidget*>(Find<QMenu>(parent)) : Main().menuBar();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << parent;
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* action = actions[static_cast<qsizetype>(i)];
            const std::string name = items[i].first;
            EXPECT_EQ(ItemName(action).toStdString(), name);
            EXPECT_EQ(action->text(), items[i].second) << name;
            EXPECT_EQ(action->isChecked(), ticked.contains(name)) << name;
            EXPECT_EQ(action->isVisible(), !hidden.contains(name)) << name;
            // Qt disables hidden items; shown, they take the state they were given.
            action->setVisible(true);
            EXPECT_EQ(action->isEnabled(), !disabled.contains(name)) << name;
        }
    }
    for (const char* tick : {"mnuUserStyles", "mnuBlue", "mnuToggleFavorite", "mnuStyleNumbers",
                             "mnuPSR2000", "mnuTYROS"}) {
        EXPECT_TRUE(Find<QAction>(tick)->isCheckable()) << tick;
    }
}

TEST_F(MainWindowTest, OpensAFileAndShowsItsRecords) {
    OpenThreeSongs();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Music Finder Files(*.mfd)|*.mfd|");
    EXPECT_FALSE(dialogs.fileRequests[0].save);
    EXPECT_EQ(Main().windowTitle(), kSongsTitle);
    ASSERT_EQ(RowCount(), 3);
    EXPECT_EQ(Cell(0, 0), "00001");
    EXPECT_EQ(Cell(0, 1), "Pop");
    EXPECT_EQ(Cell(1, 2), "Song B");
    EXPECT_EQ(Cell(0, 3), "Cool Pop");
    EXPECT_EQ(Cell(1, 3), "8Beat");
    EXPECT_EQ(Cell(2, 3), "099");
    EXPECT_EQ(ListModel().index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(ListModel().index(0, 4).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    // The source became the target: only the user style is missing.
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");
    EXPECT_EQ(StyleColour(0), kBlackText);
    EXPECT_EQ(StyleColour(1), kBlackText);
    EXPECT_EQ(StyleColour(2), kRedText);

    for (const char* name :
         {"fraClear", "cmdS2", "cmdS1", "CmdFav", "fraEdit", "cmdAdd", "fraCheck", "CmdUnCheck",
          "cmdInvert", "cmdCheck", "lblNumberChecked", "lblchk", "cmdSearch"}) {
        EXPECT_TRUE(InMain<QWidget>(name)->isEnabled()) << name;
    }
    for (const char* name :
         {"cmdReplaceStyle", "cmdDeleteChecked", "CmdDelete", "cmdModify", "cmdPlayList"}) {
        EXPECT_FALSE(InMain<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(InMain<QLabel>("lblNumberChecked")->text(), "0");

    // The columns widen to the longest text read.
    RecordSpec song;
    song.music = "A Song Title Of Thirty-Two Chars";
    OpenFile("long.mfd", BuildMfd("PSR-2000", {song}));
    auto* list = InMain<QTreeView>("ListView1");
    EXPECT_GE(list->columnWidth(kMusicColumn),
              QFontMetrics(list->font()).horizontalAdvance(QString::fromStdString(song.music)));
}

TEST_F(MainWindowTest, RefusedFilesKeepTheOpenFileAndTitle) {
    OpenThreeSongs();
    WriteFile(folder.File("songs.txt"), ThreeSongs());
    WriteFile(folder.File("empty.mfd"), Bytes());
    struct Refusal {
        std::string path;
        const char* message;
    };
    const Refusal refusals[] = {
        {folder.File("songs.txt"), "The program can only open mfd files. Not a valid file"},
        {folder.File("missing.mfd"), "Could not find that file "},
        {folder.File("empty.mfd"), "Bad File"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.path);
        dialogs.messages.clear();
        dialogs.files.push_back(QString::fromStdString(refusal.path));
        Trigger("mnuOpen");
        EXPECT_EQ(dialogs.messages, QStringList{refusal.message});
        EXPECT_EQ(Main().windowTitle(), kSongsTitle);
        ASSERT_EQ(RowCount(), 3);
        EXPECT_EQ(Cell(2, 2), "Song C");
        EXPECT_EQ(Store().gFileName, "songs.mfd");
    }

    // Cancelling the open dialog changes nothing either.
    dialogs.messages.clear();
    Trigger("mnuOpen");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(Main().windowTitle(), kSongsTitle);
}

TEST_F(MainWindowTest, ACorruptFileKeepsTheRowsReadBeforeTheBadField) {
    WriteSongTables();
    Bytes bytes = ThreeSongs();
    bytes[RecordOffset(2) + 2] = 0x80;  // the second record's style number
    OpenFile("corrupt.mfd", bytes);

    EXPECT_EQ(dialogs.messages, QStringList{"Quillory can not read this file"});
    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(Cell(0, 2), "Song A");
    EXPECT_EQ(Main().windowTitle(), "Quillory   corrupt.mfd");
    EXPECT_FALSE(InMain<QWidget>("cmdAdd")->isEnabled());
}

TEST_F(MainWindowTest, TheTargetComboRecoloursTheMissingStylesAndRetitles) {
    OpenThreeSongs();
    ChooseTarget("TYROS");

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(StyleColour(0), kBlackText);
    EXPECT_EQ(StyleColour(1), kRedText);
    EXPECT_EQ(StyleColour(2), kRedText);
    EXPECT_EQ(Main().windowTitle(),
              "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Cool Pop");

    Trigger("mnuBlue");
    EXPECT_EQ(StyleColour(1), kBlueText);
    ChooseTarget("PSR-2000");
    EXPECT_EQ(StyleColour(1), kBlackText);
    EXPECT_EQ(StyleColour(2), kBlueText);
    EXPECT_EQ(Main().windowTitle(), kSongsTitle);
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");
}

TEST_F(MainWindowTest, ATargetChosenBeforeAnyFileNamesOnlyTheDefaultStyle) {
    WriteSongTables();
    ChooseTarget("TYROS");

    EXPECT_EQ(Main().windowTitle(), "Quillory      Default Style = Cool Pop");
    EXPECT_EQ(RowCount(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // The file read later keeps that target.
    OpenFile("songs.mfd", ThreeSongs());
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "TYROS");
    EXPECT_EQ(Main().windowTitle(),
              "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Cool Pop");
    EXPECT_EQ(StyleColour(1), kRedText);
}

TEST_F(MainWindowTest, ExitClosesEveryWindowWithoutAsking) {
    OpenThreeSongs();
    Trigger("mnuConvert");
    Trigger("mnuDefaultStyle");
    ASSERT_NE(app->Convert(), nullptr);
    ASSERT_NE(app->DefaultStyle(), nullptr);
    EXPECT_TRUE(app->Convert()->isVisible());
    EXPECT_TRUE(app->DefaultStyle()->isVisible());
    EXPECT_FALSE(app->Convert()->isModal());
    EXPECT_FALSE(app->DefaultStyle()->isModal());

    Trigger("mnuExit");
    EXPECT_FALSE(Main().isVisible());
    EXPECT_TRUE(app->Convert() == nullptr || !app->Convert()->isVisible());
    EXPECT_TRUE(app->DefaultStyle() == nullptr || !app->DefaultStyle()->isVisible());
    Settle();
    EXPECT_EQ(app->Convert(), nullptr);
    EXPECT_EQ(app->DefaultStyle(), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);  // only the open dialog
    EXPECT_EQ(Store().gSourceStyles.Size(), 0u);
}

}  // namespace
}  // namespace quillory::testkit
