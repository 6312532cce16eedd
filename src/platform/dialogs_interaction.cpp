#include "platform/dialogs_interaction.h"

#include <QCursor>
#include <QGuiApplication>
#include <QString>

#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/file_names.h"

namespace quillory {

void DialogsInteraction::ShowMessage(const std::string& text) {
    dialogs_.Message(parent_, QString::fromStdString(text));
}

void DialogsInteraction::ReportError(const Failure& failure, const std::string& operation) {
    quillory::ReportError(dialogs_, parent_, failure, operation);
}

void DialogsInteraction::SetBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

std::optional<std::filesystem::path> DialogsInteraction::AskOpenFileName(
    const FileDialogRequest& request) {
    const auto name = dialogs_.OpenFile(parent_, QString::fromStdString(request.filter),
                                        QString::fromStdString(request.defaultExtension));
    if (!name) {
        return std::nullopt;
    }
    return ToPath(*name);
}

std::optional<std::filesystem::path> DialogsInteraction::AskSaveFileName(
    const FileDialogRequest& request) {
    const auto name = dialogs_.SaveFile(parent_, QString::fromStdString(request.filter),
                                        QString::fromStdString(request.defaultExtension));
    if (!name) {
        return std::nullopt;
    }
    return ToPath(*name);
}

bool DialogsInteraction::ConfirmOkCancel(const std::string& question) {
    return dialogs_.OkCancel(parent_, QString::fromStdString(question));
}

bool DialogsInteraction::AskYesNo(const std::string& question, const std::string& title) {
    return dialogs_.YesNo(parent_, QString::fromStdString(question), QString::fromStdString(title));
}

}  // namespace quillory
