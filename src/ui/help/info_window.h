#pragma once

#include <QMainWindow>
#include <filesystem>

class QTextEdit;

namespace quillory {

class Session;

// "Quillory-Information & Help" (frmInfo): shows the help file or one of the logs, and prints
// it. A viewer still open is reused for the next document.
class InfoWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Kind { kRichText, kPlainText };
    // The viewer's own title, which the help file is shown under.
    static constexpr const char* kHelpTitle = "Quillory-Information & Help";

    InfoWindow(Session& session, QWidget* owner);

    // Replaces the content by the file and indents it; false when the file cannot be read.
    bool Load(const std::filesystem::path& path, Kind kind);

private:
    void Print();

    Session& session_;
    QTextEdit* text_ = nullptr;
};

}  // namespace quillory
