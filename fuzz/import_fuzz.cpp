// Imports any text into a small opened file, with and without user styles, and checks that
// rows, records and the count in the header still agree, and that undoing the import gives
// the file back as it was.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/common/text.h"
#include "data/exchange/delimited_text.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_import.h"
#include "data/format/music_finder_reader.h"
#include "data/format/record_layout.h"
#include "examples/realistic_data.h"
#include "fuzz_support.h"
#include "import_options.h"
#include "support/edit_history.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {
namespace {

testkit::RecordValues SmallRecord(int style, std::string music, std::string genre) {
    testkit::RecordValues record;
    record.style = style;
    record.music = std::move(music);
    record.genre = std::move(genre);
    return record;
}

// The small files of import_options.h beside their style tables. Every input opens one of them
// afresh, as the open command opens it.
class SmallFiles {
public:
    SmallFiles() {
        auto tyros = testkit::RealisticStyleTable(80);
        tyros.emplace_back("Second Name For One", "001");
        Write("PSR-2000", testkit::RealisticStyleTable(120));
        Write("TYROS", tyros);
        Write("PSR-1000", {{"Cool Pop", "001"}, {"Soft Ballad", "002"}, {"cool pop", "003"}});
        images_ = {
            testkit::BuildMfd("PSR-2000", {SmallRecord(1, "My Song", "Pop"),
                                           SmallRecord(42, "Blue Harbour", "Swing"),
                                           SmallRecord(650, "Midnight Train", "")}),
            testkit::BuildMfd("PSR-2000", {}),
            testkit::BuildMfd("TYROS", {SmallRecord(5, "A", "Pop"), SmallRecord(600, "B", "Rock")}),
            testkit::BuildMfd("PSR-1000", {SmallRecord(1, "A", "Pop"), SmallRecord(2, "B", "")})};
    }

    void Open(unsigned index, Workspace& ws) const {
        ws.files.exportLog.reset();
        testkit::ScriptedInteraction ui;
        Require(ReadMusicFinderFile(ws, images_[index], ui) == ReadOutcome::kRead);
    }
    const testkit::TempFolder& Folder() const { return folder_; }

private:
    void Write(std::string_view instrument, const testkit::StyleTableLines& lines) {
        testkit::WriteFile(folder_.File(std::string(instrument) + ".dat"),
                           testkit::StyleTableText(lines));
    }

    testkit::TempFolder folder_;
    std::array<Bytes, kImportFileCount> images_;
};

void Import(std::uint8_t options, std::string_view bytes) {
    static const SmallFiles files;
    Workspace ws(files.Folder().Path());
    files.Open(ImportFileIndex(options), ws);
    MusicFinderDocument& doc = ws.document;
    ws.settings.allowUserStyles = (options & kImportAllowUserStyles) != 0;
    if (options & kImportSorted) {
        doc.SetSort(true, kMusicColumn, SortOrder::kAscending);
    }
    if (!(options & kImportWriteLog)) {
        ws.files.importLog.reset();
    }
    const std::string decoded = options & kImportDecode ? DecodeDelimitedText(bytes) : "";
    const std::string_view text = options & kImportDecode ? std::string_view(decoded) : bytes;

    const Bytes before = doc.Image();
    const std::string listBefore = RecordListExportText(doc);
    const std::size_t rowsBefore = doc.Size();
    const std::size_t choicesBefore = ws.choices.styles.size();
    testkit::ScriptedInteraction ui;
    testkit::EditHistory history;
    doc.AddObserver(history);

    const ImportOutcome outcome = ImportTextDelimitedText(ws, text, ui);

    // Rows, records and the count agree, whatever happened.
    const std::size_t rows = doc.Size();
    Require(doc.HeaderCount() == static_cast<int>(rows));
    Require(rows == rowsBefore + static_cast<std::size_t>(outcome.accepted));
    Require(doc.Image().size() ==
            std::max(before.size(), RecordOffset(static_cast<int>(rows) + 1)));
    // The records that were there are untouched; only the count changed in the header.
    for (std::size_t i = 0; i < RecordOffset(static_cast<int>(rowsBefore) + 1); ++i) {
        Require(i == kCountOffset || i == kCountOffset + 1 || doc.Image()[i] == before[i]);
    }
    // Each new row shows the number of its record, which carries the same number.
    for (const Record& row : doc.Records()) {
        if (row.position > static_cast<int>(rowsBefore)) {
            Require(row.Cell(kNumberColumn) == ZeroPad(row.position, 5));
            Require(ReadBigEndian16(doc.Image(), RecordOffset(row.position) + field::kNumber) ==
                    row.position);
        }
    }
    Require(ws.settings.allowUserStyles || ws.choices.styles.size() == choicesBefore);
    const bool reported = std::any_of(ui.reports.begin(), ui.reports.end(), [](const auto& r) {
        return r.operation == "ImportTextDelimitedFile";
    });
    Require(outcome.failed == reported);
    Require(outcome.failed || (outcome.refused == 0 && outcome.accepted > 0) ||
            !ui.messages.empty());
    Require(!ui.busy);

    // What the import stored is one step: undone, the file is as before; redone, as imported.
    Require(history.steps.size() == (rows > rowsBefore ? 1u : 0u));
    if (!history.steps.empty()) {
        const Bytes imported = doc.Image();
        const std::string listImported = RecordListExportText(doc);
        doc.Undo(*history.steps[0]);
        Require(doc.Image() == before && RecordListExportText(doc) == listBefore);
        Require(!doc.Modified());
        doc.Redo(*history.steps[0]);
        Require(doc.Image() == imported && RecordListExportText(doc) == listImported);
    }
    doc.RemoveObserver(history);
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= quillory::fuzz::kImportOptionBytes) {
        quillory::fuzz::Import(
            data[0], std::string_view(
                         reinterpret_cast<const char*>(data) + quillory::fuzz::kImportOptionBytes,
                         size - quillory::fuzz::kImportOptionBytes));
    }
    return 0;
}
