#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

class ConvertDialogTest : public UiFixture {
protected:
    QStringList Chosen() { return Checked<QRadioButton>(Main().Convert()); }
    // The questions asked since the last call: A and B for the warnings about missing and user
    // styles (the texts are the core's), R for replacing a file.
    QString Questions() {
        QString asked;
        for (const QString& question : std::exchange(dialogs.questions, {})) {
            asked += !question.startsWith("Music Fincer")                   ? 'R'
                     : question.section('\r', 0, 0).contains("User Styles") ? 'B'
                                                                            : 'A';
        }
        return asked;
    }
    // Whether a preview ran since the last call: every preview rewrites the conversion log.
    bool PreviewRan() { return std::filesystem::remove(folder.File("ExportLog.txt")); }
    QComboBox* DefaultStyles() { return FindIn<QComboBox>(Main().DefaultStyle(), "cboStyle"); }
};

TEST_F(ConvertDialogTest, NeedsAFileShowsTheWorkspaceValuesAndAsksBeforeSaving) {
    Trigger("mnuConvert");
    Trigger("mnuDefaultStyle");
    Trigger("mnuBlue");
    EXPECT_EQ(Messages(),
              QStringList({"Select a file to view first",
                           "Please select a target instrument before setting this option"}));
    EXPECT_FALSE(Main().Convert() || Main().DefaultStyle() || PreviewRan());

    OpenSongs();
    Trigger("mnuConvert");
    QWidget* dialog = Main().Convert();
    EXPECT_EQ(FindIn<QLineEdit>(dialog, "txtSourceInstrument")->text() + " " +
                  FindIn<QLabel>(dialog, "lblTargetInstrument")->text(),
              "PSR-2000 PSR-2000");
    const QStringList shown = {"optTarget2000", "optAllRecords"};
    EXPECT_EQ(Chosen(), shown);
    // Unsaved choices give way to the workspace's values when the user comes from another
    // window, not after a box of the dialog's own.
    Click("optTarget207", dialog);
    Click("optCheckedRecords", dialog);
    CloseOwnBox<QMessageBox>(*dialog);
    EXPECT_EQ(Chosen(), QStringList({"optTarget207", "optCheckedRecords"}));
    ComeFromMain(*dialog);
    EXPECT_EQ(Chosen(), shown);
    Click("cmdCancel", dialog);
    EXPECT_EQ(Main().Convert(), nullptr);

    // Missing and user styles ask Yes or No, an old file goes only with OK.
    WriteTable("CVP-305", {{"Cool Pop", "0101"}, {"8Beat", "0102"}, {"Swing", "0103"}});
    ChooseTarget("CVP-305");
    Trigger("mnuConvert");
    EXPECT_EQ(Chosen(), QStringList{"optAllRecords"});
    EXPECT_EQ(HeaderModelName(SaveAs()), "CVP-305");
    EXPECT_EQ(Questions() + dialogs.fileFilters.back(), "AMusic Finder Files(*.mfd)");

    ChooseTarget("PSR-2000");
    dialogs.answers = {false, false};
    EXPECT_EQ(HeaderModelName(SaveAs({"optTargetTyros"})), "CVP-305");
    EXPECT_EQ(Colours(), "kbb");  // the preview for the new target shows
    EXPECT_EQ(HeaderModelName(SaveAs({"optTarget2000"})), "CVP-305");
    const Bytes file = SaveAs({"optTargetTyros"});
    EXPECT_EQ(Questions(), "ABAR");
    EXPECT_EQ(HeaderModelName(file), "TYROS");
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");

    Trigger("mnuUserStyles");
    dialogs.answers = {false};
    EXPECT_EQ(HeaderModelName(SaveAs({"optTarget2000"})), "TYROS");
    EXPECT_EQ(Questions(), "R");
    Tick({0, 2});
    EXPECT_EQ(SaveAs({"optCheckedRecords"}).size(), mfd::RecordOffset(3));
}

TEST_F(ConvertDialogTest, StyleOptionsAndTheDefaultStyleTickAndRefreshThePreview) {
    OpenSongs();
    PreviewRan();
    // The colours, and the ticks of User Styles, Blue and Red.
    for (const auto& [option, shown] : {std::pair{"mnuUserStyles", "kkk 101"},
                                        {"mnuUserStyles", "kkr 001"},
                                        {"mnuBlue", "kkb 010"},
                                        {"mnuRed", "kkr 001"}}) {
        Trigger(option);
        EXPECT_TRUE(PreviewRan()) << option;
        EXPECT_EQ(Colours() + " " + QString::number(Ticked("mnuUserStyles")) +
                      QString::number(Ticked("mnuBlue")) + QString::number(Ticked("mnuRed")),
                  shown);
    }
    // Auto and Use Style Numbers are a pair that the instrument items join.
    for (const char* chosen : {"mnuStyleNumbers", "mnuAuto"}) {
        Trigger(chosen);
        for (const char* name : {"mnuAuto", "mnuStyleNumbers", "mnuTYROS"}) {
            EXPECT_EQ(Ticked(name), QString(name) == chosen) << chosen << " " << name;
        }
    }

    ChooseTarget("TYROS");
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(Texts(3, [&](int i) { return DefaultStyles()->itemText(i); }).join('|') + "|" +
                  DefaultStyles()->currentText(),
              "None|Swing|Cool Pop|Cool Pop");
    DefaultStyles()->setCurrentIndex(0);
    PreviewRan();
    Click("cmdOk", Main().DefaultStyle());
    EXPECT_TRUE(Showing("frmDefaultStyle") == nullptr && PreviewRan());

    // Reopened, the dialog shows the choice; one the next target lacks is reported on loading.
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(DefaultStyles()->currentText(), "None");
    DefaultStyles()->setCurrentIndex(1);
    Click("cmdOk", Main().DefaultStyle());
    WriteTable("CVP-207", {{"Cool Pop", "001"}});
    dialogs.answers = {false};
    SaveAs({"optTarget207"});
    Messages();
    Trigger("mnuDefaultStyle");
    EXPECT_TRUE(Messages().join("").startsWith("Error #: 380, Invalid property value"));
    EXPECT_EQ(DefaultStyles()->currentIndex(), -1);
}

}  // namespace
}  // namespace quillory::testkit
