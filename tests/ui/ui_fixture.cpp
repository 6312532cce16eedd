#include "ui/ui_fixture.h"

#include "platform/widgets.h"

namespace quillory::testkit {

void UiFixture::ClickCheckBox(int row) {
    const QRect cell = List().visualRect(ListModel().index(row, kNumberColumn));
    QPoint at(cell.left(), cell.center().y());
    while (!OnCheckIndicator(List(), at) && at.x() < cell.right()) {
        at.rx() += 1;
    }
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, at);
}

void UiFixture::OpenSongs(const Bytes& file) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}, {"Swing", "002"}});
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    WriteFile(folder.File("songs.mfd"), file);
    dialogs.files.push_back(Path("songs.mfd"));
    Trigger("mnuOpen");
}

Bytes UiFixture::SaveAs(std::initializer_list<const char*> options) {
    Trigger("mnuConvert");
    for (const char* option : options) {
        Click(option, Main().Convert());
    }
    dialogs.files.push_back(Path("out.mfd"));
    Click("cmdSave", Main().Convert());
    return std::filesystem::exists(folder.File("out.mfd")) ? ReadFile(folder.File("out.mfd"))
                                                           : Bytes();
}

}  // namespace quillory::testkit

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
