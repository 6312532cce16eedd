#include "data/document/record_editor.h"
#include "data/document/style_replace.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_import.h"
#include "data/harness.h"
#include "support/edit_history.h"

namespace quillory::testkit {
namespace {

// Three hundred records, so that places and numbers pass 127 and 255: record n is titled
// "Song" and 301 - n (a sort by music runs from record 300 down to 1), its genre is Jazz, Pop
// or Rock by n % 3, its marks byte n % 8 and its sections n % 11 and n % 7. Record 128 has
// keywords of 28 characters, record 256 none.
class LongList : public Harness {
public:
    void OpenLongList() {
        std::vector<RecordValues> records;
        for (int n = 1; n <= 300; ++n) {
            const std::string title = "Song " + std::to_string(1000 + 301 - n).substr(1);
            records.push_back(WithTexts(title, std::vector{"Jazz", "Pop", "Rock"}[n % 3],
                                        n == 128   ? std::string(28, 'k')
                                        : n == 256 ? ""
                                                   : "x"));
            records.back().marks = static_cast<std::uint8_t>(n % 8);
            records.back().sections = static_cast<std::uint8_t>(n % 11 * 16 + n % 7);
        }
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "002"}});
        ASSERT_TRUE(Open(BuildMfd("PSR-2000", records)));
        doc.AddObserver(history);
    }
    std::vector<int> AtRows(const std::vector<std::size_t>& rows) const {
        return Map(rows, [this](std::size_t row) { return doc.At(row).position; });
    }
    const DocumentEdit& Step(std::size_t k) const { return *history.steps.at(k); }

    EditHistory history;
};

class ListOrderTest : public testing::Test, public LongList {};

// The bytes, the header's count, the list as exported, the order, the ticks and the saved state.
using Snapshot = std::tuple<Bytes, int, std::string, std::vector<int>, std::size_t, bool>;

Snapshot Take(const MusicFinderDocument& doc) {
    return {doc.Image(), doc.HeaderCount(),  RecordListExportText(doc),
            Order(doc),  doc.CheckedCount(), doc.Modified()};
}

