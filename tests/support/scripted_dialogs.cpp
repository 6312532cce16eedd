#include "support/scripted_dialogs.h"

#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>

namespace quillory {
namespace {

// Keeps the texts drawn on each page and paints nothing, in the page geometry of a PDF printer.
struct TextPrintEngine : QPaintEngine, QPrintEngine {
    TextPrintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {
        pdf.setOutputFormat(QPrinter::PdfFormat);
    }
    bool begin(QPaintDevice*) override {
        pages.emplace_back();
        return true;
    }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        pages.back() << item.text();
    }
    Type type() const override { return QPaintEngine::User; }
    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
        pdf.printEngine()->setProperty(key, value);
    }
    QVariant property(PrintEnginePropertyKey key) const override {
        return pdf.printEngine()->property(key);
    }
    bool newPage() override {
        pages.emplace_back();
        return true;
    }
    bool abort() override { return false; }
    QPrinter::PrinterState printerState() const override {
        return isActive() ? QPrinter::Active : QPrinter::Idle;
    }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        return pdf.printEngine()->metric(metric);
    }

    QPrinter pdf{QPrinter::HighResolution};
    std::vector<QStringList> pages;
};

struct TextPrinter : QPrinter {
    explicit TextPrinter(TextPrintEngine& engine) { setEngines(&engine, &engine); }
};

}  // namespace

void ScriptedDialogs::PrintPreview(const QString& caption, const QString&, const PageSetup& pages,
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
    TextPrintEngine engine;
    TextPrinter texts(engine);
    texts.setPageLayout(printer.pageLayout());
    paint(texts);
    previewCaptions << caption;
    previewLayouts.push_back(texts.pageLayout());
    previewPages.push_back(engine.pages);
}

bool ScriptedDialogs::Printer(QPrinter& printer, bool allowSelection) {
    printerSelections.push_back(allowSelection);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerPdf);
    return testkit::NextAnswer(printerAnswers, true);
}

}  // namespace quillory
