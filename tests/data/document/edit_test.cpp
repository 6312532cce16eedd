#include "data/document/record_editor.h"
#include "data/document/record_search.h"
#include "data/document/style_replace.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

class EditTest : public DataTest {
protected:
    // Five records sorted newest first; 2 and 4 keep a byte after the zero ending their keywords.
    void OpenFive() {
        Bytes image = BuildMfd(
            "PSR-2000", {{{}, 1, 4, 4, 120, 6, "Blue Moon", "Pop", "rock,pop", 0x15},
                         {{}, 4, 6, 8, 72, 7, "Moonlight Serenade", "pop", "pop, rock", 0x15},
                         {{}, 1, 4, 4, 140, 5, "Sunrise", "Easy Listening", "Rock", 0x15},
                         {{}, 3, 5, 4, 96, 3, "Harvest MOON", "Pop", "rock", 0x15},
                         {{}, 1, 4, 4, 160, 4, "Road", "Swing", "rocks", 0x15}});
        for (int n : {2, 4}) {
            image[mfd::RecordOffset(n) + mfd::kKeywords + 20] = 'X';
        }
        WriteTable(
            "PSR-2000",
            {{"Cool Pop", "001"}, {"8Beat", "002"}, {"Jazz Club", "003"}, {"COOL POP", "004"}});
        ASSERT_TRUE(Open(image));
        doc.SetSort(true, kNumberColumn, SortOrder::kDescending);
    }

    std::string Ticked() const {
        std::string ticked;
        for (int n = 1; n <= static_cast<int>(doc.Size()); ++n) {
            ticked += RowOf(n).checked ? std::to_string(n) + " " : "";
        }
        return ticked;
    }

    std::vector<int> Marks() const {
        return Map(std::vector<int>{1, 2, 3, 4, 5},
                   [this](int n) { return int{doc.Image()[mfd::RecordOffset(n) + mfd::kMarks]}; });
    }
};

// "Containing" ignores case, "Whole Word" a whole comma-separated piece; Check All adds ticks.
// Delete keeps the row's tick, Del Chk'd clears the ticks; no record byte changes.
TEST_F(EditTest, SearchTickAndDeleteCommandsKeepTheRecordBytes) {
    RecordSearch search;
    EXPECT_EQ(search.FindAndCheckAll(doc, "moon", ui), 0u);
    OpenFive();
    EXPECT_EQ(search.FindAndCheckAll(doc, "moon", ui), 3u);
    EXPECT_EQ(Ticked(), "1 2 4 ");
    UncheckAll(doc);
    Tick({1, 3});
    search.column = kKeywordsColumn;
    search.wholeWord = true;
    EXPECT_EQ(search.FindAndCheckAll(doc, "rock", ui), 2u);
    EXPECT_EQ(Ticked(), "1 3 4 ");

    EXPECT_EQ(search.FindFirst(doc, "rock", ui), IndexOf(4));
    EXPECT_EQ(search.FindNext(doc, "rock", ui), IndexOf(1));
    ui.confirmAnswers = {false, true};
    EXPECT_EQ(search.FindNext(doc, "rock", ui), std::nullopt);
    EXPECT_EQ(search.FindNext(doc, "rock", ui), IndexOf(4));
    EXPECT_EQ(ui.questions, Texts(2, "No more records contain rock. Go on from the top?"));
    EXPECT_EQ(search.FindFirst(doc, "jazz", ui), std::nullopt);
    EXPECT_EQ(ui.messages, Texts{"No record contains jazz"});
    ui.messages.clear();
    EXPECT_EQ(search.FindNext(doc, "", ui), std::nullopt);
    EXPECT_EQ(search.FindAndCheckAll(doc, "", ui), std::nullopt);
    EXPECT_EQ(ui.messages, Texts(2, "please enter something to search for"));
    EXPECT_EQ(search.position, 6);
    EXPECT_EQ(Ticked(), "1 3 4 ");
    EXPECT_EQ(InvertChecks(doc), 2u);
    EXPECT_EQ(Ticked(), "2 5 ");
    EXPECT_EQ(CheckAll(doc), 5u);
    EXPECT_EQ(UncheckAll(doc), 0u);

    const Bytes image = doc.Image();
    Tick({2});
    Delete(2);
    EXPECT_EQ(Ticked(), "2 ");
    Tick({1, 4});
    EXPECT_EQ((std::pair{DeleteChecked(doc), DeleteChecked(doc)}),
              std::pair(std::size_t{3}, std::size_t{0}));
    EXPECT_EQ(Joined(RowOf(1)), "00001|deleted||||||No|Yes|Yes|Intro 1|Main B");
    EXPECT_EQ(Column(kGenreColumn),
              (Texts{"deleted", "deleted", "Easy Listening", "deleted", "Swing"}));
    EXPECT_EQ(Ticked(), "");
    EXPECT_EQ(doc.Image(), image);
}

