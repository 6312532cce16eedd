#pragma once

#include <QString>
#include <vector>

class QMainWindow;
class QAction;

namespace quillory {

// An item of the source-instrument menu that fixes one instrument; its caption is the
// instrument's source menu caption in the catalog.
struct SourceItem {
    const char* name;        // objectName, "mnuPSR2000"
    const char* instrument;  // the catalog's identifier, "PSR-2000"
    bool hasAction;          // the CVP-204, -206, -208 and -210 items do nothing
    bool enabled;            // the PSR-1500 item is greyed out
};

// The source-instrument items in menu order.
const std::vector<SourceItem>& SourceItems();

// Builds the main window's whole menu tree: captions with their access keys, tick marks,
// hidden and disabled items, each action and submenu named for tests and accessibility.
void BuildMainMenu(QMainWindow& window);

}  // namespace quillory
