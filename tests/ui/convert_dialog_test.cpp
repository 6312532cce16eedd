#include <QLineEdit>
#include <QMessageBox>

#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

// The questions of the conversion preview: its title and the first line of warning A and B; the
// whole texts are the core's.
const QString kQuestionA =
    "Music Fincer Conversion Preview: Any styles displayed in colored text are not available on "
    "the target instrument.";
const QString kQuestionB =
    "Music Fincer Conversion Preview: Any styles with just a number and displayed in colored text "
    "are User Styles.";
const QString kReplace = "This will replace existing file";

// Save As with its dialog, and the options of the style conversion that refresh its preview.
class ConvertDialogTest : public UiFixture {
protected:
    // The names of the chosen option buttons of the Save As dialog.
    QStringList Chosen() {
        QStringList options;
        for (QRadioButton* option : Main().Convert()->findChildren<QRadioButton*>()) {
            if (option->isChecked()) {
                options << option->objectName();
            }
        }
        return options;
    }
    // The questions asked since the last call: the Yes/No ones as title and first line.
    QStringList Questions() {
        QStringList questions;
        for (const auto& question : std::exchange(dialogs.questions, {})) {
            questions << (question.yesNo ? question.title + ": " + question.text.section('\r', 0, 0)
                                         : question.text);
        }
        return questions;
    }
    // Whether a preview ran since the last call: every preview rewrites the conversion log.
    bool PreviewRan() { return std::filesystem::remove(folder.File("ExportLog.txt")); }
    QComboBox* DefaultStyles() { return FindIn<QComboBox>(Main().DefaultStyle(), "cboStyle"); }
};

TEST_F(ConvertDialogTest, ShowsTheWorkspaceValuesWhenTheUserComesToIt) {
    Trigger("mnuConvert");
    EXPECT_EQ(Messages(), QStringList{"Select a file to view first"});
    EXPECT_EQ(Main().Convert(), nullptr);

    OpenSongs();
    Trigger("mnuConvert");
    QWidget* dialog = Main().Convert();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FindIn<QLineEdit>(dialog, "txtSourceInstrument")->text(), "PSR-2000");
    EXPECT_EQ(FindIn<QLabel>(dialog, "lblTargetInstrument")->text(), "PSR-2000");
    const QStringList shown = {"optTarget2000", "optAllRecords"};
    EXPECT_EQ(Chosen(), shown);

    // Choices not yet saved give way to the workspace's values when the user comes back from
    // another window, not when a box of the dialog's own closes.
    FindIn<QRadioButton>(dialog, "optTarget207")->click();
    FindIn<QRadioButton>(dialog, "optCheckedRecords")->click();
    CloseOwnBox<QMessageBox>(*dialog);
    EXPECT_EQ(Chosen(), QStringList({"optTarget207", "optCheckedRecords"}));
    ComeFromMain(*dialog);
    EXPECT_EQ(Chosen(), shown);

    // Cancel closes it and changes nothing.
    FindIn<QPushButton>(dialog, "cmdCancel")->click();
    Settle();
    EXPECT_EQ(Main().Convert(), nullptr);
}

TEST_F(ConvertDialogTest, MissingAndUserStylesAskYesOrNoAndAnOldFileGoesOnlyWithOk) {
    // A target that has no option of its own is kept.
    WriteTable("CVP-305", {{"Cool Pop", "0101"}, {"8Beat", "0102"}, {"Swing", "0103"}});
    OpenSongs();
    ChooseTarget("CVP-305");
    Trigger("mnuConvert");
    EXPECT_EQ(Chosen(), QStringList{"optAllRecords"});
    EXPECT_EQ(HeaderModelName(SaveAs()), "CVP-305");
    EXPECT_EQ(Questions(), QStringList{kQuestionA});

    ChooseTarget("PSR-2000");
    dialogs.answers = {false, false};
    EXPECT_EQ(HeaderModelName(SaveAs({"optTargetTyros"})), "CVP-305");
    EXPECT_EQ(Colours(), "krr");  // the preview for the new target shows
    EXPECT_EQ(HeaderModelName(SaveAs({"optTarget2000"})), "CVP-305");
    const Bytes file = SaveAs({"optTargetTyros"});
    EXPECT_EQ(Questions(), QStringList({kQuestionA, kQuestionB, kQuestionA, kReplace}));
    EXPECT_EQ(QtFilter(dialogs.fileRequests.back().filter), "Music Finder Files(*.mfd)");
    EXPECT_EQ(HeaderModelName(file), "TYROS");
    // The main window keeps its own target choice.
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");

    Trigger("mnuUserStyles");
    dialogs.answers = {false};
    EXPECT_EQ(HeaderModelName(SaveAs({"optTarget2000"})), "TYROS");
    EXPECT_EQ(Questions(), QStringList{kReplace});
    Tick({0, 2});
    EXPECT_EQ(Records(SaveAs({"optCheckedRecords"})).size(), 2 * kRecordSize);
}

