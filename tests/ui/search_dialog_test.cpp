#include <QLineEdit>
#include <QPointer>

#include "ui/edit/edit_dialog.h"
#include "ui/search/search_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class SearchDialogTest : public UiFixture {
protected:
    void Press(const char* button) { FindIn<QPushButton>(Main().Search(), button)->click(); }
    void Choose(const char* option) { FindIn<QRadioButton>(Main().Search(), option)->click(); }
    QLineEdit* Text() { return FindIn<QLineEdit>(Main().Search(), "txtFind"); }
};

TEST_F(SearchDialogTest, FindsFirstNextAndAllWithTheCounterAndCloseKeepsThePlace) {
    OpenSongs({Song("Love Me", "Pop", 1), Song("Other", "Rock", 1), Song("Lovely Day", "Jazz", 1),
               Song("Something", "Pop", 1)});
    Click("cmdSearch");
    const QPointer<SearchDialog> search = Main().Search();
    ASSERT_FALSE(search.isNull());
    Text()->setText("love");
    Press("cmdFind");
    EXPECT_EQ(SelectedRow(), 0);
    Press("cmdExit");
    Settle();
    ASSERT_TRUE(search && !search->isVisible());

    Click("cmdSearch");
    EXPECT_EQ(Main().Search(), search);
    Press("cmdAgain");
    EXPECT_EQ(SelectedRow(), 2);
    Click("cmdModify");
    FindIn<QLineEdit>(Main().Editor(), "txtMusic")->setText("Lovely Night");
    FindIn<QPushButton>(Main().Editor(), "cmdOk")->click();
    EXPECT_EQ(ColumnCells(kMusicColumn),
              QStringList({"Love Me", "Other", "Lovely Night", "Something"}));

    // An option searched for Yes fills that in; an empty text is refused.
    Activate(*search);
    Choose("Option1_4");
    EXPECT_EQ(Text()->text(), "Yes");
    EXPECT_EQ(QApplication::focusWidget(), Text());
    Choose("Option1_2");
    EXPECT_EQ(Text()->text(), "");
    Press("cmdCheck");
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{search.data()});
    EXPECT_EQ(Messages(), QStringList{"please enter something to search for"});
    EXPECT_FALSE(Enabled("cmdDeleteChecked"));

    Choose("OptMatchWord");
    Text()->setText("Pop");
    Press("cmdCheck");
    EXPECT_EQ(Ticks() + Counter(), "10012");
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
