#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class MainWindowTest : public UiFixture {
protected:
    // The panel's controls that are enabled (or disabled) now.
    QString Controls(bool enabled) {
        QStringList names = QString(
                                "Frame2 fraClear cmdS2 cmdS1 CmdFav fraEdit cmdReplaceStyle "
                                "cmdDeleteChecked cmdAdd CmdDelete cmdModify fraCheck "
                                "CmdUnCheck cmdInvert cmdCheck lblNumberChecked lblchk "
                                "cmdPlayList cmdSearch Frame1")
                                .split(' ');
        names.removeIf([&](const QString& name) { return Enabled(name.toLatin1()) != enabled; });
        return names.join(' ');
    }
    void Press(const QKeySequence& key) {
        Activate(Main());
        List().setFocus();
        QTest::keySequence(&List(), key);
        Settle();
    }
    QLineEdit* SearchText() { return FindIn<QLineEdit>(Main().Search(), "txtFind"); }
};

const char* const kSongsTitle =
    "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Swing";

// Qt's model tester watches the list model throughout: a breach ends the program.
TEST_F(MainWindowTest, OpensImportsAndSortsAFileKeepsItWhenTheNextIsRefusedAndRecolours) {
    QAbstractItemModelTester tester(&ListModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(Controls(true), "Frame2 Frame1");
    const QString title = "A Song Title Of Thirty-Two Chars";
    Bytes corrupt = BuildMfd("PSR-2000", {Song(title.toStdString(), "Pop", 1), Song("", "", 1)});
    corrupt[mfd::RecordOffset(2) + mfd::kStyle] = 0x80;
    OpenSongs(corrupt);
    EXPECT_EQ(Messages() + ColumnCells(kMusicColumn),
              QStringList({"Quillory can not read this file", title}));
    EXPECT_GE(List().columnWidth(kMusicColumn),
              QFontMetrics(List().font()).horizontalAdvance(title));  // fitted to the rows read
    EXPECT_EQ(Title(), "Quillory   songs.mfd");
    EXPECT_FALSE(Enabled("cmdAdd"));

    OpenSongs();
    EXPECT_EQ(dialogs.fileFilters.back(), "Music Finder Files(*.mfd)");
    EXPECT_GE(List().visualRect(ListModel().index(0, kNumberColumn)).height(),
              List().style()->pixelMetric(QStyle::PM_IndicatorHeight) + 4);
    EXPECT_EQ(Title(), kSongsTitle);
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText() + " " + Colours(), "PSR-2000 kkr");
    EXPECT_EQ(Controls(false), "cmdReplaceStyle cmdDeleteChecked CmdDelete cmdModify cmdPlayList");
    // A refused file and a cancelled open dialog leave the open file as it was.
    for (const auto& file : {std::optional(Path("missing.mfd")), std::optional<QString>()}) {
        dialogs.files.push_back(file);
        Trigger("mnuOpen");
        EXPECT_EQ(Title() + QString::number(RowCount()), kSongsTitle + QString("3"));
    }
    EXPECT_EQ(Messages(), QStringList{"Could not find that file "});

    ChooseTarget("TYROS");
    EXPECT_EQ(Colours() + Title().section('=', -1), "krr Cool Pop");

    WriteFile(folder.File("more.txt"),
              std::string("1\tBallad\tSong D\tcool pop\t 3/ 4\t090\t\tYES\t\t\tIntro 2\tOff\r\n"));
    dialogs.files.push_back(Path("more.txt"));
    Trigger("mnuTextDelimitedInput");
    EXPECT_EQ(dialogs.fileFilters.back(), "Text Delimited Files(*.txt)");
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song A", "Song B", "Song C", "Song D"}));
    Tick({3});
    Record renamed = Work().document.At(1);
    renamed.music = "Song Z";
    Work().document.Change(1, renamed);  // the model follows a change and a sort
    ClickHeader(kMusicColumn);
    ClickHeader(kMusicColumn);
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Song Z", "Song D", "Song C", "Song A"}));
    EXPECT_EQ(Ticks(), "0100");
    OpenSongs();
    EXPECT_FALSE(Main().isWindowModified());
}

