#include "data/play_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/failure.h"
#include "data/text.h"
#include "support/scripted_interaction.h"

namespace quillory {
namespace {

using testkit::ScriptedInteraction;
using Cells = std::vector<std::string>;

Row MainRow(int number, const std::string& genre, const std::string& music,
            const std::string& style, bool checked = true) {
    Row row;
    row.cells = {ZeroPad(number, 5), genre, music, style, " 4/ 4", ZeroPad(90 + number, 3)};
    row.checked = checked;
    row.record = number;
    return row;
}

// A main list of songs "Song 1" ... "Song n", all ticked, each in its own style.
RecordList Songs(int count) {
    RecordList list;
    for (int n = 1; n <= count; ++n) {
        list.Append(MainRow(n, "Genre " + std::to_string(n), "Song " + std::to_string(n),
                            "Style " + std::to_string(n)));
    }
    return list;
}

// The play list's numbers and musics in display order, as "00002 Song 5".
std::vector<std::string> Shown(const PlayList& list) {
    std::vector<std::string> shown;
    for (const auto& row : list.Rows()) {
        shown.push_back(row[0] + " " + row[1]);
    }
    return shown;
}

// The number of the row with that music.
std::string NumberOf(const PlayList& list, const std::string& music) {
    for (const auto& row : list.Rows()) {
        if (row[1] == music) {
            return row[0];
        }
    }
    return "none";
}

// Clicks the row that carries the number.
void ClickNumber(PlayList& list, int number) {
    for (std::size_t i = 0; i < list.Rows().size(); ++i) {
        if (list.Rows()[i][0] == ZeroPad(number, 5)) {
            list.RowClicked(i);
            return;
        }
    }
    FAIL() << "no row " << number;
}

TEST(PlayListTest, ActivationAppendsTheNewlyTickedRowsInMainListOrder) {
    RecordList main;
    main.Append(MainRow(1, "Pop", "Alpha", "Cool Pop"));
    main.Append(MainRow(2, "Rock", "Bravo", "8Beat", false));
    main.Append(MainRow(3, "Jazz", "Charlie", "Swing"));
    main.Append(MainRow(4, "Jazz", "Alpha", "Cool Pop"));  // same music and style as row 1
    main.Append(MainRow(5, "Jazz", "Alpha", "Swing"));     // same music, other style
    main.SetSort(true, kMusicColumn, SortOrder::kDescending);

    PlayList list;
    list.Activate(main);
    EXPECT_EQ(list.Rows(), (std::vector<Cells>{
                               {"00001", "Charlie", "Swing", " 4/ 4", "093", " "},
                               {"00002", "Alpha", "Cool Pop", " 4/ 4", "091", " "},
                               {"00003", "Alpha", "Swing", " 4/ 4", "095", " "},
                           }));
    EXPECT_EQ(list.Selected(), 0u);
    EXPECT_EQ(list.SelectedNumber(), 1);

    // Coming back: a tick cleared since removes nothing, a new tick is appended, the listed rows
    // are not listed twice.
    main.SetChecked(*main.FindRecord(3), false);
    main.SetChecked(*main.FindRecord(2), true);
    list.RowClicked(2);
    list.Activate(main);
    EXPECT_EQ(Shown(list), (std::vector<std::string>{"00001 Charlie", "00002 Alpha", "00003 Alpha",
                                                     "00004 Bravo"}));
    EXPECT_EQ(list.SelectedNumber(), 1);
}

TEST(PlayListTest, ChangePositionRenumbersTheRowsBetweenAndShowsNumberOrder) {
    const RecordList main = Songs(7);
    PlayList list;
    list.Activate(main);
    ScriptedInteraction ui;

    // Up: 5 to 2, the former 2, 3, 4 become 3, 4, 5.
    ClickNumber(list, 5);
    list.ChangePosition("2", ui);
    EXPECT_EQ(Shown(list), (std::vector<std::string>{"00001 Song 1", "00002 Song 5", "00003 Song 2",
                                                     "00004 Song 3", "00005 Song 4", "00006 Song 6",
                                                     "00007 Song 7"}));
    EXPECT_EQ(list.Selected(), 0u);
    EXPECT_EQ(list.SelectedNumber(), 1);

    // Down: 2 to 5, the former 3, 4, 5 become 2, 3, 4.
    ClickNumber(list, 2);
    list.ChangePosition("5", ui);
    EXPECT_EQ(Shown(list), (std::vector<std::string>{"00001 Song 1", "00002 Song 2", "00003 Song 3",
                                                     "00004 Song 4", "00005 Song 5", "00006 Song 6",
                                                     "00007 Song 7"}));
    EXPECT_TRUE(ui.messages.empty());

    // After a sort by another column the move still acts on the clicked number, and the list
    // is sorted ascending by that column.
    list.HeaderClicked(1);
    list.HeaderClicked(1);
    ASSERT_EQ(list.Order(), SortOrder::kDescending);
    ClickNumber(list, 7);
    list.ChangePosition("1", ui);
    EXPECT_EQ(NumberOf(list, "Song 7"), "00001");
    EXPECT_EQ(NumberOf(list, "Song 1"), "00002");
    EXPECT_EQ(NumberOf(list, "Song 6"), "00007");
    EXPECT_EQ(list.Order(), SortOrder::kAscending);
    EXPECT_EQ(list.Rows().front()[1], "Song 1");
}

TEST(PlayListTest, ChangePositionRefusesPositionsOutsideTheListAndRoundsHalvesToEven) {
    const RecordList main = Songs(7);
    PlayList list;
    list.Activate(main);
    const std::vector<Cells> before = list.Rows();
    ScriptedInteraction ui;

    ClickNumber(list, 5);
    for (const char* answer : {"8", "abc", "0"}) {
        list.ChangePosition(answer, ui);
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>(3, "Keep your choices within 1 and 7"));
    EXPECT_EQ(list.Rows(), before);

    // An empty answer (also Cancel) does nothing at all.
    list.ChangePosition("", ui);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(list.Rows(), before);
    EXPECT_FALSE(list.Sorted());

    list.ChangePosition("2.5", ui);
    EXPECT_EQ(NumberOf(list, "Song 5"), "00002");
    ClickNumber(list, 2);
    list.ChangePosition("3.5", ui);
    EXPECT_EQ(NumberOf(list, "Song 5"), "00004");
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST(PlayListTest, LayoutsRebuildTheListFromTheTicksNumberingFromOne) {
    RecordList main = Songs(3);
    PlayList list;
    list.Activate(main);
    ClickNumber(list, 3);
    list.SetComment("slow");
    ScriptedInteraction ui;
    ClickNumber(list, 3);
    list.ChangePosition("1", ui);
    main.SetChecked(0, false);

    list.SetLayout(PlayListLayout::kSongGenre, main);
    EXPECT_EQ(list.Layout(), PlayListLayout::kSongGenre);
    EXPECT_EQ(list.Rows(),
              (std::vector<Cells>{{"00001", "Genre 2", "Song 2"}, {"00002", "Genre 3", "Song 3"}}));
    EXPECT_EQ(list.SelectedNumber(), 1);

    // The song-genre rows have no comment.
    ClickNumber(list, 2);
    try {
        list.SetComment("x");
        ADD_FAILURE() << "a comment was set in the song-genre layout";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), kSubscriptOutOfRange);
    }

