#include "ui/main/application.h"

#include "platform/dialogs.h"
#include "platform/widgets.h"
#include "platform/window_placement.h"
#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/help/info_window.h"
#include "ui/main/main_window.h"
#include "ui/playlist/play_list_window.h"
#include "ui/search/search_dialog.h"

namespace quillory {
namespace {

// The one instance of a window, created (not shown) when there is none.
template <typename Window>
Window* LoadSingle(QPointer<Window>& window, Application& app) {
    if (!window) {
        window = new Window(app);
    }
    return window;
}

// Shows a window of which there is one instance, creating it first when there is none.
template <typename Window>
Window* ShowSingle(QPointer<Window>& window, Application& app) {
    ShowInFront(*LoadSingle(window, app), *app.Window());
    return window;
}

}  // namespace

Application::Application(std::filesystem::path programFolder, Dialogs& dialogs)
    : store_(std::move(programFolder)), dialogs_(dialogs) {}

Application::~Application() {
    CloseAll();
}

void Application::Main() {
    mainWindow_ = std::make_unique<MainWindow>(*this);
    FitOnScreen(*mainWindow_);
    mainWindow_->show();
    editor_ = new EditDialog(*this);
}

ConvertDialog* Application::ShowConvert() {
    return ShowSingle(convert_, *this);
}

DefaultStyleDialog* Application::ShowDefaultStyle() {
    return ShowSingle(defaultStyle_, *this);
}

SearchDialog* Application::ShowSearch() {
    return ShowSingle(search_, *this);
}

StyleReplaceDialog* Application::ShowStyleReplace() {
    return ShowSingle(styleReplace_, *this);
}

SearchDialog* Application::Search() const {
    return search_;
}

EditDialog* Application::Editor() const {
    return editor_;
}

PlayListWindow* Application::ShowPlayList() {
    return ShowSingle(playList_, *this);
}

AboutDialog* Application::ShowAbout() {
    return ShowSingle(about_, *this);
}

InfoWindow* Application::Info() {
    return LoadSingle(info_, *this);
}

PlayListWindow* Application::PlayList() const {
    return playList_;
}

StyleReplaceDialog* Application::StyleReplace() {
    return LoadSingle(styleReplace_, *this);
}

ConvertDialog* Application::Convert() const {
    return convert_;
}

DefaultStyleDialog* Application::DefaultStyle() const {
    return defaultStyle_;
}

void Application::CloseAll() {
    if (playList_) {
        playList_->CloseByProgram();
    }
    for (QWidget* window : std::initializer_list<QWidget*>{info_, about_, search_, styleReplace_,
                                                           editor_, convert_, defaultStyle_}) {
        if (window) {
            window->close();
        }
    }
    if (mainWindow_ && mainWindow_->isVisible()) {
        mainWindow_->close();
    }
}

}  // namespace quillory
