#pragma once

#include <cstdint>
#include <string>

#include "data/common/shared_text.h"

namespace quillory {

// Columns of the record list; column 0 is the row's item text, the record number.
enum Column : int {
    kNumberColumn = 0,
    kGenreColumn,
    kMusicColumn,
    kStyleColumn,
    kTimeSigColumn,
    kTempoColumn,
    kKeywordsColumn,
    kFavoriteColumn,
    kSearch1Column,
    kSearch2Column,
    kIntroColumn,
    kSectionColumn,
};
inline constexpr int kColumnCount = 12;

// Text colour of a style cell, a 24-bit value in blue-green-red order.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kRed = 255;
inline constexpr Colour kBlue = 16711680;

enum class SortOrder { kAscending, kDescending };

// The genre a deleted record shows. A record whose genre is this text has always counted as
// deleted: saving leaves it out, wherever the text came from.
inline constexpr const char* kDeletedMark = "deleted";

// One record of the open file as the list shows it. Its 92 bytes lie in the file image at
// `position`; the texts are as they were read or typed (the record keeps at most its fields'
// widths of them), the marks and sections are what the record holds.
struct Record {
    int position = 0;  // the record in the image, counted from 1
    int number = 0;    // the number the list shows ("00012")
    std::string genre;
    std::string music;
    SharedText style;     // the style's name, or its number when the source table has no name;
                          // records of one style share it
    std::string timeSig;  // " 4/ 4"
    std::string tempo;    // "096"
    std::string keywords;
    bool favorite = false;
    bool search1 = false;
    bool search2 = false;
    int intro = 0;  // section codes: 0 "Off", 1 "Intro 1" ... 10 "Ending 3"
    int next = 0;
    bool deleted = false;
    bool checked = false;         // the row's tick
    Colour styleColour = kBlack;  // the style cell's colour, set by the conversion preview

    // The text of a column as the list shows it.
    std::string Cell(int column) const;
    // The genre as typed; a genre reading "deleted" marks the record deleted.
    void SetGenre(std::string text);

    bool operator==(const Record&) const = default;
};

}  // namespace quillory