TEST_F(ConvertDialogTest, StyleOptionsTickAndRefreshThePreviewEachTime) {
    Trigger("mnuBlue");  // without a file nothing is previewed
    EXPECT_FALSE(PreviewRan());
    Trigger("mnuRed");

    OpenSongs();
    PreviewRan();
    const std::pair<const char*, const char*> options[] = {
        {"mnuUserStyles", "kkk"}, {"mnuUserStyles", "kkr"}, {"mnuBlue", "kkb"}, {"mnuRed", "kkr"}};
    for (const auto& [option, colours] : options) {
        Trigger(option);
        EXPECT_EQ(Colours(), colours) << option;
        EXPECT_TRUE(PreviewRan()) << option;
        EXPECT_EQ(Ticked("mnuUserStyles"), QString(colours) == "kkk");
        EXPECT_EQ(Ticked("mnuBlue"), QString(colours) == "kkb");
        EXPECT_EQ(Ticked("mnuRed"), QString(colours) != "kkb");
    }

    // Auto and Use Style Numbers are a pair that the instrument items join.
    for (const char* chosen : {"mnuStyleNumbers", "mnuAuto"}) {
        Trigger(chosen);
        for (const char* name : {"mnuAuto", "mnuStyleNumbers", "mnuTYROS"}) {
            EXPECT_EQ(Ticked(name), QString(name) == chosen) << chosen << " " << name;
        }
    }
}

TEST_F(ConvertDialogTest, TheDefaultStyleNoneDropsTheMissingStylesOnSave) {
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(Messages(),
              QStringList{"Please select a target instrument before setting this option"});
    EXPECT_EQ(Main().DefaultStyle(), nullptr);

    OpenSongs();
    ChooseTarget("TYROS");
    Trigger("mnuDefaultStyle");
    QWidget* dialog = Showing("frmDefaultStyle");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Texts(3, [&](int i) { return DefaultStyles()->itemText(i); }).join('|') + "|" +
                  DefaultStyles()->currentText(),
              "None|Swing|Cool Pop|Cool Pop");
    DefaultStyles()->setCurrentIndex(0);
    PreviewRan();
    FindIn<QPushButton>(dialog, "cmdOk")->click();
    Settle();
    EXPECT_EQ(Showing("frmDefaultStyle"), nullptr);
    EXPECT_TRUE(PreviewRan());
    EXPECT_EQ(Records(SaveAs()).size(), kRecordSize);

    // Reopened, the dialog shows the choice. A default style that the next target lacks is
    // reported when the dialog loads.
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(DefaultStyles()->currentText(), "None");
    DefaultStyles()->setCurrentIndex(1);
    FindIn<QPushButton>(Main().DefaultStyle(), "cmdOk")->click();
    WriteTable("CVP-207", {{"Cool Pop", "001"}});
    dialogs.answers = {false};
    SaveAs({"optTarget207"});
    Messages();
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(Messages(),
              QStringList{"Error #: 380, Invalid property value, encountered in Function "
                          "LoadDefaultStyle. If the solution is not obvious, please report this to "
                          "the author."});
    EXPECT_EQ(DefaultStyles()->currentIndex(), -1);
}

}  // namespace
}  // namespace quillory::testkit
