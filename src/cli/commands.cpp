#include "commands.h"

#include <algorithm>
#include <ostream>

#include "cli/console_interaction.h"
#include "data/common/codepage.h"
#include "data/common/operation_names.h"
#include "data/conversion/save_as.h"
#include "data/conversion/style_options.h"
#include "data/document/workspace.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/exchange/text_import.h"
#include "data/format/instrument_catalog.h"
#include "data/format/music_finder_reader.h"
#include "data/format/record_layout.h"

namespace quillory::cli {
namespace {

// The program's state as it is at start-up, with the style tables of the given folder and no
// logs written unless asked for.
void SetUp(Workspace& workspace, const CommandLine& line) {
    workspace.files.exportLog.reset();
    workspace.files.importLog.reset();
    if (line.numbers) {
        ChooseStyleNumbersSource(workspace.settings);
    }
}

bool Open(Workspace& workspace, const std::filesystem::path& file, ConsoleInteraction& ui) {
    return OpenMusicFinderFile(workspace, file, file.filename().string(), ui) == ReadOutcome::kRead;
}

int Info(Workspace& workspace, const CommandLine& line, std::ostream& out, ConsoleInteraction& ui) {
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    out << "model: " << HeaderModelName(workspace.document.Image()) << '\n'
        << "records: " << workspace.document.HeaderCount() << '\n'
        << "source: " << workspace.file.sourceInstrument << '\n';
    return kSuccess;
}

int List(Workspace& workspace, const CommandLine& line, std::ostream& out, ConsoleInteraction& ui) {
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    const std::string text = RecordListExportText(workspace.document);
    try {
        if (!line.output) {
            if (!(out << EncodeWindows1252(text + "\r\n")).flush()) {
                throw Failure(kDeviceIoError);
            }
            return kSuccess;
        }
        WriteTextFile(text, *line.output, Durability::kOnDisk);
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation::kSaveDelimitedFile);
        return kRefused;
    }
    return kSuccess;
}

// Saves all records for the chosen target through the Save As path.
int Save(Workspace& workspace, const CommandLine& line, ConsoleInteraction& ui) {
    ui.SetSaveFile(*line.output);
    return SaveAs(workspace, false, ui).file ? kSuccess : kRefused;
}

int Convert(Workspace& workspace, const CommandLine& line, std::ostream& errors,
            ConsoleInteraction& ui) {
    if (!FindInstrument(*line.target)) {
        errors << "quillory-cli: " << *line.target << " is not an instrument this program knows\n";
        return kWrongCommandLine;
    }
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    ChooseTargetInstrument(workspace, *line.target, ui);
    if (line.defaultStyle) {
        const auto& choices = workspace.choices.styles;
        const bool known = *line.defaultStyle == "None" ||
                           std::any_of(choices.begin(), choices.end(), [&](const StyleChoice& c) {
                               return c.name == *line.defaultStyle;
                           });
        if (!known) {
            errors << "quillory-cli: " << *line.defaultStyle << " is not a style of "
                   << *line.target << "\n";
            return kWrongCommandLine;
        }
        SetDefaultStyle(workspace, *line.defaultStyle, ui);
    }
    if (line.allowUserStyles) {
        SetAllowUserStyles(workspace, true, ui);
    }
    workspace.files.exportLog = line.log;
    return Save(workspace, line, ui);
}

int Import(Workspace& workspace, const CommandLine& line, std::ostream& errors,
           ConsoleInteraction& ui) {
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    const std::string& source = workspace.file.sourceInstrument;
    if (!FindInstrument(source)) {
        errors << "quillory-cli: the header of " << line.files[0].string()
               << " names no instrument this program knows\n";
        return kRefused;
    }
    ChooseTargetInstrument(workspace, source, ui);
    SetAllowUserStyles(workspace, line.allowUserStyles, ui);
    workspace.files.importLog = line.log;
    ui.SetOpenFile(line.files[1]);
    try {
        const ImportOutcome outcome = ImportTextDelimitedFile(workspace, ui);
        if (outcome.failed || outcome.accepted == 0) {
            return kRefused;
        }
    } catch (const Failure& failure) {
        // A text that cannot be read: a folder, a pipe, a device, a file without permission.
        ui.ReportError(failure, operation::kImportText);
        return kRefused;
    }
    return Save(workspace, line, ui);
}

}  // namespace

int RunCommand(const CommandLine& line, const std::filesystem::path& defaultStyles,
               std::ostream& out, std::ostream& errors) {
    ConsoleInteraction ui(errors);
    Workspace workspace(line.styles.value_or(defaultStyles));
    SetUp(workspace, line);
    if (line.command == "info") {
        return Info(workspace, line, out, ui);
    }
    if (line.command == "list") {
        return List(workspace, line, out, ui);
    }
    if (line.command == "convert") {
        return Convert(workspace, line, errors, ui);
    }
    return Import(workspace, line, errors, ui);
}

}  // namespace quillory::cli
