#include <gtest/gtest.h>

#include "data/music_finder_reader.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory {
namespace {

using testkit::RecordSpec;

TEST(ReaderTest, DecodesTheExampleRecord) {
    testkit::TempFolder folder;
    testkit::WriteFile(folder.File("PSR-2000.dat"),
                       testkit::StyleTableText({{"Cool Pop", "042"}, {"8Beat", "001"}}));
    RecordSpec spec;
    spec.number = 0;
    spec.style = 42;
    spec.tempo = 120;
    spec.marks = 3;
    spec.music = "My Song";
    spec.genre = "Pop";
    spec.keywords = "love,summer";
    spec.sections = 0x15;
    testkit::WriteFile(folder.File("song.mfd"), testkit::BuildMfd("PSR-2000", {spec}));

    RecordStore store(folder.Path());
    testkit::ScriptedInteraction ui;
    ASSERT_TRUE(OpenMusicFinderFile(store, folder.File("song.mfd"), "song.mfd", ui));
    ASSERT_EQ(store.list.Size(), 1u);
    const auto& cells = store.list.At(0).cells;
    const std::array<std::string, 12> expected = {"00001", "Pop", "My Song", "Cool Pop", " 4/ 4",
                                                  "120", "love,summer", "Yes", "Yes", "No",
                                                  "Intro 1", "Main B"};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(store.window.title,
              "Quillory   song.mfd  Source Instrument = PSR-2000   Deafult Style = 8Beat");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quillory
