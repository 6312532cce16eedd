#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "data/music_finder_reader.h"
#include "data/record_store.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::testkit {

// A program folder, a store that uses it and a scripted user: what a test of opening files
// needs.
class ReaderHarness {
public:
    using Styles = std::vector<std::pair<std::string, std::string>>;

    void WriteTable(const std::string& instrument, const Styles& styles) {
        WriteFile(folder.File(instrument + ".dat"), StyleTableText(styles));
    }

    // Writes the image as a file of that name and opens it as the open command does.
    bool Open(const Bytes& bytes, const std::string& name = "song.mfd") {
        WriteFile(folder.File(name), bytes);
        return OpenMusicFinderFile(store, folder.File(name), name, ui);
    }

    const std::string& Cell(std::size_t row, int column) const {
        return store.list.At(row).Cell(column);
    }

    std::vector<std::string> ColumnTexts(int column) const {
        std::vector<std::string> texts;
        for (const Row& row : store.list.Rows()) {
            texts.push_back(row.Cell(column));
        }
        return texts;
    }

    std::vector<std::string> ChoiceNames() const {
        std::vector<std::string> names;
        for (const StyleChoice& choice : store.styleChoices) {
            names.push_back(choice.name);
        }
        return names;
    }

    TempFolder folder;
    RecordStore store{folder.Path()};
    ScriptedInteraction ui;
};

// Records that carry only the given style numbers.
inline std::vector<RecordSpec> RecordsWithStyles(const std::vector<int>& styles) {
    std::vector<RecordSpec> records(styles.size());
    for (std::size_t i = 0; i < styles.size(); ++i) {
        records[i].style = styles[i];
    }
    return records;
}

}  // namespace quillory::testkit
