#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include "ui/record_windows_fixture.h"
#include "ui/search/search_dialog.h"

namespace quillory::testkit {
namespace {

class SearchDialogTest : public RecordWindowsFixture {
protected:
    void SetUp() override {
        OpenSongs({Song("Love Me", "Pop", 1), Song("Other", "Rock", 1),
                   Song("Lovely Day", "Jazz", 1), Song("Something", "Pop", 1)});
        Click("cmdSearch");
    }
    template <typename T>
    T* InSearch(const char* name) {
        return FindIn<T>(app->Search(), name);
    }
    void Press(const char* button) { InSearch<QPushButton>(button)->click(); }
    QLineEdit* Text() { return InSearch<QLineEdit>("txtFind"); }
};

TEST_F(SearchDialogTest, FindFirstAndNextStepThroughTheMatchesAndCloseKeepsThePlace) {
    const QPointer<SearchDialog> search = app->Search();
    ASSERT_FALSE(search.isNull());
    EXPECT_EQ(search->windowTitle(), "Song Search");
    EXPECT_TRUE(search->isVisible());
    EXPECT_TRUE(InSearch<QRadioButton>("Option1_1")->isChecked());
    EXPECT_TRUE(InSearch<QRadioButton>("optMatchContaining")->isChecked());

    Text()->setText("love");
    Press("cmdFind");
    EXPECT_EQ(SelectedRow(), 0);
    Press("cmdExit");
    Settle();
    ASSERT_FALSE(search.isNull());
    EXPECT_FALSE(search->isVisible());

    Click("cmdSearch");
    ASSERT_EQ(app->Search(), search);
    EXPECT_TRUE(search->isVisible());
    EXPECT_EQ(Text()->text(), "love");
    Press("cmdAgain");
    EXPECT_EQ(SelectedRow(), 2);
    Press("cmdAgain");
    EXPECT_EQ(SelectedRow(), 2);
    Press("cmdFind");
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SearchDialogTest, FindAndCheckAllTicksTheMatchesAndAnEmptyTextIsRefused) {
    ShowActive(*app->Search());
    InSearch<QRadioButton>("Option1_4")->click();
    EXPECT_EQ(Text()->text(), "Yes");
    EXPECT_EQ(QApplication::focusWidget(), Text());
    InSearch<QRadioButton>("Option1_2")->click();
    EXPECT_EQ(Text()->text(), "");
    Press("cmdCheck");
    Press("cmdFind");
    EXPECT_EQ(dialogs.messages, QStringList({"please enter something to search for",
                                             "please enter something to search for"}));
    EXPECT_FALSE(Enabled("cmdDeleteChecked"));

    // Whole words compare case and all: nothing is ticked, yet Del Chk'd is offered.
    InSearch<QRadioButton>("OptMatchWord")->click();
    Text()->setText("pop");
    Press("cmdCheck");
    EXPECT_EQ(Counter(), "0");
    EXPECT_TRUE(Enabled("cmdDeleteChecked"));
    EXPECT_FALSE(Enabled("cmdPlayList"));

    Text()->setText("Pop");
    Press("cmdCheck");
    EXPECT_EQ(Counter(), "2");
    EXPECT_TRUE(Enabled("cmdPlayList"));
    EXPECT_TRUE(RowTicked(0) && !RowTicked(1) && !RowTicked(2) && RowTicked(3));
    EXPECT_EQ(dialogs.messages.size(), 2);
}

}  // namespace
}  // namespace quillory::testkit
