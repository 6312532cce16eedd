#include "style_options.h"

#include <algorithm>

#include "conversion.h"
#include "failure.h"
#include "style_table.h"
#include "text.h"
#include "window_title.h"

namespace quillory {
void ChooseTargetInstrument(RecordStore& store, const std::string& target, Interaction& ui) {
    store.gTargetInstrument = target;
    cboStyle_setup(store, ui);
    RefreshPreview(store, ui);
    store.window.title = TitleAfterTargetChosen(store);
}

void SetAllowUserStyles(RecordStore& store, bool allowed, Interaction& ui) {
    store.gAllowUserStyles = allowed;
    RefreshPreview(store, ui);
}

void SetDefaultStyle(RecordStore& store, const std::string& style, Interaction& ui) {
    store.gDefaultStyle = style;
    RefreshPreview(store, ui);
}

void SetUnknownStyleColour(RecordStore& store, Colour colour, Interaction& ui) {
    store.gUnknownStyleColor = colour;
    RefreshPreview(store, ui);
}

std::vector<std::string> DefaultStyleChoices(RecordStore& store) {
    std::vector<std::string> choices = {"None"};
    for (const auto& line : ParseStyleTable(ReadStyleTable(store, store.gTargetInstrument))) {
        choices.push_back(Trim(line.name));
    }
    if (store.gDefaultStyle.empty() && choices.size() > 1) {
        store.gDefaultStyle = choices.back();
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

void ChooseAutoSource(RecordStore& store) {
    store.sourceMenu = {SourceMenu::Choice::kAuto, ""};
}

void ChooseStyleNumbersSource(RecordStore& store) {
    store.sourceMenu = {SourceMenu::Choice::kStyleNumbers, ""};
}

void ChooseSourceInstrumentItem(RecordStore& store, const std::string& instrument) {
    const SourceMenu item{SourceMenu::Choice::kInstrument, instrument};
    if (store.sourceMenu.choice == item.choice && store.sourceMenu.instrument == instrument) {
        return;
    }
    store.sourceMenu = item;
    store.window.title = TitleForSourceItem(store.gFileName, instrument);
    store.gSourceInstrument = instrument;
}

}  // namespace quillory
