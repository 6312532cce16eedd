#include "data/exchange/list_export.h"

#include "data/common/failure.h"

namespace quillory {

void AppendRecordLine(std::string& text, std::size_t number, const Record& row) {
    text += std::to_string(number);
    for (int column = kGenreColumn; column < kColumnCount; ++column) {
        text += '\t';
        text += row.Cell(column);
    }
    text += "\r\n";
}

std::string RecordListExportText(const MusicFinderDocument& list) {
    std::string text =
        "Number\tGenre    \tMusic         \tStyle    \tTimeSig\tTempo\tKeywords\tFavorites\t"
        "Search 1\tSearch 2\tIntro\tSection\r\n";
    text.reserve(list.Size() * 96 + text.size());
    std::size_t count = 0;
    for (const Record& row : list.Records()) {
        AppendRecordLine(text, ++count, row);
    }
    return text;
}

std::string CopiedRowsText(const MusicFinderDocument& list, std::optional<std::size_t> highlighted,
                           const RecordFilter& shown) {
    std::string text;
    std::size_t count = 0;
    for (const Record& row : list.Records()) {
        if (row.checked && shown.Shows(row)) {
            AppendRecordLine(text, ++count, row);
        }
    }
    if (count == 0 && highlighted) {
        AppendRecordLine(text, 1, list.At(*highlighted));
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
