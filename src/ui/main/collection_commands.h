#pragma once

#include <QObject>

class QMainWindow;

namespace quillory {

class Session;
struct MainMenu;

// The main window's commands that bring collections together: Merge File appends another
// Music Finder file's records, the two Find Duplicates items tick the records that repeat a
// song. Each runs through the session with the window's prompts and says in the status bar
// what it did.
class CollectionCommands : public QObject {
    Q_OBJECT

public:
    CollectionCommands(Session& session, QMainWindow& window, const MainMenu& menu);

private:
    void MergeFile();
    void FindDuplicates(bool titleOnly);

    Session& session_;
    QMainWindow& window_;
};

}  // namespace quillory
