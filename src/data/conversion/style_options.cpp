#include "data/conversion/style_options.h"

#include <algorithm>

#include "data/common/failure.h"
#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/format/style_table.h"

namespace quillory {

void ChooseTargetInstrument(Workspace& workspace, const std::string& target, Interaction& ui) {
    workspace.settings.targetInstrument = target;
    if (const auto missing = MissingStyleTable(workspace.files, target)) {
        ui.ShowMessage(*missing);
    }
    SetUpStyleChoices(workspace, ui);
    RefreshPreview(workspace, ui);
}

void SetAllowUserStyles(Workspace& workspace, bool allowed, Interaction& ui) {
    workspace.settings.allowUserStyles = allowed;
    RefreshPreview(workspace, ui);
}

void SetDefaultStyle(Workspace& workspace, const std::string& style, Interaction& ui) {
    workspace.settings.defaultStyle = style;
    RefreshPreview(workspace, ui);
}

void SetUnknownStyleColour(Workspace& workspace, Colour colour, Interaction& ui) {
    workspace.settings.unknownStyleColour = colour;
    RefreshPreview(workspace, ui);
}

std::vector<std::string> DefaultStyleChoices(Workspace& workspace) {
    Settings& settings = workspace.settings;
    std::vector<std::string> choices = {"None"};
    for (const auto& line :
         ParseStyleTable(ReadStyleTable(workspace.files, settings.targetInstrument))) {
        choices.push_back(Trim(line.name));
    }
    if (settings.defaultStyle.empty() && choices.size() > 1) {
        settings.defaultStyle = choices.back();
    }
    return choices;
}

int DefaultStyleIndex(const std::vector<std::string>& choices, const std::string& defaultStyle) {
    const auto found = std::find(choices.begin(), choices.end(), defaultStyle);
    if (found == choices.end()) {
        throw Failure(kInvalidPropertyValue);
    }
    return static_cast<int>(found - choices.begin());
}

void ChooseAutoSource(Settings& settings) {
    settings.sourceMenu = {SourceMenu::Choice::kAuto, ""};
}

void ChooseStyleNumbersSource(Settings& settings) {
    settings.sourceMenu = {SourceMenu::Choice::kStyleNumbers, ""};
}

bool ChooseSourceInstrumentItem(Workspace& workspace, const std::string& instrument) {
    const SourceMenu item{SourceMenu::Choice::kInstrument, instrument};
    if (workspace.settings.sourceMenu == item) {
        return false;
    }
    workspace.settings.sourceMenu = item;
    workspace.file.sourceInstrument = instrument;
    return true;
}

}  // namespace quillory
