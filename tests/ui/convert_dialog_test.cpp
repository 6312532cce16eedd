#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "data/record_layout.h"
#include "ui/convert/convert_dialog.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

const char* const kWarningA =
    "Any styles displayed in colored text are not available on the target instrument.\r\n\r\n"
    "* You can change these styles individually with Edit, or in a group with Replace.\r\n\r\n"
    "* If you want to eliminate these entries, select a Options/Default Style =None.\r\n\r\n"
    "* Otherwise, the User Styles will be converted to the default style.\r\n\r\n"
    "Do you want to continue?";
const char* const kWarningB =
    "Any styles with just a number and displayed in colored text are User Styles.\r\n\r\n"
    "* If you wish to include User Styles, first select 'Allow User Styles' under Options.\r\n\r\n"
    "* You can change these styles individually with Edit, or in a group with Replace.\r\n\r\n"
    "* If you want to eliminate these entries, select a Options/Default Style =None.\r\n\r\n"
    "* Otherwise, the User Styles will be converted to the default style.\r\n\r\n"
    "Do you want to continue?";

class ConvertDialogTest : public UiFixture {
protected:
    template <typename T>
    T* InDialog(const char* name) {
        return FindIn<T>(app->Convert(), name);
    }
    void ClickInDialog(const char* button) { InDialog<QPushButton>(button)->click(); }

    // Save As > MusicFinder File, the given target option and record option, then Save into
    // out.mfd of the program folder.
    void SaveAs(const char* targetOption = nullptr, bool checkedOnly = false) {
        Trigger("mnuConvert");
        Settle();
        if (targetOption) {
            InDialog<QRadioButton>(targetOption)->click();
        }
        if (checkedOnly) {
            InDialog<QRadioButton>("optCheckedRecords")->click();
        }
        dialogs.files.push_back(QString::fromStdString(Out()));
        ClickInDialog("cmdSave");
        Settle();
    }

    std::string Out() const { return folder.File("out.mfd"); }

    // The style number of record n (from 1) of a written file.
    static int StyleOf(const Bytes& file, int n) {
        return ReadBigEndian16(file, RecordOffset(n) + field::kStyle);
    }
    static std::string KeywordsStart(const Bytes& file, int n) {
        const auto at = RecordOffset(n) + field::kKeywords;
        return std::string(file.begin() + static_cast<std::ptrdiff_t>(at),
                           file.begin() + static_cast<std::ptrdiff_t>(at + 4));
    }
    static std::string Model(const Bytes& file) {
        return std::string(file.begin() + 16, file.begin() + 25);
    }
};

TEST_F(ConvertDialogTest, WithoutAFileAsksForOneFirst) {
    Trigger("mnuConvert");
    EXPECT_EQ(dialogs.messages, QStringList{"Select a file to view first"});
    EXPECT_EQ(app->Convert(), nullptr);
}

