#include "window_title.h"

#include "record_store.h"

namespace quillory {

std::string TitleWithFile(std::string_view fileName) {
    return "Quillory   " + std::string(fileName);
}

std::string TitleAfterRead(const RecordStore& store) {
    return TitleWithFile(store.gFileName) + "  Source Instrument = " + store.gSourceInstrument +
           "   Deafult Style = " + store.gDefaultStyle;
}

std::string TitleForSourceItem(std::string_view fileName, std::string_view instrument) {
    return TitleWithFile(fileName) +
           "  Source Instrument = " + std::string(instrument == "TYROS" ? "Tyros" : instrument);
}

std::string TitleAfterTargetChosen(const RecordStore& store) {
    if (store.gSourceInstrument.empty()) {
        return TitleWithFile(store.gFileName) + "   Default Style = " + store.gDefaultStyle;
    }
    return TitleAfterRead(store);
}

}  // namespace quillory
