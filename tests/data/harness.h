#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "data/conversion/conversion.h"
#include "data/document/record_commands.h"
#include "data/document/workspace.h"
#include "data/format/music_finder_reader.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::testkit {

using Styles = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

template <typename Items, typename F>
auto Map(const Items& items, F f) {
    std::vector<std::decay_t<decltype(f(*std::begin(items)))>> out;
    for (const auto& item : items) {
        out.push_back(f(item));
    }
    return out;
}

// size bytes of record n (from 1) of an image, from the field at offset; fewer past its end.
inline std::string RecordBytes(const Bytes& image, int n, std::size_t offset = 0,
                               std::size_t size = mfd::kRecordSize) {
    const std::string all(image.begin(), image.end());
    return all.substr(std::min(mfd::RecordOffset(n) + offset, all.size()), size);
}

// The error number an action fails with; 0 when it succeeds.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

inline int CountOf(const Bytes& image) {
    return mfd::ReadBigEndian16(image, mfd::kCountOffset);
}

inline std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), '\0');
}

inline std::string Joined(const Record& row) {
    std::string text = row.Cell(kNumberColumn);
    for (int column = kGenreColumn; column < kColumnCount; ++column) {
        text += "|" + row.Cell(column);
    }
    return text;
}

inline RecordValues WithTexts(std::string music, std::string genre, std::string keywords = "") {
    return {{}, 1, 4, 4, 120, 0, std::move(music), std::move(genre), std::move(keywords), 0};
}

inline std::vector<int> Order(const MusicFinderDocument& doc) {
    return Map(doc.Records(), [](const Record& row) { return row.position; });
}

inline std::vector<RecordValues> RecordsWithStyles(const std::vector<int>& styles) {
    return Map(styles,
               [](int style) { return RecordValues{{}, style, 4, 4, 120, 0, "", "", "", 0}; });
}

// A program folder for style tables and logs, a workspace that uses it and a scripted user,
// with looks at the rows and at the records they stand for.
class Harness {
public:
    void WriteTable(const std::string& instrument, const Styles& styles) {
        WriteFile(folder.File(instrument + ".dat"), StyleTableText(styles));
    }
    ReadOutcome Read(const Bytes& bytes, const std::string& name = "song.mfd") {
        WriteFile(folder.File(name), bytes);
        return OpenMusicFinderFile(ws, folder.File(name), name, ui);
    }
    bool Open(const Bytes& bytes, const std::string& name = "song.mfd") {
        return Read(bytes, name) == ReadOutcome::kRead;
    }
    ConversionResult Preview(const std::string& target) {
        return SaveMusicFinder(ws, target, false, ConversionMode::kPreview, ui);
    }
    // Saves for the target into the named file of the folder, answering the save dialog.
    ConversionOutcome Save(const std::string& target, const std::string& name,
                           bool checkedOnly = false) {
        ui.fileAnswers.push_back(folder.Path() / name);
        return SaveMusicFinder(ws, target, checkedOnly, ConversionMode::kSave, ui).outcome;
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder.Path() / name);
    }
    void Remove(const std::string& name) const { std::filesystem::remove(folder.Path() / name); }
    std::string FileText(const std::string& name) const {
        const Bytes bytes = ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    }

    std::size_t IndexOf(int n) const { return doc.FindRecord(n).value(); }
    const Record& RowOf(int n) const { return doc.At(IndexOf(n)); }
    void Delete(int n) { DeleteRecord(doc, IndexOf(n)); }
    void Tick(const std::vector<int>& numbers) {
        for (int n : numbers) {
            doc.SetChecked(IndexOf(n), true);
        }
    }
    std::string Stored(int n, std::size_t offset = 0, std::size_t size = mfd::kRecordSize) const {
        return RecordBytes(doc.Image(), n, offset, size);
    }
    Texts Stored(const std::vector<int>& numbers, std::size_t offset, std::size_t size) const {
        return Map(numbers, [&](int n) { return Stored(n, offset, size); });
    }
    Texts Column(int column) const {
        Texts cells;
        for (int n = 1; n <= static_cast<int>(doc.Size()); ++n) {
            cells.push_back(RowOf(n).Cell(column));
        }
        return cells;
    }
    // What the user was told: each message "text;", then each error report "#number operation;".
    std::string Told() const {
        std::string told;
        for (const std::string& message : ui.messages) {
            told += message + ";";
        }
        for (const ScriptedInteraction::Report& report : ui.reports) {
            told += Reported(report.number, report.operation);
        }
        return told;
    }
    static std::string Reported(int number, const std::string& operation) {
        return "#" + std::to_string(number) + " " + operation + ";";
    }
    Texts ChoiceNames() const {
        return Map(ws.choices.styles, [](const StyleChoice& choice) { return choice.name; });
    }

    TempFolder folder;
    Workspace ws{folder.Path(), folder.Path()};
    MusicFinderDocument& doc = ws.document;
    ScriptedInteraction ui;
};

class DataTest : public testing::Test, public Harness {};

}  // namespace quillory::testkit
