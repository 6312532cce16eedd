#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/edit/edit_dialog.h"
#include "ui/record_windows_fixture.h"

namespace quillory::testkit {
namespace {

class EditDialogTest : public RecordWindowsFixture {
protected:
    EditDialog& Editor() { return *app->Editor(); }
    template <typename T>
    T* InEditor(const char* name) {
        return FindIn<T>(app->Editor(), name);
    }
    QLineEdit* Field(const char* name) { return InEditor<QLineEdit>(name); }
    QComboBox* Combo(const char* name) { return InEditor<QComboBox>(name); }
    bool Checked(const char* name) { return InEditor<QAbstractButton>(name)->isChecked(); }
    void Choose(const char* combo, const QString& text) {
        Combo(combo)->setCurrentIndex(Combo(combo)->findText(text));
    }
    void Ok() { InEditor<QPushButton>("cmdOk")->click(); }
    // Moves the focus inside the active editor and lets a refusing box take it back.
    static void FocusTo(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        Settle();
    }
};

TEST_F(EditDialogTest, AddRefusesEachMissingValueInTurnThenAppendsTheRecord) {
    OpenSongs(std::vector<RecordSpec>(41, Song("Song", "Pop", 1)));
    Click("cmdAdd");
    ShowActive(Editor());
    EXPECT_EQ(Editor().windowTitle(), "Data Enter/Edit");
    EXPECT_EQ(Field("txtTempo")->text(), "100");

    Ok();
    Choose("cboStyle", "8Beat");
    Ok();
    Choose("cboGenre", "Pop");
    FocusTo(Field("txtKeywords"));
    Ok();
    EXPECT_EQ(QApplication::focusWidget(), Field("txtMusic"));
    Field("txtMusic")->setText("New Song");
    Field("txtTempo")->clear();
    Ok();
    EXPECT_EQ(
        dialogs.messages,
        QStringList({"Please select a style", "All entries must have a genre selected",
                     "All entries must have a Music(song name)", "All entries must have a tempo"}));
    EXPECT_EQ(RowCount(), 41);

    Field("txtTempo")->setText("150");
    InEditor<QCheckBox>("chkSearch2")->setChecked(true);
    InEditor<QRadioButton>("opt68")->click();
    Ok();
    EXPECT_EQ(dialogs.messages.size(), 4);
    EXPECT_FALSE(Editor().isVisible());
    ASSERT_EQ(RowCount(), 42);
    EXPECT_EQ(RowCells(41), QStringList({"00042", "Pop", "New Song", "8Beat", " 6/ 8", "150", "",
                                         "No", "No", "Yes", "Off", "Off"}));
    EXPECT_EQ(SelectedRow(), 41);
    EXPECT_TRUE(InMain<QWidget>("CmdDelete")->isEnabled());
    EXPECT_TRUE(InMain<QWidget>("cmdModify")->isEnabled());

    RecordSpec added = Song("New Song", "Pop", 3);
    added.timeSigNumerator = 6;
    added.timeSigDenominator = 8;
    added.tempo = 150;
    added.marks = 4;
    const Bytes& image = Store().gFileBytes;
    ASSERT_EQ(image.size(), RecordOffset(43));
    EXPECT_EQ(ReadBigEndian16(image, kCountOffset), 42);
    EXPECT_EQ(Record(image, 42), Record(added, 42));

    const Bytes file = SaveAs();
    EXPECT_EQ(ReadBigEndian16(file, kCountOffset), 42);
    EXPECT_EQ(Record(file, 42), Record(added, 41));
}

TEST_F(EditDialogTest, ModifyChangesTheClickedRecordOfASortedList) {
    OpenSongs({Song("Zebra", "Pop", 1), Song("Apple", "Rock", 3), Song("Mango", "Jazz", 2)});
    ClickHeader(kMusicColumn);
    ASSERT_EQ(Cell(0, kNumberColumn), "00002");
    ClickRow(0);
    Click("cmdModify");
    Settle();
    ASSERT_TRUE(Editor().isVisible());
    EXPECT_EQ(Field("txtMusic")->text(), "Apple");
    EXPECT_EQ(Combo("cboStyle")->currentText(), "8Beat");

    // A search moves the list's selection to Zebra; OK still changes the clicked Apple.
    Click("cmdSearch");
    FindIn<QLineEdit>(Find<QWidget>("frmSearch"), "txtFind")->setText("Zebra");
    FindIn<QPushButton>(Find<QWidget>("frmSearch"), "cmdFind")->click();
    ASSERT_EQ(Cell(SelectedRow(), kMusicColumn), "Zebra");
    Field("txtMusic")->setText("Apple Crumble");
    Choose("cboStyle", "Swing");
    Field("txtTempo")->setText("96");
    InEditor<QCheckBox>("chkSearch1")->setChecked(true);
    Choose("cboIntro", "Main A");
    Choose("cboSection", "Ending 1");
    Ok();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(RowCells(RowOf("00002")),
              QStringList({"00002", "Rock", "Apple Crumble", "Swing", " 4/ 4", "96", "", "No",
                           "Yes", "No", "Main A", "Ending 1"}));
    EXPECT_EQ(Cell(RowOf("00001"), kMusicColumn), "Zebra");
    EXPECT_EQ(Cell(SelectedRow(), kMusicColumn), "Zebra");

    RecordSpec changed = Song("Apple Crumble", "Rock", 2);
    changed.tempo = 96;
    changed.marks = 2;
    changed.sections = 4 * 16 + 8;
    const Bytes file = SaveAs();
    EXPECT_EQ(Record(file, 2), Record(changed, 1));
    EXPECT_EQ(Record(file, 1), Record(Song("Zebra", "Pop", 1), 0));
}

TEST_F(EditDialogTest, LeavingABoxWithARefusedValueKeepsTheFocusThere) {
    OpenThreeSongs();
    Click("cmdAdd");
    ShowActive(Editor());
    QLineEdit* tempo = Field("txtTempo");
    QLineEdit* keywords = Field("txtKeywords");
    const QString tempoMessage = "Tempo must be between 32 and 280";

    for (const char* refused : {"31", "281"}) {
        FocusTo(tempo);
        tempo->setText(refused);
        FocusTo(keywords);
        EXPECT_EQ(dialogs.messages.last(), tempoMessage) << refused;
        EXPECT_EQ(QApplication::focusWidget(), tempo) << refused;
    }
    // The click on OK that tried to leave the refused box adds nothing.
    QTest::mouseClick(InEditor<QPushButton>("cmdOk"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(dialogs.messages, QStringList({tempoMessage, tempoMessage, tempoMessage}));
    EXPECT_EQ(QApplication::focusWidget(), tempo);
    EXPECT_EQ(RowCount(), 3);
    for (const char* accepted : {"32", "280"}) {
        FocusTo(tempo);
        tempo->setText(accepted);
        FocusTo(keywords);
        EXPECT_EQ(QApplication::focusWidget(), keywords) << accepted;
    }
    EXPECT_EQ(dialogs.messages.size(), 3);

    // Refused on its way into a style box that would refuse as well: one message, not one
    // from each box in turn.
    QComboBox* style = Combo("cboStyle");
    style->setCurrentIndex(-1);
    FocusTo(tempo);
    tempo->setText("31");
    FocusTo(style);
    Settle();
    EXPECT_EQ(dialogs.messages.mid(3), QStringList{tempoMessage});
    EXPECT_EQ(QApplication::focusWidget(), tempo);

    tempo->setText("96");
    FocusTo(style);
    FocusTo(keywords);
    EXPECT_EQ(dialogs.messages.mid(4),
              QStringList{"Please select a style in the list, new entries are not allowed"});
    EXPECT_EQ(QApplication::focusWidget(), style);
    style->setCurrentIndex(0);
    FocusTo(keywords);
    EXPECT_EQ(QApplication::focusWidget(), keywords);

    // A genre typed into the box becomes an entry of its own when the box is left.
    QComboBox* genre = Combo("cboGenre");
    FocusTo(genre);
    const int entries = genre->count();
    genre->setEditText("Polka");
    FocusTo(Field("txtMusic"));
    EXPECT_EQ(genre->count(), entries + 1);
    EXPECT_EQ(genre->currentIndex(), entries);
    EXPECT_EQ(genre->itemText(entries), "Polka");
    EXPECT_EQ(dialogs.messages.size(), 5);
}

TEST_F(EditDialogTest, ARowClickFillsTheShownEditorAndTheCloseBoxOnlyHidesIt) {
    RecordSpec a = Song("Song A", "Pop", 1);
    a.timeSigNumerator = 3;
    a.tempo = 90;
    a.marks = 5;
    a.keywords = "rock,pop";
    RecordSpec b = Song("Song B", "Rock", 3);
    b.timeSigNumerator = 5;
    b.marks = 2;
    OpenSongs({a, b, Song("Song C", "Jazz", 2)});
    Click("cmdAdd");
    ShowActive(Editor());

    ClickRow(0);
    EXPECT_EQ(Field("txtMusic")->text(), "Song A");
    EXPECT_EQ(Field("txtTempo")->text(), "090");
    EXPECT_EQ(Field("txtKeywords")->text(), "rock,pop");
    EXPECT_TRUE(Checked("chkFavorite") && !Checked("chkSearch1") && Checked("chkSearch2"));
    EXPECT_TRUE(Checked("opt34"));
    EXPECT_EQ(Combo("cboGenre")->currentText(), "Pop");

    // 5/4 is none of the options: the time signature stays 3/4.
    ClickRow(1);
    EXPECT_EQ(Field("txtMusic")->text(), "Song B");
    EXPECT_EQ(Field("txtKeywords")->text(), "");
    EXPECT_TRUE(!Checked("chkFavorite") && Checked("chkSearch1") && !Checked("chkSearch2"));
    EXPECT_TRUE(Checked("opt34"));
    EXPECT_EQ(Store().gEditTimeSig, " 3/ 4");
    EXPECT_EQ(Combo("cboGenre")->currentText(), "Rock");

    ClickRow(2);
    EXPECT_TRUE(Checked("opt44"));
    EXPECT_EQ(Store().gEditTimeSig, " 4/ 4");
    EXPECT_EQ(Combo("cboGenre")->currentText(), "Jazz");

    EditDialog* editor = app->Editor();
    editor->close();
    Settle();
    ASSERT_EQ(app->Editor(), editor);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Combo("cboGenre")->count(), 3);
    EXPECT_EQ(Combo("cboStyle")->count(), 3);
    ClickRow(0);
    EXPECT_EQ(Field("txtMusic")->text(), "Song A");
}

}  // namespace
}  // namespace quillory::testkit
