#pragma once

#include <filesystem>
#include <string>

#include "data/common/interaction.h"
#include "data/document/workspace.h"

namespace quillory {

struct MergeOptions {
    // A merged record that repeats a song already in the list (title and style) is left out.
    bool skipDuplicates = false;
};

struct MergeOutcome {
    int merged = 0;      // records appended
    int dropped = 0;     // left out: the open file's instrument lacks their style, no default
    int duplicates = 0;  // left out as repeats of a song already there
    bool done = false;   // false when nothing was merged for a refusal, a failure or a cancel
    std::string log;     // the conversion log, as Save As writes it
};

// Asks for a Music Finder file with the open dialog and merges it (MergeFile).
MergeOutcome MergeMusicFinderFile(Workspace& workspace, const MergeOptions& options,
                                  Interaction& ui);

// Appends the records of another Music Finder file to the open one, whatever instrument wrote
// it: each record's style is named by the table of the instrument the other file's header names
// and mapped by that name to the open file's instrument as Save As maps styles, with the
// default style (the one chosen while that instrument is the target, else its table's last),
// the records it drops, "FIX," and user styles as the settings say; the log is written as Save
// As writes it. A file holds no more than 32767 records. Records the other file marks deleted are
// left out. The open file's record limit is checked before anything changes. The records go to the
// end of the image and of the list as one step that can be undone.
MergeOutcome MergeFile(Workspace& workspace, const std::filesystem::path& path,
                       const MergeOptions& options, Interaction& ui);

// What the status bar says of a merge: "12 records merged, 2 duplicates left out".
std::string MergeOutcomeText(const MergeOutcome& outcome);

}  // namespace quillory
