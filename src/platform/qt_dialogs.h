#pragma once

#include "platform/dialogs.h"

namespace quillory {

// The dialogs of the running program: Qt's message boxes, input dialog, file dialogs and
// printer dialog.
class QtDialogs : public Dialogs {
public:
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
};

}  // namespace quillory
