#include "commands.h"

#include <algorithm>
#include <ostream>

#include "cli/console_interaction.h"
#include "data/common/codepage.h"
#include "data/common/operation_names.h"
#include "data/conversion/merge.h"
#include "data/conversion/save_as.h"
#include "data/conversion/style_options.h"
#include "data/document/duplicates.h"
#include "data/document/open_file_save.h"
#include "data/document/workspace.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/exchange/text_import.h"
#include "data/files/file_system.h"
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

// Writes the text to the output in the single-byte code page; failures are thrown.
void WriteOut(std::ostream& out, const std::string& text) {
    if (!(out << EncodeWindows1252(text)).flush()) {
        throw Failure(kDeviceIoError);
    }
}

int Info(Workspace& workspace, const std::filesystem::path& file, std::ostream& out,
         ConsoleInteraction& ui) {
    if (!Open(workspace, file, ui)) {
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
            WriteOut(out, text + "\r\n");
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

// Takes the default style and the user-style option of the command line for the target chosen;
// false for a default style the target lacks.
bool ChooseStyleOptions(Workspace& workspace, const CommandLine& line, std::ostream& errors,
                        ConsoleInteraction& ui) {
    if (line.defaultStyle) {
        const auto& choices = workspace.choices.styles;
        const bool known = *line.defaultStyle == "None" ||
                           std::any_of(choices.begin(), choices.end(), [&](const StyleChoice& c) {
                               return c.name == *line.defaultStyle;
                           });
        if (!known) {
            errors << "quillory-cli: " << *line.defaultStyle << " is not a style of "
                   << workspace.settings.targetInstrument << "\n";
            return false;
        }
        SetDefaultStyle(workspace, *line.defaultStyle, ui);
    }
    if (line.allowUserStyles) {
        SetAllowUserStyles(workspace, true, ui);
    }
    return true;
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
    if (!ChooseStyleOptions(workspace, line, errors, ui)) {
        return kWrongCommandLine;
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

// Merges every other file into the first, as the window's Merge File does, and saves the result
// as the window's Save writes the open file; nothing is written when a merge is refused.
int Merge(Workspace& workspace, const CommandLine& line, std::ostream& out, std::ostream& errors,
          ConsoleInteraction& ui) {
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    if (!ChooseStyleOptions(workspace, line, errors, ui)) {
        return kWrongCommandLine;
    }
    std::string log;
    try {
        for (std::size_t i = 1; i < line.files.size(); ++i) {
            const MergeOutcome outcome =
                MergeFile(workspace, line.files[i], {line.skipDuplicates}, ui);
            if (!outcome.done) {
                return kRefused;
            }
            out << Utf8FromPath(line.files[i]) << ": " << MergeOutcomeText(outcome) << '\n';
            log += (log.empty() ? "" : "\r\n") + outcome.log;
        }
        workspace.file.path = *line.output;
        if (!SaveOpenFile(workspace, ui)) {
            return kRefused;
        }
    } catch (const Failure& failure) {
        ui.ReportError(failure, "MergeFile");
        return kRefused;
    }
    return !line.log || WriteLog(workspace.files, line.log, log, ui) ? kSuccess : kRefused;
}

// Each song that more than one record holds: its records' lines, a blank line between songs.
int Duplicates(Workspace& workspace, const CommandLine& line, std::ostream& out,
               ConsoleInteraction& ui) {
    if (!Open(workspace, line.files[0], ui)) {
        return kRefused;
    }
    const MusicFinderDocument& document = workspace.document;
    std::string text;
    for (const std::vector<std::size_t>& song : DuplicateGroups(
             document, line.titleOnly ? DuplicateRule::kTitle : DuplicateRule::kTitleAndStyle)) {
        text += text.empty() ? "" : "\r\n";
        for (std::size_t row : song) {
            AppendRecordLine(text, static_cast<std::size_t>(document.At(row).number),
                             document.At(row));
        }
    }
    try {
        WriteOut(out, text);
    } catch (const Failure& failure) {
        ui.ReportError(failure, "FindDuplicates");
        return kRefused;
    }
    return kSuccess;
}

}  // namespace

int RunCommand(const CommandLine& line, const std::filesystem::path& defaultStyles,
               std::ostream& out, std::ostream& errors) {
    ConsoleInteraction ui(errors);
    if (line.command == "info") {
        // Each file is read as the first; several are told apart by a line naming each.
        int status = kSuccess;
        for (const std::filesystem::path& file : line.files) {
            Workspace workspace(line.styles.value_or(defaultStyles));
            SetUp(workspace, line);
            if (line.files.size() > 1) {
                out << (&file == &line.files.front() ? "" : "\n") << "file: " << Utf8FromPath(file)
                    << '\n';
            }
            status = std::max(status, Info(workspace, file, out, ui));
        }
        return status;
    }
    Workspace workspace(line.styles.value_or(defaultStyles));
    SetUp(workspace, line);
    if (line.command == "list") {
        return List(workspace, line, out, ui);
    }
    if (line.command == "convert") {
        return Convert(workspace, line, errors, ui);
    }
    if (line.command == "merge") {
        return Merge(workspace, line, out, errors, ui);
    }
    if (line.command == "duplicates") {
        return Duplicates(workspace, line, out, ui);
    }
    return Import(workspace, line, errors, ui);
}

}  // namespace quillory::cli
