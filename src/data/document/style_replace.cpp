#include "data/document/style_replace.h"

#include <optional>

#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/format/record_layout.h"
#include "data/format/style_table.h"

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

BulkChange ChangeOf(ReplaceMode mode) {
    switch (mode) {
        case ReplaceMode::kStyle: return BulkChange::kReplaceStyle;
        case ReplaceMode::kGenre: return BulkChange::kReplaceGenre;
        case ReplaceMode::kKeyword: break;
    }
    return BulkChange::kReplaceKeyword;
}

std::size_t SubReplaceStyle(Workspace& workspace, ReplaceMode mode, const std::string& current,
                            const std::string& replacement, Interaction& ui) {
    MusicFinderDocument& document = workspace.document;
    std::size_t replaced = 0;
    {
        EditScope step(document, BulkStepName(ChangeOf(mode), 0));
        MusicFinderDocument::ChangeBatch batch(document);
        const std::size_t rows = document.Size();
        const std::string wantedKeyword = LowerCase(current);
        const std::optional<int> ownNumber =
            mode == ReplaceMode::kStyle ? OwnStyleNumber(workspace, replacement) : std::nullopt;
        for (std::size_t row = 0; row < rows; ++row) {
            const Record& shown = document.At(row);
            if (shown.deleted) {
                continue;  // a deleted row is no entry any more, whatever it shows
            }
            if (mode == ReplaceMode::kStyle && shown.style == current) {
                Bytes bytes = document.RecordBytes(shown.position);
                if (ownNumber) {
                    WriteBigEndian16(bytes, field::kStyle, *ownNumber);
                }
                Record record = shown;
                record.style = replacement;
                document.Change(row, std::move(record), bytes);
                ++replaced;
            } else if (mode == ReplaceMode::kGenre && shown.genre == current) {
                Bytes bytes = document.RecordBytes(shown.position);
                WriteTextField(bytes, field::kGenre, field::kGenreSize, replacement, '\0');
                Record record = shown;
                record.SetGenre(replacement);
                document.Change(row, std::move(record), bytes);
                ++replaced;
            } else if (mode == ReplaceMode::kKeyword) {
                std::string keywords = ReplacedKeywords(shown.keywords, wantedKeyword, replacement);
                if (keywords != shown.keywords) {
                    Bytes bytes = document.RecordBytes(shown.position);
                    WriteTextField(bytes, field::kKeywords, field::kKeywordsSize, keywords, '\0');
                    Record record = shown;
                    record.keywords = std::move(keywords);
                    document.Change(row, std::move(record), bytes);
                    ++replaced;
                }
            }
        }
        step.Rename(BulkStepName(ChangeOf(mode), replaced));
    }
    RefreshPreview(workspace, ui);
    return replaced;
}

}  // namespace quillory
