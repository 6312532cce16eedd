#include "ui/ui_fixture.h"

namespace quillory::testkit {

UiFixture::UiFixture() : app(std::make_unique<Application>(folder.Path(), dialogs)) {
    app->Main();
}

UiFixture::~UiFixture() {
    app.reset();
    QApplication::processEvents();
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

}  // namespace quillory::testkit
