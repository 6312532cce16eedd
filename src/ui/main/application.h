#pragma once

#include <filesystem>
#include <memory>
#include <optional>

namespace quillory {

class MainWindow;
class PromptProvider;
class Session;

// The program: the session and the main window, made at start-up and living until exit.
class Application {
public:
    Application(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                PromptProvider& prompts);
    ~Application();

    // Start-up: the main window with its columns and target combo, shown, and the record
    // editor made hidden; then the file named on the command line, if any, is opened.
    void Main(const std::optional<std::filesystem::path>& file = std::nullopt);

    Session& GetSession() { return *session_; }
    MainWindow* Window() const { return mainWindow_.get(); }

private:
    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace quillory
