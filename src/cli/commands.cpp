#include "commands.h"

#include <ostream>

#include "cli/console_interaction.h"
#include "data/codepage.h"
#include "data/list_export.h"
#include "data/music_finder_reader.h"
#include "data/record_layout.h"
#include "data/record_store.h"
#include "data/safe_file.h"

namespace quillory::cli {
namespace {

// A store as the program has it at start-up, with the style tables of the given folder and no
// logs written.
RecordStore StoreFor(const CommandLine& line, const std::filesystem::path& defaultStyles) {
    RecordStore store(line.styles.value_or(defaultStyles));
    store.exportLogPath.reset();
    store.importLogPath.reset();
    if (line.numbers) {
        store.sourceMenu.choice = SourceMenu::Choice::kStyleNumbers;
    }
    return store;
}

bool Open(RecordStore& store, const std::filesystem::path& file, ConsoleInteraction& ui) {
    return OpenMusicFinderFile(store, file, file.filename().string(), ui);
}

int Info(RecordStore& store, const CommandLine& line, std::ostream& out, ConsoleInteraction& ui) {
    if (!Open(store, line.files[0], ui)) {
        return kRefused;
    }
    out << "model: " << HeaderModelName(store.gFileBytes) << '\n'
        << "records: " << store.gRecordCount << '\n'
        << "source: " << store.gSourceInstrument << '\n';
    return kSuccess;
}

int List(RecordStore& store, const CommandLine& line, std::ostream& out, ConsoleInteraction& ui) {
    if (!Open(store, line.files[0], ui)) {
        return kRefused;
    }
    const std::string text = EncodeWindows1252(RecordListExportText(store.list) + "\r\n");
    if (!line.output) {
        out << text;
        return kSuccess;
    }
    try {
        WriteFileReplacing(*line.output, text);
    } catch (const Failure& failure) {
        ui.ReportError(failure, "SaveDelimitedFile");
        return kRefused;
    }
    return kSuccess;
}

}  // namespace

int RunCommand(const CommandLine& line, const std::filesystem::path& defaultStyles,
               std::ostream& out, std::ostream& errors) {
    ConsoleInteraction ui(errors);
    RecordStore store = StoreFor(line, defaultStyles);
    if (line.command == "info") {
        return Info(store, line, out, ui);
    }
    return List(store, line, out, ui);
}

}  // namespace quillory::cli