// Every command gives one edit under its name; undo gives back the bytes, the header's count,
// the list in its order, the ticks and the saved state, redo the state the command left. The
// list is sorted by number, records 127, 128, 255 and 256 are ticked and 128 is a favourite.
TEST(UndoTest, EveryCommandUndoesAndRedoesExactlyOnALongList) {
    const EditorValues edited{
        "Jazz",    "New Song", StyleChoice{"8Beat", 2}, " 3/ 4", "100", "kw", true, false, true,
        "Intro 2", "Ending 1"};
    const std::string imported =
        "1\tPop\tImported\tCool Pop\t 4/ 4\t100\t\tYes\tNo\tNo\tOff\tOff\r\n"
        "1\tJazz\tAnother\t8Beat\t 3/ 4\t90\tkw\tNo\tNo\tYes\tIntro 1\tMain A\r\n";
    const std::pair<const char*, std::function<void(LongList&)>> commands[] = {
        {"Add", [&](auto& t) { EditorAdd(t.ws, edited, t.ui); }},
        {"Modify", [&](auto& t) { EditorModify(t.ws, t.IndexOf(128), edited, t.ui); }},
        {"Delete", [](auto& t) { t.Delete(256); }},
        {"Delete 4 records", [](auto& t) { DeleteChecked(t.doc); }},
        {"Clear Fav in 151 records", [](auto& t) { ClearMark(t.doc, Mark::kFavorite); }},
        {"Add the keyword to 299 records", [](auto& t) { KeywordAdd(t.doc, "live"); }},
        {"Toggle Favorite", [](auto& t) { ToggleFavorite(t.doc, t.IndexOf(255)); }},
        {"Replace the style in 300 records",
         [](auto& t) { SubReplaceStyle(t.ws, ReplaceMode::kStyle, "Cool Pop", "8Beat", t.ui); }},
        {"Replace the genre in 100 records",
         [](auto& t) { SubReplaceStyle(t.ws, ReplaceMode::kGenre, "Pop", "Schlager", t.ui); }},
        {"Import", [&](auto& t) { ImportTextDelimitedText(t.ws, imported, t.ui); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        LongList t;
        t.OpenLongList();
        t.doc.SetSort(true, kNumberColumn, SortOrder::kAscending);
        ToggleFavorite(t.doc, t.IndexOf(128));
        t.Tick({127, 128, 255, 256});
        t.history.steps.clear();
        const Snapshot before = Take(t.doc);
        run(t);
        ASSERT_EQ(t.history.steps.size(), 1u);
        const DocumentEdit& edit = *t.history.steps[0];
        EXPECT_EQ(edit.Name(), name);
        const Snapshot done = Take(t.doc);
        EXPECT_NE(done, before);
        t.doc.Undo(edit);
        EXPECT_EQ(Take(t.doc), before);
        t.doc.Redo(edit);
        EXPECT_EQ(Take(t.doc), done);
        EXPECT_TRUE(t.ui.reports.empty());
    }
}

// On the largest file, undoing and redoing a change of every record gives back every byte and row.
TEST_F(ListOrderTest, UndoAndRedoOnTheLargestFile) {
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", std::vector(32767, WithTexts("Song", "Pop", "x")))));
    doc.AddObserver(history);
    const Snapshot before = Take(doc);
    KeywordAdd(doc, "live");
    const Snapshot done = Take(doc);
    doc.Undo(Step(0));
    EXPECT_TRUE(Take(doc) == before);
    doc.Redo(Step(0));
    EXPECT_TRUE(Take(doc) == done);
}

// Undo and redo keep the sort the user chose and the places the list shows, ties and rows left
// in place included, and name the row of the step's first record.
TEST_F(ListOrderTest, UndoAndRedoKeepTheSortAndThePlacesShown) {
    OpenLongList();
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    ToggleFavorite(doc, IndexOf(256));
    doc.SetSort(true, kGenreColumn, SortOrder::kAscending);
    // Ties keep the music order: Jazz 300 to 3, Pop 298 to 1, Rock 299 to 2.
    const std::vector<std::size_t> probes = {0, 99, 100, 114, 127, 128, 199, 200, 255, 256, 299};
    const std::vector<int> shown = {300, 3, 298, 256, 217, 214, 1, 299, 134, 131, 2};
    ASSERT_EQ(AtRows(probes), shown);
    const std::vector<int> byGenre = Order(doc);
    EXPECT_EQ(doc.Undo(Step(0)), 114u);
    EXPECT_FALSE(RowOf(256).favorite);
    EXPECT_EQ(doc.Redo(Step(0)), 114u);
    EXPECT_TRUE(RowOf(256).favorite);
    EXPECT_EQ(Order(doc), byGenre);
    EXPECT_EQ(doc.SortColumn(), kGenreColumn);

    Tick({131, 217});
    ASSERT_TRUE(DeleteChecked(doc));
    EXPECT_EQ(AtRows(probes), shown);
    EXPECT_EQ(doc.Undo(Step(1)), 127u);
    EXPECT_EQ(Order(doc), byGenre);
    EXPECT_EQ(RowOf(131).Cell(kGenreColumn) + RowOf(217).Cell(kGenreColumn), "RockPop");
    EXPECT_EQ(doc.CheckedCount(), 2u);

    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    ASSERT_EQ(AtRows({127, 128, 255, 256}), (std::vector<int>{173, 172, 45, 44}));
    Delete(173);
    EXPECT_EQ(doc.Undo(Step(2)), 127u);
    EXPECT_EQ(doc.Redo(Step(2)), 127u);
    EXPECT_EQ(RowOf(173).Cell(kGenreColumn), "deleted");
    EXPECT_EQ(AtRows({126, 127, 128, 255, 256}), (std::vector<int>{174, 173, 172, 45, 44}));
}

// Add and Modify name the row of their record after the preview's sort by number; undoing an
// Add names no row.
TEST_F(ListOrderTest, AddAndModifyOnALongList) {
    OpenLongList();
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    const EditorValues values{"Pop", "Added", StyleChoice{"8Beat", 2}, " 4/ 4", "100", ""};
    EXPECT_EQ(EditorAdd(ws, values, ui).row, 300u);
    EXPECT_EQ(doc.SortColumn(), kNumberColumn);
    EXPECT_EQ(doc.Undo(Step(0)), std::nullopt);
    EXPECT_EQ(doc.Redo(Step(0)), 300u);
    EXPECT_EQ(Stored(301, mfd::kMusic, 6), std::string("Added\0", 6));

    EXPECT_EQ(EditorModify(ws, IndexOf(128), values, ui).row, 127u);
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    ASSERT_EQ(AtRows({0, 1, 2}), (std::vector<int>{128, 301, 300}));
    EXPECT_EQ(doc.Undo(Step(1)), 0u);
    EXPECT_EQ(RowOf(128).music, "Song 173");
    EXPECT_EQ(doc.SortColumn(), kMusicColumn);
}

}  // namespace
}  // namespace quillory::testkit
