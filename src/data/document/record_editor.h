#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "data/common/interaction.h"
#include "data/document/workspace.h"

namespace quillory {

// What the record editor holds when OK is pressed: the selected entries of its lists (none
// when nothing is selected) and the texts as typed.
struct EditorValues {
    std::optional<std::string> genre;
    std::string music;
    std::optional<StyleChoice> style;
    std::string timeSig = " 4/ 4";
    std::string tempo;
    std::string keywords;
    bool favorite = false;
    bool search1 = false;
    bool search2 = false;
    std::string intro = "Off";
    std::string section = "Off";
};

// The tempo the editor accepts when its box is left: 32 to 280.
bool TempoAccepted(const std::string& text);

// The entries of the editor's intro and section lists, in order; each entry's code is its index.
inline constexpr std::size_t kSectionChoiceCount = 11;

// Modify: the editor changes the highlighted row's record; nothing happens without an open
// file, without a highlighted row or when that row is deleted. True when the editor is to be
// shown.
bool ModifyAllowed(const Workspace& workspace, std::optional<std::size_t> row);
// What the user is told when Modify has no record to act on: no row is highlighted, or the
// highlighted row is deleted. Nothing when it has one.
std::optional<std::string> ModifyRefusal(const MusicFinderDocument& document,
                                         std::optional<std::size_t> row);

// What the editor selects when it is shown for Modify: the row's style, intro and section as
// the row shows them.
struct EditorSelection {
    std::string style;
    std::string intro;
    std::string section;
};
EditorSelection EditorActivation(const MusicFinderDocument& document, std::size_t row);

// What OK asks of the editor window afterwards.
enum class EditorOkResult {
    kDone,        // hide the editor and size the list's columns
    kRefused,     // a message was shown; the editor stays as it is
    kFocusMusic,  // refused for an empty song title: the focus goes to the title
};

struct EditorOutcome {
    EditorOkResult result = EditorOkResult::kRefused;
    std::optional<std::size_t> row;  // where the added or changed record's row stands
};

// The editor's OK in Add mode: after the checks for a style, a genre, a song title and a tempo,
// a new row and record are appended and counted in the header. Then the preview runs.
EditorOutcome EditorAdd(Workspace& workspace, const EditorValues& values, Interaction& ui);
// The editor's OK in Modify mode: the highlighted row and its record receive the values (after
// the checks for a row to act on and a style). Then the preview runs.
EditorOutcome EditorModify(Workspace& workspace, std::optional<std::size_t> row,
                           const EditorValues& values, Interaction& ui);

}  // namespace quillory
