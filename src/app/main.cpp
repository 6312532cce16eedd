#include <QApplication>

#include "platform/file_names.h"
#include "platform/qt_dialogs.h"
#include "ui/main/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Quillory");
    QApplication::setApplicationVersion(QUILLORY_VERSION);
    quillory::QtDialogs dialogs;
    quillory::Application app(quillory::ExecutableFolder(), dialogs);
    app.Main();
    return QApplication::exec();
}