TEST_F(MainWindowTest, WindowsFitSmallScreensOpenBesideTheMainWindowAndSpareTheFoundRow) {
    OpenSongs();
    const QRect screen = Main().screen()->availableGeometry();
    const QRect main(screen.topLeft() + QPoint(40, 40), QSize(420, 500));
    Main().setGeometry(main);
    Trigger("mnuConvert");
    ASSERT_NE(Showing("frmConvert"), nullptr);
    const QRect shown = Showing("frmConvert")->frameGeometry();
    EXPECT_TRUE(screen.contains(shown) && !shown.intersects(main));
    // Too wide for the room beside the main window, the search dialog moves off the row it finds.
    Click("cmdSearch");
    QWidget* search = Showing("frmSearch");
    FindIn<QLineEdit>(search, "txtFind")->setText("Song B");
    Click("cmdFind", search);
    const QRect cell = List().visualRect(ListModel().index(SelectedRow(), kMusicColumn));
    EXPECT_FALSE(search->frameGeometry().intersects(
        QRect(List().viewport()->mapToGlobal(QPoint(0, cell.top())),
              QSize(List().viewport()->width(), cell.height()))));
    // Every window fits 1366 x 768 at 100 % and 1600 x 1000 at 200 % (800 x 500 pixels).
    Tick({0});
    Click("cmdPlayList");
    Trigger("mnuHelp");
    Trigger("mnuAbout");
    Trigger("mnuDefaultStyle");
    ClickRow(0);
    Click("cmdReplaceStyle");
    for (QWidget* window : QWidgetList{&Main(), search, Main().Convert(), Main().DefaultStyle(),
                                       Main().StyleReplace(), Main().PlayList(), Main().About(),
                                       Main().Info(), Main().Editor()}) {
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        EXPECT_EQ(least.boundedTo(QSize(800, 500)), least) << window->objectName().toStdString();
    }
}

// The window shows the enabled states of the core's rules as the ticks and the highlight move,
// and the title of a chosen source item.
TEST_F(MainWindowTest, ButtonsAndSaveFollowTicksAndHighlightAndTheTitleTheSourceItem) {
    EXPECT_FALSE(InMain<QAction>("mnuSave")->isEnabled());
    OpenSongs();
    Tick({0});
    EXPECT_EQ(Controls(false), "cmdReplaceStyle CmdDelete cmdModify");
    Tick({0}, false);
    ClickRow(1);
    EXPECT_EQ(Controls(false), "cmdDeleteChecked");
    EXPECT_TRUE(InMain<QAction>("mnuSave")->isEnabled());
    // A source item names its instrument in the title as the item calls it.
    Trigger("mnuTYROS");
    EXPECT_EQ(Title(), "Quillory   songs.mfd  Source Instrument = Tyros");
}

TEST_F(MainWindowTest, KeysPressTheirMenuItemsAndButtonsAndTheStatusBarShowsTheFile) {
    OpenSongs();
    ClickRow(1);
    const std::pair<QKeySequence, const char*> keys[] = {
        {QKeySequence("Ctrl+O"), "mnuOpen"},
        {QKeySequence("Ctrl+Shift+S"), "mnuConvert"},
        {QKeySequence("Ctrl+P"), "mnuPrint"},
        {QKeySequence("F1"), "mnuHelp"},
        {QKeySequence("Ctrl+A"), "cmdCheck"},
        {QKeySequence(Qt::Key_Return), "cmdModify"},
        {QKeySequence(Qt::Key_Enter), "cmdModify"},
        {QKeySequence("Del"), "CmdDelete"},
        {QKeySequence::Undo, "mnuUndo"},
        {QKeySequence::Redo, "mnuRedo"},
        {QKeySequence("Ctrl+F"), "cmdSearch"}};
    for (const auto& [key, name] : keys) {
        QObject* target = InMain<QObject>(name);
        QSignalSpy spy(target, qobject_cast<QAction*>(target) ? SIGNAL(triggered(bool))
                                                              : SIGNAL(clicked(bool)));
        Press(key);
        EXPECT_EQ(spy.count(), 1) << name;
    }
    SearchText()->setText("Song");
    Click("cmdFind", Main().Search());
    EXPECT_EQ(SelectedRow(), 0);
    Press(QKeySequence::FindNext);
    EXPECT_EQ(SelectedRow(), 2);  // past the deleted row
    Click("CmdUnCheck");
    Press(QKeySequence("Ctrl+C"));
    EXPECT_EQ(QApplication::clipboard()->text(),
              "1\tJazz\tSong C\t099\t 4/ 4\t120\t\tNo\tNo\tNo\tOff\tOff\r\n");

    Tick({0, 2});
    EXPECT_EQ(InMain<QLabel>("lblFilePath")->text() + " " + InMain<QLabel>("lblCounts")->text(),
              FromPath(folder.File("songs.mfd")) + " 2 records, 3 shown, 2 ticked, 1 deleted");
    ASSERT_FALSE(SaveAs().empty());
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Saved " + FromPath(folder.File("out.mfd")));
}

