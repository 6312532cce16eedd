#include "data/play_list.h"

#include "data/text.h"
#include "harness.h"

namespace quillory::testkit {
namespace {

// A main list of ticked rows "Song n" in "Style n" and "Genre n", tempo 90 + n.
RecordList Songs(int count) {
    RecordList list;
    for (int n = 1; n <= count; ++n) {
        const std::string s = std::to_string(n);
        Row row;
        row.cells = {ZeroPad(n, 5), "Genre " + s, "Song " + s,
                     "Style " + s,  " 4/ 4",      ZeroPad(90 + n, 3)};
        row.checked = true;
        row.record = n;
        list.Append(row);
    }
    return list;
}

// The rows in display order as "number:song", "3:5" for number 3 holding Song 5.
std::string Shown(const PlayList& list) {
    std::string shown;
    for (const auto& row : list.Rows()) {
        shown +=
            (shown.empty() ? "" : " ") + std::to_string(std::stoi(row[0])) + ":" + row[1].substr(5);
    }
    return shown;
}

// The ticked rows not listed yet join in the main list's order, numbered on; a row with the
// music and style of a listed one counts as listed, and a tick cleared since removes nothing.
TEST(PlayListTest, ActivationAppendsTheNewlyTickedRowsInMainListOrder) {
    RecordList main = Songs(5);
    main.SetCell(3, kMusicColumn, "Song 1");  // the music and style of row 1
    main.SetCell(3, kStyleColumn, "Style 1");
    main.SetCell(4, kMusicColumn, "Song 1");  // the music of row 1 in another style
    main.SetChecked(1, false);
    main.SetSort(true, kTempoColumn, SortOrder::kDescending);
    PlayList list;
    list.Activate(main);
    EXPECT_EQ(list.Rows(),
              (std::vector<Texts>{{"00001", "Song 1", "Style 5", " 4/ 4", "095", " "},
                                  {"00002", "Song 1", "Style 1", " 4/ 4", "094", " "},
                                  {"00003", "Song 3", "Style 3", " 4/ 4", "093", " "}}));
    EXPECT_EQ(list.Selected(), 0u);
    main.SetChecked(*main.FindRecord(3), false);
    main.SetChecked(*main.FindRecord(2), true);
    list.RowClicked(2);
    list.Activate(main);
    EXPECT_EQ(Shown(list), "1:1 2:1 3:3 4:2");
    EXPECT_EQ(list.SelectedNumber(), 1);
}

// Moving a row renumbers the rows between and shows the list in number order; after a sort by
// another column the move acts on the clicked number and sorts that column ascending. Halves
// round to even.
TEST(PlayListTest, ChangePositionRenumbersTheRowsBetween) {
    PlayList list;
    list.Activate(Songs(7));
    ScriptedInteraction ui;
    list.RowClicked(4);  // rows in number order, as after each move
    list.ChangePosition("2", ui);
    EXPECT_EQ(Shown(list), "1:1 2:5 3:2 4:3 5:4 6:6 7:7");
    list.RowClicked(1);
    list.ChangePosition("5.5", ui);
    EXPECT_EQ(Shown(list), "1:1 2:2 3:3 4:4 5:6 6:5 7:7");
    list.HeaderClicked(1);
    list.HeaderClicked(1);
    list.RowClicked(0);  // Song 7, number 7
    list.ChangePosition("1.5", ui);
    EXPECT_EQ(Shown(list), "1:1 3:2 4:3 5:4 7:5 6:6 2:7");
    EXPECT_EQ(list.Order(), SortOrder::kAscending);
    EXPECT_EQ(list.Selected(), 0u);
    EXPECT_TRUE(ui.messages.empty());

    // Positions outside the list are refused; an empty answer (also Cancel) does nothing.
    const std::vector<Texts> before = list.Rows();
    for (const char* answer : {"8", "abc", "0", "0.5", ""}) {
        list.ChangePosition(answer, ui);
    }
    EXPECT_EQ(ui.messages, Texts(4, "Keep your choices within 1 and 7"));
    EXPECT_EQ(list.Rows(), before);
}

// A comment goes to the row with the clicked number, whatever its place; the song-genre layout
// rebuilds the list from the ticks, numbered from 1, without comments.
TEST(PlayListTest, CommentsAndLayouts) {
    RecordList main = Songs(3);
    PlayList list;
    list.Activate(main);
    list.HeaderClicked(1);
    list.HeaderClicked(1);  // Song 3, Song 2, Song 1
    list.RowClicked(0);
    list.SetComment("last");
    list.SetComment("first");  // then number 1 is acted on
    EXPECT_EQ(list.Rows()[0], (Texts{"00003", "Song 3", "Style 3", " 4/ 4", "093", "last"}));
    EXPECT_EQ(list.Rows()[2][5], "first");
    main.SetChecked(0, false);
    list.SetLayout(PlayListLayout::kSongGenre, main);
    EXPECT_EQ(list.Rows(),
              (std::vector<Texts>{{"00001", "Genre 2", "Song 2"}, {"00002", "Genre 3", "Song 3"}}));
    list.RowClicked(0);
    EXPECT_THROW(list.SetComment("x"), Failure);
}

TEST(PlayListTest, OpensOnlyWhileARowIsTicked) {
    RecordStore store;
    ScriptedInteraction ui;
    store.list = Songs(2);
    store.list.SetChecked(0, false);
    EXPECT_TRUE(PlayListMayOpen(store, ui));
    store.list.SetChecked(1, false);
    EXPECT_FALSE(PlayListMayOpen(store, ui));
    EXPECT_FALSE(store.window.playListEnabled);
    EXPECT_EQ(ui.messages, Texts{"At least one record must be checked to go to PlayList"});
}

}  // namespace
}  // namespace quillory::testkit
