#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

namespace quillory {

// Dialogs for tests: every message and question is recorded, and questions, input boxes and
// file dialogs are answered from queues. A question without a scripted answer is answered
// OK/Yes, an input box without one is cancelled (empty), a file dialog without one is
// cancelled, the printer dialog is accepted.
class ScriptedDialogs : public Dialogs {
public:
    struct Question {
        QString text;
        QString title;
        bool yesNo;
    };
    struct FileRequest {
        QString filter;
        QString defaultExtension;
        bool save;
    };
    struct InputRequest {
        QString prompt;
        QString title;
    };

    void Message(QWidget* parent, const QString& text) override;
    bool OkCancel(QWidget* parent, const QString& text) override;
    bool YesNo(QWidget* parent, const QString& text, const QString& title) override;
    QString Input(QWidget* parent, const QString& prompt, const QString& title) override;
    std::optional<QString> OpenFile(QWidget* parent, const QString& filter,
                                    const QString& defaultExtension) override;
    std::optional<QString> SaveFile(QWidget* parent, const QString& filter,
                                    const QString& defaultExtension) override;
    bool Printer(QWidget* parent, QPrinter& printer, bool allowSelection) override;
    void PrintPreview(QWidget* parent, const QString& caption, const QString& iconFile,
                      const PageSetup& pages, const std::function<void(QPrinter&)>& paint) override;

    QStringList messages;
    std::vector<Question> questions;
    std::vector<FileRequest> fileRequests;
    std::vector<InputRequest> inputs;
    int printerDialogs = 0;
    struct Preview {
        QString caption;
        QString iconFile;
        QString pdf;         // where the preview's pages were rendered
        QPageLayout layout;  // of the pages as rendered
    };
    std::vector<Preview> previews;
    // A print preview renders its pages into this PDF file when set, in the page layout the
    // user chooses in it when that is set.
    QString previewPdf;
    std::optional<QPageLayout> previewLayout;

    std::deque<bool> answers;                  // for OK/Cancel and Yes/No questions
    std::deque<QString> inputAnswers;          // for input boxes
    std::deque<std::optional<QString>> files;  // for file dialogs
    std::deque<bool> printerAnswers;           // for printer dialogs

private:
    bool NextAnswer();
    std::optional<QString> NextFile(const QString& filter, const QString& extension, bool save);
};

}  // namespace quillory
