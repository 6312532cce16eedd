#pragma once

#include <string_view>

#include "data/common/interaction.h"
#include "data/document/workspace.h"

namespace quillory {

struct ImportOutcome {
    int accepted = 0;
    int refused = 0;
    bool failed = false;  // ended early through the shared error report
};

// Asks for a tab-delimited text file and appends its lines to the open file as new rows and
// records (see ImportTextDelimitedText). The file is read as DecodeDelimitedText reads it.
ImportOutcome ImportTextDelimitedFile(Workspace& workspace, Interaction& ui);

// Appends the lines of the text, cut into lines and fields as DelimitedText cuts them, to the
// open file: each accepted line becomes a row at the end
// of the list and a record at the end of the image, and the count in the header follows. A line
// whose style the source instrument lacks is refused unless user styles are allowed; refused
// lines are listed in the import log. A line that cannot be stored ends the import with its
// message: the lines before it stay, it leaves nothing behind, and rows, records and count
// agree; the message names the line and what was wrong with it. An import that stores no record
// says so. What the import stored is one step that can be undone.
ImportOutcome ImportTextDelimitedText(Workspace& workspace, std::string_view text, Interaction& ui);

}  // namespace quillory
