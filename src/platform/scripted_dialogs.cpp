#include "platform/scripted_dialogs.h"

#include <QPrinter>

namespace quillory {

void ScriptedDialogs::Message(QWidget*, const QString& text) {
    messages << text;
}

bool ScriptedDialogs::OkCancel(QWidget*, const QString& text) {
    questions.push_back({text, QString(), false});
    return NextAnswer();
}

bool ScriptedDialogs::YesNo(QWidget*, const QString& text, const QString& title) {
    questions.push_back({text, title, true});
    return NextAnswer();
}

QString ScriptedDialogs::Input(QWidget*, const QString& prompt, const QString& title) {
    inputs.push_back({prompt, title});
    if (inputAnswers.empty()) {
        return QString();
    }
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::OpenFile(QWidget*, const QString& filter,
                                                 const QString& defaultExtension) {
    return NextFile(filter, defaultExtension, false);
}

std::optional<QString> ScriptedDialogs::SaveFile(QWidget*, const QString& filter,
                                                 const QString& defaultExtension) {
    return NextFile(filter, defaultExtension, true);
}

bool ScriptedDialogs::Printer(QWidget*, QPrinter&, bool) {
    ++printerDialogs;
    if (printerAnswers.empty()) {
        return true;
    }
    const bool answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::PrintPreview(QWidget*, const QString& caption, const QString& iconFile,
                                   const PageSetup& pages,
                                   const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetUpPages(printer, pages);
    if (previewLayout) {
        printer.setPageLayout(*previewLayout);
    }
    if (!previewPdf.isEmpty()) {
        printer.setOutputFileName(previewPdf);
        paint(printer);
    }
    previews.push_back({caption, iconFile, previewPdf, printer.pageLayout()});
}

bool ScriptedDialogs::NextAnswer() {
    if (answers.empty()) {
        return true;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::NextFile(const QString& filter, const QString& extension,
                                                 bool save) {
    fileRequests.push_back({filter, extension, save});
    if (files.empty()) {
        return std::nullopt;
    }
    const std::optional<QString> answer = files.front();
    files.pop_front();
    return answer;
}

}  // namespace quillory
