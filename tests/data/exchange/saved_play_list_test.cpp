#include <gtest/gtest.h>

#include "data/exchange/saved_play_list.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::testkit {
namespace {

MusicFinderDocument ThreeSongs() {
    std::vector<Record> records;
    for (const char* music : {"Alpha", "Beta", "Gamma"}) {
        Record song;
        song.position = song.number = static_cast<int>(records.size()) + 1;
        song.music = music;
        song.style = "8Beat";
        song.timeSig = " 4/ 4";
        song.tempo = "100";
        records.push_back(song);
    }
    MusicFinderDocument document;
    document.Load(Bytes(kHeaderSize, 0), records);
    return document;
}

// A saved play list comes back in its order with its comments; the ticks become its records;
// rows without their record are listed; a text of another kind is refused by name.
TEST(SavedPlayListTest, OpensAPlayListSavedByTheProgram) {
    TempFolder folder;
    const std::string saved = folder.File("list.txt");
    WriteFile(saved,
              "Number\tMusic         \tStyleName\tTimeSig\tTempo\tComments\r\n"
              "1\tGamma\t8Beat\t 4/ 4\t100\tlast song\r\n"
              "2\tDelta\t8Beat\t 4/ 4\t100\t \r\n"
              "3\tAlpha\t8Beat\t 4/ 4\t100\t \r\n\r\n");
    MusicFinderDocument main = ThreeSongs();
    main.SetChecked(1, true);
    PlayList list;
    ScriptedInteraction ui;
    ui.fileAnswers = {std::filesystem::path(saved)};
    ASSERT_TRUE(OpenSavedPlayList(list, main, ui));
    EXPECT_EQ(list.Rows(),
              (std::vector<PlayList::Row>{{"00001", "Gamma", "8Beat", " 4/ 4", "100", "last song"},
                                          {"00002", "Alpha", "8Beat", " 4/ 4", "100", " "}}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{
                               "These rows of the play list match no record of the open file:\n"
                               "2 Delta (8Beat)"});
    EXPECT_TRUE(main.At(0).checked && !main.At(1).checked && main.At(2).checked);
    EXPECT_FALSE(list.Modified());

    WriteFile(saved, "Number\tGenre\tSong\r\n1\tPop\tAlpha\r\n");
    ui.fileAnswers = {std::filesystem::path(saved)};
    EXPECT_FALSE(OpenSavedPlayList(list, main, ui));
    EXPECT_EQ(ui.messages.back(), "list.txt is not a play list saved by Quillory");
    EXPECT_EQ(list.Rows().size(), 2u);
}

}  // namespace
}  // namespace quillory::testkit
