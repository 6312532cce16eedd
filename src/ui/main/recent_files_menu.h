#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <vector>

#include "data/document/recent_files.h"

class QAction;
class QMenu;
class QMainWindow;

namespace quillory {

class Prompts;

// The main window's "Recent Files" menu: the Music Finder files opened last (the file name as
// the item, the full path as its tip, Ctrl+1 to Ctrl+8), then "Clear Recent Files". The list is
// the user's setting; a file that is gone when chosen leaves it with a message naming it.
class RecentFilesMenu : public QObject {
public:
    using OpenCommand = std::function<void(const std::filesystem::path&)>;

    // The menu goes on the window's menu bar after the item given.
    RecentFilesMenu(QMainWindow& window, QAction* after, Prompts& prompts, OpenCommand open);

    QMenu& Menu() { return *menu_; }
    // A file was opened: it heads the list.
    void Opened(const std::filesystem::path& file);

private:
    // By value: the list it comes from may change.
    void Choose(std::filesystem::path file);
    // Keeps the list in the settings and shows it anew.
    void Changed();

    QMenu* menu_;
    Prompts& prompts_;
    OpenCommand open_;
    RecentFiles files_;
    std::vector<QAction*> items_;  // one per place in the list, hidden while it is empty
    QAction* clear_ = nullptr;
};

}  // namespace quillory
