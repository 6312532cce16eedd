#include "data/document/window_title.h"

#include "data/document/workspace.h"

namespace quillory {

std::string TitleWithFile(std::string_view fileName) {
    return "Quillory   " + std::string(fileName);
}

std::string TitleAfterRead(const Workspace& workspace) {
    return TitleWithFile(workspace.file.name) +
           "  Source Instrument = " + workspace.file.sourceInstrument +
           "   Deafult Style = " + workspace.settings.defaultStyle;
}

std::string TitleForSourceItem(std::string_view fileName, std::string_view itemTitle) {
    return TitleWithFile(fileName) + "  Source Instrument = " + std::string(itemTitle);
}

std::string TitleAfterTargetChosen(const Workspace& workspace) {
    if (workspace.file.sourceInstrument.empty()) {
        return TitleWithFile(workspace.file.name) +
               "   Default Style = " + workspace.settings.defaultStyle;
    }
    return TitleAfterRead(workspace);
}

}  // namespace quillory
