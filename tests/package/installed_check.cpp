// Runs the program's windows over an installed copy of its files, as tools/check-package needs
// it: the program's folder is the installed one, the data folder is the user's (from the
// environment). It opens a file, edits it, saves, undoes, imports a text with a refused line and
// shows the help file and both logs, answering every question as the user would, and fails when
// the program reports anything it should not.
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QTreeView>
#include <iostream>

#include "data/document/workspace.h"
#include "platform/file_names.h"
#include "support/scripted_dialogs.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Quillory");
    if (argc != 4) {
        std::cerr << "usage: quillory-installed-check BIN_FOLDER FILE.mfd TEXT.txt\n";
        return 2;
    }
    using namespace quillory;
    ScriptedDialogs dialogs;
    {
        Application app(
            ProgramFilesFolder(ToPath(argv[1])),
            ToPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)),
            dialogs);
        app.Main(ToPath(argv[2]));
        MainWindow& main = *app.Window();
        auto trigger = [&](const char* name) {
            main.findChild<QAction*>(name)->trigger();
            QApplication::processEvents();
        };
        QTreeView& list = main.List();
        list.selectionModel()->setCurrentIndex(
            list.model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        trigger("mnuTrackMenuSetFavorite");
        trigger("mnuSave");
        trigger("mnuUndo");
        dialogs.files.push_back(QString::fromLocal8Bit(argv[3]));
        trigger("mnuTextDelimitedInput");
        for (const char* view : {"mnuHelp", "mnuConversion", "mnuDelimitedFile"}) {
            trigger(view);
        }
        main.close();
    }
    const QStringList expected = {
        "Some entries could not be stored because the style indicated does not exist on the "
        "source instrument. See ImportLog.txt for details"};
    if (dialogs.messages != expected) {
        std::cerr << "quillory-installed-check: the program said:\n"
                  << dialogs.messages.join("\n").toStdString() << "\n";
        return 1;
    }
    return 0;
}
