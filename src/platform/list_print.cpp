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
#include <numeric>

#include "platform/dialogs.h"

namespace quillory {
namespace {

constexpr int kCellPaddingPoints = 4;

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

}  // namespace

ListPageLayout::ListPageLayout(const QAbstractItemModel& model, const ListPrintJob& job,
                               QPagedPaintDevice& device)
    : model_(model), job_(job) {
    const PrintSettings& s = job.settings;
    device.setPageOrientation(s.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    body_ = QFont(s.bodyFontName);
    body_.setPointSizeF(s.bodyFontSize);
    body_.setBold(s.bodyBold);
    body_.setItalic(s.bodyItalic);
    bold_ = body_;
    bold_.setBold(true);
    heading_ = QFont(job.headingFontName);
    heading_.setPointSizeF(16);
    heading_.setBold(true);

    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    area_ = QRect(0, 0, page.width(), page.height());
    const QFontMetrics bodyMetrics(body_, &device);
    const QFontMetrics boldMetrics(bold_, &device);
    const int padding = Scaled(device, kCellPaddingPoints);
    rowHeight_ = bodyMetrics.height() + padding / 2;
    headingHeight_ = QFontMetrics(heading_, &device).height() * 2;

    const int columns = model.columnCount();
    const int rows = model.rowCount();
    widths_.assign(static_cast<std::size_t>(columns), 0);
    for (int column = 0; column < columns; ++column) {
        int widest = boldMetrics.horizontalAdvance(Header(model, column));
        for (int row = 0; row < rows; ++row) {
            widest = std::max(widest, bodyMetrics.horizontalAdvance(Text(model, row, column)));
        }
        widths_[static_cast<std::size_t>(column)] = widest + padding;
    }
    const long long total = std::accumulate(widths_.begin(), widths_.end(), 0LL);
    if (total > area_.width()) {
        for (int& width : widths_) {
            width = static_cast<int>(width * static_cast<long long>(area_.width()) / total);
        }
    }

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

void ListPageLayout::Paint(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0) {
            device.newPage();
        }
        PaintPage(painter, page);
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
            const QRect cell(x + 2, y, std::max(0, width - 4), rowHeight_);
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

void ListPrintPreview(Prompts& prompts, const QAbstractItemModel& model, const ListPrintJob& job) {
    prompts.PrintPreview(job.caption, job.iconFile, [&](QPrinter& printer) {
        // The hourglass while the pages are laid out and drawn, not while the user reads them.
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ListPageLayout(model, job, printer).Paint(printer);
        QGuiApplication::restoreOverrideCursor();
    });
}

}  // namespace quillory
