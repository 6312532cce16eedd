#pragma once

#include <string>
#include <string_view>

namespace quillory {

struct Workspace;

// The main window's titles, all built from "Quillory", three blanks and the file name.
std::string TitleWithFile(std::string_view fileName);
// After a read: the file, the source instrument and the default style.
std::string TitleAfterRead(const Workspace& workspace);
// After a source instrument was chosen in the source-instrument menu: the item's title text.
std::string TitleForSourceItem(std::string_view fileName, std::string_view itemTitle);
// After a target instrument was chosen in the combo.
std::string TitleAfterTargetChosen(const Workspace& workspace);

}  // namespace quillory
