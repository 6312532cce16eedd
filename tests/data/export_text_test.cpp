#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion_harness.h"
#include "data/failure.h"
#include "data/list_export.h"
#include "data/text.h"
#include "data/text_file.h"

namespace quillory {
namespace {

const std::string kHeader =
    "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
    "Search 1\tSearch 2\tIntro\tSection\r\n";

std::string FileText(const std::filesystem::path& path) {
    const Bytes bytes = testkit::ReadFile(path.string());
    return std::string(bytes.begin(), bytes.end());
}

Row MakeRow(int number, const std::string& genre, const std::string& music) {
    Row row;
    row.cells = {
        ZeroPad(number, 5), genre,   music, "Cool Pop", " 4/ 4", "096", "love", "Yes", "No", "Yes",
        "Intro 1",          "Main B"};
    return row;
}

TEST(RecordListExportTextTest, WritesTheHeaderAndOneLinePerRowWithARunningCount) {
    RecordList list;
    EXPECT_EQ(RecordListExportText(list), kHeader);

    list.Append(MakeRow(1, "Pop", "Caf\u00e9"));
    list.Append(MakeRow(2, "Rock", "Two"));
    const std::string text = RecordListExportText(list);
    EXPECT_EQ(
        text,
        kHeader +
            "1\tPop\tCaf\u00e9\tCool Pop\t 4/ 4\t096\tlove\tYes\tNo\tYes\tIntro 1\tMain B\r\n" +
            "2\tRock\tTwo\tCool Pop\t 4/ 4\t096\tlove\tYes\tNo\tYes\tIntro 1\tMain B\r\n");

    // Saved, the file holds the header, two lines and an empty last line, in the code page.
    testkit::TempFolder folder;
    testkit::ScriptedInteraction ui;
    const std::filesystem::path path = folder.Path() / "list.txt";
    ui.fileAnswers.push_back(path);
    ASSERT_TRUE(SaveDelimitedFile(text, ui));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].filter, "Text file|*.txt");
    EXPECT_TRUE(ui.questions.empty());
    const std::string file = FileText(path);
    const std::vector<std::string_view> lines = Split(file, "\r\n");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1].substr(0, 11), "1\tPop\tCaf\xE9\t");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "");

    // Cancel at "This will replace existing file" leaves the old file.
    ui.fileAnswers.push_back(path);
    ui.confirmAnswers.push_back(false);
    EXPECT_FALSE(SaveDelimitedFile("other", ui));
    EXPECT_EQ(ui.questions, std::vector<std::string>{"This will replace existing file"});
    EXPECT_EQ(FileText(path), file);
}

TEST(RecordListExportTextTest, ExportsDeletedRowsAndFollowsTheDisplayOrder) {
    RecordList list;
    list.Append(MakeRow(1, "Rock", "One"));
    list.Append(MakeRow(2, "Jazz", "Two"));
    list.Append(MakeRow(3, "Pop", "Three"));
    testkit::MarkDeleted(list, 0);
    list.SetChecked(0, true);

    list.SetSort(true, kGenreColumn, SortOrder::kAscending);
    const std::vector<std::string_view> lines = Split(RecordListExportText(list), "\r\n");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "1\tdeleted\t\t\t\t\t\tYes\tNo\tYes\tIntro 1\tMain B");
    EXPECT_EQ(lines[2].substr(0, 10), "2\tJazz\tTwo");
    EXPECT_EQ(lines[3].substr(0, 11), "3\tPop\tThree");

    list.SetSort(true, kNumberColumn, SortOrder::kDescending);
    const std::vector<std::string_view> reversed = Split(RecordListExportText(list), "\r\n");
    EXPECT_EQ(reversed[1].substr(0, 11), "1\tPop\tThree");
    EXPECT_EQ(reversed[3].substr(0, 10), "3\tdeleted\t");
}

TEST(PlayListExportTextTest, WritesItsOwnHeaderAndFiveCellsPerRow) {
    const std::string header =
        "Number\tMusic" + std::string(9, ' ') + "\tStyleName\tTimeSig\tTempo\tComments\r\n";
    EXPECT_EQ(PlayListExportText({}), header);
    EXPECT_EQ(
        PlayListExportText({{"00002", "Song B", "8Beat", " 3/ 4", "100", " "},
                            {"00001", "Song A", "Cool Pop", " 4/ 4", "096", "slow start"}}),
        header +
            "1\tSong B\t8Beat\t 3/ 4\t100\t \r\n2\tSong A\tCool Pop\t 4/ 4\t096\tslow start\r\n");

    // The song-genre layout has three cells only.
    try {
        PlayListExportText({{"00001", "Song A", "Pop"}});
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), kSubscriptOutOfRange);
    }
}

}  // namespace
}  // namespace quillory
