#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "data/conversion.h"
#include "data/music_finder_reader.h"
#include "data/record_layout.h"
#include "data/record_store.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::testkit {

// A program folder with style tables, a store that uses it and a scripted user: what a test of
// saving, importing and exporting needs.
class ConversionHarness {
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

    // Saves for the target into the named file of the folder, answering the save dialog.
    ConversionOutcome SaveAs(const std::string& target, const std::string& name,
                             bool checkedOnly = false) {
        ui.fileAnswers.push_back(folder.Path() / name);
        return SaveMusicFinder(store, target, checkedOnly, ConversionMode::kSave, ui);
    }

    ConversionOutcome Preview(const std::string& target) {
        return SaveMusicFinder(store, target, false, ConversionMode::kPreview, ui);
    }

    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder.Path() / name);
    }

    std::string FileText(const std::string& name) const {
        const Bytes bytes = ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    }

    void Remove(const std::string& name) const { std::filesystem::remove(folder.Path() / name); }

    // The files of the folder other than the style tables.
    std::vector<std::string> OtherFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            if (entry.path().extension() != ".dat") {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    // The row that shows record n.
    const Row& RowOf(int n) const { return store.list.At(store.list.FindRecord(n).value()); }

    TempFolder folder;
    RecordStore store{folder.Path()};
    ScriptedInteraction ui;
};

// The 92 bytes of record n (from 1) of an image.
inline Bytes RecordBytesOf(const Bytes& image, int n) {
    const std::size_t at = RecordOffset(n);
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(at),
                 image.begin() + static_cast<std::ptrdiff_t>(at + kRecordSize));
}

// Marks the row deleted the way the Delete command does: genre "deleted", music, style, time
// signature, tempo and keywords empty; marks, intro, section and check box kept.
inline void MarkDeleted(RecordList& list, std::size_t index) {
    list.SetCell(index, kGenreColumn, kDeletedMark);
    for (int column : {kMusicColumn, kTimeSigColumn, kTempoColumn, kKeywordsColumn, kStyleColumn}) {
        list.SetCell(index, column, "");
    }
}

}  // namespace quillory::testkit
