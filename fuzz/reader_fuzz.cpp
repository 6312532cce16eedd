// Reads any file image as the open command does, with a program folder of a few style tables,
// under each choice of the source-instrument menu, with and without a target chosen before.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "data/music_finder_reader.h"
#include "data/style_table.h"
#include "reader_options.h"
#include "support/mfd_builder.h"
#include "support/realistic_data.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {
namespace {

void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Style tables of a three-digit, a four-digit and the two threshold kinds of instrument; one of
// them repeats a number and one has a number that is not a whole number. Written once.
class ProgramFolder {
public:
    ProgramFolder() {
        auto tyros = testkit::RealisticStyleTable(80);
        tyros.emplace_back("Second Name For One", "001");
        auto cvp = testkit::RealisticStyleTable(60);
        cvp.insert(cvp.begin() + 30, {"Not A Number", "6x1"});
        Write("PSR-2000", testkit::RealisticStyleTable(120));
        Write("TYROS", tyros);
        Write("CVP-207", cvp);
        Write("PSR-3000", testkit::RealisticStyleTable(100, 4));
    }

    const std::filesystem::path& Path() const { return folder_.Path(); }

private:
    void Write(std::string_view instrument, const testkit::StyleTableLines& lines) {
        testkit::WriteFile(folder_.File(StyleTableFileName(instrument)),
                           testkit::StyleTableText(lines));
    }

    testkit::TempFolder folder_;
};

void ReadImage(const std::uint8_t* data, std::size_t size) {
    static const ProgramFolder folder;
    RecordStore store(folder.Path());
    store.exportLogPath.reset();
    store.importLogPath.reset();
    testkit::ScriptedInteraction ui;
    store.sourceMenu = SourceMenuFromByte(data[0]);
    store.gTargetInstrument = TargetFromByte(data[1]);
    if (!store.gTargetInstrument.empty()) {
        cboStyle_setup(store, ui);
    }
    store.gFileBytes.assign(data + kReaderOptionBytes, data + size);

    const bool read = ReadMusicFinderFile(store, ui);

    const std::size_t imageSize = size - kReaderOptionBytes;
    const std::size_t whole = imageSize < kHeaderSize ? 0 : (imageSize - kHeaderSize) / kRecordSize;
    Require(store.list.Size() <= whole);
    Require(!read || store.list.Size() == static_cast<std::size_t>(store.gRecordCount));
    Require(read == store.gFileLoaded);
    Require(!store.gGenres.empty() && store.gGenres.back().empty());
    Require(!ui.busy);
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= quillory::fuzz::kReaderOptionBytes) {
        quillory::fuzz::ReadImage(data, size);
    }
    return 0;
}
