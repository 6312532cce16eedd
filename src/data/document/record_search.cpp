#include "data/document/record_search.h"

#include "data/common/interaction.h"

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
    return finder_.FoundIn(cell);
}

bool RecordSearch::Accept(const std::string& searchText, Interaction& ui) {
    text = searchText;
    finder_ = CaseFreeFinder(text);
    if (text.empty()) {
        ui.ShowMessage("please enter something to search for");
        return false;
    }
    return true;
}

std::optional<std::size_t> RecordSearch::FindFrom(const MusicFinderDocument& list, int start,
                                                  const RecordFilter& shown) {
    const int rows = static_cast<int>(list.Size());
    for (position = start; position <= rows; ++position) {
        const Record& record = list.At(static_cast<std::size_t>(position - 1));
        if (Matches(record.Cell(column)) && shown.Shows(record)) {
            return static_cast<std::size_t>(position - 1);
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> RecordSearch::FindFirst(const MusicFinderDocument& list,
                                                   const std::string& searchText, Interaction& ui,
                                                   const RecordFilter& shown) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    const auto found = FindFrom(list, 1, shown);
    if (!found) {
        ui.ShowMessage("No record contains " + text);
    }
    return found;
}

std::optional<std::size_t> RecordSearch::FindNext(const MusicFinderDocument& list,
                                                  const std::string& searchText, Interaction& ui,
                                                  const RecordFilter& shown) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    if (const auto found = FindFrom(list, position + 1, shown)) {
        return found;
    }
    if (ui.AskYesNo("No more records contain " + text + ". Go on from the top?", "Song Search")) {
        return FindFirst(list, searchText, ui, shown);
    }
    return std::nullopt;
}

std::optional<std::size_t> RecordSearch::FindAndCheckAll(MusicFinderDocument& list,
                                                         const std::string& searchText,
                                                         Interaction& ui,
                                                         const RecordFilter& shown) {
    if (!Accept(searchText, ui)) {
        return std::nullopt;
    }
    MusicFinderDocument::ChangeBatch batch(list);
    std::size_t matched = 0;
    const int rows = static_cast<int>(list.Size());
    for (position = 1; position <= rows; ++position) {
        const auto row = static_cast<std::size_t>(position - 1);
        if (Matches(list.At(row).Cell(column)) && shown.Shows(list.At(row))) {
            list.SetChecked(row, true);
            ++matched;
        }
    }
    return matched;
}

std::string TickedReport(std::size_t matched) {
    return "Ticked " + Counted(matched, "record");
}

}  // namespace quillory
