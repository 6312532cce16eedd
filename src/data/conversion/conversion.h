#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <vector>

#include "data/common/interaction.h"
#include "data/document/workspace.h"
#include "data/format/style_name_index.h"

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

// What a conversion needs besides the records and the target's styles.
struct ConversionOptions {
    std::string target;
    std::string sourceInstrument;
    std::string defaultStyle;
    bool allowUserStyles = false;
    bool checkedOnly = false;
    std::string dateTime;  // the time the log's first line names
};

// A considered row and whether the target lacks its style (the cell shows the warning colour).
struct RowStyle {
    std::size_t row = 0;
    bool lacking = false;
};

// The output of a conversion: the output image, the log text and the considered rows.
struct Conversion {
    Bytes image;
    std::string log;
    std::vector<RowStyle> rows;
    bool stylesMissing = false;  // a considered row's style is missing on the target
};

// The local date and time as the log's first line names it.
std::string CurrentDateTime();

// Converts the document's records for the target: maps every style by name to the target's
// numbering, substitutes the default style for styles the target lacks (or drops the record
// when the default style is "None" or empty) and keeps user styles when allowed. Deleted rows,
// and unchecked rows when checkedOnly, are left out. It changes nothing; a failure is thrown.
Conversion ConvertRecords(const MusicFinderDocument& document, const StyleNameIndex& target,
                          const ConversionOptions& options);

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::kPreviewed;
    bool stylesMissing = false;  // a considered record's style is missing on the target
    std::optional<std::filesystem::path> file;  // the file written, when one was
};

// Converts the open records for the target instrument (ConvertRecords with the target's table
// and the workspace's settings), puts the list in record order, colours the style cells of the
// considered rows and rewrites the conversion log; in save mode it writes the output file
// the user chooses. The file written is a converted copy: the open document stays as it was,
// its unsaved changes and modified mark included.
ConversionResult SaveMusicFinder(Workspace& workspace, const std::string& target, bool checkedOnly,
                                 ConversionMode mode, Interaction& ui);

// The preview that follows every change which can alter the missing styles, run only while a
// file is loaded.
std::optional<ConversionResult> RefreshPreview(Workspace& workspace, Interaction& ui);

}  // namespace quillory
