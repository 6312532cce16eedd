#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTreeView>

#include "data/common/operation_names.h"
#include "data/document/open_file_save.h"
#include "data/document/window_title.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/exchange/text_import.h"
#include "data/format/music_finder_reader.h"
#include "platform/auto_size_columns.h"
#include "platform/file_names.h"
#include "platform/widgets.h"
#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/recent_files_menu.h"
#include "ui/playlist/play_list_window.h"
#include "ui/playlist/play_list_work.h"
#include "ui/search/search_dialog.h"
#include "ui/session.h"

// The main window's files: opening, dropping, saving, Save As, import and export, and the
// question about unsaved changes before any of them would lose work.
namespace quillory {
namespace {

// The one Music Finder file a drop brings, if it brings exactly one.
std::optional<QString> DroppedMusicFinderFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString file = urls.front().toLocalFile();
    if (!file.endsWith(".mfd", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return file;
}

}  // namespace

void MainWindow::Open() {
    if (!ChangesMayGo("opening another file")) {
        return;
    }
    if (const auto chosen =
            session_.PromptsFor(this).AskOpenFileName({kMusicFinderFilesFilter, ""})) {
        OpenFile(*chosen);
    }
}

void MainWindow::OpenFile(const std::filesystem::path& path) {
    Workspace& work = session_.Work();
    const bool targetChosen = !work.settings.targetInstrument.empty();
    Run(operation::kOpenFile, [&](Prompts& p) {
        const std::string name = QFileInfo(FromPath(path)).fileName().toStdString();
        const std::string previousTitle = std::exchange(title_, TitleWithFile(name));
        switch (OpenMusicFinderFile(work, path, name, p)) {
            case ReadOutcome::kRefused: title_ = previousTitle; break;
            case ReadOutcome::kPartlyRead:
                filePath_->setText(FromPath(std::filesystem::absolute(path)));
                recent_->Opened(path);
                break;
            case ReadOutcome::kRead:
                commands_.FileRead();
                title_ = TitleAfterRead(work);
                filePath_->setText(FromPath(std::filesystem::absolute(path)));
                recent_->Opened(path);
                break;
        }
        AutoSizeColumns(*list_);
    });
    // The read made the source the target: the combo shows it. Otherwise the combo keeps what
    // the user chose there, even when Save As has converted for another instrument since. A
    // target the combo does not list ("numbers" under Use Style Numbers) leaves it empty.
    if (!targetChosen) {
        SelectText(*panel_.target, QString::fromStdString(work.settings.targetInstrument));
    }
}

bool MainWindow::ChangesMayGo(const std::string& moment) {
    Workspace& work = session_.Work();
    Prompts& prompts = session_.PromptsFor(this);
    if (work.document.Modified()) {
        switch (prompts.AskSaveChanges("Save changes to " + work.file.name + " before " + moment +
                                       "?")) {
            case Prompts::SaveChoice::kDiscard: break;
            case Prompts::SaveChoice::kCancel: return false;
            case Prompts::SaveChoice::kSave:
                if (!Save()) {
                    return false;
                }
        }
    }
    return PlayListWorkMayGo(session_, prompts, moment);
}

bool MainWindow::Save() {
    bool saved = false;
    Run(operation::kSave, [&](Prompts& p) {
        Workspace& work = session_.Work();
        saved = SaveOpenFile(work, p);
        if (saved) {
            session_.FileWritten("Saved", work.file.path);
        }
    });
    return saved;
}

void MainWindow::SaveAsMusicFinder() {
    if (FileOpenOrTold()) {
        ShowSingle(convert_);
    }
}

void MainWindow::ImportText() {
    Run(operation::kImportText, [&](Prompts& p) {
        ImportTextDelimitedFile(session_.Work(), p);
        AutoSizeColumns(*list_);
    });
}

void MainWindow::ExportText() {
    Run(operation::kExportList, [&](Prompts& p) {
        if (const auto file = SaveDelimitedFile(RecordListExportText(session_.Document()), p)) {
            session_.FileWritten("Exported", *file);
        }
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ChangesMayGo("closing")) {
        event->ignore();
        return;
    }
    if (playList_) {
        playList_->CloseByProgram();
    }
    for (QWidget* window : std::initializer_list<QWidget*>{info_, about_, search_, styleReplace_,
                                                           editor_, convert_, defaultStyle_}) {
        if (window) {
            window->close();
        }
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedMusicFinderFile(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto file = DroppedMusicFinderFile(*event->mimeData());
    if (!file) {
        return;
    }
    event->acceptProposedAction();
    if (ChangesMayGo("opening another file")) {
        OpenFile(ToPath(*file));
    }
}

}  // namespace quillory
