#include "data/document/bulk_change.h"

#include "data/common/text.h"

namespace quillory {
namespace {

struct BulkWords {
    const char* doing;
    const char* done;
};

BulkWords WordsOf(BulkChange change) {
    switch (change) {
        case BulkChange::kReplaceStyle: return {"Replace the style in", "Replaced the style in"};
        case BulkChange::kReplaceGenre: return {"Replace the genre in", "Replaced the genre in"};
        case BulkChange::kReplaceKeyword:
            return {"Replace the keyword in", "Replaced the keyword in"};
        case BulkChange::kKeywordAdd: return {"Add the keyword to", "Added the keyword to"};
        case BulkChange::kClearFavorite: return {"Clear Fav in", "Cleared Fav in"};
        case BulkChange::kClearSearch1: return {"Clear S1 in", "Cleared S1 in"};
        case BulkChange::kClearSearch2: return {"Clear S2 in", "Cleared S2 in"};
        case BulkChange::kDeleteChecked: break;
    }
    return {"Delete", "Deleted"};
}

std::string Phrase(const char* words, std::size_t records) {
    return std::string(words) + " " + Counted(records, "record");
}

}  // namespace

std::string BulkStepName(BulkChange change, std::size_t records) {
    return Phrase(WordsOf(change).doing, records);
}

std::string BulkReport(BulkChange change, std::size_t records) {
    return Phrase(WordsOf(change).done, records);
}

}  // namespace quillory
