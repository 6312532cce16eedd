#include "ui/main/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "data/format/instrument_catalog.h"
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

MainMenu BuildMainMenu(QMainWindow& window) {
    MainMenu menu{};
    QMenuBar& bar = *window.menuBar();
    menu.open = AddItem(bar, "mnuOpen", "&Open File");
    menu.save = AddItem(bar, "mnuSave", "&Save");

    QMenu& saveAs = *AddSubmenu(bar, "mnuSaveAs", "S&ave As");
    menu.textFile = AddItem(saveAs, "mnuTextFile", "&Delimited Text File");
    menu.convert = AddItem(saveAs, "mnuConvert", "MusicFinder File ");
    AddItem(saveAs, "mnuConvert2", "MusicFinder File with UserStyle Numbers",
            {false, false, false});

    menu.print = AddItem(bar, "mnuPrint", "&Print");
    menu.edit = AddSubmenu(bar, "mnuEdit", "E&dit");
    menu.findDuplicates = AddItem(*menu.edit, "mnuFindDuplicates", "Find Duplicates");
    menu.findDuplicateTitles =
        AddItem(*menu.edit, "mnuFindDuplicateTitles", "Find Duplicate Titles");
    menu.edit->addSeparator();

    QMenu& options = *AddSubmenu(bar, "mnuOption", "Options");
    menu.userStyles = AddItem(options, "mnuUserStyles", "Allow User Styles", kTick);
    menu.defaultStyle = AddItem(options, "mnuDefaultStyle", "Change Defult Style");
    QMenu& colour = *AddSubmenu(options, "mnuColor", "Color for unrecognized styles");
    menu.red = AddItem(colour, "mnuRed", "Red", kTicked);
    menu.blue = AddItem(colour, "mnuBlue", "Blue", kTick);
    QMenu& doubleClick = *AddSubmenu(options, "mnudblclick", "Double Click Action");
    menu.editRecord = AddItem(doubleClick, "mnuEditRecord", "Edit Record", kTicked);
    menu.toggleFavorite = AddItem(doubleClick, "mnuToggleFavorite", "Toggle Favorite", kTick);

    QMenu& font = *AddHiddenSubmenu(bar, "mnufont", "&Font ");
    AddItem(font, "mnuselFon", "Select &Font");
    AddItem(font, "mnuresDefaults", "&Restore Defaults");

    QMenu& orientation = *AddHiddenSubmenu(bar, "mnuOrientation", "Pri&nter Orientation    ");
    menu.portrait = AddItem(orientation, "mnuPort", "Portrait", kTick);
    menu.landscape = AddItem(orientation, "mnuLand", "Landscape ", kTick);

    QMenu& source = *AddSubmenu(bar, "mnuOptions", "&Source Instrument    ");
    menu.autoSource = AddItem(source, "mnuAuto", "Auto", kTicked);
    for (const Instrument* instrument : SourceMenuInstruments()) {
        const SourceMenuItem& item = instrument->sourceItem;
        const QByteArray name = FromLatin1(item.name).toLatin1();
        menu.sourceItems.emplace_back(AddItem(source, name.constData(), FromLatin1(item.caption),
                                              {true, false, false, item.enabled}),
                                      instrument);
    }
    menu.styleNumbers = AddItem(source, "mnuStyleNumbers", "Use Style Numbers", kTick);

    QMenu& import = *AddSubmenu(bar, "mnuImport", "&Import");
    menu.textDelimitedInput = AddItem(import, "mnuTextDelimitedInput", "Text Delimited File");
    AddItem(import, "mnuMfdInput", "MFD File", {false, false, false, false});
    menu.mergeFile = AddItem(import, "mnuMergeFile", "Merge File...");

    QMenu& logs = *AddSubmenu(bar, "mnuLogs", "&View Logs");
    menu.conversionLog = AddItem(logs, "mnuConversion", "Conversion Log");
    menu.delimitedFileLog = AddItem(logs, "mnuDelimitedFile", "Delimited File Load");

    menu.keywordAdd = AddItem(bar, "mnuKeyword_add", "Keyword_Add");
    menu.help = AddItem(bar, "mnuHelp", "&Help/Info");
    menu.about = AddItem(bar, "mnuAbout", "&About");
    menu.exit = AddItem(bar, "mnuExit", "&Exit");

    menu.trackMenu = AddHiddenSubmenu(bar, "mnuTrackMenu", "TrackMenu");
    menu.setFavorite = AddItem(*menu.trackMenu, "mnuTrackMenuSetFavorite", "Set Favorite");
    return menu;
}

}  // namespace quillory
