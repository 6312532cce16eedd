#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

class QAbstractItemModel;
class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace quillory {

class Prompts;

// The print settings of a window that prints a list: the body font and the orientation
// (portrait 1, landscape 2).
struct PrintSettings {
    QString bodyFontName = "arial";
    qreal bodyFontSize = 8;
    bool bodyBold = false;
    bool bodyItalic = false;
    int orientation = 1;
};

// What a list print needs besides the list: the settings, the heading above the list in its
// font, the caption and icon of the preview window.
struct ListPrintJob {
    PrintSettings settings;
    QString headingFontName = "arial";
    QString heading;
    QString caption;
    QString iconFile;
    // The column, by its header, that takes the page width the others leave.
    QString spareWidthColumn = "Music";
};

// The pages of a printed list in the device's page layout: the heading on the first page, the
// column headers on every page, the rows in list order, and the page number at the foot of each
// page. Each column is as wide as its widest text (its header in bold) and a gap, the spare
// width goes to the spare-width column, and the body font shrinks only when the page cannot
// hold the columns so.
class ListPageLayout {
public:
    ListPageLayout(const QAbstractItemModel& model, const ListPrintJob& job,
                   const QPagedPaintDevice& device);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The rows on a page (from 0), first and one past the last.
    std::pair<int, int> RowsOnPage(int page) const {
        return pages_.at(static_cast<std::size_t>(page));
    }

    // Paints every page onto the printer, starting a new page between them; a Failure when the
    // printer cannot take them.
    void Paint(QPrinter& printer) const;

private:
    void SetBodySize(qreal points);
    // Each column's widest text and the gap, in the current fonts.
    std::vector<int> TextWidths(const QPaintDevice& device) const;
    void FitColumns(const QPaintDevice& device);
    void PaintPage(QPainter& painter, int page) const;

    const QAbstractItemModel& model_;
    const ListPrintJob& job_;
    QFont body_;
    QFont bold_;
    QFont heading_;
    QRect area_;
    int gap_ = 0;
    int rowHeight_ = 0;
    int headingHeight_ = 0;
    std::vector<int> widths_;
    std::vector<std::pair<int, int>> pages_;
};

// Lays the list out for printing and shows it in the print preview, from which the user prints
// with the printer's own settings; returns when the preview is closed. A print that fails shows
// the print commands' error message.
void ListPrintPreview(Prompts& prompts, const QAbstractItemModel& model, const ListPrintJob& job);

}  // namespace quillory