    main.SetChecked(0, true);
    list.SetLayout(PlayListLayout::kDefault, main);
    EXPECT_EQ(list.Rows(), (std::vector<Cells>{
                               {"00001", "Song 1", "Style 1", " 4/ 4", "091", " "},
                               {"00002", "Song 2", "Style 2", " 4/ 4", "092", " "},
                               {"00003", "Song 3", "Style 3", " 4/ 4", "093", " "},
                           }));
}

TEST(PlayListTest, CommentsGoToTheRowWithTheClickedNumberAfterASort) {
    const RecordList main = Songs(3);
    PlayList list;
    list.Activate(main);
    list.HeaderClicked(1);
    list.HeaderClicked(1);  // Song 3, Song 2, Song 1

    list.RowClicked(0);
    EXPECT_EQ(list.SelectedNumber(), 3);
    list.SetComment("last");
    EXPECT_EQ(list.Rows()[0], (Cells{"00003", "Song 3", "Style 3", " 4/ 4", "093", "last"}));
    EXPECT_EQ(list.SelectedNumber(), 1);
    EXPECT_EQ(list.Selected(), 0u);

    // Without a new click the comment goes to number 1, the last row shown.
    list.SetComment("first");
    EXPECT_EQ(list.Rows()[2][0], "00001");
    EXPECT_EQ(list.Rows()[2][5], "first");

    // An empty comment (also Cancel) clears it.
    list.RowClicked(0);
    list.SetComment("");
    EXPECT_EQ(list.Rows()[0][5], "");
}

TEST(PlayListTest, OpensOnlyWhileARowIsTicked) {
    RecordStore store;
    ScriptedInteraction ui;
    store.window.playListEnabled = true;
    EXPECT_FALSE(PlayListMayOpen(store, ui));
    EXPECT_FALSE(store.window.playListEnabled);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"At least one record must be checked to go to PlayList"});

    store.list.Append(MainRow(1, "Pop", "Alpha", "Cool Pop", false));
    store.list.Append(MainRow(2, "Pop", "Bravo", "Cool Pop", false));
    EXPECT_FALSE(PlayListMayOpen(store, ui));
    EXPECT_EQ(ui.messages.size(), 2u);

    store.list.SetChecked(1, true);
    EXPECT_TRUE(PlayListMayOpen(store, ui));
    EXPECT_TRUE(store.window.playListEnabled);
    EXPECT_EQ(ui.messages.size(), 2u);
}

}  // namespace
}  // namespace quillory
