#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

#include "platform/file_names.h"
#include "platform/qt_dialogs.h"
#include "ui/main/application.h"

namespace {

void DescribeOptions(QCommandLineParser& arguments) {
    arguments.setApplicationDescription("Music Finder database editor");
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument("file", "A Music Finder file (*.mfd) to open.", "[file]");
}

// --help and --version are answered, and end the program, before any window system is needed,
// so that they work without a display. Everything else is left to the window program, which
// also knows the window system's own options.
void AnswerHelpAndVersion(int argc, char** argv) {
    QCoreApplication options(argc, argv);
    QCommandLineParser arguments;
    DescribeOptions(arguments);
    if (arguments.parse(QCoreApplication::arguments())) {
        if (arguments.isSet("version")) {
            arguments.showVersion();
        }
        if (arguments.isSet("help")) {
            arguments.showHelp();
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("Quillory");
    QCoreApplication::setApplicationVersion(QUILLORY_VERSION);
    AnswerHelpAndVersion(argc, argv);
    QApplication qt(argc, argv);
    QCommandLineParser arguments;
    DescribeOptions(arguments);
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
