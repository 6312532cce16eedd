// Parses any text as a style table and loads it as the source table, as the record editor's
// style choices and as the target's table.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/common/codepage.h"
#include "data/common/failure.h"
#include "data/common/text.h"
#include "data/document/workspace.h"
#include "data/format/style_table.h"
#include "fuzz_support.h"
#include "support/scripted_interaction.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {
namespace {

void LoadTable(std::string_view text) {
    std::vector<StyleTableLine> lines;
    try {
        lines = ParseStyleTable(text);
    } catch (const Failure& failure) {
        // A line longer than any real table's refuses the whole table.
        Require(failure.Number() == kFileRefused);
        return;
    }

    SourceStyles source;
    FillSourceStyles(source, text);
    Require(source.Size() <= lines.size());
    for (const auto& line : lines) {
        Require(source.Find(line.numberText) != nullptr);
    }

    std::vector<StyleChoice> choices;
    try {
        AppendStyleChoices(choices, text);
    } catch (const Failure& failure) {
        Require(failure.Number() == kTypeMismatch || failure.Number() == kOverflow);
        Require(choices.size() < lines.size());
        return;
    }
    Require(choices.size() == lines.size());
}

// The bytes as the target's table file: its last style becomes the default style, unless the
// table fails, which keeps the default style and is reported.
void ChooseTarget(std::string_view bytes) {
    static const testkit::TempFolder folder;
    testkit::WriteFile(folder.File("PSR-2000.dat"), std::string(bytes));
    Workspace ws(folder.Path());
    ws.settings.targetInstrument = "PSR-2000";
    ws.settings.defaultStyle = "before";
    testkit::ScriptedInteraction ui;
    SetUpStyleChoices(ws, ui);
    if (!ui.reports.empty()) {
        Require(ui.reports.size() == 1 && ui.reports[0].operation == "cboStyle_setup");
        Require(ws.settings.defaultStyle == "before");
        return;
    }
    const std::vector<StyleTableLine> lines = ParseStyleTable(DecodeWindows1252(bytes));
    Require(ws.choices.styles.size() == lines.size());
    Require(ws.settings.defaultStyle == (lines.empty() ? "" : Trim(lines.back().name)));
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // As a table file reaches the loaders, decoded from the code page; and as raw text, which
    // need not even be valid UTF-8.
    quillory::fuzz::LoadTable(quillory::DecodeWindows1252(bytes));
    quillory::fuzz::LoadTable(bytes);
    quillory::fuzz::ChooseTarget(bytes);
    return 0;
}
