#include "data/exchange/saved_play_list.h"

#include <array>

#include "data/exchange/delimited_text.h"
#include "data/files/file_reading.h"
#include "data/files/file_system.h"

namespace quillory {
namespace {

constexpr std::array<std::string_view, 6> kHeader = {"Number",  "Music         ", "StyleName",
                                                     "TimeSig", "Tempo",          "Comments"};
constexpr std::size_t kMusic = 1;
constexpr std::size_t kStyle = 2;
constexpr std::size_t kComment = 5;

}  // namespace

std::optional<std::vector<SavedPlayListRow>> ReadSavedPlayList(std::string_view text) {
    const DelimitedText delimited(text);
    const std::vector<std::string_view> lines = delimited.Lines();
    std::vector<std::string_view> fields;
    std::string room;
    if (lines.empty()) {
        return std::nullopt;
    }
    delimited.Fields(lines.front(), fields, room);
    if (!std::equal(fields.begin(), fields.end(), kHeader.begin(), kHeader.end())) {
        return std::nullopt;
    }
    std::vector<SavedPlayListRow> rows;
    for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
        if (line->empty()) {
            continue;
        }
        delimited.Fields(*line, fields, room);
        fields.resize(kHeader.size());
        rows.push_back({std::string(fields[kMusic]), std::string(fields[kStyle]),
                        std::string(fields[kComment])});
    }
    return rows;
}

bool OpenSavedPlayList(PlayList& list, MusicFinderDocument& main, Interaction& ui) {
    const auto path = ui.AskOpenFileName({"Text file|*.txt", "txt"});
    if (!path || path->empty()) {
        return false;
    }
    const std::optional<Bytes> bytes = LoadFileBytes(*path);
    const auto saved =
        ReadSavedPlayList(bytes ? DecodeDelimitedText(std::string_view(
                                      reinterpret_cast<const char*>(bytes->data()), bytes->size()))
                                : std::string());
    if (!saved) {
        ui.ShowMessage(Utf8FromPath(path->filename()) + " is not a play list saved by Quillory");
        return false;
    }
    const std::vector<std::string> unmatched = list.LoadSaved(*saved, main);
    if (!unmatched.empty()) {
        std::string message = "These rows of the play list match no record of the open file:";
        for (const std::string& row : unmatched) {
            message += "\n" + row;
        }
        ui.ShowMessage(message);
    }
    return true;
}

}  // namespace quillory
