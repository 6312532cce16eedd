#include "data/conversion/save_as.h"

#include "data/format/style_table.h"

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

// The warning the user must accept before saving for the target, judged from the last preview:
// styles missing on another instrument, or user styles on the same instrument while they are
// not allowed. None when saving needs no question.
std::optional<std::string> SaveAsWarning(const Workspace& workspace, bool stylesMissing) {
    if (!stylesMissing) {
        return std::nullopt;
    }
    if (workspace.file.sourceInstrument != workspace.settings.targetInstrument) {
        return Paragraphs({
            "Any styles displayed in colored text are not available on the target instrument.",
            "* You can change these styles individually with Edit, or in a group with Replace.",
            "* If you want to eliminate these entries, select a Options/Default Style =None.",
            "* Otherwise, the User Styles will be converted to the default style.",
            "Do you want to continue?",
        });
    }
    if (workspace.settings.allowUserStyles) {
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

}  // namespace

ConversionResult SaveAs(Workspace& workspace, bool checkedOnly, Interaction& ui) {
    // Without the target's table no record could keep its style: nothing worth writing.
    if (const auto missing =
            MissingStyleTable(workspace.files, workspace.settings.targetInstrument)) {
        ui.ShowMessage(*missing);
        return {ConversionOutcome::kNotSaved, false, std::nullopt};
    }
    const auto preview = RefreshPreview(workspace, ui);
    if (const auto warning = SaveAsWarning(workspace, preview && preview->stylesMissing);
        warning && !ui.AskYesNo(*warning, kConversionPreviewTitle)) {
        return {ConversionOutcome::kNotSaved, true, std::nullopt};
    }
    return SaveMusicFinder(workspace, workspace.settings.targetInstrument, checkedOnly,
                           ConversionMode::kSave, ui);
}

}  // namespace quillory
