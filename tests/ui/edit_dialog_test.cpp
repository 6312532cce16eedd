#include <QCheckBox>
#include <QLineEdit>

#include "ui/edit/edit_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

// The record editor and the replace window, the two windows that change records.
class EditDialogTest : public UiFixture {
protected:
    EditDialog& Editor() { return *Main().Editor(); }
    QLineEdit* Field(const char* name) { return FindIn<QLineEdit>(&Editor(), name); }
    QComboBox* Combo(const char* name) { return FindIn<QComboBox>(&Editor(), name); }
    void Choose(const char* combo, const QString& text) {
        Combo(combo)->setCurrentIndex(Combo(combo)->findText(text));
    }
    // What the editor shows: music, tempo, keywords, genre, and the ticked boxes and options.
    QString Shown() {
        QString shown = Field("txtMusic")->text() + "|" + Field("txtTempo")->text() + "|" +
                        Field("txtKeywords")->text() + "|" + Combo("cboGenre")->currentText();
        for (QAbstractButton* box : Editor().findChildren<QAbstractButton*>()) {
            shown += box->isChecked() ? " " + box->objectName() : "";
        }
        return shown;
    }
    void Ok() { FindIn<QPushButton>(&Editor(), "cmdOk")->click(); }
    // Moves the focus inside the active editor and lets a refusing box take it back.
    static void FocusTo(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        Settle();
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    template <typename T>
    T* InReplace(const char* name) {
        return FindIn<T>(Showing("frmStyleReplace"), name);
    }
    void ReplaceAll(const char* mode) {
        InReplace<QRadioButton>(mode)->click();
        InReplace<QPushButton>("cmdAllEntries")->click();
        Settle();
    }
};

TEST_F(EditDialogTest, AddAppendsTheRecordAndHighlightsItForModify) {
    std::vector<RecordValues> songs(41, Song("Song", "Pop", 1));
    OpenSongs(songs);
    ClickHeader(kNumberColumn);
    ClickHeader(kNumberColumn);  // newest first: the new row is appended away from its place
    Click("cmdAdd");
    Activate(Editor());
    EXPECT_EQ(Editor().windowTitle(), "Data Enter/Edit");
    EXPECT_EQ(Shown(), "|100|| opt44");

    // OK refused for want of a song title moves the focus there.
    Choose("cboStyle", "8Beat");
    Choose("cboGenre", "Pop");
    FocusTo(Field("txtKeywords"));
    Ok();
    EXPECT_EQ(Messages(), QStringList{"All entries must have a Music(song name)"});
    EXPECT_EQ(Focus(), Field("txtMusic"));

    Field("txtMusic")->setText("New");
    Field("txtTempo")->setText("280");
    FindIn<QCheckBox>(&Editor(), "chkSearch2")->setChecked(true);
    FindIn<QRadioButton>(&Editor(), "opt68")->click();
    Ok();
    EXPECT_FALSE(Editor().isVisible());
    // The preview puts the list back in number order and the highlight follows the new row.
    EXPECT_EQ(SelectedRow(), 41);
    songs.push_back({42, 3, 6, 8, 280, kSearch2Bit, "New", "Pop", "", 0});
    EXPECT_EQ(Work().document.Image(), BuildMfd("PSR-2000", songs));

    Click("cmdModify");
    Field("txtTempo")->setText("90");
    Ok();
    EXPECT_EQ(Cell(41, kTempoColumn) + Cell(40, kTempoColumn), "90120");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditDialogTest, ModifyChangesTheHighlightedRecordOfASortedList) {
    std::vector<RecordValues> songs = {Song("Zebra", "Pop", 1), Song("Apple", "Rock", 3),
                                       Song("Mango", "Jazz", 2)};
    OpenSongs(songs);
    ClickRow(0);
    // A read clears the highlight: there is nothing to delete, modify or replace then.
    OpenSongs(songs);
    EXPECT_FALSE(Enabled("CmdDelete") || Enabled("cmdModify") || Enabled("cmdReplaceStyle"));

    // Apple Mango Zebra: the keys move the highlight from Zebra to Apple.
    ClickHeader(kMusicColumn);
    ClickRow(2);
    QTest::keyClick(&List(), Qt::Key_Up);
    QTest::keyClick(&List(), Qt::Key_Up);
    Click("cmdModify");
    EXPECT_EQ(Shown() + " " + Combo("cboStyle")->currentText(), "Apple|120||Rock opt44 8Beat");
    Field("txtMusic")->setText("Apple Crumble");
    Choose("cboStyle", "Swing");
    Field("txtTempo")->setText("96.4");
    FindIn<QCheckBox>(&Editor(), "chkSearch1")->setChecked(true);
    Choose("cboIntro", "Main A");
    Choose("cboSection", "Ending 1");
    Ok();
    EXPECT_TRUE(Messages().isEmpty());
    songs[1] = {1, 2, 4, 4, 96, kSearch1Bit, "Apple Crumble", "Rock", "", 0x48};
    EXPECT_EQ(Work().document.Image(), BuildMfd("PSR-2000", songs));
}

TEST_F(EditDialogTest, LeavingABoxWithARefusedValueKeepsTheFocusThereButCancelLeaves) {
    OpenSongs();
    Click("cmdAdd");
    Activate(Editor());
    QLineEdit* tempo = Field("txtTempo");
    QLineEdit* keywords = Field("txtKeywords");
    const QString tempoMessage = "Tempo must be between 32 and 280";
    for (const char* value : {"31", "281", "32"}) {
        FocusTo(tempo);
        tempo->setText(value);
        FocusTo(keywords);
        const bool refused = QString(value).endsWith('1');
        EXPECT_EQ(Messages(), refused ? QStringList{tempoMessage} : QStringList()) << value;
        EXPECT_EQ(Focus(), refused ? tempo : keywords) << value;
    }
    // The style box refuses a text of its own, once the tempo is right.
    QComboBox* style = Combo("cboStyle");
    style->setCurrentIndex(-1);
    tempo->setText("96");
    FocusTo(style);
    FocusTo(keywords);
    EXPECT_EQ(Messages(),
              QStringList{"Please select a style in the list, new entries are not allowed"});
    EXPECT_EQ(Focus(), style);
    style->setCurrentIndex(0);

    // A genre typed into the box becomes an entry of its own when the box is left.
    QComboBox* genre = Combo("cboGenre");
    FocusTo(genre);
    genre->setEditText("Polka");
    FocusTo(Field("txtMusic"));
    EXPECT_EQ(genre->itemText(genre->count() - 1) + " " + genre->currentText(), "Polka Polka");

    // The refusal's box belongs to the editor, and Cancel leaves right after it.
    FocusTo(tempo);
    tempo->setText("281");
    FocusTo(keywords);
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{&Editor()});
    EXPECT_EQ(Messages(), QStringList{tempoMessage});
    QTest::mouseClick(FindIn<QPushButton>(&Editor(), "cmdCancel"), Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(RowCount(), 3);
}

TEST_F(EditDialogTest, ARowClickFillsTheShownEditorATickDoesNotAndTheCloseBoxOnlyHidesIt) {
    std::vector<RecordValues> songs = {Song("Song A", "Pop", 1), Song("Song B", "Rock", 3)};
    songs[0] = {0, 1, 3, 4, 90, 5, "Song A", "Pop", "rock,pop", 0};
    OpenSongs(songs);
    Click("cmdAdd");
    Activate(Editor());
    ClickRow(0);
    EXPECT_EQ(Shown(), "Song A|090|rock,pop|Pop opt34 chkFavorite chkSearch2");
    ClickRow(1);
    // A click on a check box only ticks the row.
    ClickCheckBox(0);
    EXPECT_EQ(Ticks() + QString::number(SelectedRow()) + Field("txtMusic")->text(), "101Song B");

    Editor().close();
    Settle();
    ASSERT_NE(Main().Editor(), nullptr);
    ClickRow(0);
    EXPECT_EQ(Field("txtMusic")->text(), "Song A");
}

TEST_F(EditDialogTest, EachReplaceModeReachesTheList) {
    std::vector<RecordValues> songs = {Song("Song A", "Pop", 1), Song("Song B", "Rock", 3),
                                       Song("Song C", "Pop", 1)};
    songs[0].keywords = "ballad,piano";
    songs[2].keywords = "Ballad";
    OpenSongs(songs);
    ClickRow(0);
    Click("cmdReplaceStyle");
    ASSERT_NE(Showing("frmStyleReplace"), nullptr);
    EXPECT_TRUE(InReplace<QRadioButton>("optStyle")->isChecked());

    // An option enables the controls of its own row only; the current style follows the row
    // clicked.
    InReplace<QRadioButton>("optKeyword")->click();
    EXPECT_TRUE(InReplace<QWidget>("txtKeyword")->isEnabled() &&
                !InReplace<QWidget>("lblCurrentStyle")->isEnabled());
    ClickRow(1);
    EXPECT_EQ(InReplace<QLabel>("lblCurrentStyle")->text(), "8Beat");
    ClickRow(2);
    InReplace<QComboBox>("cboStyle")->setCurrentIndex(2);
    ReplaceAll("optStyle");
    EXPECT_EQ(Showing("frmStyleReplace"), nullptr);
    EXPECT_EQ(ColumnCells(kStyleColumn), QStringList({"Swing", "8Beat", "Swing"}));

    Click("cmdReplaceStyle");
    EXPECT_EQ(InReplace<QLabel>("lblGenre")->text(), "Pop");
    auto* genres = InReplace<QComboBox>("cboGenre");
    genres->setEditText("Folk");
    emit genres->lineEdit()->editingFinished();  // a typed genre becomes an entry of its own
    ReplaceAll("optGenre");
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"Folk", "Rock", "Folk"}));

    Click("cmdReplaceStyle");
    InReplace<QLineEdit>("txtCurrentKeyword")->setText("BALLAD");
    InReplace<QLineEdit>("txtKeyword")->setText("Slow");
    ReplaceAll("optKeyword");
    EXPECT_EQ(ColumnCells(kKeywordsColumn), QStringList({"Slow,piano", "", "Slow"}));

    // Without the target's style table the window opens but replaces nothing.
    std::filesystem::remove(folder.File("PSR-2000.dat"));
    Click("cmdReplaceStyle");
    EXPECT_EQ(InReplace<QComboBox>("cboStyle")->count(), 0);
    InReplace<QComboBox>("cboGenre")->setEditText("Pop");
    ReplaceAll("optGenre");
    EXPECT_NE(Showing("frmStyleReplace"), nullptr);
    EXPECT_EQ(ColumnCells(kGenreColumn), QStringList({"Folk", "Rock", "Folk"}));
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace quillory::testkit
