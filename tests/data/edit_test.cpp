#include <array>

#include "data/record_editor.h"
#include "data/record_list.h"
#include "data/record_search.h"
#include "data/style_replace.h"
#include "data/text.h"
#include "harness.h"

namespace quillory::testkit {
namespace {

using Cells = std::array<std::string, kColumnCount>;

// A list of rows numbered from 1 with these genres.
RecordList ListOf(const Texts& genres) {
    RecordList list;
    for (const std::string& genre : genres) {
        Row row;
        row.record = static_cast<int>(list.Size()) + 1;
        row.cells[kNumberColumn] = ZeroPad(row.record, 5);
        row.cells[kGenreColumn] = genre;
        list.Append(row);
    }
    return list;
}

std::vector<int> Numbers(const RecordList& list) {
    return Map(list.Rows(), [](const Row& row) { return row.RecordNumber(); });
}

// Sorting compares texts without regard to case, keeps rows of equal text in their order in
// either direction, and the selection stays on its row.
TEST(RecordListTest, SortsStablyWithoutRegardToCaseAndTheSelectionFollows) {
    RecordList list = ListOf({"rock", "Ballad", "ROCK", "éclair", "ballad", "Pop", "ÉCLAIR"});
    list.Select(2);  // record 3, "ROCK"
    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{2, 5, 6, 1, 3, 4, 7}));
    EXPECT_EQ(list.Selected(), 4u);
    list.SetSort(true, kGenreColumn, SortOrder::kDescending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{4, 7, 1, 3, 6, 2, 5}));
    EXPECT_EQ(list.Selected(), 3u);
    list.SetSort(true, kNumberColumn, SortOrder::kAscending);
    EXPECT_EQ(Numbers(list), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    // Long enough for a sort that is not stable to mix up rows of equal text.
    Texts genres;
    for (int i = 0; i < 40; ++i) {
        genres.push_back(i % 2 == 0 ? "Pop" : "pop");
    }
    for (SortOrder order : {SortOrder::kDescending, SortOrder::kAscending}) {
        list = ListOf(genres);
        list.SetSort(true, kGenreColumn, order);
        EXPECT_EQ(Numbers(list), Numbers(ListOf(genres)));
    }
}

// A view hears of every change once: appended rows, a batch of changes as one range of rows,
// the new place of each row after a sort, and nothing where nothing changed.
TEST(RecordListTest, TellsItsObserverAboutEveryChange) {
    struct Log : RecordListObserver {
        void BeforeAppend(std::size_t first, std::size_t last) override {
            text += "append " + std::to_string(first) + "-" + std::to_string(last) + ";";
        }
        void AfterAppend() override {}
        void RowsChanged(std::size_t first, std::size_t last) override {
            text += "changed " + std::to_string(first) + "-" + std::to_string(last) + ";";
        }
        void BeforeReorder() override {}
        void AfterReorder(const std::vector<std::size_t>& newPosition) override {
            text += "moved";
            for (std::size_t at : newPosition) {
                text += " " + std::to_string(at);
            }
        }
        void SelectionChanged() override { text += "selected;"; }
        std::string text;
    } log;
    RecordList list = ListOf({"c", "a"});
    list.SetObserver(&log);
    list.Append(ListOf({"d", "b"}).Rows());
    {
        RecordList::ChangeBatch outer(list);
        list.SetCell(3, kMusicColumn, "y");
        {
            RecordList::ChangeBatch inner(list);
            list.SetChecked(1, true);
        }
        list.SetCell(2, kMusicColumn, "z");
    }
    list.SetChecked(1, true);
    list.SetStyleColour(2, kBlack);
    list.Select(2);
    list.Select(2);
    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    EXPECT_EQ(log.text, "append 2-3;changed 1-3;selected;moved 2 0 3 1");
    EXPECT_EQ(list.Selected(), 3u);
}

class EditTest : public DataTest {
protected:
    // Five records whose tempo and genre orders differ from their record order, sorted newest
    // first: a command that takes a row's position for its record number hits the wrong record.
    // Records 2 and 4 keep a byte after the zero that ends their keywords.
    void OpenFive() {
        Bytes image = BuildMfd(
            "PSR-2000", {{{}, 1, 4, 4, 120, 6, "Blue Moon", "Pop", "rock,pop", 0x15},
                         {{}, 4, 6, 8, 72, 7, "Moonlight Serenade", "pop", "pop, rock", 0x15},
                         {{}, 1, 4, 4, 140, 5, "Sunrise", "Easy Listening", "Rock", 0x15},
                         {{}, 3, 5, 4, 96, 3, "Harvest MOON", "Pop", "rock", 0x15},
                         {{}, 1, 4, 4, 160, 4, "Road", "Swing", "rocks", 0x15}});
        for (int n : {2, 4}) {
            image[RecordOffset(n) + field::kKeywords + 20] = 'X';
        }
        WriteTable(
            "PSR-2000",
            {{"Cool Pop", "001"}, {"8Beat", "002"}, {"Jazz Club", "003"}, {"COOL POP", "004"}});
        ASSERT_TRUE(Open(image));
        store.list.SetSort(true, kNumberColumn, SortOrder::kDescending);
    }

