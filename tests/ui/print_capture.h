#pragma once

#include <QFile>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <climits>
#include <functional>
#include <optional>
#include <vector>

#include "ui/ui_fixture.h"

namespace quillory::testkit {

// The paint and print engine of a TextPrinter: it keeps the texts drawn on each page and
// paints nothing.
struct TextPrintEngine : QPaintEngine, QPrintEngine {
    TextPrintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override {
        active = true;
        pages.emplace_back();
        return true;
    }
    bool end() override {
        active = false;
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawLines(const QLineF*, int) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        pages.back() << item.text();
    }
    QPaintEngine::Type type() const override { return QPaintEngine::User; }

    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
        if (key == PPK_QPageLayout) {
            layout = value.value<QPageLayout>();
        } else if (key == PPK_QPageMargins) {
            const auto margins = value.value<QPair<QMarginsF, QPageLayout::Unit>>();
            layout.setUnits(margins.second);
            layout.setMargins(margins.first);
        } else if (key == PPK_Orientation) {
            layout.setOrientation(static_cast<QPageLayout::Orientation>(value.toInt()));
        }
    }
    QVariant property(PrintEnginePropertyKey key) const override {
        switch (key) {
            case PPK_QPageLayout:
                return QVariant::fromValue(layout);
            case PPK_Orientation:
                return layout.orientation();
            case PPK_Resolution:
                return kDpi;
            case PPK_PageRect:
                return layout.paintRectPixels(kDpi);
            case PPK_PaperRect:
                return layout.fullRectPixels(kDpi);
            default:
                return {};
        }
    }
    bool newPage() override {
        pages.emplace_back();
        return true;
    }
    bool abort() override { return false; }
    QPrinter::PrinterState printerState() const override {
        return active ? QPrinter::Active : QPrinter::Idle;
    }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        const QRect pixels = layout.paintRectPixels(kDpi);
        const QRectF millimetres = layout.paintRect(QPageLayout::Millimeter);
        switch (metric) {
            case QPaintDevice::PdmWidth:
                return pixels.width();
            case QPaintDevice::PdmHeight:
                return pixels.height();
            case QPaintDevice::PdmWidthMM:
                return qRound(millimetres.width());
            case QPaintDevice::PdmHeightMM:
                return qRound(millimetres.height());
            case QPaintDevice::PdmNumColors:
                return INT_MAX;
            case QPaintDevice::PdmDepth:
                return 32;
            case QPaintDevice::PdmDevicePixelRatio:
                return 1;
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default:
                return kDpi;
        }
    }

    static constexpr int kDpi = 1200;
    QPageLayout layout;
    bool active = false;
    std::vector<QStringList> pages;
};

// Holds the engine so that it outlives the printer that uses it.
struct TextPrintEngineHolder {
    TextPrintEngine engine;
};

// A printer that keeps the texts painted on each page instead of printing them, on the page
// size the PDF printer of the tests uses.
class TextPrinter : private TextPrintEngineHolder, public QPrinter {
  public:
    TextPrinter() {
        engine.layout = QPrinter().pageLayout();
        setEngines(&engine, &engine);
    }
    const std::vector<QStringList>& Pages() const { return engine.pages; }
};

// Dialogs that answer and record as the fixture's scripted dialogs do, and also keep what the
// windows print: the texts of every print preview's pages, and whether each printer dialog
// offered the selection. A printer dialog's printer writes into printerPdf.
class PrintCapturingDialogs : public Dialogs {
  public:
    explicit PrintCapturingDialogs(ScriptedDialogs& script) : script_(script) {}

    void Message(QWidget* parent, const QString& text) override { script_.Message(parent, text); }
    bool OkCancel(QWidget* parent, const QString& text) override {
        return script_.OkCancel(parent, text);
    }
    bool YesNo(QWidget* parent, const QString& text, const QString& title) override {
        return script_.YesNo(parent, text, title);
    }
    QString Input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override {
        return script_.Input(parent, prompt, title, defaultText);
    }
    std::optional<QString> OpenFile(QWidget* parent, const QString& filter,
                                    const QString& defaultExtension) override {
        return script_.OpenFile(parent, filter, defaultExtension);
    }
    std::optional<QString> SaveFile(QWidget* parent, const QString& filter,
                                    const QString& defaultExtension) override {
        return script_.SaveFile(parent, filter, defaultExtension);
    }
    bool Printer(QWidget* parent, QPrinter& printer, bool allowSelection) override {
        printerSelections.push_back(allowSelection);
        // Set before the answer, so that printing after a cancelled dialog would leave a file.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerPdf);
        return script_.Printer(parent, printer, allowSelection);
    }
    void PrintPreview(QWidget* parent, const QString& caption, const QString& iconFile,
                      const std::function<void(QPrinter&)>& paint) override {
        script_.PrintPreview(parent, caption, iconFile, paint);
        TextPrinter printer;
        paint(printer);
        previewPages.push_back(printer.Pages());
    }

    std::vector<bool> printerSelections;
    QString printerPdf;
    std::vector<std::vector<QStringList>> previewPages;

  private:
    ScriptedDialogs& script_;
};

// The program started with dialogs that keep what is printed; scripts and records are the
// fixture's dialogs as usual.
class PrintFixture : public UiFixture {
  protected:
    PrintFixture() {
        app.reset();
        app = std::make_unique<Application>(folder.Path(), printing);
        app->Main();
    }
    ~PrintFixture() override {
        app.reset();
        Settle();
    }

    PrintCapturingDialogs printing{dialogs};
};

// The pages of a PDF file: its page objects, not its page tree; -1 when there is no file.
inline int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

}  // namespace quillory::testkit