TEST_F(MainWindowTest, SearchFindsFirstNextAndAllAndCloseKeepsThePlace) {
    OpenSongs({Song("Love Me", "Pop", 1), Song("Other", "Rock", 1), Song("Lovely Day", "Jazz", 1),
               Song("Something", "Pop", 1)});
    Click("cmdSearch");
    const QPointer<SearchDialog> search = Main().Search();
    SearchText()->setText("love");
    Click("cmdFind", Main().Search());
    EXPECT_EQ(SelectedRow(), 0);
    Click("cmdExit", Main().Search());
    ASSERT_TRUE(search && !search->isVisible());
    Click("cmdSearch");
    EXPECT_EQ(Main().Search(), search);
    Click("cmdAgain", Main().Search());
    EXPECT_EQ(SelectedRow(), 2);

    // An option searched for Yes fills that in; an empty text is refused in the dialog's box.
    Activate(*search);
    Click("Option1_4", Main().Search());
    EXPECT_EQ(SearchText()->text(), "Yes");
    EXPECT_EQ(QApplication::focusWidget(), SearchText());
    Click("Option1_2", Main().Search());
    EXPECT_EQ(SearchText()->text(), "");
    Click("cmdCheck", Main().Search());
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{search.data()});
    EXPECT_EQ(Messages(), QStringList{"please enter something to search for"});
    Click("OptMatchWord", Main().Search());
    SearchText()->setText("Pop");
    Click("cmdCheck", Main().Search());
    EXPECT_EQ(Ticks() + Counter(), "10012");
    EXPECT_TRUE(Messages().isEmpty());
}

// Each source-instrument item: hidden, its caption, whether it is greyed out, and the source it
// chooses ("none" stays for the greyed-out one and the four that do nothing).
TEST_F(MainWindowTest, SourceMenuItemsHaveTheirCaptionsStatesAndActions) {
    OpenSongs();
    const std::tuple<const char*, const char*, bool, const char*> items[] = {
        {"mnuPSR2000", "PSR2000", true, "PSR-2000"}, {"mnuPSR2100", "PSR2100", true, "PSR-2100"},
        {"mnuPSR1000", "PSR1000", true, "PSR-1000"}, {"mnuPSR1100", "PSR1100", true, "PSR-1100"},
        {"mnuPSR1500", "PSR1500", false, "none"},    {"mnuPSR3000", "PSR3000", true, "PSR-3000"},
        {"mnuCVP209", "CVP209", true, "CVP-209"},    {"mnuCVP207", "CVP207", true, "CVP-207"},
        {"mnuCVP205", "CVP205", true, "CVP-205"},    {"mnuCVP203", "CVP203", true, "CVP-203"},
        {"mnuCVP210", "CVP210", true, "none"},       {"mnuCVP208", "CVP208", true, "none"},
        {"mnuCVP206", "CVP206", true, "none"},       {"mnuCVP204", "CVP204", true, "none"},
        {"mnuTYROS", "Tyros", true, "TYROS"}};
    QStringList names = {"mnuAuto"};
    for (const auto& [name, caption, enabled, source] : items) {
        names << name;
        QAction* item = InMain<QAction>(name);
        const bool hidden = !item->isVisible();
        item->setVisible(true);  // a hidden item reads as disabled whatever its own state
        Work().file.sourceInstrument = "none";
        Trigger(name);
        EXPECT_EQ(std::tuple(item->text(), hidden, item->isEnabled(), Work().file.sourceInstrument),
                  std::tuple(QString(caption), true, enabled, std::string(source)));
        Trigger("mnuAuto");
    }
    const QList<QAction*> menu = InMain<QMenu>("mnuOptions")->actions();
    EXPECT_EQ(Texts(menu.size(), [&](int i) { return menu[i]->objectName(); }),
              names << "mnuStyleNumbers");
}

}  // namespace
}  // namespace quillory::testkit
