#include <QClipboard>
#include <QSignalSpy>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class FilterTest : public UiFixture {
protected:
    // "Love Me" Pop, "Other" Rock, "Lovely Day" Jazz, "Something" Pop; "love" shows the first
    // and the third.
    void OpenFour() {
        OpenSongs({Song("Love Me", "Pop", 1), Song("Other", "Rock", 1),
                   Song("Lovely Day", "Jazz", 1), Song("Something", "Pop", 1)});
    }
    QLineEdit* FilterText() { return InMain<QLineEdit>("txtFilter"); }
    void Press(QWidget& widget, const QKeySequence& key) {
        Activate(*widget.window());
        widget.setFocus();
        QTest::keySequence(&widget, key);
        Settle();
    }
    QString Counts() { return InMain<QLabel>("lblCounts")->text(); }
    QString Status() { return Main().statusBar()->currentMessage(); }
    std::string Document(std::function<bool(const Record&)> test) {
        std::string rows;
        for (std::size_t row = 0; row < Work().document.Size(); ++row) {
            rows += test(Work().document.At(row)) ? std::to_string(row) : "";
        }
        return rows;
    }
};

// The box filters as the user types, in all columns or the one chosen, without regard to case;
// Escape or an empty box shows every row again. The keys put the cursor in it.
TEST_F(FilterTest, TheBoxShowsTheMatchingRowsAsTheUserTypes) {
    OpenFour();
    EXPECT_EQ(FilterText()->placeholderText(), "Filter records");
    auto* column = InMain<QComboBox>("cboFilterColumn");
    EXPECT_EQ(Texts(column->count(), [&](int i) { return column->itemText(i); }),
              QStringList({"All columns", "Number", "Genre", "Music", "Style", "TimeSig", "Tempo",
                           "Keywords", "Fav ", "S1", "S2", "Intro", "Next Section"}));
    for (const char* key : {"Ctrl+L", "Ctrl+Shift+F"}) {
        FilterText()->setText("x");
        Press(List(), QKeySequence(key));
        EXPECT_TRUE(FilterText()->hasFocus() && FilterText()->selectedText() == "x") << key;
    }
    QTest::keyClicks(FilterText(), "LOVE");
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Love Me", "Lovely Day"}));
    EXPECT_EQ(Counts(), "4 records, 2 shown, 0 ticked, 0 deleted");
    column->setCurrentIndex(column->findText("Genre"));
    EXPECT_EQ(RowCount(), 0);
    FilterText()->setText("pop");
    EXPECT_EQ(ColumnCells(kMusicColumn), QStringList({"Love Me", "Something"}));
    QTest::keyClick(FilterText(), Qt::Key_Escape);
    EXPECT_EQ(FilterText()->text(), "");
    EXPECT_EQ(RowCount(), 4);
}

// With rows hidden, a clicked, ticked or highlighted row is the row shown; the tick commands,
// Ctrl+C, Del Chk'd and the commands on every record leave the hidden rows alone or ask first.
TEST_F(FilterTest, CommandsReachTheRowsShownAndAskBeforeTouchingHiddenOnes) {
    OpenFour();
    FilterText()->setText("love");
    Click("cmdSearch");
    FindIn<QLineEdit>(Main().Search(), "txtFind")->setText("lovely");
    Click("cmdFind", Main().Search());
    EXPECT_EQ(SelectedRow(), 1);
    ClickRow(1);
    EXPECT_EQ(FindIn<QLineEdit>(Main().Editor(), "txtMusic")->text(), "Lovely Day");
    ClickCheckBox(1);
    EXPECT_EQ(Document([](const Record& r) { return r.checked; }), "2");
    Click("cmdCheck");
    Work().document.SetChecked(1, true);
    Press(List(), QKeySequence::Copy);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("1\tPop\tLove Me\t") &&
                copied.contains("\n2\tJazz\tLovely Day\t") && copied.count('\n') == 2)
        << copied.toStdString();

    dialogs.inputAnswers = {"live"};
    dialogs.answers = {false};
    Trigger("mnuKeyword_add");
    EXPECT_EQ(dialogs.questions,
              QStringList{"This changes all 4 records, including 2 hidden by the filter. Go on?"});
    EXPECT_EQ(Document([](const Record& r) { return r.keywords == "live"; }), "");
    dialogs.inputAnswers = {"live"};
    Trigger("mnuKeyword_add");
    EXPECT_EQ(Status(), "Added the keyword to 4 records");
    EXPECT_EQ(InMain<QAction>("mnuUndo")->text(), "Undo Add the keyword to 4 records");

    dialogs.questions.clear();
    Click("cmdDeleteChecked");
    EXPECT_EQ(dialogs.questions, QStringList{"Delete 2 ticked records shown? 1 ticked record "
                                             "hidden by the filter will not be deleted."});
    EXPECT_EQ(Document([](const Record& r) { return r.deleted; }), "02");
    EXPECT_EQ(Document([](const Record& r) { return r.checked; }), "1");
    EXPECT_EQ(Status(), "Deleted 2 records");
    EXPECT_EQ(Counts(), "2 records, 0 shown, 1 ticked, 2 deleted");
    EXPECT_TRUE(Enabled("cmdDeleteChecked"));
}

// Find First and Find Next say when nothing more matches, Find and Check All how many it
// ticked; Ctrl+F puts the cursor in the search text, selected.
TEST_F(FilterTest, SearchesAnswer) {
    OpenFour();
    Press(List(), QKeySequence::Find);
    QWidget* search = Main().Search();
    auto* text = FindIn<QLineEdit>(search, "txtFind");
    text->setText("zzz");
    Press(List(), QKeySequence::Find);
    EXPECT_TRUE(search->focusWidget() == text && text->selectedText() == "zzz");
    Click("cmdFind", search);
    EXPECT_EQ(Messages(), QStringList{"No record contains zzz"});
    text->setText("love");
    Click("cmdFind", search);
    Click("cmdAgain", search);
    dialogs.answers = {false, true};
    Click("cmdAgain", search);
    EXPECT_EQ(SelectedRow(), 2);
    Click("cmdAgain", search);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(dialogs.questions, Texts(2, [](int) {
                  return QString("Song Search: No more records contain love. Go on from the top?");
              }));
    Click("cmdCheck", search);
    EXPECT_EQ(Status(), "Ticked 2 records");
}

// Every redo key redoes, Ctrl+Y too; Ctrl+Q leaves through the unsaved-changes question.
TEST_F(FilterTest, RedoAndQuitKeys) {
    OpenFour();
    auto* redo = InMain<QAction>("mnuRedo");
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        EXPECT_TRUE(redo->shortcuts().contains(key)) << key.toString().toStdString();
    }
    ClickRow(0);
    Click("CmdDelete");
    Press(List(), QKeySequence::Undo);
    QSignalSpy redone(redo, &QAction::triggered);
    Press(List(), QKeySequence("Ctrl+Y"));
    EXPECT_EQ(redone.count(), 1);
    EXPECT_EQ(Cell(0, kGenreColumn), "deleted");

    dialogs.saveAnswers = {Prompts::SaveChoice::kCancel};
    Press(List(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(dialogs.saveQuestions, QStringList{"Save changes to songs.mfd before closing?"});
    EXPECT_TRUE(Main().isVisible());
}

}  // namespace
}  // namespace quillory::testkit
