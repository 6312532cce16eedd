#include "ui/main/recent_files_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "data/files/file_system.h"
#include "platform/dialogs.h"
#include "platform/file_names.h"
#include "platform/user_settings.h"
#include "platform/widgets.h"

namespace quillory {
namespace {

constexpr const char* kSetting = "RecentFiles";

RecentFiles StoredList() {
    std::vector<std::filesystem::path> files;
    for (const QString& file : UserSettings()->value(kSetting).toStringList()) {
        files.push_back(ToPath(file));
    }
    return RecentFiles(files);
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMainWindow& window, QAction* after, Prompts& prompts,
                                 OpenCommand open)
    : QObject(&window),
      menu_(Named(new QMenu("Recent Files", &window), "mnuRecentFiles")),
      prompts_(prompts),
      open_(std::move(open)),
      files_(StoredList()) {
    const QList<QAction*> bar = window.menuBar()->actions();
    const qsizetype next = bar.indexOf(after) + 1;
    window.menuBar()->insertMenu(next < bar.size() ? bar[next] : nullptr, menu_);
    menu_->setToolTipsVisible(true);
    for (std::size_t i = 0; i < RecentFiles::kLimit; ++i) {
        QAction* item = menu_->addAction(QString());
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(item, &QAction::triggered, this, [this, i] { Choose(files_.Files().at(i)); });
        items_.push_back(item);
    }
    menu_->addSeparator();
    clear_ = Named(menu_->addAction("Clear Recent Files"), "mnuClearRecentFiles");
    connect(clear_, &QAction::triggered, this, [this] {
        files_.Clear();
        Changed();
    });
    Changed();
}

void RecentFilesMenu::Opened(const std::filesystem::path& file) {
    files_.Opened(std::filesystem::absolute(file));
    Changed();
}

void RecentFilesMenu::Choose(std::filesystem::path file) {
    if (!std::filesystem::exists(file)) {
        files_.Remove(file);
        Changed();
        prompts_.ShowMessage(Utf8FromPath(file) +
                             " is no longer there; it has been taken off the recent files");
        return;
    }
    open_(file);
}

void RecentFilesMenu::Changed() {
    QStringList stored;
    const auto& files = files_.Files();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QAction* item = items_[i];
        item->setVisible(i < files.size());
        if (i < files.size()) {
            stored << FromPath(files[i]);
            item->setText(FromPath(files[i].filename()));
            item->setToolTip(stored.back());
        }
    }
    clear_->setEnabled(!files.empty());
    UserSettings()->setValue(kSetting, stored);
}

}  // namespace quillory
