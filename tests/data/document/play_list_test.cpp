#include <gtest/gtest.h>

#include "data/document/play_list.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"

namespace quillory::testkit {
namespace {

// Songs 1 to 6, Pop/Cool Pop and Rock/8Beat by turns, then Song 1 in Cool Pop and in 8Beat.
MusicFinderDocument Songs() {
    std::vector<Record> records;
    for (int i = 0; i < 8; ++i) {
        Record song;
        song.position = song.number = i + 1;
        song.music = "Song " + std::to_string(i < 7 ? i % 6 + 1 : 1);
        const bool rock = i == 7 || i % 2 == 1;
        song.genre = rock ? "Rock" : "Pop";
        song.style = rock ? "8Beat" : "Cool Pop";
        song.timeSig = " 4/ 4";
        song.tempo = "120";
        records.push_back(song);
    }
    MusicFinderDocument document;
    document.Load(Bytes(mfd::kHeaderSize, 0), records);
    return document;
}

void Tick(MusicFinderDocument& document, std::initializer_list<std::size_t> rows, bool ticked) {
    for (std::size_t row : rows) {
        document.SetChecked(row, ticked);
    }
}

std::string Shown(const PlayList& list) {
    std::string shown;
    for (const PlayList::Row& row : list.Rows()) {
        shown += (shown.empty() ? "" : "|") + row[0] + " " + row[1];
    }
    return shown;
}

// Ticked rows join in main list order, each song and style once; a layout rebuilds them.
TEST(PlayListTest, ListsTheTickedRowsOnceAndRebuildsThemPerLayout) {
    MusicFinderDocument main = Songs();
    PlayList list;
    Tick(main, {0, 2, 3}, true);
    list.Activate(main);
    EXPECT_EQ(Shown(list), "00001 Song 1|00002 Song 3|00003 Song 4");
    EXPECT_EQ(list.Rows()[0], (PlayList::Row{"00001", "Song 1", "Cool Pop", " 4/ 4", "120", " "}));
    EXPECT_EQ(list.Selected(), 0u);

    Tick(main, {4, 6, 7}, true);
    Tick(main, {0}, false);
    list.RowClicked(2);
    list.Activate(main);
    EXPECT_EQ(Shown(list), "00001 Song 1|00002 Song 3|00003 Song 4|00004 Song 5|00005 Song 1");
    EXPECT_EQ(list.SelectedNumber(), 1);

    list.SetLayout(PlayListLayout::kSongGenre, main);
    EXPECT_EQ(Shown(list), "00001 Pop|00002 Rock|00003 Pop|00004 Pop|00005 Rock");
    EXPECT_EQ(list.Rows()[0].size(), 3u);
    list.SetLayout(PlayListLayout::kDefault, main);
    EXPECT_EQ(list.Rows()[4][5], " ");
}

// Moves and comments act on the clicked number whatever the sort; bad answers are refused.
TEST(PlayListTest, MovesAndCommentsTheClickedNumber) {
    MusicFinderDocument main = Songs();
    Tick(main, {0, 1, 2, 3, 4, 5, 7}, true);
    PlayList list;
    list.Activate(main);
    ScriptedInteraction ui;
    list.RowClicked(4);
    list.ChangePosition("2", ui);
    const std::string moved =
        "00001 Song 1|00002 Song 5|00003 Song 2|00004 Song 3|00005 Song 4|"
        "00006 Song 6|00007 Song 1";
    EXPECT_EQ(Shown(list), moved);
    EXPECT_EQ(list.Selected(), 0u);
    for (const char* answer : {"8", "abc", "0.5", ""}) {
        list.RowClicked(1);
        list.ChangePosition(answer, ui);
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>(3, "Keep your choices within 1 and 7"));
    EXPECT_EQ(Shown(list), moved);
    list.RowClicked(1);
    list.ChangePosition("5.5", ui);  // halves go to the even neighbour
    EXPECT_EQ(Shown(list),
              "00001 Song 1|00002 Song 2|00003 Song 3|00004 Song 4|00005 Song 6|"
              "00006 Song 5|00007 Song 1");

    list.HeaderClicked(1);
    list.HeaderClicked(1);  // by music, descending
    list.RowClicked(0);
    EXPECT_EQ(list.ActedOnTitle(), "Song 6");
    list.SetComment("slow start");
    EXPECT_EQ(list.Rows()[0][5], "slow start");
    list.SetComment("opener");  // the comment left the first row selected: number 1
    EXPECT_EQ(list.Rows()[list.ActedOnRow().value()][1], "Song 1");
    EXPECT_EQ(list.Rows()[list.ActedOnRow().value()][5], "opener");

    list.SetLayout(PlayListLayout::kSongGenre, main);
    EXPECT_THROW(list.SetComment("x"), Failure);  // song-genre rows have no comment
}

// Opening again keeps order and comments, drops the rows unticked since, appends the new ticks.
TEST(PlayListTest, ReopeningKeepsTheWorkAndFollowsTheTicks) {
    MusicFinderDocument main = Songs();
    Tick(main, {0, 1, 2, 3}, true);
    PlayList list;
    list.Activate(main);
    EXPECT_FALSE(list.Modified());
    list.RowClicked(3);
    list.SetComment("encore");
    EXPECT_TRUE(list.Modified());
    list.MarkSaved();
    list.RowClicked(3);
    ScriptedInteraction ui;
    list.ChangePosition("1", ui);
    EXPECT_TRUE(list.Modified());
    EXPECT_EQ(Shown(list), "00001 Song 4|00002 Song 1|00003 Song 2|00004 Song 3");

    Tick(main, {1}, false);
    Tick(main, {4, 5}, true);
    const PlayListChanges changes = list.Reopen(main);
    EXPECT_EQ(Shown(list), "00001 Song 4|00002 Song 1|00003 Song 3|00004 Song 5|00005 Song 6");
    EXPECT_EQ(list.Rows()[0][5], "encore");
    EXPECT_EQ(ChangesSummary(changes), "Added Song 5, Song 6; removed Song 2");
    EXPECT_EQ(ChangesSummary({{}, {"Song 2"}}), "Removed Song 2");
    EXPECT_EQ(ChangesSummary({}), "");
}

}  // namespace
}  // namespace quillory::testkit
