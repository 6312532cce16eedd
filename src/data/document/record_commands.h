#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "data/document/record_filter.h"
#include "data/document/workspace.h"

namespace quillory {

// The commands of the main window's buttons and list. Each changes the rows and the record
// bytes together as one step that can be undone; a row finds its record by its position in
// the image, never by its place in the list, so every command hits the right record after the
// list was sorted.

// Ticks or clears every row the filter shows; InvertChecks ticks the clear rows shown and
// clears the ticked ones. Rows the filter hides keep their ticks. Each gives the number of rows
// ticked afterwards, hidden ones included.
std::size_t CheckAll(MusicFinderDocument& document, const RecordFilter& shown = {});
std::size_t UncheckAll(MusicFinderDocument& document, const RecordFilter& shown = {});
std::size_t InvertChecks(MusicFinderDocument& document, const RecordFilter& shown = {});

// Marks the row deleted: its genre reads "deleted" and its music, time signature, tempo,
// keywords and style are emptied. The record's bytes stay; saving leaves it out.
void DeleteRecord(MusicFinderDocument& document, std::size_t row);
// Deletes every ticked row the filter shows and clears its tick; ticked rows it hides stay.
// Gives the number of rows deleted.
std::size_t DeleteChecked(MusicFinderDocument& document, const RecordFilter& shown = {});

// Clears one mark (favourite, search 1 or search 2) in every row and every record. Gives the
// number of rows whose mark was set.
enum class Mark { kFavorite, kSearch1, kSearch2 };
std::size_t ClearMark(MusicFinderDocument& document, Mark mark);

// Adds "," and the text to the keywords of every row, deleted ones too (the text alone to
// empty keywords), and writes them into the record over as many bytes as they take. A row whose
// keywords would pass the record's 32 characters keeps them, in the list and in the record.
// An empty text changes nothing.
struct KeywordAdded {
    std::size_t added = 0;      // rows that took the keyword
    std::size_t unchanged = 0;  // rows left as they were for want of room
};
KeywordAdded KeywordAdd(MusicFinderDocument& document, const std::string& text);
// What the user is told when rows had no room for the keyword; nothing when none was left.
std::optional<std::string> KeywordNoRoomMessage(std::size_t unchanged);

// Toggles the favourite of the row and its record.
void ToggleFavorite(MusicFinderDocument& document, std::size_t row);

// A click on a column header: the same column again reverses the order, another column sorts
// ascending by it.
void ColumnHeaderClicked(MusicFinderDocument& document, int column);

// The time signatures the record editor offers, in the order of its option buttons.
inline constexpr std::size_t kTimeSigCount = 5;
extern const char* const kTimeSigs[kTimeSigCount];  // " 2/ 4", " 4/ 4", " 3/ 4", " 6/ 8", " 0/ 0"

// What the highlighted row hands to the record editor and the style replace window.
struct RowClick {
    std::string music;
    std::string tempo;
    std::string keywords;
    std::string style;  // the replace window's current style
    bool favorite = false;
    bool search1 = false;
    bool search2 = false;
    std::optional<std::size_t> timeSig;     // the editor's option to select, if one matches
    std::optional<std::size_t> genreIndex;  // the editor's genre entry to select, if any
};

// The values of a row for the record editor.
RowClick RowClicked(const Workspace& workspace, std::size_t row);

}  // namespace quillory
