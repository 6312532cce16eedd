#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <functional>

#include "data/common/interaction.h"

class QPrinter;
class QWidget;

namespace quillory {

// How the pages of a print are laid out until the user changes them in the print preview.
struct PageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF millimetres;  // the margins
};

// Gives the printer's pages that setup.
void SetUpPages(QPrinter& printer, const PageSetup& setup);

// What a window asks of the user: everything the core asks, and the printer dialogs. Each
// window has prompts of its own, so that its boxes belong to it and the focus comes back to it.
class Prompts : public Interaction {
public:
    enum class SaveChoice { kSave, kDiscard, kCancel };
    // Whether to save the changes before going on: Save (the default), Discard or Cancel
    // (Escape).
    virtual SaveChoice AskSaveChanges(const std::string& question) = 0;
    // The printer dialog for a document; allowSelection offers printing the selection only.
    // False when cancelled.
    virtual bool Printer(QPrinter& printer, bool allowSelection) = 0;
    // A print preview window with a caption and an icon, its pages set up as given until the
    // user changes their orientation or layout in it, drawn by paint on the printer set up so;
    // returns when the preview is closed.
    virtual void PrintPreview(const QString& caption, const QString& iconFile,
                              const PageSetup& pages,
                              const std::function<void(QPrinter&)>& paint) = 0;
};

// Hands each window its prompts: real dialogs over the window in the program, answers from a
// script in tests, so that nothing ever waits on a modal box there.
class PromptProvider {
public:
    virtual ~PromptProvider() = default;
    virtual Prompts& For(QWidget* window) = 0;
};

}  // namespace quillory
