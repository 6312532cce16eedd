#include <QAbstractItemModelTester>
#include <QtGlobal>

#include "ui/ui_fixture.h"

namespace quillory::testkit {
namespace {

QStringList modelWarnings;

void KeepModelWarnings(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QByteArray(context.category) == "qt.modeltest") {
        modelWarnings << text;
    }
}

// Qt's model tester watches the list model while the program changes the list in every way it
// can: reading, appending, changing cells and check marks, sorting.
class RecordListModelTest : public UiFixture {
protected:
    RecordListModelTest() : previous_(qInstallMessageHandler(KeepModelWarnings)) {
        modelWarnings.clear();
    }
    ~RecordListModelTest() override { qInstallMessageHandler(previous_); }

private:
    QtMessageHandler previous_;
};

TEST_F(RecordListModelTest, KeepsTheModelContractThroughEveryChange) {
    QAbstractItemModelTester tester(&ListModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    OpenThreeSongs();
    OpenFile("songs.mfd", ThreeSongs());
    ASSERT_EQ(RowCount(), 3);

    WriteFile(folder.File("more.txt"),
              std::string("1\tLatin\tSong F\tSwing\t 4/ 4\t100\t\tNo\tYes\tNo\tOff\tOff\r\n"
                          "2\tBallad\tSong D\tCool Pop\t 3/ 4\t090\t\tNo\tNo\tNo\tOff\tOff\r\n"));
    dialogs.files.push_back(QString::fromStdString(folder.File("more.txt")));
    Trigger("mnuTextDelimitedInput");
    ASSERT_EQ(RowCount(), 5);

    ListModel().setData(ListModel().index(4, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(ListModel().index(4, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    Store().list.SetCell(1, kMusicColumn, "Song Z");
    EXPECT_EQ(Cell(1, kMusicColumn), "Song Z");
    Trigger("mnuBlue");

    Store().list.SetSort(true, kMusicColumn, SortOrder::kDescending);
    EXPECT_EQ(Cell(0, kMusicColumn), "Song Z");
    EXPECT_EQ(Cell(4, kMusicColumn), "Song A");
    EXPECT_EQ(Cell(2, kMusicColumn), "Song D");
    EXPECT_EQ(ListModel().index(2, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    Store().list.SetSort(true, kNumberColumn, SortOrder::kAscending);
    EXPECT_EQ(Cell(0, kNumberColumn), "00001");
    EXPECT_EQ(Cell(4, kMusicColumn), "Song D");

    OpenFile("songs.mfd", ThreeSongs());
    EXPECT_EQ(RowCount(), 3);
    EXPECT_TRUE(modelWarnings.isEmpty()) << modelWarnings.join("\n").toStdString();
}

}  // namespace
}  // namespace quillory::testkit
