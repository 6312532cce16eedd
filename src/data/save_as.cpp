#include "save_as.h"

namespace quillory {
namespace {

std::string Paragraphs(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) {
        if (!text.empty()) {
            text += "\r\n\r\n";
        }
        text += part;
    }
    return text;
}

}  // namespace

std::optional<std::string> SaveAsWarning(const RecordStore& store) {
    if (!store.gStylesMissing) {
        return std::nullopt;
    }
    if (store.gSourceInstrument != store.gTargetInstrument) {
        return Paragraphs({
            "Any styles displayed in colored text are not available on the target instrument.",
            "* You can change these styles individually with Edit, or in a group with Replace.",
            "* If you want to eliminate these entries, select a Options/Default Style =None.",
            "* Otherwise, the User Styles will be converted to the default style.",
            "Do you want to continue?",
        });
    }
    if (store.gAllowUserStyles) {
        return std::nullopt;
    }
    return Paragraphs({
        "Any styles with just a number and displayed in colored text are User Styles.",
        "* If you wish to include User Styles, first select 'Allow User Styles' under Options.",
        "* You can change these styles individually with Edit, or in a group with Replace.",
        "* If you want to eliminate these entries, select a Options/Default Style =None.",
        "* Otherwise, the User Styles will be converted to the default style.",
        "Do you want to continue?",
    });
}

ConversionOutcome SaveAs(RecordStore& store, bool checkedOnly, Interaction& ui) {
    RefreshPreview(store, ui);
    if (const auto warning = SaveAsWarning(store);
        warning && !ui.AskYesNo(*warning, kConversionPreviewTitle)) {
        return ConversionOutcome::kNotSaved;
    }
    return SaveMusicFinder(store, store.gTargetInstrument, checkedOnly, ConversionMode::kSave, ui);
}

}  // namespace quillory
