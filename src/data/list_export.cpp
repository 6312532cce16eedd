#include "list_export.h"

#include "failure.h"

namespace quillory {

std::string RecordListExportText(const RecordList& list) {
    std::string text =
        "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
        "Search 1\tSearch 2\tIntro\tSection\r\n";
    text.reserve(list.Size() * 96 + text.size());
    std::size_t count = 0;
    for (const Row& row : list.Rows()) {
        text += std::to_string(++count);
        for (int column = kGenreColumn; column < kColumnCount; ++column) {
            text += '\t';
            text += row.Cell(column);
        }
        text += "\r\n";
    }
    return text;
}

std::string PlayListExportText(const std::vector<std::vector<std::string>>& rows) {
    constexpr std::size_t kCells = 6;
    std::string text = "Number\tMusic         \tStyleName\tTimeSig\tTempo\tComments\r\n";
    std::size_t count = 0;
    for (const auto& row : rows) {
        if (row.size() < kCells) {
            throw Failure(kSubscriptOutOfRange);
        }
        text += std::to_string(++count);
        for (std::size_t cell = 1; cell < kCells; ++cell) {
            text += '\t';
            text += row[cell];
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace quillory
