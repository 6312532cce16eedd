#include "data/document/duplicates.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

// Records by position with their title and style, listed in another order than their own.
MusicFinderDocument Songs() {
    const std::vector<std::tuple<int, std::string, std::string>> songs = {
        {5,
         "\xC3\xBC"
         "ber",
         "Polka"},  // "über"
        {4,
         "\xC3\x9C"
         "BER",
         "polka "},                      // "ÜBER"
        {7, " Yes terday", "Cool Pop"},  // a blank inside counts
        {3, "Yesterday", "Slow Rock"},
        {1, "Yesterday", "Cool Pop"},
        {6, "Yesterday", "Cool Pop"},  // deleted below
        {2, "  YESTERDAY ", " cool pop"},
    };
    std::vector<Record> records;
    for (const auto& [position, music, style] : songs) {
        Record record;
        record.position = record.number = position;
        record.music = music;
        record.style = style;
        record.deleted = position == 6;
        records.push_back(record);
    }
    MusicFinderDocument document;
    document.Load(Bytes(RecordOffset(8), 0), std::move(records));
    return document;
}

std::vector<std::vector<int>> Positions(const MusicFinderDocument& document, DuplicateRule rule) {
    return Map(DuplicateGroups(document, rule), [&](const std::vector<std::size_t>& group) {
        return Map(group, [&](std::size_t row) { return document.At(row).position; });
    });
}

TEST(DuplicatesTest, GroupsSongsInRecordOrderByTitleAndStyleOrByTitle) {
    MusicFinderDocument document = Songs();
    EXPECT_EQ(Positions(document, DuplicateRule::kTitleAndStyle),
              (std::vector<std::vector<int>>{{1, 2}, {4, 5}}));
    EXPECT_EQ(Positions(document, DuplicateRule::kTitle),
              (std::vector<std::vector<int>>{{1, 2, 3}, {4, 5}}));

    document.SetChecked(0, true);  // record 5, a duplicate: stays ticked
    document.SetChecked(2, true);  // record 7, no duplicate: cleared
    document.SetChecked(4, true);  // record 1, the first of its song: cleared
    const DuplicateTicks ticks = TickDuplicates(document, DuplicateRule::kTitle);
    EXPECT_EQ(DuplicateTicksText(ticks), "3 duplicates of 2 songs ticked");
    EXPECT_EQ(Map(document.Records(), [](const Record& r) { return r.checked; }),
              (std::vector<bool>{true, false, false, true, false, false, true}));
}

}  // namespace
}  // namespace quillory::testkit