    // The ticked records, then whether Del Chk'd and Play List are enabled.
    std::string State() const {
        std::string state;
        for (int n = 1; n <= static_cast<int>(store.list.Size()); ++n) {
            state += RowOf(n).checked ? std::to_string(n) + " " : "";
        }
        return state + (store.window.deleteCheckedEnabled ? "del " : "") +
               (store.window.playListEnabled ? "play" : "");
    }
};

// Delete marks the selected row and keeps its tick; Del Chk'd marks the ticked rows and clears
// their ticks. A deleted row shows "deleted" and empty music, style, time signature, tempo and
// keywords; no record byte changes.
TEST_F(EditTest, TickCommandsAndDeletesKeepRowsAndButtonsInStep) {
    store.window.playListEnabled = true;
    InvertChecks(store);  // an empty list keeps Play List as it was
    EXPECT_EQ(State(), "play");
    OpenFive();
    CheckBoxChanged(store, IndexOf(2), true);
    CheckBoxChanged(store, IndexOf(2), false);  // clearing the only tick keeps Play List
    EXPECT_EQ(State(), "play");
    for (int n : {1, 3, 5}) {
        CheckBoxChanged(store, IndexOf(n), true);
    }
    InvertChecks(store);
    EXPECT_EQ(State(), "2 4 del play");
    CheckAll(store);
    EXPECT_EQ(State(), "1 2 3 4 5 del play");
    InvertChecks(store);
    EXPECT_EQ(State(), "");
    CheckAll(store);
    UncheckAll(store);
    EXPECT_EQ(State(), "");

    const Bytes image = store.gFileBytes;
    DeleteSelected(store);  // nothing selected
    CheckBoxChanged(store, IndexOf(2), true);
    Delete(2);
    EXPECT_EQ(State(), "2 del play");
    CheckBoxChanged(store, IndexOf(1), true);
    CheckBoxChanged(store, IndexOf(4), true);
    DeleteChecked(store);
    EXPECT_EQ(RowOf(1).cells, (Cells{"00001", "deleted", "", "", "", "", "", "No", "Yes", "Yes",
                                     "Intro 1", "Main B"}));
    EXPECT_EQ(Column(kGenreColumn),
              (Texts{"deleted", "deleted", "Easy Listening", "deleted", "Swing"}));
    EXPECT_EQ(State(), "play");
    EXPECT_EQ(store.gFileBytes, image);
}

// The favourite button flips bit 0 of the selected row's record; each clear button clears its
// own bit in every record, deleted ones included, and its own column.
TEST_F(EditTest, MarkButtonsChangeTheirBitsInTheRecords) {
    const auto marks = [this] {
        return Map(std::vector<int>{1, 2, 3, 4, 5}, [this](int n) {
            return static_cast<int>(store.gFileBytes[RecordOffset(n) + field::kMarks]);
        });
    };
    OpenFive();
    ToggleFavorite(store);  // nothing selected
    store.list.Select(IndexOf(5));
    ToggleFavorite(store);
    EXPECT_EQ(RowOf(5).Cell(kFavoriteColumn), "Yes");
    EXPECT_EQ(marks(), (std::vector<int>{6, 7, 5, 3, 5}));
    ToggleFavorite(store);
    EXPECT_EQ(RowOf(5).Cell(kFavoriteColumn), "No");
    EXPECT_EQ(marks(), (std::vector<int>{6, 7, 5, 3, 4}));

    const std::vector<int> cleared[] = {{6, 6, 4, 2, 4}, {4, 5, 5, 1, 4}, {2, 3, 1, 3, 0}};
    const int columns[] = {kFavoriteColumn, kSearch1Column, kSearch2Column};
    for (std::size_t mark = 0; mark < 3; ++mark) {
        OpenFive();
        Delete(2);
        std::vector<Texts> shown = Map(columns, [this](int c) { return Column(c); });
        shown[mark] = Texts(5, "No");
        ClearMark(store, static_cast<Mark>(mark));
        EXPECT_EQ(marks(), cleared[mark]);
        EXPECT_EQ(Map(columns, [this](int c) { return Column(c); }), shown);
    }
}

