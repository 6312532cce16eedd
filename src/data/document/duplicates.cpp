#include "data/document/duplicates.h"

#include <algorithm>
#include <unordered_map>

#include "data/common/text.h"

namespace quillory {

namespace {

// A tab cannot stand in a title, so title and style never run into each other.
constexpr char kBetween = '\t';
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The text without the blanks at its ends.
std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The rows in record order: each record stands in the image once, so each row goes straight
// to its place.
std::vector<std::size_t> RowsInRecordOrder(const MusicFinderDocument& document) {
    int last = 0;
    for (const Record& record : document.Records()) {
        last = std::max(last, record.position);
    }
    std::vector<std::size_t> rowOf(static_cast<std::size_t>(last) + 1, kNone);
    for (std::size_t row = 0; row < document.Size(); ++row) {
        rowOf[static_cast<std::size_t>(std::max(document.At(row).position, 0))] = row;
    }
    std::erase(rowOf, kNone);
    return rowOf;
}

}  // namespace

const std::string& SongKeys::Of(const Record& record) {
    key_.clear();
    AppendCaseFoldKey(key_, Trimmed(record.music));
    if (rule_ == DuplicateRule::kTitleAndStyle) {
        const std::string& style = record.style.str();
        auto [folded, first] = foldedStyles_.try_emplace(&style);
        if (first) {
            folded->second = CaseFoldKey(Trimmed(style));
        }
        key_ += kBetween;
        key_ += folded->second;
    }
    return key_;
}

std::vector<std::vector<std::size_t>> DuplicateGroups(const MusicFinderDocument& document,
                                                      DuplicateRule rule) {
    // First each record's song and how many records each song has, then the rows of the songs
    // held more than once: most songs are held once and get no list of their own.
    const std::vector<std::size_t> rows = RowsInRecordOrder(document);
    std::vector<std::size_t> songOfRow(rows.size(), kNone);
    std::vector<std::size_t> records;
    std::unordered_map<std::string, std::size_t> songOf;
    songOf.reserve(rows.size());
    SongKeys keys(rule);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Record& record = document.At(rows[k]);
        if (!record.deleted) {
            const auto song = songOf.try_emplace(keys.Of(record), records.size()).first->second;
            if (song == records.size()) {
                records.push_back(0);
            }
            ++records[song];
            songOfRow[k] = song;
        }
    }
    std::vector<std::vector<std::size_t>> groups;
    std::vector<std::size_t> groupOf(records.size(), kNone);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::size_t song = songOfRow[k];
        if (song == kNone || records[song] < 2) {
            continue;
        }
        if (groupOf[song] == kNone) {
            groupOf[song] = groups.size();
            groups.emplace_back();
        }
        groups[groupOf[song]].push_back(rows[k]);
    }
    return groups;
}

DuplicateTicks TickDuplicates(MusicFinderDocument& document, DuplicateRule rule) {
    const std::vector<std::vector<std::size_t>> groups = DuplicateGroups(document, rule);
    std::vector<bool> ticked(document.Size(), false);
    DuplicateTicks ticks;
    ticks.groups = groups.size();
    for (const std::vector<std::size_t>& group : groups) {
        ticks.duplicates += group.size() - 1;
        for (std::size_t k = 1; k < group.size(); ++k) {
            ticked[group[k]] = true;
        }
    }
    MusicFinderDocument::ChangeBatch batch(document);
    for (std::size_t row = 0; row < document.Size(); ++row) {
        document.SetChecked(row, ticked[row]);
    }
    return ticks;
}

std::string DuplicateTicksText(const DuplicateTicks& ticks) {
    return std::to_string(ticks.duplicates) + " duplicates of " + std::to_string(ticks.groups) +
           " songs ticked";
}

}  // namespace quillory
