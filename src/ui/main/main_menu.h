#pragma once

#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace quillory {

struct Instrument;

// The main window's menu items that do something or show a tick.
struct MainMenu {
    QAction* open;
    QAction* save;
    QAction* textFile;
    QAction* convert;
    QAction* print;
    QMenu* edit;  // undo and redo of the changes of the records
    QAction* findDuplicates;
    QAction* findDuplicateTitles;
    QAction* userStyles;
    QAction* defaultStyle;
    QAction* red;
    QAction* blue;
    QAction* editRecord;
    QAction* toggleFavorite;
    QAction* portrait;
    QAction* landscape;
    QAction* autoSource;
    QAction* styleNumbers;
    // The source-instrument items, with the instrument each fixes, in menu order.
    std::vector<std::pair<QAction*, const Instrument*>> sourceItems;
    QAction* textDelimitedInput;
    QAction* mergeFile;
    QAction* conversionLog;
    QAction* delimitedFileLog;
    QAction* keywordAdd;
    QAction* help;
    QAction* about;
    QAction* exit;
    QMenu* trackMenu;
    QAction* setFavorite;
};

// Builds the main window's whole menu tree: captions with their access keys, tick marks,
// hidden and disabled items, each action and submenu named for tests and accessibility.
MainMenu BuildMainMenu(QMainWindow& window);

}  // namespace quillory
