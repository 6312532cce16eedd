#pragma once

#include <cstddef>
#include <limits>

namespace quillory {

// Where the main window stands when it shows its commands.
struct CommandSituation {
    // Every row of the list is shown (no filter hides any).
    static constexpr std::size_t kAllRows = std::numeric_limits<std::size_t>::max();

    bool savedFileOpen = false;  // the records came from a file that Save can write back to
    bool rowHighlighted = false;
    std::size_t rowsShown = kAllRows;
};

// Which of the main window's commands are enabled.
struct CommandStates {
    // The Clear, Edit Item and Checkbox Control frames with Fav, S1, S2, Add, Check, Uncheck,
    // Invert and the ticked counter, and Search.
    bool fileCommands = false;
    bool rowCommands = false;  // Delete, Modify and Replace
    bool deleteChecked = false;
    bool playList = false;
    bool save = false;

    bool operator==(const CommandStates&) const = default;
};

// The part of the enabled states that follows what the user did, not the counts alone: the
// file commands come with the first file read in full and stay; Del Chk'd and Play List follow
// the tick commands, each in its own way, and keep their state between them.
class CommandMemory {
public:
    // A file was read in full.
    void FileRead() { fileCommands_ = true; }
    // One check box was ticked or cleared; ticked rows are now ticked.
    void TickToggled(std::size_t ticked);
    // Check ticked every row shown; Uncheck cleared every row shown, and stillTicked rows that
    // a filter hides keep their ticks.
    void AllTicked();
    void AllUnticked(std::size_t stillTicked);
    // Invert left ticked rows ticked, of a list of rows rows.
    void Inverted(std::size_t ticked, std::size_t rows);
    // Del Chk'd deleted the ticked rows shown; stillTicked rows that a filter hides are left.
    void CheckedDeleted(std::size_t stillTicked) { deleteChecked_ = stillTicked > 0; }
    // The search ticked the matched rows it found.
    void FoundAndTicked(std::size_t matched);
    // Undo or redo gave back records with ticked rows ticked.
    void HistoryMoved(std::size_t ticked);
    // Play List was pressed: the window opened, or the user was told that nothing is ticked.
    void PlayListAsked(bool opened) { playList_ = opened; }

    // The enabled state of every command of the main window in a situation.
    CommandStates States(const CommandSituation& situation) const;

private:
    bool fileCommands_ = false;
    bool deleteChecked_ = false;
    bool playList_ = false;
};

}  // namespace quillory
