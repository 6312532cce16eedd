#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/style_replace.h"
#include "edit_harness.h"

namespace quillory {
namespace {

using testkit::Padded;
using testkit::RecordSpec;

class StyleReplaceTest : public testkit::EditHarness {
  protected:
    // Records 2 and 4 keep bytes after the zero that ends their keywords, which a replacement
    // that leaves their cells alone must keep too. The rows are sorted newest first.
    void OpenFive() {
        std::vector<RecordSpec> records = {
            testkit::TextRecord("", "Pop", "ballad,piano"),
            testkit::TextRecord("", "pop", "piano, ballad"),
            testkit::TextRecord("", "Easy Listening", "slow ballad"),
            testkit::TextRecord("", "Pop", ""),
            testkit::TextRecord("", "Rock", "BALLAD,ballad,jazz"),
        };
        records[1].style = 4;  // "COOL POP"
        records[3].style = 3;
        Bytes image = testkit::BuildMfd("PSR-2000", records);
        for (int n : {2, 4}) {
            image[RecordOffset(n) + field::kKeywords + 20] = 'X';
        }
        OpenImage(image);
        SortNewestFirst();
    }

    std::vector<std::string> Cells(int column) const {
        std::vector<std::string> cells;
        for (int n = 1; n <= 5; ++n) {
            cells.push_back(RowOf(n).Cell(column));
        }
        return cells;
    }
};

TEST_F(StyleReplaceTest, StyleModeReplacesEqualCellsOnly) {
    OpenFive();
    const Bytes image = store.gFileBytes;
    SubReplaceStyle(store, ReplaceMode::kStyle, "Cool Pop", "8Beat", ui);
    EXPECT_EQ(Cells(kStyleColumn),
              (std::vector<std::string>{"8Beat", "COOL POP", "8Beat", "Jazz Club", "8Beat"}));
    EXPECT_EQ(Cells(kGenreColumn)[0], "Pop");
    EXPECT_EQ(store.gFileBytes, image);  // the style reaches the file through the conversion
}

TEST_F(StyleReplaceTest, GenreModeReplacesEqualCellsAndTheirRecords) {
    OpenFive();
    const std::string pop = Field(2, field::kGenre, 16);
    SubReplaceStyle(store, ReplaceMode::kGenre, "Pop", "Schlager", ui);
    SubReplaceStyle(store, ReplaceMode::kGenre, "Easy Listening", "Pop", ui);
    EXPECT_EQ(Cells(kGenreColumn),
              (std::vector<std::string>{"Schlager", "pop", "Pop", "Schlager", "Rock"}));
    EXPECT_EQ(Field(1, field::kGenre, 16), Padded("Schlager", 16));
    EXPECT_EQ(Field(2, field::kGenre, 16), pop);
    EXPECT_EQ(Field(3, field::kGenre, 16), Padded("Pop", 16));
    EXPECT_EQ(Field(4, field::kGenre, 16), Padded("Schlager", 16));
}

// Pieces match whole and without regard to case; blanks belong to the piece.
TEST_F(StyleReplaceTest, KeywordModeReplacesWholePiecesAndWritesChangedRecords) {
    OpenFive();
    const std::string kept2 = Field(2, field::kKeywords, 32);
    const std::string kept4 = Field(4, field::kKeywords, 32);

    SubReplaceStyle(store, ReplaceMode::kKeyword, "ballad", "Slow Ballad", ui);
    EXPECT_EQ(Cells(kKeywordsColumn),
              (std::vector<std::string>{"Slow Ballad,piano", "piano, ballad", "slow ballad", "",
                                        "Slow Ballad,Slow Ballad,jazz"}));
    EXPECT_EQ(Field(1, field::kKeywords, 32), Padded("Slow Ballad,piano", 32));
    EXPECT_EQ(Field(5, field::kKeywords, 32), Padded("Slow Ballad,Slow Ballad,jazz", 32));
    EXPECT_EQ(Field(2, field::kKeywords, 32), kept2);
    EXPECT_EQ(Field(4, field::kKeywords, 32), kept4);

    SubReplaceStyle(store, ReplaceMode::kKeyword, "slow ballad", "", ui);
    EXPECT_EQ(Cells(kKeywordsColumn),
              (std::vector<std::string>{",piano", "piano, ballad", "", "", ",,jazz"}));
    EXPECT_EQ(Field(1, field::kKeywords, 32), Padded(",piano", 32));
    EXPECT_EQ(Field(3, field::kKeywords, 32), Padded("", 32));
}

}  // namespace
}  // namespace quillory
