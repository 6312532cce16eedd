// Reads any bytes as the help file, lays the document out as the information viewer shows it,
// and reads the same bytes as a log.

#include <QGuiApplication>
#include <QSizeF>
#include <QString>
#include <QTextDocument>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/rtf_reader.h"

namespace quillory::fuzz {
namespace {

// Fonts need an application: one on the offscreen platform, started by the first input, so the
// replay driver needs nothing of its own; it lives to the end of the process.
void StartApplication() {
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* const application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's warnings about fonts that random names lead to would only slow the runs down.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QGuiApplication(argc, argv);
    }();
    static_cast<void>(application);
}

// No surrogate of a pair stands alone.
bool SurrogatesPaired(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

void ReadHelp(std::string_view bytes) {
    QTextDocument document;
    ReadRtf(bytes, document);
    // Every character and paragraph end comes from at least one byte of its own.
    Require(document.characterCount() <= static_cast<int>(bytes.size()) + 1);
    Require(SurrogatesPaired(document.toRawText()));
    document.setTextWidth(600);
    const QSizeF size = document.size();
    Require(std::isfinite(size.width()) && std::isfinite(size.height()) && size.height() >= 0);
}

// One paragraph per line: CR LF, LF and CR end a line; zero bytes do not count.
void ReadLog(std::string_view bytes) {
    std::string text(bytes);
    std::erase(text, '\0');
    int lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        lineEnds +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    }
    QTextDocument document;
    ReadPlainText(bytes, document);
    Require(document.blockCount() == lineEnds + 1);
}

}  // namespace
}  // namespace quillory::fuzz

// The font database of the system library that Qt asks for fonts keeps memory that no pointer
// reaches any more; it is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillory::fuzz::StartApplication();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    quillory::fuzz::ReadHelp(bytes);
    quillory::fuzz::ReadLog(bytes);
    return 0;
}
