#include "style_replace.h"

#include "conversion.h"
#include "music_finder_reader.h"
#include "record_layout.h"
#include "text.h"

namespace quillory {
namespace {

// The keywords with every piece whose lower case is wanted replaced.
std::string ReplacedKeywords(const std::string& keywords, const std::string& wanted,
                             const std::string& replacement) {
    std::string joined;
    bool first = true;
    for (std::string_view piece : Split(keywords, ",")) {
        if (!first) {
            joined += ',';
        }
        first = false;
        joined += LowerCase(piece) == wanted ? replacement : std::string(piece);
    }
    return joined;
}

}  // namespace

std::vector<std::string> SortedGenres(RecordStore& store) {
    std::size_t filled = 0;
    while (filled < store.gGenres.size() && !store.gGenres[filled].empty()) {
        ++filled;
    }
    if (filled > 0) {
        SortStrings(store.gGenres, 0, filled - 1);
    }
    return {store.gGenres.begin(), store.gGenres.begin() + static_cast<std::ptrdiff_t>(filled)};
}

void SubReplaceStyle(RecordStore& store, ReplaceMode mode, const std::string& current,
                     const std::string& replacement, Interaction& ui) {
    RecordList& list = store.list;
    {
        RecordList::ChangeBatch batch(list);
        const std::size_t rows = list.Size();
        const std::string wantedKeyword = LowerCase(current);
        for (std::size_t row = 0; row < rows; ++row) {
            const Row& shown = list.At(row);
            if (shown.IsDeleted()) {
                continue;  // a deleted row is no entry any more, whatever its cells read
            }
            const std::size_t record = RecordOffset(shown.RecordNumber());
            if (mode == ReplaceMode::kStyle && shown.Cell(kStyleColumn) == current) {
                list.SetCell(row, kStyleColumn, replacement);
            } else if (mode == ReplaceMode::kGenre && shown.Cell(kGenreColumn) == current) {
                WriteTextField(store.gFileBytes, record + field::kGenre, field::kGenreSize,
                               replacement, '\0');
                list.SetCell(row, kGenreColumn, replacement);
            } else if (mode == ReplaceMode::kKeyword) {
                std::string keywords =
                    ReplacedKeywords(shown.Cell(kKeywordsColumn), wantedKeyword, replacement);
                if (keywords != shown.Cell(kKeywordsColumn)) {
                    WriteTextField(store.gFileBytes, record + field::kKeywords,
                                   field::kKeywordsSize, keywords, '\0');
                    list.SetCell(row, kKeywordsColumn, std::move(keywords));
                }
            }
        }
    }
    SaveMusicFinder(store, store.gTargetInstrument, false, ConversionMode::kPreview, ui);
}

}  // namespace quillory
