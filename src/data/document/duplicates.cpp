#include "data/document/duplicates.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "data/common/text.h"

namespace quillory {

std::string DuplicateKey(const Record& record, DuplicateRule rule) {
    std::string key = CaseFoldKey(Trim(record.music));
    if (rule == DuplicateRule::kTitleAndStyle) {
        // A tab cannot stand in a title, so title and style never run into each other.
        key += '\t';
        key += CaseFoldKey(Trim(record.style.str()));
    }
    return key;
}

std::vector<std::vector<std::size_t>> DuplicateGroups(const MusicFinderDocument& document,
                                                      DuplicateRule rule) {
    std::vector<std::size_t> rows(document.Size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
        return document.At(a).position < document.At(b).position;
    });
    std::vector<std::vector<std::size_t>> songs;
    std::unordered_map<std::string, std::size_t> songOf;
    songOf.reserve(rows.size());
    for (std::size_t row : rows) {
        const Record& record = document.At(row);
        if (record.deleted) {
            continue;
        }
        const auto [song, first] = songOf.try_emplace(DuplicateKey(record, rule), songs.size());
        if (first) {
            songs.emplace_back();
        }
        songs[song->second].push_back(row);
    }
    std::erase_if(songs, [](const std::vector<std::size_t>& song) { return song.size() < 2; });
    return songs;
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
