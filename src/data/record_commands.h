#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "record_store.h"

namespace quillory {

// The commands of the main window's buttons and list. Each changes the rows and the record
// bytes together; a row finds its record by the number it shows, never by its position, so
// every command hits the right record after the list was sorted.

// The user ticked or cleared the check box of a row: the counter follows, Play List becomes
// available, and Del Chk'd while any row is ticked.
void CheckBoxChanged(RecordStore& store, std::size_t row, bool checked);

void CheckAll(RecordStore& store);
void UncheckAll(RecordStore& store);
// Ticks the clear rows and clears the ticked ones.
void InvertChecks(RecordStore& store);

// Marks the selected row deleted: its genre reads "deleted" and its music, time signature,
// tempo, keywords and style are emptied. The record's bytes stay; saving leaves it out. Without
// a selected row nothing happens.
void DeleteSelected(RecordStore& store);
// Deletes every ticked row and clears its tick.
void DeleteChecked(RecordStore& store);

// Clears one mark (favourite, search 1 or search 2) in every row and every record.
enum class Mark { kFavorite, kSearch1, kSearch2 };
void ClearMark(RecordStore& store, Mark mark);

// Adds "," and the text to the keywords of every row, deleted ones too, and writes the first
// 32 characters into the record over as many bytes as they take. An empty text changes nothing.
void KeywordAdd(RecordStore& store, const std::string& text);

// Toggles the favourite of the selected row and its record; nothing without a selected row.
void ToggleFavorite(RecordStore& store);

// A click on a column header: the same column again reverses the order, another column sorts
// ascending by it.
void ColumnHeaderClicked(RecordStore& store, int column);

// The time signatures the record editor offers, in the order of its option buttons.
inline constexpr std::size_t kTimeSigCount = 5;
extern const char* const kTimeSigs[kTimeSigCount];  // " 2/ 4", " 4/ 4", " 3/ 4", " 6/ 8", " 0/ 0"

// What a row click hands to the record editor and the style replace window.
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

// A click on a row: it becomes the selected record for Delete, Modify and Replace, and its
// values go to the record editor.
RowClick RowClicked(RecordStore& store, std::size_t row);

}  // namespace quillory
