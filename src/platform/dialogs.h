#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;

namespace quillory {

// How the pages of a print are laid out until the user changes them in the print preview.
struct PageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF millimetres;  // the margins
};

// Gives the printer's pages that setup.
void SetUpPages(QPrinter& printer, const PageSetup& setup);

// Every message box, input box, file dialog and printer dialog the windows show goes through
// this interface: the program shows real dialogs, tests answer from a script so that nothing
// ever waits on a modal box.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button and no title.
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // OK and Cancel with the exclamation icon; true for OK.
    virtual bool OkCancel(QWidget* parent, const QString& text) = 0;
    // Yes and No with the exclamation icon and No as the default button; true for Yes.
    virtual bool YesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // An input box that starts empty; the empty text when cancelled, as the form runtime's
    // input box answers.
    virtual QString Input(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // File dialogs with a filter in the form runtime's notation ("Text file|*.txt") and a
    // default extension; nothing when cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const QString& filter,
                                            const QString& defaultExtension) = 0;
    virtual std::optional<QString> SaveFile(QWidget* parent, const QString& filter,
                                            const QString& defaultExtension) = 0;
    // The printer dialog for a document; allowSelection offers printing the selection only.
    // False when cancelled.
    virtual bool Printer(QWidget* parent, QPrinter& printer, bool allowSelection) = 0;
    // A print preview window with a caption and an icon, its pages set up as given until the
    // user changes their orientation or layout in it, drawn by paint on the printer set up so;
    // returns when the preview is closed.
    virtual void PrintPreview(QWidget* parent, const QString& caption, const QString& iconFile,
                              const PageSetup& pages,
                              const std::function<void(QPrinter&)>& paint) = 0;
};

// The Qt filter ("Text file (*.txt)") of a filter in the form runtime's notation
// ("Text file|*.txt" or "Music Finder Files(*.mfd)|*.mfd|"); a description that ends with its
// patterns in brackets is taken as it is.
QString QtFilter(const QString& runtimeFilter);

}  // namespace quillory
