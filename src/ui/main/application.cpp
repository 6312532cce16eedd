#include "ui/main/application.h"

#include "platform/dialogs.h"
#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/main/main_window.h"

namespace quillory {
namespace {

// Shows a window of which there is one instance, creating it first when there is none.
template <typename Window>
Window* ShowSingle(QPointer<Window>& window, Application& app) {
    if (!window) {
        window = new Window(app);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace

Application::Application(std::filesystem::path programFolder, Dialogs& dialogs)
    : store_(std::move(programFolder)), dialogs_(dialogs) {}

Application::~Application() { CloseAll(); }

void Application::Main() {
    store_.gUnknownStyleColor = kRed;
    mainWindow_ = std::make_unique<MainWindow>(*this);
    mainWindow_->show();
}

ConvertDialog* Application::ShowConvert() { return ShowSingle(convert_, *this); }

DefaultStyleDialog* Application::ShowDefaultStyle() { return ShowSingle(defaultStyle_, *this); }

ConvertDialog* Application::Convert() const { return convert_; }

DefaultStyleDialog* Application::DefaultStyle() const { return defaultStyle_; }

void Application::CloseAll() {
    for (QWidget* window : std::initializer_list<QWidget*>{convert_, defaultStyle_}) {
        if (window) {
            window->close();
        }
    }
    if (mainWindow_ && mainWindow_->isVisible()) {
        mainWindow_->close();
    }
}

}  // namespace quillory
