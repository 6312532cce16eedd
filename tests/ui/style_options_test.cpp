#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <filesystem>

#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

const QColor kRedText(255, 0, 0);
const QColor kBlueText(0, 0, 255);
const QColor kBlackText(0, 0, 0);

class StyleOptionsTest : public UiFixture {
protected:
    // Whether a preview ran since the last call: every preview rewrites the conversion log.
    bool PreviewRan() {
        const std::string log = folder.File("ExportLog.txt");
        const bool ran = std::filesystem::exists(log);
        std::filesystem::remove(log);
        return ran;
    }

    std::string LogStart() {
        const Bytes log = ReadFile(folder.File("ExportLog.txt"));
        return std::string(log.begin(), std::find(log.begin(), log.end(), '\r'));
    }
};

TEST_F(StyleOptionsTest, AllowUserStylesTogglesAndRefreshesEachTime) {
    OpenThreeSongs();
    ASSERT_EQ(StyleColour(2), kRedText);
    PreviewRan();

    Trigger("mnuUserStyles");
    EXPECT_TRUE(Ticked("mnuUserStyles"));
    EXPECT_TRUE(Store().gAllowUserStyles);
    EXPECT_EQ(StyleColour(2), kBlackText);
    EXPECT_TRUE(PreviewRan());

    Trigger("mnuUserStyles");
    EXPECT_FALSE(Ticked("mnuUserStyles"));
    EXPECT_FALSE(Store().gAllowUserStyles);
    EXPECT_EQ(StyleColour(2), kRedText);
    EXPECT_TRUE(PreviewRan());
}

TEST_F(StyleOptionsTest, TheWarningColourSwitchesAndRefreshesEvenWhenUnchanged) {
    // Without a file nothing is previewed.
    Trigger("mnuBlue");
    EXPECT_FALSE(PreviewRan());
    Trigger("mnuRed");

    OpenThreeSongs();
    ChooseTarget("TYROS");
    PreviewRan();
    Trigger("mnuBlue");
    EXPECT_TRUE(Ticked("mnuBlue"));
    EXPECT_FALSE(Ticked("mnuRed"));
    EXPECT_EQ(StyleColour(0), kBlackText);
    EXPECT_EQ(StyleColour(1), kBlueText);
    EXPECT_EQ(StyleColour(2), kBlueText);
    EXPECT_TRUE(PreviewRan());

    Trigger("mnuBlue");
    EXPECT_TRUE(Ticked("mnuBlue"));
    EXPECT_FALSE(Ticked("mnuRed"));
    EXPECT_EQ(StyleColour(1), kBlueText);
    EXPECT_TRUE(PreviewRan());

    Trigger("mnuRed");
    EXPECT_TRUE(Ticked("mnuRed"));
    EXPECT_FALSE(Ticked("mnuBlue"));
    EXPECT_EQ(StyleColour(1), kRedText);
    EXPECT_TRUE(PreviewRan());
    Trigger("mnuRed");
    EXPECT_TRUE(Ticked("mnuRed"));
    EXPECT_TRUE(PreviewRan());
}

TEST_F(StyleOptionsTest, TheDefaultStyleDialogNeedsATarget) {
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(dialogs.messages,
              QStringList{"Please select a target instrument before setting this option"});
    EXPECT_EQ(app->DefaultStyle(), nullptr);
}

TEST_F(StyleOptionsTest, TheDefaultStyleNoneDropsTheMissingStylesOnSave) {
    OpenThreeSongs();
    ChooseTarget("TYROS");
    PreviewRan();
    Trigger("mnuDefaultStyle");
    auto* dialog = app->DefaultStyle();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "frmDefaultStyle");
    EXPECT_EQ(dialog->windowTitle(), "Form1");
    EXPECT_EQ(FindIn<QLabel>(dialog, "Label1")->text(),
              "Select a style to be used during a Save As operation when the style specified is "
              "not available on the target instrument. Selecting 'None' will eliminate the "
              "record.");
    EXPECT_EQ(FindIn<QPushButton>(dialog, "cmdOk")->text(), "OK");
    auto* styles = FindIn<QComboBox>(dialog, "cboStyle");
    ASSERT_NE(styles, nullptr);
    ASSERT_EQ(styles->count(), 3);
    EXPECT_EQ(styles->itemText(0), "None");
    EXPECT_EQ(styles->itemText(1), "Swing");
    EXPECT_EQ(styles->currentText(), "Cool Pop");

    styles->setCurrentIndex(0);
    FindIn<QPushButton>(dialog, "cmdOk")->click();
    Settle();
    EXPECT_EQ(app->DefaultStyle(), nullptr);
    EXPECT_EQ(Store().gDefaultStyle, "None");
    EXPECT_EQ(LogStart().substr(0, 25), "Style conversions to None");

    // Reopened, the dialog shows the new choice.
    Trigger("mnuDefaultStyle");
    EXPECT_EQ(app->DefaultStyle()->findChild<QComboBox*>("cboStyle")->currentText(), "None");
    app->DefaultStyle()->close();

    Trigger("mnuConvert");
    dialogs.files.push_back(QString::fromStdString(folder.File("out.mfd")));
    FindIn<QPushButton>(app->Convert(), "cmdSave")->click();
    const Bytes file = ReadFile(folder.File("out.mfd"));
    ASSERT_EQ(file.size(), RecordOffset(2));
    EXPECT_EQ(ReadBigEndian16(file, kCountOffset), 1);
    EXPECT_EQ(ReadBigEndian16(file, RecordOffset(1) + 2), 10);
}

