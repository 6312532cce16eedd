// Reads any file image as the open command does, with a program folder of a few style tables,
// under each choice of the source-instrument menu, with and without a target chosen before.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/format/music_finder_reader.h"
#include "data/format/style_table.h"
#include "fuzz_support.h"
#include "reader_options.h"
#include "support/scripted_interaction.h"

namespace quillory::fuzz {
namespace {

void ReadImage(const std::uint8_t* data, std::size_t size) {
    Workspace ws(SourceTablesFolder());
    ws.files.exportLog.reset();
    ws.files.importLog.reset();
    testkit::ScriptedInteraction ui;
    ws.settings.sourceMenu = SourceMenuFromByte(data[0]);
    ws.settings.targetInstrument = TargetFromByte(data[1]);
    if (!ws.settings.targetInstrument.empty()) {
        SetUpStyleChoices(ws, ui);
    }

    const ReadOutcome outcome =
        ReadMusicFinderFile(ws, Bytes(data + kReaderOptionBytes, data + size), ui);

    const MusicFinderDocument& doc = ws.document;
    const std::size_t imageSize = size - kReaderOptionBytes;
    const std::size_t whole = imageSize < kHeaderSize ? 0 : (imageSize - kHeaderSize) / kRecordSize;
    Require(outcome != ReadOutcome::kRefused);
    Require(doc.Image().size() == imageSize && doc.Size() <= whole && !doc.Modified());
    Require(outcome != ReadOutcome::kRead ||
            doc.Size() == static_cast<std::size_t>(doc.HeaderCount()));
    Require((outcome == ReadOutcome::kRead) == ws.file.loaded);
    Require(!ws.file.genres.empty() && ws.file.genres.back().empty());
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
