#include "ui/main/application.h"

#include "platform/user_settings.h"
#include "platform/window_placement.h"
#include "ui/main/main_window.h"
#include "ui/session.h"

namespace quillory {

Application::Application(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                         PromptProvider& prompts)
    : session_(
          std::make_unique<Session>(std::move(programFolder), std::move(dataFolder), prompts)) {}

Application::~Application() {
    StoreOptions(OptionsToRemember(session_->Work().settings));
    if (mainWindow_ && mainWindow_->isVisible()) {
        mainWindow_->close();
    }
    mainWindow_.reset();
}

void Application::Main(const std::optional<std::filesystem::path>& file) {
    mainWindow_ = std::make_unique<MainWindow>(*session_);
    mainWindow_->RestoreOptions(StoredOptions());
    if (!RestoreWindowGeometry(*mainWindow_)) {
        FitOnScreen(*mainWindow_);
    }
    RememberWindowGeometry(*mainWindow_);
    mainWindow_->show();
    if (file) {
        mainWindow_->OpenFile(*file);
    }
}

}  // namespace quillory
