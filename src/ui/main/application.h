#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "data/record_store.h"

class QWidget;

namespace quillory {

class Dialogs;
class MainWindow;
class ConvertDialog;
class DefaultStyleDialog;
class AboutDialog;
class EditDialog;
class InfoWindow;
class PlayListWindow;
class SearchDialog;
class StyleReplaceDialog;

// The program: the record store and the one instance of every window, created at start-up and
// living until exit. Windows reach each other and the store through it.
class Application : public QObject {
    Q_OBJECT

public:
    Application(std::filesystem::path programFolder, Dialogs& dialogs);
    ~Application() override;

    // Start-up: the main window with its columns and target combo, shown; the record editor
    // loaded hidden.
    void Main();

    RecordStore& Store() { return store_; }
    Dialogs& GetDialogs() { return dialogs_; }
    MainWindow* Window() const { return mainWindow_.get(); }

    // The secondary windows: each is created on first use and shown modeless.
    ConvertDialog* ShowConvert();
    DefaultStyleDialog* ShowDefaultStyle();
    SearchDialog* ShowSearch();
    StyleReplaceDialog* ShowStyleReplace();
    PlayListWindow* ShowPlayList();
    AboutDialog* ShowAbout();
    // The information viewer, created when there is none; the caller loads and shows it.
    InfoWindow* Info();
    PlayListWindow* PlayList() const;
    ConvertDialog* Convert() const;
    DefaultStyleDialog* DefaultStyle() const;
    SearchDialog* Search() const;
    // The replace window, loaded (not shown) when it does not exist yet.
    StyleReplaceDialog* StyleReplace();
    // The record editor exists from start-up to exit.
    EditDialog* Editor() const;

    // Shutdown: every window is closed; nothing is asked or saved.
    void CloseAll();

private:
    RecordStore store_;
    Dialogs& dialogs_;
    std::unique_ptr<MainWindow> mainWindow_;
    QPointer<EditDialog> editor_;
    QPointer<ConvertDialog> convert_;
    QPointer<DefaultStyleDialog> defaultStyle_;
    QPointer<SearchDialog> search_;
    QPointer<StyleReplaceDialog> styleReplace_;
    QPointer<PlayListWindow> playList_;
    QPointer<InfoWindow> info_;
    QPointer<AboutDialog> about_;
};

}  // namespace quillory