// A row's keywords get ",text"; its record gets as many bytes as the new text has, the field's
// later bytes kept. The stored numbers and the sort by music pair no row with its record by
// number or position.
TEST_F(EditTest, KeywordAddWritesEachRowsRecord) {
    const std::string full(32, 'k');
    Bytes image = BuildMfd("PSR-2000", {{1, 1, 4, 4, 120, 0, "C", "", "rock", 0},
                                        {2, 1, 4, 4, 120, 0, "A", "", "", 0},
                                        {0, 1, 4, 4, 120, 0, "B", "", full, 0}});
    const std::string tail = "ABCDEFGHIJ";
    std::copy(tail.begin(), tail.end(), image.begin() + RecordOffset(1) + field::kKeywords + 5);
    ASSERT_TRUE(Open(image));
    store.list.SetSort(true, kMusicColumn, SortOrder::kAscending);
    KeywordAdd(store, "");
    EXPECT_EQ(store.gFileBytes, image);
    KeywordAdd(store, "live");
    EXPECT_EQ(Column(kKeywordsColumn), (Texts{"rock,live", ",live", full + ",live"}));
    EXPECT_EQ(Stored(1, field::kKeywords, 32), Padded("rock,liveEFGHIJ", 32));
    EXPECT_EQ(Stored(2, field::kKeywords, 32), Padded(",live", 32));
    EXPECT_EQ(Stored(3, field::kKeywords, 32), full);
}

// A header click sorts ascending, a second one reverses; a row click hands the row to the
// editor, the time signature and genre as the editor's entries (genre slots in ordinal order:
// Easy Listening, Pop, Swing, pop).
TEST_F(EditTest, HeaderAndRowClicksAndModifyOfTheClickedRecord) {
    OpenFive();
    ColumnHeaderClicked(store, kTempoColumn);
    EXPECT_EQ(RecordOrder(), (std::vector<int>{2, 4, 1, 3, 5}));
    ColumnHeaderClicked(store, kTempoColumn);
    EXPECT_EQ(RecordOrder(), (std::vector<int>{5, 3, 1, 4, 2}));
    ColumnHeaderClicked(store, kGenreColumn);  // equal genres stay in tempo order
    EXPECT_EQ(RecordOrder(), (std::vector<int>{3, 1, 4, 2, 5}));

    const auto click = [this](int n) {
        const RowClick c = RowClicked(store, IndexOf(n));
        EXPECT_EQ(store.list.Selected(), IndexOf(n));
        return c.music + "|" + c.tempo + "|" + c.keywords + "|" + c.style + "|" +
               std::to_string(c.favorite) + std::to_string(c.search1) + std::to_string(c.search2) +
               "|" + (c.timeSig ? std::to_string(*c.timeSig) : "-") + "|" +
               (c.genreIndex ? std::to_string(*c.genreIndex) : "-") + "|" +
               std::to_string(store.gSelectedRecord) + store.gEditTimeSig;
    };
    EXPECT_EQ(click(1), "Blue Moon|120|rock,pop|Cool Pop|011|1|1|1 4/ 4");
    EXPECT_EQ(click(2), "Moonlight Serenade|072|pop, rock|COOL POP|111|3|3|2 6/ 8");
    // " 5/ 4" is none of the editor's options; "deleted" is no genre.
    Delete(4);
    EXPECT_EQ(click(4), "||||110|-|-|4 6/ 8");

    // OK in Modify writes the clicked record, wherever a search has moved the selection since;
    // a missing style, or a tempo the record cannot hold, stops it before the row changes. The
    // tempo box reads the leading number.
    EXPECT_TRUE(TempoAccepted("120 abc") && !TempoAccepted(""));
    RowClicked(store, IndexOf(1));
    store.list.Select(IndexOf(3));
    ASSERT_TRUE(PrepareModify(store));
    const Bytes image = store.gFileBytes;
    EditorValues values{"Jazz", "", std::nullopt, " 3/ 4", "96", ""};
    EXPECT_EQ(EditorOk(store, values, ui), EditorOkResult::kRefused);
    EXPECT_EQ(ui.messages, Texts{"Please select a style"});
    values.style = StyleChoice{"8Beat", 2};
    for (const char* tempo : {"70000", "-5"}) {
        EXPECT_THROW(EditorOk(store, {"Jazz", "", values.style, " 3/ 4", tempo, ""}, ui), Failure);
    }
    EXPECT_EQ(RowOf(1).Cell(kTempoColumn), "120");
    EXPECT_EQ(store.gFileBytes, image);
    ASSERT_EQ(EditorOk(store, values, ui), EditorOkResult::kDone);
    EXPECT_EQ(Stored(1, field::kStyle, 7), std::string("\0\x02\x03\x04\0\x60\0", 7));
    EXPECT_EQ(Column(kMusicColumn), (Texts{"", "Moonlight Serenade", "Sunrise", "", "Road"}));
}

