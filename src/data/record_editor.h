#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "interaction.h"
#include "record_store.h"

namespace quillory {

// What the record editor holds when OK is pressed: the selected entries of its lists (none
// when nothing is selected) and the texts as typed.
struct EditorValues {
    std::optional<std::string> genre;
    std::string music;
    std::optional<StyleChoice> style;
    std::string timeSig;  // gEditTimeSig, " 4/ 4"
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

// Add: the editor starts a new record in 4/4 (the caller empties the title and keywords, sets
// the tempo to 100 and clears the marks; the lists keep what they showed last).
void PrepareAdd(RecordStore& store);

// Modify: the editor changes the clicked record; nothing happens without an open file or when
// that record's row is deleted. True when the editor is to be shown.
bool PrepareModify(RecordStore& store);

// What the editor selects when it becomes active in Modify mode: the clicked record's style,
// intro and section as its row shows them.
struct EditorSelection {
    std::string style;
    std::string intro;
    std::string section;
};
std::optional<EditorSelection> EditorActivation(const RecordStore& store);

// Writes the editor's values into the cells of a row, as typed.
void EditorToRow(RecordList& list, std::size_t row, const EditorValues& values);

// Writes the editor's values into record n of the image: style number, time signature, tempo,
// marks, texts (their first characters, zero-padded) and the intro and section byte.
void EditorToRecord(Bytes& image, int n, const EditorValues& values);

// What OK asks of the editor window afterwards.
enum class EditorOkResult {
    kDone,        // hide the editor and size the list's columns
    kRefused,     // a message was shown; the editor stays as it is
    kFocusMusic,  // refused for an empty song title: the focus goes to the title
};

// The editor's OK. In Add mode a new row and record are appended (after the checks for a genre,
// a song title and a tempo), selected and counted in the header; in Modify mode the row showing
// gSelectedRecord and that record receive the values. Then the preview runs.
EditorOkResult EditorOk(RecordStore& store, const EditorValues& values, Interaction& ui);

}  // namespace quillory
