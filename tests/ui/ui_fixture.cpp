#include "ui/ui_fixture.h"

#include <QFile>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>

#include "platform/widgets.h"

namespace quillory::testkit {
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

bool PrintingDialogs::Printer(QPrinter& printer, bool allowSelection) {
    printerSelections.push_back(allowSelection);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerPdf);
    return ScriptedDialogs::Printer(printer, allowSelection);
}

void PrintingDialogs::PrintPreview(const QString& caption, const QString& iconFile,
                                   const PageSetup& pages,
                                   const std::function<void(QPrinter&)>& paint) {
    ScriptedDialogs::PrintPreview(caption, iconFile, pages, paint);
    TextPrintEngine engine;
    TextPrinter printer(engine);
    printer.setPageLayout(previews.back().layout);
    paint(printer);
    previewPages.push_back(engine.pages);
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

void UiFixture::ClickCheckBox(int row) {
    const QRect cell = List().visualRect(ListModel().index(row, kNumberColumn));
    QPoint at(cell.left(), cell.center().y());
    while (!OnCheckIndicator(List(), at) && at.x() < cell.right()) {
        at.rx() += 1;
    }
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, at);
}

void UiFixture::OpenSongs(const Bytes& file) {
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}, {"Swing", "002"}});
    WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
    WriteFile(folder.File("songs.mfd"), file);
    dialogs.files.push_back(Path("songs.mfd"));
    Trigger("mnuOpen");
}

Bytes UiFixture::SaveAs(std::initializer_list<const char*> options) {
    Trigger("mnuConvert");
    for (const char* option : options) {
        FindIn<QRadioButton>(Main().Convert(), option)->click();
    }
    dialogs.files.push_back(Path("out.mfd"));
    FindIn<QPushButton>(Main().Convert(), "cmdSave")->click();
    Settle();
    return std::filesystem::exists(folder.File("out.mfd")) ? ReadFile(folder.File("out.mfd"))
                                                           : Bytes();
}

}  // namespace quillory::testkit

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