TEST_F(ConvertDialogTest, ShowsTheStoreValuesWheneverItBecomesActive) {
    OpenThreeSongs();
    Trigger("mnuConvert");
    auto* dialog = app->Convert();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "frmConvert");
    EXPECT_EQ(dialog->windowTitle(), "Save As Options");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(InDialog<QLineEdit>("txtSourceInstrument")->text(), "PSR-2000");
    EXPECT_EQ(InDialog<QLabel>("lblTargetInstrument")->text(), "PSR-2000");
    EXPECT_TRUE(InDialog<QRadioButton>("optAllRecords")->isChecked());
    EXPECT_FALSE(InDialog<QRadioButton>("optCheckedRecords")->isChecked());
    const std::pair<const char*, const char*> options[] = {
        {"optTarget3000", "PSR3000"}, {"optTarget1500", "PSR1500"}, {"optTarget204", "CVP204"},
        {"optTarget206", "CVP206"},   {"optTarget208", "CVP208"},   {"optTarget210", "CVP210"},
        {"optTarget1100", "PSR1100"}, {"optTarget2100", "PSR2100"}, {"optTargetTyros", "TYROS"},
        {"optTarget207", "CVP207"},   {"optTarget203", "CVP203"},   {"optTarget1000", "PSR1000"},
        {"optTarget2000", "PSR2000"}, {"optTarget205", "CVP205"},   {"optTarget209", "CVP209"},
    };
    for (const auto& [name, caption] : options) {
        auto* option = InDialog<QRadioButton>(name);
        EXPECT_EQ(option->text(), caption);
        EXPECT_EQ(option->isChecked(), QString(name) == "optTarget2000") << name;
    }

    // Choices not yet saved give way to the store's values when the dialog is activated again.
    InDialog<QRadioButton>("optTarget207")->click();
    InDialog<QRadioButton>("optCheckedRecords")->click();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(dialog, &activate);
    EXPECT_TRUE(InDialog<QRadioButton>("optTarget2000")->isChecked());
    EXPECT_FALSE(InDialog<QRadioButton>("optTarget207")->isChecked());
    EXPECT_TRUE(InDialog<QRadioButton>("optAllRecords")->isChecked());

    // Cancel closes it and changes nothing; the next Save As starts afresh.
    InDialog<QRadioButton>("optTarget207")->click();
    InDialog<QRadioButton>("optCheckedRecords")->click();
    ClickInDialog("cmdCancel");
    Settle();
    EXPECT_EQ(app->Convert(), nullptr);
    EXPECT_EQ(Store().gTargetInstrument, "PSR-2000");
    Trigger("mnuConvert");
    EXPECT_TRUE(InDialog<QRadioButton>("optTarget2000")->isChecked());
    EXPECT_TRUE(InDialog<QRadioButton>("optAllRecords")->isChecked());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(ConvertDialogTest, AnotherInstrumentWithMissingStylesAsksAndConverts) {
    OpenThreeSongs();
    SaveAs("optTargetTyros");

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, kWarningA);
    EXPECT_EQ(dialogs.questions[0].title, "Music Fincer Conversion Preview");
    EXPECT_TRUE(dialogs.questions[0].yesNo);
    EXPECT_EQ(app->Convert(), nullptr);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Music Finder Files(*.mfd)|*.mfd|");
    EXPECT_EQ(dialogs.fileRequests[1].defaultExtension, "mfd");
    EXPECT_TRUE(dialogs.fileRequests[1].save);

    const Bytes file = ReadFile(Out());
    ASSERT_EQ(file.size(), RecordOffset(4));
    EXPECT_EQ(ReadBigEndian16(file, kCountOffset), 3);
    EXPECT_EQ(Model(file), std::string("TYROS") + std::string(4, '\0'));
    EXPECT_EQ(file[12], '1');
    // Cool Pop is found; 8Beat and the user style take the default style Swing.
    EXPECT_EQ(StyleOf(file, 1), 10);
    EXPECT_EQ(StyleOf(file, 2), 20);
    EXPECT_EQ(StyleOf(file, 3), 20);
    EXPECT_EQ(KeywordsStart(file, 1), "love");
    EXPECT_EQ(KeywordsStart(file, 2), "FIX,");

    // The list shows the new target's missing styles; the main window keeps its own target
    // choice, default style and title.
    EXPECT_EQ(StyleColour(1), QColor(255, 0, 0));
    EXPECT_EQ(Store().gTargetInstrument, "TYROS");
    EXPECT_EQ(Store().gDefaultStyle, "Swing");
    EXPECT_EQ(InMain<QComboBox>("cboInst")->currentText(), "PSR-2000");
    EXPECT_EQ(Main().windowTitle(),
              "Quillory   songs.mfd  Source Instrument = PSR-2000   Deafult Style = Swing");
}

