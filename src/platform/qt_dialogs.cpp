#include "platform/qt_dialogs.h"

#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace quillory {
namespace {

std::optional<QString> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& filter, const QString& defaultExtension) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(filter));
    dialog.setDefaultSuffix(defaultExtension);
    // The program asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtDialogs::Message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::OkCancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogs::YesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::Input(QWidget* parent, const QString& prompt, const QString& title) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? answer : QString();
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const QString& filter,
                                           const QString& defaultExtension) {
    return RunFileDialog(parent, QFileDialog::AcceptOpen, filter, defaultExtension);
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const QString& filter,
                                           const QString& defaultExtension) {
    return RunFileDialog(parent, QFileDialog::AcceptSave, filter, defaultExtension);
}

bool QtDialogs::Printer(QWidget* parent, QPrinter& printer, bool allowSelection) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, allowSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (allowSelection) {
        printer.setPrintRange(QPrinter::Selection);
    }
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::PrintPreview(QWidget* parent, const QString& caption, const QString& iconFile,
                             const PageSetup& pages, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPages(printer, pages);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(caption);
    preview.setWindowIcon(QIcon(iconFile));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}

}  // namespace quillory
