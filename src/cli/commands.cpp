#include "commands.h"

#include <algorithm>
#include <ostream>

#include "cli/console_interaction.h"
#include "data/codepage.h"
#include "data/instrument_catalog.h"
#include "data/list_export.h"
#include "data/music_finder_reader.h"
#include "data/record_layout.h"
#include "data/record_store.h"
#include "data/save_as.h"
#include "data/style_options.h"
#include "data/text_file.h"
#include "data/text_import.h"

namespace quillory::cli {
namespace {

// A store as the program has it at start-up, with the style tables of the given folder and no
// logs written unless asked for.
RecordStore StoreFor(const CommandLine& line, const std::filesystem::path& defaultStyles) {
    RecordStore store(line.styles.value_or(defaultStyles));
    store.exportLogPath.reset();
    store.importLogPath.reset();
    if (line.numbers) {
        ChooseStyleNumbersSource(store);
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
    const std::string text = RecordListExportText(store.list);
    try {
        if (!line.output) {
            if (!(out << EncodeWindows1252(text + "\r\n")).flush()) {
                throw Failure(kDeviceIoError);
            }
            return kSuccess;
        }
        WriteTextFile(text, *line.output, Durability::kOnDisk);
    } catch (const Failure& failure) {
        ui.ReportError(failure, "SaveDelimitedFile");
        return kRefused;
    }
    return kSuccess;
}

// Saves all records for the chosen target through the Save As path.
int Save(RecordStore& store, const CommandLine& line, ConsoleInteraction& ui) {
    ui.SetSaveFile(*line.output);
    return SaveAs(store, false, ui) == ConversionOutcome::kSaved ? kSuccess : kRefused;
}

int Convert(RecordStore& store, const CommandLine& line, std::ostream& errors,
            ConsoleInteraction& ui) {
    if (!FindInstrument(*line.target)) {
        errors << "quillory-cli: " << *line.target << " is not an instrument this program knows\n";
        return kWrongCommandLine;
    }
    if (!Open(store, line.files[0], ui)) {
        return kRefused;
    }
    ChooseTargetInstrument(store, *line.target, ui);
    if (line.defaultStyle) {
        const auto& choices = store.styleChoices;
        const bool known = *line.defaultStyle == "None" ||
                           std::any_of(choices.begin(), choices.end(), [&](const StyleChoice& c) {
                               return c.name == *line.defaultStyle;
                           });
        if (!known) {
            errors << "quillory-cli: " << *line.defaultStyle << " is not a style of "
                   << *line.target << "\n";
            return kWrongCommandLine;
        }
        SetDefaultStyle(store, *line.defaultStyle, ui);
    }
    if (line.allowUserStyles) {
        SetAllowUserStyles(store, true, ui);
    }
    store.exportLogPath = line.log;
    return Save(store, line, ui);
}

int Import(RecordStore& store, const CommandLine& line, std::ostream& errors,
           ConsoleInteraction& ui) {
    if (!Open(store, line.files[0], ui)) {
        return kRefused;
    }
    if (!FindInstrument(store.gSourceInstrument)) {
        errors << "quillory-cli: the header of " << line.files[0].string()
               << " names no instrument this program knows\n";
        return kRefused;
    }
    ChooseTargetInstrument(store, store.gSourceInstrument, ui);
    SetAllowUserStyles(store, line.allowUserStyles, ui);
    store.importLogPath = line.log;
    ui.SetOpenFile(line.files[1]);
    if (ImportTextDelimitedFile(store, ui).failed) {
        return kRefused;
    }
    return Save(store, line, ui);
}

}  // namespace

int RunCommand(const CommandLine& line, const std::filesystem::path& defaultStyles,
               std::ostream& out, std::ostream& errors) {
    ConsoleInteraction ui(errors);
    RecordStore store = StoreFor(line, defaultStyles);
    if (line.command == "info") {
        return Info(store, line, out, ui);
    }
    if (line.command == "list") {
        return List(store, line, out, ui);
    }
    if (line.command == "convert") {
        return Convert(store, line, errors, ui);
    }
    return Import(store, line, errors, ui);
}

}  // namespace quillory::cli