// "Containing" ignores case; "Whole Word" wants a comma-separated piece exactly. Check All adds
// to the ticks; Find Next steps through the list in its order and stops at the end; an empty
// text only asks for one.
TEST_F(EditTest, SearchMatchesChecksAndSteps) {
    RecordSearch search;
    search.FindAndCheckAll(store, "moon", ui);  // an empty list only enables Del Chk'd
    EXPECT_EQ(State(), "del ");
    OpenFive();
    search.FindAndCheckAll(store, "moon", ui);
    EXPECT_EQ(State(), "1 2 4 del play");
    UncheckAll(store);
    store.list.SetChecked(IndexOf(3), true);
    search.column = kKeywordsColumn;
    search.wholeWord = true;
    search.FindAndCheckAll(store, "rock", ui);
    EXPECT_EQ(State(), "1 3 4 del play");

    ASSERT_TRUE(search.FindFirst(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(4));
    EXPECT_EQ(search.position, 2);
    ASSERT_TRUE(search.FindNext(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_FALSE(search.FindNext(store, "rock", ui));
    EXPECT_EQ(store.list.Selected(), IndexOf(1));
    EXPECT_EQ(search.position, 6);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(search.FindNext(store, "", ui));
    search.FindAndCheckAll(store, "", ui);
    EXPECT_FALSE(search.FindFirst(store, "", ui));
    EXPECT_EQ(ui.messages, Texts(3, "please enter something to search for"));
    EXPECT_EQ(search.position, 6);
    EXPECT_EQ(State(), "1 3 4 del play");
}

// Style and genre cells are replaced where equal, keyword pieces where equal without regard to
// case; genres and changed keywords are written to their records, other records keep their
// bytes. Deleted rows are no entries any more.
TEST_F(EditTest, ReplaceChangesEqualCellsAndTheirRecords) {
    OpenFive();
    Delete(5);
    const Bytes image = store.gFileBytes;
    SubReplaceStyle(store, ReplaceMode::kStyle, "", "8Beat", ui);
    SubReplaceStyle(store, ReplaceMode::kGenre, "deleted", "Pop", ui);
    SubReplaceStyle(store, ReplaceMode::kStyle, "Cool Pop", "8Beat", ui);
    EXPECT_EQ(Column(kStyleColumn), (Texts{"8Beat", "COOL POP", "8Beat", "Jazz Club", ""}));
    EXPECT_EQ(store.gFileBytes, image);  // the style reaches the file through the conversion

    SubReplaceStyle(store, ReplaceMode::kGenre, "Pop", "Schlager", ui);
    SubReplaceStyle(store, ReplaceMode::kGenre, "Easy Listening", "Pop", ui);
    EXPECT_EQ(Column(kGenreColumn), (Texts{"Schlager", "pop", "Pop", "Schlager", "deleted"}));
    EXPECT_EQ(Stored(1, field::kGenre, 16), Padded("Schlager", 16));
    EXPECT_EQ(Stored(3, field::kGenre, 16), Padded("Pop", 16));

    SubReplaceStyle(store, ReplaceMode::kKeyword, "ROCK", "Hard Rock", ui);
    EXPECT_EQ(Column(kKeywordsColumn),
              (Texts{"Hard Rock,pop", "pop, rock", "Hard Rock", "Hard Rock", ""}));
    EXPECT_EQ(Stored(1, field::kKeywords, 32), Padded("Hard Rock,pop", 32));
    EXPECT_EQ(Stored(4, field::kKeywords, 32), Padded("Hard Rock", 32));
    SubReplaceStyle(store, ReplaceMode::kKeyword, "hard rock", "", ui);
    EXPECT_EQ(Column(kKeywordsColumn), (Texts{",pop", "pop, rock", "", "", ""}));
    EXPECT_EQ(Stored(3, field::kKeywords, 32), Padded("", 32));
    for (int n : {2, 5}) {  // no cell of theirs changed
        EXPECT_EQ(Stored(n), RecordBytes(image, n));
    }
}

}  // namespace
}  // namespace quillory::testkit