TEST_F(ConvertDialogTest, AnsweringNoWritesNoFileButKeepsThePreview) {
    OpenThreeSongs();
    dialogs.answers = {false};
    SaveAs("optTargetTyros");

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Out()));
    EXPECT_EQ(StyleColour(1), QColor(255, 0, 0));
    const Bytes log = ReadFile(folder.File("ExportLog.txt"));
    EXPECT_EQ(std::string(log.begin(), log.begin() + 26), "Style conversions to Swing");
}

TEST_F(ConvertDialogTest, UserStylesOfTheSameInstrumentAskUnlessAllowed) {
    OpenThreeSongs();
    SaveAs();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, kWarningB);
    EXPECT_EQ(dialogs.questions[0].title, "Music Fincer Conversion Preview");
    Bytes file = ReadFile(Out());
    EXPECT_EQ(Model(file), std::string("PSR-2000") + std::string(1, '\0'));
    EXPECT_EQ(StyleOf(file, 2), 3);
    EXPECT_EQ(StyleOf(file, 3), 2);
    EXPECT_EQ(KeywordsStart(file, 3), "FIX,");

    // Allowed, the user style keeps its number and nothing is asked; OK replaces the file.
    Trigger("mnuUserStyles");
    dialogs.answers = {true};
    SaveAs();
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.questions[1].text, "This will replace existing file");
    EXPECT_FALSE(dialogs.questions[1].yesNo);
    file = ReadFile(Out());
    EXPECT_EQ(StyleOf(file, 3), 99);
    EXPECT_EQ(KeywordsStart(file, 3), "love");
}

TEST_F(ConvertDialogTest, CancellingTheOverwriteQuestionKeepsTheOldFile) {
    OpenThreeSongs();
    Trigger("mnuUserStyles");
    const Bytes old(1000, 'x');
    WriteFile(Out(), old);

    dialogs.answers = {false};
    SaveAs();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "This will replace existing file");
    EXPECT_EQ(ReadFile(Out()), old);

    SaveAs();
    EXPECT_EQ(ReadFile(Out()).size(), RecordOffset(4));
}

TEST_F(ConvertDialogTest, CheckedRecordsOnlyWritesTheTickedRows) {
    OpenThreeSongs();
    Trigger("mnuUserStyles");
    ListModel().setData(ListModel().index(0, 0), Qt::Checked, Qt::CheckStateRole);
    ListModel().setData(ListModel().index(2, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(InMain<QLabel>("lblNumberChecked")->text(), "2");
    SaveAs(nullptr, true);

    const Bytes file = ReadFile(Out());
    ASSERT_EQ(file.size(), RecordOffset(3));
    EXPECT_EQ(ReadBigEndian16(file, kCountOffset), 2);
    EXPECT_EQ(ReadBigEndian16(file, RecordOffset(2) + field::kNumber), 1);
    EXPECT_EQ(StyleOf(file, 1), 1);
    EXPECT_EQ(StyleOf(file, 2), 99);
    EXPECT_EQ(file[RecordOffset(2) + field::kMusic + 5], 'C');
}

TEST_F(ConvertDialogTest, ATargetWithoutAnOptionIsKept) {
    WriteTable("CVP-305", {{"Cool Pop", "0101"}, {"8Beat", "0102"}, {"Swing", "0103"}});
    OpenThreeSongs();
    ChooseTarget("CVP-305");
    Trigger("mnuConvert");
    EXPECT_EQ(InDialog<QLabel>("lblTargetInstrument")->text(), "CVP-305");
    for (QRadioButton* option : app->Convert()->findChildren<QRadioButton*>()) {
        if (option->objectName().startsWith("optTarget")) {
            EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
        }
    }
    SaveAs();

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, kWarningA);
    const Bytes file = ReadFile(Out());
    EXPECT_EQ(Model(file), std::string("CVP-305") + std::string(2, '\0'));
    EXPECT_EQ(file[12], '2');
    EXPECT_EQ(StyleOf(file, 1), 101);
    EXPECT_EQ(StyleOf(file, 2), 102);
    EXPECT_EQ(StyleOf(file, 3), 103);
}

}  // namespace
}  // namespace quillory::testkit
