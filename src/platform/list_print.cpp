#include "platform/list_print.h"

#include <QAbstractItemModel>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "data/common/failure.h"

namespace quillory {
namespace {

// The gap between columns, the smallest body font that a list is shrunk to and the least step
// it shrinks by, and the margins the pages start with.
constexpr qreal kGapPoints = 6;
constexpr qreal kSmallestBodyPoints = 4;
constexpr qreal kShrinkStepPoints = 0.25;
constexpr qreal kMarginMillimetres = 15;

QString Text(const QAbstractItemModel& model, int row, int column) {
    return model.index(row, column).data(Qt::DisplayRole).toString();
}

QString Header(const QAbstractItemModel& model, int column) {
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

// Points to device pixels.
int Scaled(const QPaintDevice& device, qreal points) {
    return static_cast<int>(points * device.logicalDpiY() / 72.0);
}

// The hourglass while the pages are laid out and drawn, not while the user reads them.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

ListPageLayout::ListPageLayout(const QAbstractItemModel& model, const ListPrintJob& job,
                               const QPagedPaintDevice& device)
    : model_(model), job_(job) {
    const PrintSettings& s = job.settings;
    body_ = QFont(s.bodyFontName);
    body_.setBold(s.bodyBold);
    body_.setItalic(s.bodyItalic);
    SetBodySize(s.bodyFontSize);
    heading_ = QFont(job.headingFontName);
    heading_.setPointSizeF(16);
    heading_.setBold(true);

    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    area_ = QRect(0, 0, page.width(), page.height());
    gap_ = Scaled(device, kGapPoints);
    FitColumns(device);
    rowHeight_ = QFontMetrics(body_, &device).height() + gap_ / 2;
    headingHeight_ = QFontMetrics(heading_, &device).height() * 2;

    const int rows = model.rowCount();
    const int footer = rowHeight_ * 2;
    int row = 0;
    do {
        const int top = (pages_.empty() ? headingHeight_ : 0) + rowHeight_;
        const int fit = std::max(1, (area_.height() - top - footer) / rowHeight_);
        const int last = std::min(rows, row + fit);
        pages_.emplace_back(row, last);
        row = last;
    } while (row < rows);
}

void ListPageLayout::SetBodySize(qreal points) {
    body_.setPointSizeF(points);
    bold_ = body_;
    bold_.setBold(true);
}

std::vector<int> ListPageLayout::TextWidths(const QPaintDevice& device) const {
    const QFontMetricsF bodyMetrics(body_, &device);
    const QFontMetricsF boldMetrics(bold_, &device);
    std::vector<int> widths;
    for (int column = 0; column < model_.columnCount(); ++column) {
        qreal widest = boldMetrics.horizontalAdvance(Header(model_, column));
        for (int row = 0; row < model_.rowCount(); ++row) {
            widest = std::max(widest, bodyMetrics.horizontalAdvance(Text(model_, row, column)));
        }
        widths.push_back(static_cast<int>(std::ceil(widest)) + gap_);
    }
    return widths;
}

void ListPageLayout::FitColumns(const QPaintDevice& device) {
    const auto total = [this] { return std::accumulate(widths_.begin(), widths_.end(), 0LL); };
    widths_ = TextWidths(device);
    while (total() > area_.width() && body_.pointSizeF() > kSmallestBodyPoints) {
        const qreal points = body_.pointSizeF();
        const qreal share = points * area_.width() / static_cast<qreal>(total());
        SetBodySize(std::max(kSmallestBodyPoints, std::min(share, points - kShrinkStepPoints)));
        widths_ = TextWidths(device);
    }
    const long long used = total();
    if (used > area_.width()) {
        // Texts too long for the page even in the smallest font are shortened.
        for (int& width : widths_) {
            width = static_cast<int>(width * static_cast<long long>(area_.width()) / used);
        }
        return;
    }
    for (int column = 0; column < model_.columnCount(); ++column) {
        if (Header(model_, column) == job_.spareWidthColumn) {
            widths_[static_cast<std::size_t>(column)] += static_cast<int>(area_.width() - used);
        }
    }
}

void ListPageLayout::Paint(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer) || printer.printerState() == QPrinter::Error) {
        throw Failure(kPrinterError);
    }
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            throw Failure(kPrinterError);
        }
        PaintPage(painter, page);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        throw Failure(kPrinterError);
    }
}

void ListPageLayout::PaintPage(QPainter& painter, int page) const {
    int y = 0;
    if (page == 0) {
        painter.setFont(heading_);
        painter.drawText(QRect(0, 0, area_.width(), headingHeight_),
                         Qt::AlignLeft | Qt::AlignVCenter, job_.heading);
        y = headingHeight_;
    }
    auto drawRow = [&](const std::function<QString(int)>& text) {
        int x = 0;
        for (std::size_t column = 0; column < widths_.size(); ++column) {
            const int width = widths_[column];
            const QRect cell(x + gap_ / 2, y, std::max(0, width - gap_), rowHeight_);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(text(static_cast<int>(column)),
                                                              Qt::ElideRight, cell.width()));
            x += width;
        }
        y += rowHeight_;
    };
    painter.setFont(bold_);
    drawRow([&](int column) { return Header(model_, column); });
    painter.drawLine(0, y, area_.width(), y);
    painter.setFont(body_);
    const auto [first, last] = pages_[static_cast<std::size_t>(page)];
    for (int row = first; row < last; ++row) {
        drawRow([&](int column) { return Text(model_, row, column); });
    }
    painter.drawText(QRect(0, area_.height() - rowHeight_, area_.width(), rowHeight_),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QString("Page %1 of %2").arg(page + 1).arg(PageCount()));
}

namespace {

// How a print's pages start: in the settings' orientation, with margins of 15 mm.
PageSetup ListPageSetup(const PrintSettings& settings) {
    const qreal margin = kMarginMillimetres;
    return {settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(margin, margin, margin, margin)};
}

}  // namespace

void ListPrintPreview(Prompts& prompts, const QAbstractItemModel& model, const ListPrintJob& job) {
    prompts.PrintPreview(job.caption, job.iconFile, ListPageSetup(job.settings),
                         [&](QPrinter& printer) {
                             try {
                                 const WaitCursor waiting;
                                 ListPageLayout(model, job, printer).Paint(printer);
                             } catch (const Failure& failure) {
                                 prompts.ShowMessage(PrintErrorText(failure));
                             }
                         });
}

}  // namespace quillory
