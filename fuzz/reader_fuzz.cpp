// Reads any file image as the open command does, with a program folder of a few style tables,
// under each choice of the source-instrument menu, with and without a target chosen before.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/music_finder_reader.h"
#include "data/style_table.h"
#include "fuzz_support.h"
#include "reader_options.h"
#include "support/scripted_interaction.h"

namespace quillory::fuzz {
namespace {

void ReadImage(const std::uint8_t* data, std::size_t size) {
    RecordStore store(SourceTablesFolder());
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
