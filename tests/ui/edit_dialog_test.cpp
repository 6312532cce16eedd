#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class EditDialogTest : public UiFixture {
protected:
    EditDialog& Editor() { return *Main().Editor(); }
    QLineEdit* Field(const char* name) { return FindIn<QLineEdit>(&Editor(), name); }
    QComboBox* Combo(const char* name) { return FindIn<QComboBox>(&Editor(), name); }
    void Choose(const char* combo, const QString& text) {
        Combo(combo)->setCurrentIndex(Combo(combo)->findText(text));
    }
    // Music, tempo, keywords, genre, and the ticked boxes and options.
    QString Shown() {
        return Field("txtMusic")->text() + "|" + Field("txtTempo")->text() + "|" +
               Field("txtKeywords")->text() + "|" + Combo("cboGenre")->currentText() + " " +
               Checked<QAbstractButton>(&Editor()).join(' ');
    }
    void Open(const char* button) {
        Click(button);
        Activate(Editor());
    }
    // Moves the focus from one box to another inside the active editor: the focus where it ends.
    static QWidget* FocusFrom(QWidget* from, QWidget* to) {
        for (QWidget* widget : {from, to}) {
            widget->setFocus(Qt::TabFocusReason);
            Settle();
        }
        return QApplication::focusWidget();
    }
    template <typename T = QWidget>
    T* InReplace(const char* name) {
        return FindIn<T>(Showing("frmStyleReplace"), name);
    }
    void ReplaceAll(const char* mode) {
        Click(mode, Showing("frmStyleReplace"));
        Click("cmdAllEntries", Showing("frmStyleReplace"));
    }
};

TEST_F(EditDialogTest, AddsAndModifiesTheHighlightedRecordOfASortedListRefusingWrongValues) {
    std::vector<RecordValues> songs = {{0, 1, 3, 4, 90, 5, "Zebra", "Pop", "rock,pop", 0},
                                       Song("Apple", "Rock", 3),
                                       Song("Mango", "Jazz", 2)};
    OpenSongs(songs);
    // Apple Mango Zebra. A row click fills the editor, a tick does not, the close box hides it.
    ClickHeader(kMusicColumn);
    Open("cmdAdd");
    EXPECT_EQ(Shown(), "|100|| opt44");
    ClickRow(2);
    EXPECT_EQ(Shown(), "Zebra|090|rock,pop|Pop opt34 chkFavorite chkSearch2");
    ClickCheckBox(0);
    EXPECT_EQ(Ticks() + " " + Field("txtMusic")->text(), "100 Zebra");
    Editor().close();
    Settle();
    ClickRow(1);
    EXPECT_EQ(Field("txtMusic")->text(), "Mango");

    // A refused value keeps the focus in its box, and Cancel leaves right after it.
    Open("cmdAdd");
    QLineEdit* tempo = Field("txtTempo");
    QLineEdit* keywords = Field("txtKeywords");
    tempo->setText("281");
    EXPECT_EQ(FocusFrom(tempo, keywords), tempo);
    EXPECT_EQ(dialogs.messageWindows, std::vector<QPointer<QWidget>>{&Editor()});
    EXPECT_EQ(Messages(), QStringList{"Tempo must be between 32 and 280"});
    QTest::mouseClick(FindIn<QPushButton>(&Editor(), "cmdCancel"), Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Editor().isVisible());

    Open("cmdAdd");
    tempo->setText("280");
    Combo("cboStyle")->setCurrentIndex(-1);
    EXPECT_EQ(FocusFrom(Combo("cboStyle"), keywords), Combo("cboStyle"));
    EXPECT_EQ(Messages(),
              QStringList{"Please select a style in the list, new entries are not allowed"});
    Choose("cboStyle", "8Beat");
    QComboBox* genre = Combo("cboGenre");
    genre->setEditText("Polka");
    FocusFrom(genre, keywords);
    EXPECT_EQ(genre->itemText(genre->count() - 1) + " " + genre->currentText(), "Polka Polka");
    Click("cmdOk", &Editor());
    EXPECT_EQ(Messages(), QStringList{"All entries must have a Music(song name)"});
    EXPECT_EQ(QApplication::focusWidget(), Field("txtMusic"));
    Field("txtMusic")->setText("New");
    Click("chkSearch2", &Editor());
    Click("opt68", &Editor());
    Click("cmdOk", &Editor());
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(SelectedRow(), 3);  // in number order after the preview

    // Apple Mango New Zebra: the keys move the highlight from Zebra to Mango.
    ClickHeader(kMusicColumn);
    ClickRow(3);
    QTest::keyClick(&List(), Qt::Key_Up);
    QTest::keyClick(&List(), Qt::Key_Up);
    Open("cmdModify");
    EXPECT_EQ(Shown() + " " + Combo("cboStyle")->currentText(), "Mango|120||Jazz opt44 Swing");
    // The editor's own box hands the activation back: the choice stays; coming from the main
    // window shows the record's style again.
    Choose("cboStyle", "8Beat");
    CloseOwnBox<QMessageBox>(Editor());
    EXPECT_EQ(Combo("cboStyle")->currentText(), "8Beat");
    ComeFromMain(Editor());
    EXPECT_EQ(Combo("cboStyle")->currentText(), "Swing");
    Field("txtMusic")->setText("Mango Crumble");
    Choose("cboStyle", "Cool Pop");
    tempo->setText("96.4");
    Click("chkSearch1", &Editor());
    Choose("cboIntro", "Main A");
    Choose("cboSection", "Ending 1");
    Click("cmdOk", &Editor());
    songs[2] = {2, 1, 4, 4, 96, kSearch1Bit, "Mango Crumble", "Jazz", "", 0x48};
    songs.push_back({4, 3, 6, 8, 280, kSearch2Bit, "New", "Polka", "", 0});
    EXPECT_EQ(Work().document.Image(), BuildMfd("PSR-2000", songs));
    OpenSongs(songs);  // a read clears the highlight
    EXPECT_FALSE(Enabled("CmdDelete") || Enabled("cmdModify") || Enabled("cmdReplaceStyle"));
}

TEST_F(EditDialogTest, EachReplaceModeReachesTheList) {
    std::vector<RecordValues> songs = {Song("Song A", "Pop", 1), Song("Song B", "Rock", 3),
                                       Song("Song C", "Pop", 1)};
    songs[0].keywords = "ballad,piano";
    songs[2].keywords = "Ballad";
    OpenSongs(songs);
    ClickRow(0);
    Click("cmdReplaceStyle");
    Click("optKeyword", Showing("frmStyleReplace"));
    EXPECT_TRUE(InReplace("txtKeyword")->isEnabled() && !InReplace("lblCurrentStyle")->isEnabled());
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
    emit genres->lineEdit()->editingFinished();
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
