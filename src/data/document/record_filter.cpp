#include "data/document/record_filter.h"

#include "data/common/interaction.h"

namespace quillory {
bool RecordFilter::Shows(const Record& record) const {
    if (!Active()) {
        return true;
    }
    if (column_) {
        return finder_.FoundIn(record.Cell(*column_));
    }
    for (int column = 0; column < kColumnCount; ++column) {
        if (finder_.FoundIn(record.Cell(column))) {
            return true;
        }
    }
    return false;
}

ListCounts CountList(const MusicFinderDocument& document, std::size_t shown) {
    ListCounts counts;
    counts.shown = shown;
    for (const Record& record : document.Records()) {
        (record.deleted ? counts.deleted : counts.records) += 1;
        counts.ticked += record.checked ? 1 : 0;
    }
    return counts;
}

std::string ListCountsText(const ListCounts& counts) {
    return Counted(counts.records, "record") + ", " + GroupedNumber(counts.shown) + " shown, " +
           GroupedNumber(counts.ticked) + " ticked, " + GroupedNumber(counts.deleted) + " deleted";
}

bool AllRecordsMayChange(const MusicFinderDocument& document, const RecordFilter& filter,
                         Interaction& ui) {
    std::size_t records = 0;
    std::size_t hidden = 0;
    for (const Record& record : document.Records()) {
        if (!record.deleted) {
            ++records;
            hidden += filter.Shows(record) ? 0 : 1;
        }
    }
    return hidden == 0 ||
           ui.ConfirmOkCancel("This changes all " + Counted(records, "record") + ", including " +
                              GroupedNumber(hidden) + " hidden by the filter. Go on?");
}

bool TickedShownMayGo(const MusicFinderDocument& document, const RecordFilter& filter,
                      Interaction& ui) {
    if (!filter.Active()) {
        return true;
    }
    std::size_t shown = 0;
    std::size_t hidden = 0;
    for (const Record& record : document.Records()) {
        if (record.checked) {
            (filter.Shows(record) ? shown : hidden) += 1;
        }
    }
    if (shown == 0) {
        return true;
    }
    std::string question = "Delete " + Counted(shown, "ticked record") + " shown?";
    if (hidden > 0) {
        question +=
            " " + Counted(hidden, "ticked record") + " hidden by the filter will not be deleted.";
    }
    return ui.ConfirmOkCancel(question);
}

}  // namespace quillory
