#include "data/document/record_editor.h"
#include "data/harness.h"
#include "support/edit_history.h"

namespace quillory::testkit {
namespace {

// Three hundred records, so that places and numbers pass 127 and 255: record n is titled
// "Song" and 301 - n (a sort by music runs from record 300 down to 1), its genre is Jazz, Pop
// or Rock by n % 3. Record 128 has keywords of 28 characters, record 256 none.
class ListOrderTest : public testing::Test, public Harness {
protected:
    void OpenLongList() {
        std::vector<RecordValues> records;
        for (int n = 1; n <= 300; ++n) {
            const std::string title = "Song " + std::to_string(1000 + 301 - n).substr(1);
            records.push_back(WithTexts(title, std::vector{"Jazz", "Pop", "Rock"}[n % 3],
                                        n == 128   ? std::string(28, 'k')
                                        : n == 256 ? ""
                                                   : "x"));
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
// Add takes its row and bytes away, redoing it brings them back. Keyword_Add leaves a record
// without room as it was.
TEST_F(ListOrderTest, AddModifyAndKeywordAddOnALongList) {
    OpenLongList();
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    const Bytes opened = doc.Image();
    const EditorValues values{"Pop", "Added", StyleChoice{"8Beat", 2}, " 4/ 4", "100", ""};
    EXPECT_EQ(EditorAdd(ws, values, ui).row, 300u);
    EXPECT_EQ(doc.SortColumn(), kNumberColumn);
    const Bytes added = doc.Image();
    EXPECT_EQ(doc.Undo(Step(0)), std::nullopt);
    EXPECT_EQ(doc.Size(), 300u);
    EXPECT_EQ(doc.Image(), opened);
    EXPECT_EQ(doc.Redo(Step(0)), 300u);
    EXPECT_EQ(doc.Image(), added);
    EXPECT_EQ(Stored(301, field::kMusic, 6), std::string("Added\0", 6));

    EXPECT_EQ(EditorModify(ws, IndexOf(128), values, ui).row, 127u);
    doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    ASSERT_EQ(AtRows({0, 1, 2}), (std::vector<int>{128, 301, 300}));
    EXPECT_EQ(doc.Undo(Step(1)), 0u);
    EXPECT_EQ(RowOf(128).music, "Song 173");
    EXPECT_EQ(doc.SortColumn(), kMusicColumn);

    EXPECT_EQ(KeywordAdd(doc, "live").unchanged, 1u);
    EXPECT_EQ(RowOf(128).keywords + RowOf(256).keywords + RowOf(255).keywords,
              std::string(28, 'k') + "livex,live");
    EXPECT_EQ(Stored({128, 256, 255}, field::kKeywords, 32),
              (Texts{Padded(std::string(28, 'k'), 32), Padded("live", 32), Padded("x,live", 32)}));
}

}  // namespace
}  // namespace quillory::testkit
