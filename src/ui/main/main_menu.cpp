#include "ui/main/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "data/instrument_catalog.h"
#include "platform/widgets.h"

namespace quillory {
namespace {

struct ItemState {
    bool checkable = false;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
};

QAction* AddItem(QWidget& parent, const char* name, const QString& caption, ItemState state = {}) {
    QAction* action = AddMenuItem(parent, name, caption);
    action->setCheckable(state.checkable);
    action->setChecked(state.checked);
    action->setVisible(state.visible);
    action->setEnabled(state.enabled);
    return action;
}

QMenu* AddHiddenSubmenu(QWidget& parent, const char* name, const QString& caption) {
    QMenu* menu = AddSubmenu(parent, name, caption);
    menu->menuAction()->setVisible(false);
    return menu;
}

constexpr ItemState kTick{true, false};
constexpr ItemState kTicked{true, true};

}  // namespace

const std::vector<SourceItem>& SourceItems() {
    static const std::vector<SourceItem> kItems = {
        {"mnuPSR2000", "PSR-2000", true, true},  {"mnuPSR2100", "PSR-2100", true, true},
        {"mnuPSR1000", "PSR-1000", true, true},  {"mnuPSR1100", "PSR-1100", true, true},
        {"mnuPSR1500", "PSR-1500", true, false}, {"mnuPSR3000", "PSR-3000", true, true},
        {"mnuCVP209", "CVP-209", true, true},    {"mnuCVP207", "CVP-207", true, true},
        {"mnuCVP205", "CVP-205", true, true},    {"mnuCVP203", "CVP-203", true, true},
        {"mnuCVP210", "CVP-210", false, true},   {"mnuCVP208", "CVP-208", false, true},
        {"mnuCVP206", "CVP-206", false, true},   {"mnuCVP204", "CVP-204", false, true},
        {"mnuTYROS", "TYROS", true, true},
    };
    return kItems;
}

void BuildMainMenu(QMainWindow& window) {
    QMenuBar& bar = *window.menuBar();
    AddItem(bar, "mnuOpen", "&Open File");

    QMenu& saveAs = *AddSubmenu(bar, "mnuSaveAs", "S&ave As");
    AddItem(saveAs, "mnuTextFile", "&Delimited Text File");
    AddItem(saveAs, "mnuConvert", "MusicFinder File ");
    AddItem(saveAs, "mnuConvert2", "MusicFinder File with UserStyle Numbers",
            {false, false, false});

    AddItem(bar, "mnuPrint", "&Print");

    QMenu& options = *AddSubmenu(bar, "mnuOption", "Options");
    AddItem(options, "mnuUserStyles", "Allow User Styles", kTick);
    AddItem(options, "mnuDefaultStyle", "Change Defult Style");
    QMenu& colour = *AddSubmenu(options, "mnuColor", "Color for unrecognized styles");
    AddItem(colour, "mnuRed", "Red", kTicked);
    AddItem(colour, "mnuBlue", "Blue", kTick);
    QMenu& doubleClick = *AddSubmenu(options, "mnudblclick", "Double Click Action");
    AddItem(doubleClick, "mnuEditRecord", "Edit Record", kTicked);
    AddItem(doubleClick, "mnuToggleFavorite", "Toggle Favorite", kTick);

    QMenu& font = *AddHiddenSubmenu(bar, "mnufont", "&Font ");
    AddItem(font, "mnuselFon", "Select &Font");
    AddItem(font, "mnuresDefaults", "&Restore Defaults");

    QMenu& orientation = *AddHiddenSubmenu(bar, "mnuOrientation", "Pri&nter Orientation    ");
    AddItem(orientation, "mnuPort", "Portrait", kTick);
    AddItem(orientation, "mnuLand", "Landscape ", kTick);

    QMenu& source = *AddSubmenu(bar, "mnuOptions", "&Source Instrument    ");
    AddItem(source, "mnuAuto", "Auto", kTicked);
    for (const SourceItem& item : SourceItems()) {
        const std::string_view caption = FindInstrument(item.instrument)->sourceMenuCaption;
        AddItem(source, item.name,
                QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())),
                {true, false, false, item.enabled});
    }
    AddItem(source, "mnuStyleNumbers", "Use Style Numbers", kTick);

    QMenu& import = *AddSubmenu(bar, "mnuImport", "&Import");
    AddItem(import, "mnuTextDelimitedInput", "Text Delimited File");
    AddItem(import, "mnuMfdInput", "MFD File", {false, false, false, false});

    QMenu& logs = *AddSubmenu(bar, "mnuLogs", "&View Logs");
    AddItem(logs, "mnuConversion", "Conversion Log");
    AddItem(logs, "mnuDelimitedFile", "Delimited File Load");

    AddItem(bar, "mnuKeyword_add", "Keyword_Add");
    AddItem(bar, "mnuHelp", "&Help/Info");
    AddItem(bar, "mnuAbout", "&About");
    AddItem(bar, "mnuExit", "&Exit");

    QMenu& track = *AddHiddenSubmenu(bar, "mnuTrackMenu", "TrackMenu");
    AddItem(track, "mnuTrackMenuSetFavorite", "Set Favorite");
}

}  // namespace quillory
