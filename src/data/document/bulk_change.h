#pragma once

#include <cstddef>
#include <string>

namespace quillory {

// The commands that change many records at once.
enum class BulkChange {
    kReplaceStyle,
    kReplaceGenre,
    kReplaceKeyword,
    kKeywordAdd,
    kClearFavorite,
    kClearSearch1,
    kClearSearch2,
    kDeleteChecked,
};

// The name of the undo step, with the count of records it changed ("Replace the style in 112
// records").
std::string BulkStepName(BulkChange change, std::size_t records);
// What the status bar says afterwards ("Replaced the style in 112 records").
std::string BulkReport(BulkChange change, std::size_t records);

}  // namespace quillory
