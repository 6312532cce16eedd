#include "data/document/record_search.h"

#include "data/common/interaction.h"
#include "data/common/text.h"

namespace quillory {

bool RecordSearch::Matches(const std::string& cell) const {
    if (wholeWord) {
        for (std::string_view piece : Split(cell, ",")) {
            if (piece == text) {
                return true;
            }
        }
        return false;
    }
    return LowerCase(cell).find(loweredText_) != std::string::npos;
}

bool RecordSearch::Accept(const std::string& searchText, Interaction& ui) {
    text = searchText;
    loweredText_ = LowerCase(text);
    if (text.empty()) {
        ui.ShowMessage("please enter something to search for");
        return false;
    }
    return true;
}

std::optional<std::size_t> RecordSearch::FindFrom(const MusicFinderDocument& list, int start) {
    const int rows = static_cast<int>(list.Size());
    for (position = start; position <= rows; ++position) {
        const auto row = static_cast<std::size_t>(position - 1);
        if (Matches(list.At(row).Cell(column))) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> RecordSearch::FindFirst(const MusicFinderDocument& list,
                                                   const std::string& searchText, Interaction& ui) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    return FindFrom(list, 1);
}

std::optional<std::size_t> RecordSearch::FindNext(const MusicFinderDocument& list,
                                                  const std::string& searchText, Interaction& ui) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    return FindFrom(list, position + 1);
}

std::optional<std::size_t> RecordSearch::FindAndCheckAll(MusicFinderDocument& list,
                                                         const std::string& searchText,
                                                         Interaction& ui) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    MusicFinderDocument::ChangeBatch batch(list);
    std::size_t matched = 0;
    const int rows = static_cast<int>(list.Size());
    for (position = 1; position <= rows; ++position) {
        const auto row = static_cast<std::size_t>(position - 1);
        if (Matches(list.At(row).Cell(column))) {
            list.SetChecked(row, true);
            ++matched;
        }
    }
    return matched;
}

}  // namespace quillory
