#include "data/format/style_table.h"

#include "data/common/failure.h"
#include "data/common/interaction.h"
#include "data/common/numbers.h"
#include "data/common/operation_names.h"
#include "data/common/text.h"
#include "data/document/workspace.h"
#include "data/files/file_reading.h"
#include "data/files/file_system.h"
#include "data/format/instrument_catalog.h"

namespace quillory {

std::vector<StyleTableLine> ParseStyleTable(std::string_view text) {
    std::vector<StyleTableLine> lines;
    const auto pieces = Split(text, "\n");
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        std::string_view piece = pieces[i];
        if (piece.ends_with('\r')) {
            piece.remove_suffix(1);
        }
        if (piece.size() > kLongestStyleTableLine) {
            throw Failure(kFileRefused, "Line " + std::to_string(i + 1) +
                                            " of the style table is longer than " +
                                            std::to_string(kLongestStyleTableLine) + " bytes.");
        }
        if (piece.empty()) {
            break;
        }
        const auto semicolon = piece.find(';');
        if (semicolon == std::string_view::npos) {
            continue;
        }
        lines.push_back(
            {std::string(piece.substr(0, semicolon)), std::string(piece.substr(semicolon + 1))});
    }
    return lines;
}

std::optional<std::filesystem::path> StyleTablePath(const ProgramFiles& files,
                                                    std::string_view instrument) {
    const std::string name = StyleTableFileName(instrument);
    std::vector<std::filesystem::path> places;
    if (const auto userStyles = files.UserStyles()) {
        places.push_back(*userStyles / name);
    }
    places.push_back(files.File(name));
    for (const auto& place : places) {
        // Whatever is there is the table: a pipe or a folder is refused when it is read.
        std::error_code error;
        if (std::filesystem::exists(place, error)) {
            return place;
        }
    }
    return std::nullopt;
}

std::string ReadStyleTable(const ProgramFiles& files, std::string_view instrument) {
    const auto path = StyleTablePath(files, instrument);
    return path ? ReadTextFile(*path) : std::string();
}

std::optional<std::string> MissingStyleTable(const ProgramFiles& files,
                                             std::string_view instrument) {
    if (StyleTablePath(files, instrument)) {
        return std::nullopt;
    }
    std::string message =
        "No style table " + StyleTableFileName(instrument) + " in " + Utf8FromPath(files.folder);
    if (const auto userStyles = files.UserStyles()) {
        message += " or in " + Utf8FromPath(*userStyles);
    }
    return message;
}

std::optional<int> OwnStyleNumber(const Workspace& workspace, const std::string& style) {
    const std::string key = NormalisedStyleName(style);
    for (const StyleTableLine& line :
         ParseStyleTable(ReadStyleTable(workspace.files, workspace.file.sourceInstrument))) {
        if (NormalisedStyleName(line.name) == key) {
            return ToInt16(NumericValue(line.numberText));
        }
    }
    return std::nullopt;
}

void SourceStyles::Add(std::string numberText, std::string name) {
    styles_.try_emplace(std::move(numberText), std::move(name));
}

const std::string* SourceStyles::Find(const std::string& numberText) const {
    const auto found = styles_.find(numberText);
    return found == styles_.end() ? nullptr : &found->second;
}

void FillSourceStyles(SourceStyles& styles, std::string_view tableText) {
    styles.Clear();
    for (auto& line : ParseStyleTable(tableText)) {
        styles.Add(std::move(line.numberText), std::move(line.name));
    }
}

StyleChoiceAdder::StyleChoiceAdder(std::vector<StyleChoice>& choices) : choices_(choices) {
    for (const auto& choice : choices_) {
        names_.insert(choice.name);
    }
}

void StyleChoiceAdder::Offer(const std::string& key, std::string_view shown, std::int32_t number) {
    if (names_.insert(key).second) {
        choices_.push_back({std::string(shown), number});
    }
}

void AppendStyleChoices(std::vector<StyleChoice>& choices, std::string_view tableText) {
    for (const auto& line : ParseStyleTable(tableText)) {
        choices.push_back({Trim(line.name), ParseInt32(line.numberText)});
    }
}

void SetUpStyleChoices(Workspace& workspace, Interaction& ui) {
    std::vector<StyleChoice>& styles = workspace.choices.styles;
    try {
        styles.clear();
        AppendStyleChoices(styles,
                           ReadStyleTable(workspace.files, workspace.settings.targetInstrument));
        workspace.settings.defaultStyle = styles.empty() ? "" : styles.back().name;
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation::kLoadTargetStyles);
    }
}

}  // namespace quillory
