// Imports any text into a small opened file, with and without user styles, and checks that
// rows, records and the count in the header still agree.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/music_finder_reader.h"
#include "data/record_layout.h"
#include "data/record_store.h"
#include "data/text.h"
#include "data/text_import.h"
#include "fuzz_support.h"
#include "import_options.h"
#include "support/mfd_builder.h"
#include "support/realistic_data.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {
namespace {

testkit::RecordValues Record(int style, std::string music, std::string genre) {
    testkit::RecordValues record;
    record.style = style;
    record.music = std::move(music);
    record.genre = std::move(genre);
    return record;
}

// The small files of import_options.h, each opened once as the open command opens it, beside
// their style tables. Every input starts from a copy of one of them.
class OpenedFiles {
public:
    OpenedFiles() {
        auto tyros = testkit::RealisticStyleTable(80);
        tyros.emplace_back("Second Name For One", "001");
        Write("PSR-2000", testkit::RealisticStyleTable(120));
        Write("TYROS", tyros);
        Write("PSR-1000", {{"Cool Pop", "001"}, {"Soft Ballad", "002"}, {"cool pop", "003"}});
        Open(0, testkit::BuildMfd("PSR-2000",
                                  {Record(1, "My Song", "Pop"), Record(42, "Blue Harbour", "Swing"),
                                   Record(650, "Midnight Train", "")}));
        Open(1, testkit::BuildMfd("PSR-2000", {}));
        Open(2, testkit::BuildMfd("TYROS", {Record(5, "A", "Pop"), Record(600, "B", "Rock")}));
        Open(3, testkit::BuildMfd("PSR-1000", {Record(1, "A", "Pop"), Record(2, "B", "")}));
    }

    const RecordStore& Store(unsigned index) const { return *stores_[index]; }
    const testkit::TempFolder& Folder() const { return folder_; }

private:
    void Write(std::string_view instrument, const testkit::StyleTableLines& lines) {
        testkit::WriteFile(folder_.File(std::string(instrument) + ".dat"),
                           testkit::StyleTableText(lines));
    }

    void Open(unsigned index, const Bytes& image) {
        const std::string name = "small" + std::to_string(index) + ".mfd";
        testkit::WriteFile(folder_.File(name), image);
        auto store = std::make_unique<RecordStore>(folder_.Path());
        testkit::ScriptedInteraction ui;
        Require(OpenMusicFinderFile(*store, folder_.File(name), name, ui));
        store->exportLogPath.reset();
        stores_[index] = std::move(store);
    }

    testkit::TempFolder folder_;
    std::array<std::unique_ptr<RecordStore>, kImportFileCount> stores_;
};

void Import(std::uint8_t options, std::string_view bytes) {
    static const OpenedFiles files;
    RecordStore store = files.Store(ImportFileIndex(options));
    store.gAllowUserStyles = (options & kImportAllowUserStyles) != 0;
    if (options & kImportSorted) {
        store.list.SetSort(true, kMusicColumn, SortOrder::kAscending);
    }
    if (!(options & kImportWriteLog)) {
        store.importLogPath.reset();
    }
    const std::string decoded = options & kImportDecode ? DecodeWindows1252(bytes) : "";
    const std::string_view text = options & kImportDecode ? std::string_view(decoded) : bytes;

    const Bytes before = store.gFileBytes;
    const std::size_t rowsBefore = store.list.Size();
    const std::size_t choicesBefore = store.styleChoices.size();
    testkit::ScriptedInteraction ui;

    const ImportOutcome outcome = ImportTextDelimitedText(store, text, ui);

    // Rows, records and the count agree, whatever happened.
    const std::size_t rows = store.list.Size();
    Require(store.HeaderRecordCount() == static_cast<int>(rows));
    Require(rows == rowsBefore + static_cast<std::size_t>(outcome.accepted));
    Require(store.gFileBytes.size() ==
            std::max(before.size(), RecordOffset(static_cast<int>(rows) + 1)));
    // The records that were there are untouched; only the count changed in the header.
    for (std::size_t i = 0; i < RecordOffset(static_cast<int>(rowsBefore) + 1); ++i) {
        Require(i == kCountOffset || i == kCountOffset + 1 || store.gFileBytes[i] == before[i]);
    }
    // Each new row shows the number of its record, which carries the same number.
    for (const Row& row : store.list.Rows()) {
        if (row.record > static_cast<int>(rowsBefore)) {
            Require(row.Cell(kNumberColumn) == ZeroPad(row.record, 5));
            Require(ReadBigEndian16(store.gFileBytes, RecordOffset(row.record) + field::kNumber) ==
                    row.record);
        }
    }
    Require(store.gAllowUserStyles || store.styleChoices.size() == choicesBefore);
    const bool reported = std::any_of(ui.reports.begin(), ui.reports.end(), [](const auto& r) {
        return r.operation == "ImportTextDelimitedFile";
    });
    Require(outcome.failed == reported);
    Require(outcome.failed || outcome.refused == 0 || !ui.messages.empty());
    Require(!ui.busy);
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
