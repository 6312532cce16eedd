#include "ui/ui_fixture.h"

#include <QComboBox>
#include <QTreeView>

namespace quillory::testkit {

UiFixture::UiFixture() : app(std::make_unique<Application>(folder.Path(), dialogs)) {
    app->Main();
}

UiFixture::~UiFixture() {
    app.reset();
    QApplication::processEvents();
}

QAbstractItemModel& UiFixture::ListModel() {
    return *Main().List().model();
}

QString UiFixture::Cell(int row, int column) {
    return ListModel().index(row, column).data().toString();
}

QColor UiFixture::StyleColour(int row) {
    return ListModel().index(row, kStyleColumn).data(Qt::ForegroundRole).value<QColor>();
}

void UiFixture::ChooseTarget(const QString& instrument) {
    auto* combo = InMain<QComboBox>("cboInst");
    const int index = combo->findText(instrument);
    ASSERT_GE(index, 0) << instrument.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void UiFixture::Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UiFixture::WriteTable(const std::string& instrument,
                           const std::vector<std::pair<std::string, std::string>>& styles) {
    WriteFile(folder.File(instrument + ".dat"), StyleTableText(styles));
}

void UiFixture::OpenFile(const std::string& name, const Bytes& bytes) {
    WriteFile(folder.File(name), bytes);
    dialogs.files.push_back(QString::fromStdString(folder.File(name)));
    Trigger("mnuOpen");
}

void UiFixture::WriteSongTables() {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}, {"Swing", "002"}});
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
}

Bytes UiFixture::ThreeSongs() {
    std::vector<RecordSpec> songs(3);
    const char* names[] = {"Song A", "Song B", "Song C"};
    const char* genres[] = {"Pop", "Rock", "Jazz"};
    const int styles[] = {1, 3, 99};
    for (std::size_t i = 0; i < songs.size(); ++i) {
        songs[i].music = names[i];
        songs[i].genre = genres[i];
        songs[i].style = styles[i];
        songs[i].keywords = "love,summer";
    }
    return BuildMfd("PSR-2000", songs);
}

void UiFixture::OpenThreeSongs() {
    WriteSongTables();
    OpenFile("songs.mfd", ThreeSongs());
}

}  // namespace quillory::testkit
