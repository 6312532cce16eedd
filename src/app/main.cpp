#include <QApplication>
#include <QCommandLineParser>

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
    quillory::Application app(quillory::ExecutableFolder(), prompts);
    const QStringList files = arguments.positionalArguments();
    app.Main(files.isEmpty()
                 ? std::nullopt
                 : std::optional<std::filesystem::path>(quillory::ToPath(files.front())));
    return QApplication::exec();
}