// Favourite flips bit 0; a clear command clears its bit in every record, deleted too, and column.
TEST_F(EditTest, MarkCommandsChangeTheirBitsInTheRecords) {
    OpenFive();
    for (const auto& [shown, marks] : {std::pair{"Yes", 5}, {"No", 4}}) {
        ToggleFavorite(doc, IndexOf(5));
        EXPECT_EQ(RowOf(5).Cell(kFavoriteColumn), shown);
        EXPECT_EQ(Marks(), (std::vector<int>{6, 7, 5, 3, marks}));
    }

    const std::vector<int> cleared[] = {{6, 6, 4, 2, 4}, {4, 5, 5, 1, 4}, {2, 3, 1, 3, 0}};
    const int columns[] = {kFavoriteColumn, kSearch1Column, kSearch2Column};
    for (std::size_t mark = 0; mark < 3; ++mark) {
        OpenFive();
        Delete(2);
        std::vector<Texts> shown = Map(columns, [this](int c) { return Column(c); });
        shown[mark] = Texts(5, "No");
        ClearMark(doc, static_cast<Mark>(mark));
        EXPECT_EQ(Marks(), cleared[mark]);
        EXPECT_EQ(Map(columns, [this](int c) { return Column(c); }), shown);
    }
}

// ",text" (the text alone on no keywords) is written, later bytes kept; no room past 32 characters.
// Stored numbers and the sort by music pair no row with its record by number or place.
TEST_F(EditTest, KeywordAddWritesEachRowsRecord) {
    const std::string full(32, 'k');
    Bytes image = BuildMfd("PSR-2000", {{1, 1, 4, 4, 120, 0, "C", "", "rock", 0},
                                        {2, 1, 4, 4, 120, 0, "A", "", "", 0},
                                        {0, 1, 4, 4, 120, 0, "B", "", full, 0}});
    const std::string tail = "ABCDEFGHIJ";
    std::copy(tail.begin(), tail.end(), image.begin() + mfd::RecordOffset(1) + mfd::kKeywords + 5);
    ASSERT_TRUE(Open(image));
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    EXPECT_EQ(KeywordAdd(doc, "").added, 0u);
    EXPECT_EQ(doc.Image(), image);
    EXPECT_EQ(KeywordAdd(doc, "live").unchanged, 1u);
    EXPECT_EQ(Column(kKeywordsColumn), (Texts{"rock,live", "live", full}));
    EXPECT_EQ(Stored({1, 2, 3}, mfd::kKeywords, 32),
              (Texts{Padded("rock,liveEFGHIJ", 32), Padded("live", 32), full}));
    EXPECT_EQ(KeywordNoRoomMessage(1), "1 records had no room for the keyword");
    EXPECT_EQ(KeywordNoRoomMessage(0), std::nullopt);
}

