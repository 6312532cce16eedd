#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/conversion/style_table_cache.h"
#include "data/document/music_finder_document.h"
#include "data/format/record.h"
#include "data/format/style_table.h"

namespace quillory {

inline constexpr std::size_t kInitialGenreSlots = 31;
inline constexpr std::size_t kGenreSlotGrowth = 30;

// Which item of the source-instrument menu carries the tick: "Auto" takes the instrument from
// the file header, "Use Style Numbers" shows numbers, or one instrument is fixed.
struct SourceMenu {
    enum class Choice { kAuto, kStyleNumbers, kInstrument };
    Choice choice = Choice::kAuto;
    std::string instrument;  // the fixed instrument's identifier

    bool Auto() const { return choice == Choice::kAuto; }
    bool StyleNumbers() const { return choice == Choice::kStyleNumbers; }
    bool operator==(const SourceMenu&) const = default;
};

// The options that steer how styles are shown and converted; they last for the whole run.
struct Settings {
    std::string targetInstrument;  // what Save As converts to and the editor offers styles of
    std::string defaultStyle;      // replaces styles the target lacks; "None" drops the record
    bool allowUserStyles = false;
    Colour unknownStyleColour = kRed;
    SourceMenu sourceMenu;
};

// The record editor's lists: the target's styles with their numbers (and the user styles met),
// and the file's genres.
struct EditorChoices {
    std::vector<StyleChoice> styles;
    std::vector<std::string> genres;
};

// What is known of the open file beyond its records.
struct OpenFile {
    std::string name;              // without its folder, as the open dialog reports it
    std::filesystem::path path;    // where it was read from, and where Save writes it back
    std::string sourceInstrument;  // whose style numbering the file uses; "numbers" or empty
    // The distinct genres of the file in order of first occurrence, in slots that grow by 30
    // so that the last one is always empty.
    std::vector<std::string> genres;
    bool loaded = false;  // a file has been read in this run
};

// Where the program's files are: the help file, the icon and the shipped style tables in the
// program's folder (which may not be writable); the two logs and the user's own style tables in
// the user's data folder, made on first use. Without a data folder no log is written and only
// the program's style tables are read.
struct ProgramFiles {
    explicit ProgramFiles(std::filesystem::path programFolder = {},
                          std::filesystem::path dataFolder = {});
    std::filesystem::path File(const std::string& name) const { return folder / name; }
    // The folder of the user's own style tables, looked in before the program's folder.
    std::optional<std::filesystem::path> UserStyles() const;

    std::filesystem::path folder;
    std::filesystem::path dataFolder;
    std::optional<std::filesystem::path> exportLog;
    std::optional<std::filesystem::path> importLog;
    // The logs whose last write failed: each failure is reported once, not on every change.
    std::set<std::filesystem::path> unwritableLogs;
};

// Where the program's own files are for an executable in that folder: beside it (a build, a
// Windows folder), or in share/quillory beside its bin folder (an installed package).
std::filesystem::path ProgramFilesFolder(const std::filesystem::path& executableFolder);

// The program's state apart from its windows, made once at start-up: the open document, what
// is known of its file, the settings and the editor's lists.
struct Workspace {
    explicit Workspace(std::filesystem::path programFolder = {},
                       std::filesystem::path dataFolder = {});

    MusicFinderDocument document;
    OpenFile file;
    Settings settings;
    EditorChoices choices;
    ProgramFiles files;
    StyleTableCache styleTables;  // the target tables the previews read
};

}  // namespace quillory
