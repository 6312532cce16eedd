#include "ui/help/info_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>
#include <string_view>
#include <vector>

#include "data/files/file_reading.h"
#include "platform/dialogs.h"
#include "platform/rtf_reader.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
namespace {

// The viewer's indent on both sides, in twips.
constexpr qreal kIndentTwips = 600;

void Indent(QTextDocument& document, qreal pixels) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor at(block);
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() + pixels);
        format.setRightMargin(format.rightMargin() + pixels);
        at.setBlockFormat(format);
    }
}

// The columns of a plain-text log are separated by tabs: a tab stop after each column's widest
// text and a gap, so that the columns line up.
void AlignColumns(QTextDocument& document) {
    constexpr qreal kGapPixels = 12;
    const QFontMetricsF metrics(document.defaultFont());
    std::vector<qreal> widths;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QStringList cells = block.text().split('\t');
        widths.resize(std::max(widths.size(), static_cast<std::size_t>(cells.size() - 1)));
        for (qsizetype cell = 0; cell + 1 < cells.size(); ++cell) {
            qreal& widest = widths[static_cast<std::size_t>(cell)];
            widest = std::max(widest, metrics.horizontalAdvance(cells[cell]));
        }
    }
    QList<QTextOption::Tab> tabs;
    qreal stop = 0;
    for (const qreal width : widths) {
        stop += width + kGapPixels;
        tabs << QTextOption::Tab(stop, QTextOption::LeftTab);
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setTabPositions(tabs);
        QTextCursor(block).setBlockFormat(format);
    }
}

}  // namespace

InfoWindow::InfoWindow(Session& session, QWidget* owner)
    : QMainWindow(owner, Qt::Window), session_(session) {
    setObjectName("frmInfo");
    setWindowTitle(kHelpTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    QAction* exit = AddMenuItem(*menuBar(), "mnuExit", "Exit");
    // Escape closes the viewer as it closes the program's dialogs.
    exit->setShortcut(Qt::Key_Escape);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(AddMenuItem(*menuBar(), "mnuPrint", "Print"), &QAction::triggered, this,
            &InfoWindow::Print);
    text_ = Named(new QTextEdit(this), "rtfInfo");
    text_->setReadOnly(true);
    setCentralWidget(text_);
    resize(720, 560);
}

bool InfoWindow::Load(const std::filesystem::path& path, Kind kind) {
    const auto bytes = LoadFileBytes(path);
    if (!bytes) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    auto* document = new QTextDocument(text_);
    if (kind == Kind::kRichText) {
        ReadRtf(text, *document);
    } else {
        ReadPlainText(text, *document);
    }
    Indent(*document, kIndentTwips * kPixelsPerTwip);
    text_->setDocument(document);
    if (kind == Kind::kPlainText) {
        AlignColumns(*document);
    }
    return true;
}

void InfoWindow::Print() {
    const bool selection = text_->textCursor().hasSelection();
    QPrinter printer(QPrinter::HighResolution);
    if (!session_.PromptsFor(this).Printer(printer, selection)) {
        return;
    }
    if (selection) {
        QTextDocument part;
        part.setHtml(text_->textCursor().selection().toHtml());
        part.print(&printer);
    } else {
        text_->document()->print(&printer);
    }
}

}  // namespace quillory
