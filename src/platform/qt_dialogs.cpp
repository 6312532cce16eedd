#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/file_names.h"
#include "platform/user_settings.h"

namespace quillory {
namespace {

std::optional<std::filesystem::path> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                                   const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromStdString(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // The program asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Each kind of dialog starts in the folder it last chose a file in.
    const QString kind = (mode == QFileDialog::AcceptSave ? "save " : "open ") +
                         QString::fromStdString(request.filter);
    if (const QString folder = RememberedFolder(kind); !folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    RememberFolder(kind, dialog.selectedFiles().constFirst());
    return ToPath(dialog.selectedFiles().constFirst());
}

}  // namespace

void QtPrompts::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    window_);
    box.exec();
}

void QtPrompts::ReportError(const Failure& failure, const std::string& operation) {
    if (const auto text = ErrorReportText(failure, operation)) {
        ShowMessage(*text);
    }
}

void QtPrompts::SetBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

std::optional<std::filesystem::path> QtPrompts::AskOpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(window_, QFileDialog::AcceptOpen, request);
}

std::optional<std::filesystem::path> QtPrompts::AskSaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(window_, QFileDialog::AcceptSave, request);
}

bool QtPrompts::ConfirmOkCancel(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, QString(), QString::fromStdString(question),
                    QMessageBox::Ok | QMessageBox::Cancel, window_);
    return box.exec() == QMessageBox::Ok;
}

bool QtPrompts::AskYesNo(const std::string& question, const std::string& title) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::string QtPrompts::Input(const std::string& prompt, const std::string& title) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(window_, QString::fromStdString(title),
                                                 QString::fromStdString(prompt), QLineEdit::Normal,
                                                 QString(), &accepted);
    return accepted ? answer.toStdString() : std::string();
}

Prompts::SaveChoice QtPrompts::AskSaveChanges(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    QString::fromStdString(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::kSave;
        case QMessageBox::Discard: return SaveChoice::kDiscard;
        default: return SaveChoice::kCancel;
    }
}

bool QtPrompts::Printer(QPrinter& printer, bool allowSelection) {
    QPrintDialog dialog(&printer, window_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, allowSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (allowSelection) {
        printer.setPrintRange(QPrinter::Selection);
    }
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompts::PrintPreview(const QString& caption, const QString& iconFile,
                             const PageSetup& pages, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPages(printer, pages);
    QPrintPreviewDialog preview(&printer, window_);
    preview.setWindowTitle(caption);
    preview.setWindowIcon(QIcon(iconFile));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}

Prompts& QtPromptProvider::For(QWidget* window) {
    auto& prompts = prompts_[window];
    if (!prompts) {
        prompts = std::make_unique<QtPrompts>(window);
        if (window) {
            QObject::connect(window, &QObject::destroyed,
                             [this, window] { prompts_.erase(window); });
        }
    }
    return *prompts;
}

}  // namespace quillory
