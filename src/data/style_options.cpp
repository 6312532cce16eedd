#include "style_options.h"

#include "conversion.h"
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

}  // namespace quillory