// A second header click reverses; a row fills the editor; Modify refuses before changing a row.
TEST_F(EditTest, HeaderClicksRowValuesAndModify) {
    OpenFive();
    const auto sortBy = [this](int column) {
        ColumnHeaderClicked(doc, column);
        return Order(doc);
    };
    EXPECT_EQ(sortBy(kTempoColumn), (std::vector<int>{2, 4, 1, 3, 5}));
    EXPECT_EQ(sortBy(kTempoColumn), (std::vector<int>{5, 3, 1, 4, 2}));
    EXPECT_EQ(sortBy(kGenreColumn), (std::vector<int>{3, 1, 4, 2, 5}));

    const auto click = [this](int n) {
        const RowClick c = RowClicked(ws, IndexOf(n));
        return c.music + "|" + c.tempo + "|" + c.keywords + "|" + c.style + "|" +
               std::to_string(c.favorite) + std::to_string(c.search1) + std::to_string(c.search2) +
               "|" + (c.timeSig ? std::to_string(*c.timeSig) : "-") + "|" +
               (c.genreIndex ? std::to_string(*c.genreIndex) : "-");
    };
    EXPECT_EQ(click(1), "Blue Moon|120|rock,pop|Cool Pop|011|1|1");
    EXPECT_EQ(click(2), "Moonlight Serenade|072|pop, rock|COOL POP|111|3|3");
    const EditorSelection shown = EditorActivation(doc, IndexOf(2));
    EXPECT_EQ(shown.style + "|" + shown.intro + "|" + shown.section, "COOL POP|Intro 1|Main B");
    Delete(4);
    EXPECT_EQ(click(4), "||||110|-|-");
    EXPECT_FALSE(ModifyAllowed(ws, IndexOf(4)) || ModifyAllowed(ws, std::nullopt));
    EXPECT_TRUE(ModifyAllowed(ws, IndexOf(1)));

    const Bytes image = doc.Image();
    EditorValues values{"Jazz", "", std::nullopt, " 3/ 4", "96", ""};
    for (const std::optional<std::size_t> row :
         {std::optional<std::size_t>{}, std::optional{IndexOf(4)}, std::optional{IndexOf(1)}}) {
        EXPECT_EQ(EditorModify(ws, row, values, ui).result, EditorOkResult::kRefused);
    }
    EXPECT_EQ(ui.messages, (Texts{"Select the record to modify in the list",
                                  "A deleted record cannot be modified", "Please select a style"}));
    values.style = StyleChoice{"8Beat", 2};
    for (const char* tempo : {"70000", "-5"}) {
        EditorValues fast = values;
        fast.tempo = tempo;
        EXPECT_THROW(EditorModify(ws, IndexOf(1), fast, ui), Failure);
    }
    EXPECT_EQ(RowOf(1).Cell(kTempoColumn), "120");
    EXPECT_EQ(doc.Image(), image);
    const EditorOutcome modified = EditorModify(ws, IndexOf(1), values, ui);
    ASSERT_EQ(modified.result, EditorOkResult::kDone);
    EXPECT_EQ(modified.row, IndexOf(1));
    EXPECT_EQ(Stored(1, mfd::kStyle, 7), std::string("\0\x02\x03\x04\0\x60\0", 7));
    // Chosen from another instrument's list: the file's own number, where its table has one.
    for (const auto& [style, stored] : {std::pair{StyleChoice{"JAZZ CLUB", 30}, "\0\x03"},
                                        {StyleChoice{"Bossa", 30}, "\0\x1E"}}) {
        values.style = style;
        EditorModify(ws, IndexOf(1), values, ui);
        EXPECT_EQ(Stored(1, mfd::kStyle, 2), std::string(stored, 2));
    }
    EXPECT_EQ(Column(kMusicColumn), (Texts{"", "Moonlight Serenade", "Sunrise", "", "Road"}));
}

