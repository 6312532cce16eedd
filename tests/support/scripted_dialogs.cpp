#include "support/scripted_dialogs.h"

#include <QPrinter>

#include "platform/file_names.h"

namespace quillory {

void ScriptedDialogs::ReportError(const Failure& failure, const std::string& operation) {
    if (const auto text = ErrorReportText(failure, operation)) {
        ShowMessage(*text);
    }
}

void ScriptedDialogs::PrintPreview(const QString& caption, const QString&, const PageSetup& pages,
                                   const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetUpPages(printer, pages);
    if (!previewPdf.isEmpty()) {
        printer.setOutputFileName(previewPdf);
        paint(printer);
    }
    previews.push_back({caption, printer.pageLayout()});
}

std::optional<std::filesystem::path> ScriptedDialogs::NextFile(const FileDialogRequest& request) {
    fileRequests.push_back({QString::fromStdString(request.filter)});
    if (files.empty()) {
        return std::nullopt;
    }
    const std::optional<QString> file = files.front();
    files.pop_front();
    return file ? std::optional(ToPath(*file)) : std::nullopt;
}

}  // namespace quillory
