#pragma once

#include <string>

#include "data/common/interaction.h"
#include "data/document/workspace.h"

namespace quillory {

// The Save As options of an earlier run, as the user's settings give them back.
struct RememberedOptions {
    std::string targetInstrument;
    std::string defaultStyle;
    bool allowUserStyles = false;
};

// What the workspace's options are now, to be remembered for the next run.
RememberedOptions OptionsToRemember(const Settings& settings);

// Takes the options of an earlier run back, quietly dropping what no longer applies: a target
// that is no instrument or whose style table is missing (and the default style with it), a
// default style its table no longer offers (the table's last style stays the default). True
// when the target was taken, as choosing it in the combo takes it.
bool RestoreOptions(Workspace& workspace, const RememberedOptions& options, Interaction& ui);

}  // namespace quillory
