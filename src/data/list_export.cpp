#include "list_export.h"

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

}  // namespace quillory