TEST_F(StyleOptionsTest, ADefaultStyleTheTargetLacksIsReported) {
    WriteTable("CVP-207", {{"Cool Pop", "001"}});
    OpenThreeSongs();
    Trigger("mnuUserStyles");
    dialogs.answers = {false};
    Trigger("mnuConvert");
    FindIn<QRadioButton>(app->Convert(), "optTarget207")->click();
    FindIn<QPushButton>(app->Convert(), "cmdSave")->click();
    ASSERT_EQ(Store().gTargetInstrument, "CVP-207");
    ASSERT_EQ(Store().gDefaultStyle, "Swing");
    dialogs.messages.clear();

    Trigger("mnuDefaultStyle");
    EXPECT_EQ(dialogs.messages,
              QStringList{"Error #: 380, Invalid property value, encountered in Function "
                          "LoadDefaultStyle. If the solution is not obvious, please report this to "
                          "the author."});
    auto* styles = app->DefaultStyle()->findChild<QComboBox*>("cboStyle");
    EXPECT_EQ(styles->count(), 2);
    EXPECT_EQ(styles->currentIndex(), -1);
}

TEST_F(StyleOptionsTest, AutoAndStyleNumbersAreAPair) {
    const auto onlyTicked = [&](const char* ticked) {
        for (const char* name : {"mnuAuto", "mnuStyleNumbers", "mnuPSR2000", "mnuTYROS"}) {
            EXPECT_EQ(Ticked(name), QString(name) == ticked) << name;
        }
    };
    Trigger("mnuStyleNumbers");
    onlyTicked("mnuStyleNumbers");
    Trigger("mnuStyleNumbers");
    onlyTicked("mnuStyleNumbers");
    Trigger("mnuAuto");
    onlyTicked("mnuAuto");
    Trigger("mnuAuto");
    onlyTicked("mnuAuto");
    EXPECT_EQ(Main().windowTitle(), "Quillory");
}

TEST_F(StyleOptionsTest, AFileReadWithStyleNumbersShowsHalfTheNumbers) {
    WriteSongTables();
    ChooseTarget("PSR-2000");
    Trigger("mnuStyleNumbers");
    OpenFile("songs.mfd", ThreeSongs());

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(Main().windowTitle(),
              "Quillory   songs.mfd  Source Instrument = numbers   Deafult Style = Swing");
    // 1, 3 and 99 halved, halves away from zero.
    EXPECT_EQ(Cell(0, 3), "001");
    EXPECT_EQ(Cell(1, 3), "002");
    EXPECT_EQ(Cell(2, 3), "050");
    EXPECT_EQ(StyleColour(0), kRedText);
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");

    // Back to Auto, the next read names the styles again.
    Trigger("mnuAuto");
    OpenFile("songs.mfd", ThreeSongs());
    EXPECT_EQ(Cell(0, 3), "Cool Pop");
}

TEST_F(StyleOptionsTest, StyleNumbersWithoutATargetLeaveTheComboEmpty) {
    WriteSongTables();
    Trigger("mnuStyleNumbers");
    OpenFile("songs.mfd", ThreeSongs());

    // Reading with style numbers is no failure: the combo simply has no entry to show.
    EXPECT_EQ(Store().gTargetInstrument, "numbers");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentIndex(), -1);
    EXPECT_EQ(RowCount(), 3);
}

}  // namespace
}  // namespace quillory::testkit
