#include "record_search.h"

#include "interaction.h"
#include "text.h"

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

bool RecordSearch::FindFrom(RecordStore& store, int start) {
    const int rows = static_cast<int>(store.list.Size());
    for (position = start; position <= rows; ++position) {
        if (Matches(store.list.At(static_cast<std::size_t>(position - 1)).Cell(column))) {
            store.list.Select(static_cast<std::size_t>(position - 1));
            return true;
        }
    }
    return false;
}

bool RecordSearch::FindFirst(RecordStore& store, const std::string& searchText, Interaction& ui) {
    return Accept(searchText, ui) && FindFrom(store, 1);
}

bool RecordSearch::FindNext(RecordStore& store, const std::string& searchText, Interaction& ui) {
    return Accept(searchText, ui) && FindFrom(store, position + 1);
}

void RecordSearch::FindAndCheckAll(RecordStore& store, const std::string& searchText,
                                   Interaction& ui) {
    if (!Accept(searchText, ui)) {
        return;
    }
    RecordList& list = store.list;
    RecordList::ChangeBatch batch(list);
    const int rows = static_cast<int>(list.Size());
    for (position = 1; position <= rows; ++position) {
        const auto row = static_cast<std::size_t>(position - 1);
        if (Matches(list.At(row).Cell(column))) {
            list.SetChecked(row, true);
            store.window.playListEnabled = true;
        }
    }
    store.window.deleteCheckedEnabled = true;
}

}  // namespace quillory
