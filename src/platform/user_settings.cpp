#include "platform/user_settings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace quillory {
namespace {

QString FolderKey(const QString& dialog) {
    return "Folders/" +
           QString::fromLatin1(dialog.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

QString GeometryKey(const QWidget& window) {
    return "Windows/" + window.objectName();
}

// Saves a window's normal place and size, and whether it is maximised, each time it is hidden.
class GeometryKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            const auto& window = static_cast<const QWidget&>(*watched);
            const auto settings = UserSettings();
            settings->setValue(GeometryKey(window) + "/rect", window.normalGeometry());
            settings->setValue(GeometryKey(window) + "/maximized", window.isMaximized());
        }
        return false;
    }
};

}  // namespace

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Quillory",
                                       "Quillory");
}

RememberedOptions StoredOptions() {
    const auto settings = UserSettings();
    return {settings->value("Options/target").toString().toStdString(),
            settings->value("Options/defaultStyle").toString().toStdString(),
            settings->value("Options/allowUserStyles", false).toBool()};
}

void StoreOptions(const RememberedOptions& options) {
    const auto settings = UserSettings();
    settings->setValue("Options/target", QString::fromStdString(options.targetInstrument));
    settings->setValue("Options/defaultStyle", QString::fromStdString(options.defaultStyle));
    settings->setValue("Options/allowUserStyles", options.allowUserStyles);
}

QString RememberedFolder(const QString& dialog) {
    const auto settings = UserSettings();
    const QString folder = settings->value(FolderKey(dialog)).toString();
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        settings->remove(FolderKey(dialog));
        return {};
    }
    return folder;
}

void RememberFolder(const QString& dialog, const QString& chosenFile) {
    UserSettings()->setValue(FolderKey(dialog), QFileInfo(chosenFile).absolutePath());
}

bool FitsScreens(const QRect& geometry, const QList<QRect>& available) {
    return geometry.isValid() &&
           std::any_of(available.begin(), available.end(),
                       [&](const QRect& area) { return area.contains(geometry); });
}

bool RestoreWindowGeometry(QWidget& window) {
    const auto settings = UserSettings();
    const QString key = GeometryKey(window);
    const QRect rect = settings->value(key + "/rect").toRect();
    QList<QRect> available;
    for (const QScreen* screen : QGuiApplication::screens()) {
        available << screen->availableGeometry();
    }
    if (!FitsScreens(rect, available)) {
        settings->remove(key);
        return false;
    }
    window.setGeometry(rect);
    if (settings->value(key + "/maximized").toBool()) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
    return true;
}

void RememberWindowGeometry(QWidget& window) {
    constexpr const char* kKeeper = "geometryKeeper";
    if (!window.findChild<QObject*>(kKeeper, Qt::FindDirectChildrenOnly)) {
        auto* keeper = new GeometryKeeper(&window);
        keeper->setObjectName(kKeeper);
        window.installEventFilter(keeper);
    }
}

}  // namespace quillory
