#include "data/format/record.h"

#include "data/common/text.h"
#include "data/format/record_layout.h"

namespace quillory {

namespace {

// A mark's cell text: "Yes" or "No".
const char* MarkCellText(bool yes) {
    return yes ? "Yes" : "No";
}

}  // namespace

std::string Record::Cell(int column) const {
    switch (column) {
        case kNumberColumn: return ZeroPad(number, 5);
        case kGenreColumn: return deleted ? kDeletedMark : genre;
        case kMusicColumn: return music;
        case kStyleColumn: return style;
        case kTimeSigColumn: return timeSig;
        case kTempoColumn: return tempo;
        case kKeywordsColumn: return keywords;
        case kFavoriteColumn: return MarkCellText(favorite);
        case kSearch1Column: return MarkCellText(search1);
        case kSearch2Column: return MarkCellText(search2);
        case kIntroColumn: return std::string(SectionText(intro));
        case kSectionColumn: return std::string(SectionText(next));
        default: return {};
    }
}

void Record::SetGenre(std::string text) {
    deleted = text == kDeletedMark;
    genre = std::move(text);
}

}  // namespace quillory
