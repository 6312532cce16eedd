#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

#include "platform/file_names.h"
#include "platform/qt_dialogs.h"
#include "ui/main/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Quillory");
    QApplication::setApplicationVersion(QUILLORY_VERSION);
    QCommandLineParser arguments;
    arguments.setApplicationDescription("Music Finder database editor");
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument("file", "A Music Finder file (*.mfd) to open.", "[file]");
    arguments.process(qt);

    quillory::QtPromptProvider prompts;
    // The program's folder may not be writable: the logs and the user's own style tables live
    // in the user's data folder.
    quillory::Application app(
        quillory::ProgramFolder(),
        quillory::ToPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)),
        prompts);
    const QStringList files = arguments.positionalArguments();
    app.Main(files.isEmpty()
                 ? std::nullopt
                 : std::optional<std::filesystem::path>(quillory::ToPath(files.front())));
    return QApplication::exec();
}
