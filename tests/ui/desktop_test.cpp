#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>

#include "data/list_export.h"
#include "platform/file_names.h"
#include "ui/edit/edit_dialog.h"
#include "ui/search/search_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class DesktopTest : public UiFixture {
protected:
    void Press(const QKeySequence& key) {
        Activate(Main());
        List().setFocus();
        QTest::keySequence(&List(), key);
        Settle();
    }
    void InSearch(const char* button) { FindIn<QAbstractButton>(Main().Search(), button)->click(); }
    QLineEdit* SearchText() { return FindIn<QLineEdit>(Main().Search(), "txtFind"); }
};

TEST_F(DesktopTest, KeysPressTheirMenuItemsAndButtonsAndTheStatusBarShowsTheFile) {
    OpenSongs();
    ClickRow(1);
    const std::pair<QKeySequence, const char*> keys[] = {
        {QKeySequence("Ctrl+O"), "mnuOpen"},   {QKeySequence("Ctrl+Shift+S"), "mnuConvert"},
        {QKeySequence("Ctrl+P"), "mnuPrint"},  {QKeySequence("F1"), "mnuHelp"},
        {QKeySequence("Ctrl+A"), "cmdCheck"},  {QKeySequence(Qt::Key_Return), "cmdModify"},
        {QKeySequence(Qt::Key_Enter), "cmdModify"}, {QKeySequence("Del"), "CmdDelete"},
        {QKeySequence::Undo, "mnuUndo"},       {QKeySequence::Redo, "mnuRedo"},
        {QKeySequence("Ctrl+F"), "cmdSearch"}};
    for (const auto& [key, name] : keys) {
        QObject* target = InMain<QObject>(name);
        QSignalSpy spy(target, qobject_cast<QAction*>(target) ? SIGNAL(triggered(bool))
                                                               : SIGNAL(clicked(bool)));
        Press(key);
        EXPECT_EQ(spy.count(), 1) << name;
    }
    SearchText()->setText("Song");
    InSearch("cmdFind");
    EXPECT_EQ(SelectedRow(), 0);
    Press(QKeySequence::FindNext);
    EXPECT_EQ(SelectedRow(), 2);  // past the deleted row
    Click("CmdUnCheck");
    Press(QKeySequence("Ctrl+C"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              CopiedRowsText(Work().document, 2));

    EXPECT_EQ(InMain<QLabel>("lblFilePath")->text(), FromPath(folder.File("songs.mfd")));
    Tick({0, 2});
    EXPECT_EQ(InMain<QLabel>("lblCounts")->text(), "3 records, 2 ticked");
    ASSERT_FALSE(SaveAs().empty());
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Saved " + FromPath(folder.File("out.mfd")));
}

TEST_F(DesktopTest, SearchFindsFirstNextAndAllAndCloseKeepsThePlace) {
    OpenSongs({Song("Love Me", "Pop", 1), Song("Other", "Rock", 1), Song("Lovely Day", "Jazz", 1),
               Song("Something", "Pop", 1)});
    Click("cmdSearch");
    const QPointer<SearchDialog> search = Main().Search();
    SearchText()->setText("love");
    InSearch("cmdFind");
    EXPECT_EQ(SelectedRow(), 0);
    InSearch("cmdExit");
    Settle();
    ASSERT_TRUE(search && !search->isVisible());
    Click("cmdSearch");
    EXPECT_EQ(Main().Search(), search);
    InSearch("cmdAgain");
    EXPECT_EQ(SelectedRow(), 2);

    // An option searched for Yes fills that in; an empty text is refused in the dialog's box.
    Activate(*search);
    InSearch("Option1_4");
    EXPECT_EQ(SearchText()->text(), "Yes");
    EXPECT_EQ(QApplication::focusWidget(), SearchText());
    InSearch("Option1_2");
    EXPECT_EQ(SearchText()->text(), "");
    InSearch("cmdCheck");
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{search.data()});
    EXPECT_EQ(Messages(), QStringList{"please enter something to search for"});
    InSearch("OptMatchWord");
    SearchText()->setText("Pop");
    InSearch("cmdCheck");
    EXPECT_EQ(Ticks() + Counter(), "10012");
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
