#pragma once

#include <QMainWindow>
#include <filesystem>

class QTextEdit;

namespace quillory {

class Application;

// "Quillory-Information & Help" (frmInfo): shows the help file or one of the logs, and prints
// it. A viewer still open is reused for the next document.
class InfoWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Kind { kRichText, kPlainText };
    // The title the viewer is made with, which the help file shows under.
    static constexpr const char* kDesignTitle = "Quillory-Information & Help";

    explicit InfoWindow(Application& app);

    // Replaces the content by the file and indents it; false when the file cannot be read.
    bool Load(const std::filesystem::path& path, Kind kind);

private:
    void Print();

    Application& app_;
    QTextEdit* rtfInfo_ = nullptr;
};

}  // namespace quillory
