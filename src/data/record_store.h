#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "record_list.h"
#include "style_table.h"

namespace quillory {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kHeaderSize = 38;
inline constexpr std::size_t kRecordSize = 92;
inline constexpr std::size_t kCountOffset = 34;
inline constexpr std::size_t kInitialGenreSlots = 31;
inline constexpr std::size_t kGenreSlotGrowth = 30;

// Offset of record n (counted from 1) in a file image.
constexpr std::size_t RecordOffset(int n) {
    return kHeaderSize + static_cast<std::size_t>(n - 1) * kRecordSize;
}

// The big-endian 16-bit value at offset. A first byte of 128 or more fails with overflow, and
// an offset past the end of the image with input past end of file.
std::int16_t ReadBigEndian16(const Bytes& bytes, std::size_t offset);
// Writes the high byte, then the low byte. A value that the reader could not read back (below
// 0 or above 32767) fails with overflow.
void WriteBigEndian16(Bytes& bytes, std::size_t offset, int value);

// Puts a 92-byte record as record n into the image, growing the image as far as needed, and
// makes n the header's record count.
void PutRecord(Bytes& image, int n, const Bytes& record);

// Which item of the source-instrument menu carries the tick: "Auto" takes the instrument from
// the file header, "Use Style Numbers" shows numbers, or one instrument is fixed.
struct SourceMenu {
    enum class Choice { kAuto, kStyleNumbers, kInstrument };
    Choice choice = Choice::kAuto;
    std::string instrument;  // the fixed instrument's identifier

    bool Auto() const { return choice == Choice::kAuto; }
    bool StyleNumbers() const { return choice == Choice::kStyleNumbers; }
};

// What the main window shows besides the list: its title and which controls are enabled (the
// checked-rows counter is the list's count of ticked rows). The core keeps it so that every
// command's effect on it is tested.
struct MainWindowState {
    std::string title = "Quillory";
    bool fileControlsEnabled =
        false;  // the frames, Add, Check, Uncheck, Invert, Fav, S1, S2, Search
    bool rowControlsEnabled = false;          // Delete and Modify: after a row was clicked or added
    bool replaceEnabled = false;              // Replace: after a row was clicked
    bool deleteCheckedEnabled = false;        // Del Chk'd
    bool playListEnabled = false;             // Play List
    bool doubleClickTogglesFavorite = false;  // "Toggle Favorite" ticked instead of "Edit Record"
};

// The program-wide state: the open file's image, the instrument settings and options, the
// genres, the source style table, the record list and the record editor's choice lists. One
// object is created at start-up and handed to every window.
struct RecordStore {
    explicit RecordStore(std::filesystem::path programFolder = {});

    std::string gFileName;
    Bytes gFileBytes;
    std::int16_t gRecordCount = 0;
    std::string gSourceInstrument;
    std::string gTargetInstrument;
    std::string gDefaultStyle;
    bool gAllowUserStyles = false;
    Colour gUnknownStyleColor = kRed;
    bool gFileLoaded = false;
    bool gStylesMissing = false;
    std::vector<std::string> gGenres;
    SourceStyles gSourceStyles;
    bool gAddMode = false;
    std::string gEditTimeSig;
    std::int16_t gSelectedRecord = 0;
    Bytes gOutBytes;

    RecordList list;
    std::vector<StyleChoice> styleChoices;  // the record editor's style list
    std::vector<std::string> genreChoices;  // the record editor's genre list
    SourceMenu sourceMenu;
    MainWindowState window;

    // Style tables, logs, the help file and the icon live here.
    std::filesystem::path programFolder;
    // Where the conversion and import logs go; no log is written where none is set.
    std::optional<std::filesystem::path> exportLogPath;
    std::optional<std::filesystem::path> importLogPath;

    std::filesystem::path ProgramFile(const std::string& name) const;

    // The count in header bytes 34 and 35 of the image.
    int HeaderRecordCount() const;

    // Before a read: no rows, 31 empty genre slots, an empty source style table.
    void ResetForRead();
    // When the main window unloads.
    void ReleaseStyles();
};

}  // namespace quillory
