#pragma once

#include <string>
#include <vector>

#include "data/common/interaction.h"
#include "data/document/workspace.h"

namespace quillory {

// The settings that steer how styles are shown and converted. Each one that can change which
// styles the list shows as missing refreshes the preview while a file is loaded.

// The target combo: loads the instrument's style table into the editor's style list, makes
// its last style the default style and refreshes the preview. An instrument without a style
// table is taken, and the user is told that its table is missing.
void ChooseTargetInstrument(Workspace& workspace, const std::string& target, Interaction& ui);

// "Allow User Styles".
void SetAllowUserStyles(Workspace& workspace, bool allowed, Interaction& ui);

// The default style dialog's OK; "None" drops the records whose style the target lacks.
void SetDefaultStyle(Workspace& workspace, const std::string& style, Interaction& ui);

// The warning colour of missing styles (red or blue).
void SetUnknownStyleColour(Workspace& workspace, Colour colour, Interaction& ui);

// The entries of the default style dialog: "None", then the target table's style names in
// file order. An empty default style becomes the table's last style.
std::vector<std::string> DefaultStyleChoices(Workspace& workspace);

// The entry of the default style among the dialog's choices (the first one that is exactly
// it); a default style that is not among them fails with invalid property value.
int DefaultStyleIndex(const std::vector<std::string>& choices, const std::string& defaultStyle);

// The source-instrument menu. Each takes effect at the next read; choosing the item that is
// already ticked changes nothing.
void ChooseAutoSource(Settings& settings);
void ChooseStyleNumbersSource(Settings& settings);
// One fixed instrument, which becomes the source instrument at once. False when it was ticked
// already.
bool ChooseSourceInstrumentItem(Workspace& workspace, const std::string& instrument);

}  // namespace quillory
