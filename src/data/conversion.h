#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "interaction.h"
#include "workspace.h"

namespace quillory {

enum class ConversionMode {
    kPreview,  // colour the missing styles and rewrite the log; no file
    kSave,     // the same, then check the record limit, ask for a file name and write it
};

enum class ConversionOutcome {
    kPreviewed,
    kSaved,
    kNotSaved,   // the save dialog or the overwrite question was cancelled
    kOverLimit,  // the target takes fewer records; the limit message was shown
    kFailed,     // reported through the shared error report
};

// The save dialog for Music Finder files.
FileDialogRequest MusicFinderFileDialog();

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::kPreviewed;
    bool stylesMissing = false;  // a considered record's style is missing on the target
    std::optional<std::filesystem::path> file;  // the file written, when one was
};

// Converts the open records for the target instrument: maps every style by name to the
// target's numbering, substitutes the default style for styles the target lacks (or drops the
// record when the default style is "None" or empty), keeps user styles when allowed, colours
// the style cells of the considered rows, builds the output image and rewrites the conversion
// log. Deleted rows, and unchecked rows when checkedOnly, are left out. The file written is a
// converted copy: the open document stays as it was, unsaved changes included.
ConversionResult SaveMusicFinder(Workspace& workspace, const std::string& target, bool checkedOnly,
                                 ConversionMode mode, Interaction& ui);

// The preview that follows every change which can alter the missing styles, run only while a
// file is loaded.
std::optional<ConversionResult> RefreshPreview(Workspace& workspace, Interaction& ui);

}  // namespace quillory
