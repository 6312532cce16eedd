#include "data/conversion/remembered_options.h"

#include <algorithm>

#include "data/conversion/style_options.h"
#include "data/format/instrument_catalog.h"
#include "data/format/style_table.h"

namespace quillory {

RememberedOptions OptionsToRemember(const Settings& settings) {
    return {settings.targetInstrument, settings.defaultStyle, settings.allowUserStyles};
}

bool RestoreOptions(Workspace& workspace, const RememberedOptions& options, Interaction& ui) {
    workspace.settings.allowUserStyles = options.allowUserStyles;
    const std::string& target = options.targetInstrument;
    if (!FindInstrument(target) || MissingStyleTable(workspace.files, target)) {
        return false;
    }
    ChooseTargetInstrument(workspace, target, ui);
    const std::vector<std::string> styles = DefaultStyleChoices(workspace);
    if (std::find(styles.begin(), styles.end(), options.defaultStyle) != styles.end()) {
        SetDefaultStyle(workspace, options.defaultStyle, ui);
    }
    return true;
}

}  // namespace quillory