// Add refuses each missing value in turn, then appends and counts the record, the title cut.
TEST_F(EditTest, AddRefusesEachMissingValueThenAppendsTheRecord) {
    OpenFive();
    WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "002"}});
    const std::string title = "A Title Of Forty Characters, Cut At 32!!";
    EditorValues values{std::nullopt, "",   std::nullopt, " 6/ 8",   "",        "kw",
                        true,         true, true,         "Intro 2", "Ending 1"};
    const std::tuple<EditorOkResult, const char*, std::function<void()>> refusals[] = {
        {EditorOkResult::kRefused, "Please select a style",
         [&] {
             values.style = StyleChoice{"8Beat", 2};
         }},
        {EditorOkResult::kRefused, "All entries must have a genre selected",
         [&] { values.genre = "Jazz"; }},
        {EditorOkResult::kFocusMusic, "All entries must have a Music(song name)",
         [&] { values.music = title; }},
        {EditorOkResult::kRefused, "All entries must have a tempo", [&] { values.tempo = "100"; }}};
    for (const auto& [result, message, fill] : refusals) {
        ui = {};
        const EditorOutcome refused = EditorAdd(ws, values, ui);
        EXPECT_EQ(refused.result, result);
        EXPECT_EQ(refused.row, std::nullopt);
        EXPECT_EQ(ui.messages, Texts{message});
        fill();
    }
    const EditorOutcome added = EditorAdd(ws, values, ui);
    EXPECT_EQ(added.result, EditorOkResult::kDone);
    EXPECT_EQ(added.row, IndexOf(6));
    EXPECT_EQ(Order(doc), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Joined(RowOf(6)),
              "00006|Jazz|" + title + "|8Beat| 6/ 8|100|kw|Yes|Yes|Yes|Intro 2|Ending 1");
    EXPECT_EQ(Stored(6), std::string("\0\x06\0\x02\x06\x08\0\x64\x07", 9) + title.substr(0, 32) +
                             Padded("Jazz", 16) + Padded("kw", 32) + "\x28" + std::string(2, '\0'));
    EXPECT_EQ(CountOf(doc.Image()), 6);
}

// Styles and genres replaced where equal, keyword pieces ignoring case; records follow.
TEST_F(EditTest, ReplaceChangesEqualCellsAndTheirRecords) {
    OpenFive();
    Delete(5);
    const Bytes image = doc.Image();
    SubReplaceStyle(ws, ReplaceMode::kStyle, "", "8Beat", ui);
    SubReplaceStyle(ws, ReplaceMode::kGenre, "deleted", "Pop", ui);
    SubReplaceStyle(ws, ReplaceMode::kStyle, "Cool Pop", "8Beat", ui);
    EXPECT_EQ(Column(kStyleColumn), (Texts{"8Beat", "COOL POP", "8Beat", "Jazz Club", ""}));
    EXPECT_EQ(Stored({1, 2, 3}, mfd::kStyle, 2),
              (Texts{std::string("\0\2", 2), std::string("\0\4", 2), std::string("\0\2", 2)}));
    SubReplaceStyle(ws, ReplaceMode::kStyle, "8Beat", "Bossa", ui);
    EXPECT_EQ(Stored(1, mfd::kStyle, 2), std::string("\0\2", 2));

    SubReplaceStyle(ws, ReplaceMode::kGenre, "Pop", "Schlager", ui);
    SubReplaceStyle(ws, ReplaceMode::kGenre, "Easy Listening", "Pop", ui);
    EXPECT_EQ(Column(kGenreColumn), (Texts{"Schlager", "pop", "Pop", "Schlager", "deleted"}));
    SubReplaceStyle(ws, ReplaceMode::kKeyword, "ROCK", "Hard Rock", ui);
    EXPECT_EQ(Column(kKeywordsColumn),
              (Texts{"Hard Rock,pop", "pop, rock", "Hard Rock", "Hard Rock", ""}));
    SubReplaceStyle(ws, ReplaceMode::kKeyword, "hard rock", "", ui);
    EXPECT_EQ(Column(kKeywordsColumn), (Texts{",pop", "pop, rock", "", "", ""}));
    EXPECT_EQ(Stored({1, 3, 4}, mfd::kGenre, 48),
              (Texts{Padded("Schlager", 16) + Padded(",pop", 32), Padded("Pop", 48),
                     Padded("Schlager", 48)}));
    EXPECT_EQ(Stored(2) + Stored(5), RecordBytes(image, 2) + RecordBytes(image, 5));
    const std::size_t upToGenre = mfd::kGenre - mfd::kTimeSigNumerator;
    EXPECT_EQ(Stored(3, mfd::kTimeSigNumerator, upToGenre),
              RecordBytes(image, 3, mfd::kTimeSigNumerator, upToGenre));
}

}  // namespace
}  // namespace quillory::testkit
