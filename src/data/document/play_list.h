#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "data/document/music_finder_document.h"
#include "data/document/record_filter.h"

namespace quillory {

class Interaction;

// A row of a play list saved as text: the song, its style and the comment typed for it.
struct SavedPlayListRow {
    std::string music;
    std::string style;
    std::string comment;
};

// What the play list found changed when it opened again: the titles of the rows appended for
// records ticked since and of the rows removed for records unticked since.
struct PlayListChanges {
    std::vector<std::string> added;
    std::vector<std::string> removed;
};

// The status line's account of the changes ("Added Song 5; removed Song 1, Song 3"); empty when
// nothing changed.
std::string ChangesSummary(const PlayListChanges& changes);

enum class PlayListLayout {
    kDefault,    // number, music, style, time signature, tempo, comment
    kSongGenre,  // number, genre, music
};

// The play list as data: a numbered running order built from the ticked rows of the main list.
// Each row holds its number ("00003", a position in the running order) and its cells; the
// numbers stay a permutation of 1 to the row count.
class PlayList {
public:
    using Row = std::vector<std::string>;

    PlayListLayout Layout() const { return layout_; }
    const std::vector<Row>& Rows() const { return rows_; }
    std::optional<std::size_t> Selected() const { return selected_; }
    int SelectedNumber() const { return selectedNumber_; }
    bool Sorted() const { return sorted_; }
    int SortColumn() const { return sortColumn_; }
    SortOrder Order() const { return order_; }

    // The window became active: the ticked rows the main list shows and that are not listed yet
    // are appended in the main list's order (a row whose music and style are listed already
    // counts as listed); then the first row is selected.
    void Activate(const MusicFinderDocument& main, const RecordFilter& shown = {});
    // Empties the list and fills it again in the layout, numbering from 1; comments are lost.
    void SetLayout(PlayListLayout layout, const MusicFinderDocument& main,
                   const RecordFilter& shown = {});
    // The window opens again over the list kept from its last opening: rows whose record is no
    // longer ticked go, the others keep their order and comments and are numbered 1 to n again,
    // and the records ticked since are appended as an activation appends them.
    PlayListChanges Reopen(const MusicFinderDocument& main);
    // Replaces the list by a saved one in the default layout: each saved row takes the first
    // record not taken yet with its music and style, keeping its place and comment, and the
    // ticks of the main list become those records. The saved rows that match no record, as
    // "position music (style)", are returned.
    std::vector<std::string> LoadSaved(const std::vector<SavedPlayListRow>& saved,
                                       MusicFinderDocument& main);

    // Comments typed or positions changed since the list was last saved or loaded.
    bool Modified() const { return modified_; }
    void MarkSaved() { modified_ = false; }

    // A click on a row: the commands act on the row with that row's number.
    void RowClicked(std::size_t row);
    // The row the commands act on.
    std::optional<std::size_t> ActedOnRow() const;
    // The title of the acted-on row, as the commands' input boxes show it: its music (its genre
    // in the song-genre layout); empty when no row is acted on.
    std::string ActedOnTitle() const;

    // The acted-on row's comment; fails in the song-genre layout, which has no comments.
    void SetComment(const std::string& comment);
    // Moves the acted-on row to the position the answer names, renumbering the rows between,
    // and shows the list in number order. An empty answer does nothing; a position outside 1 to
    // the row count is refused with a message.
    void ChangePosition(const std::string& answer, Interaction& ui);

    // A click on a column header, as in the main list.
    void HeaderClicked(int column);

private:
    void Append(const Record& main);
    static std::string ListedKey(const std::string& first, const std::string& second);
    // The key a record's row has in the current layout: its cells 1 and 2.
    std::string RowKey(const Record& main) const;
    // Numbers the rows 1 to n in the order of their numbers and lists their keys afresh.
    void Renumber();
    void SelectFirst();
    void Sort();

    PlayListLayout layout_ = PlayListLayout::kDefault;
    std::vector<Row> rows_;
    std::unordered_set<std::string> listed_;  // cells 1 and 2 of the rows, for the duplicate test
    std::int16_t counter_ = 0;
    std::optional<std::size_t> selected_;
    int selectedNumber_ = 0;
    bool sorted_ = false;
    int sortColumn_ = 0;
    SortOrder order_ = SortOrder::kAscending;
    bool modified_ = false;
};

// The main window's "Play List " button: the play list opens only while a row shown is
// ticked; without one the user is told why. True when it may open.
bool PlayListMayOpen(const MusicFinderDocument& main, Interaction& ui,
                     const RecordFilter& shown = {});

}  // namespace quillory
