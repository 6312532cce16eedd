// What several fuzz targets share: the check that stops a run, and a program folder with the
// style tables the reader finds for its source instruments.

#pragma once

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "data/format/instrument_catalog.h"
#include "examples/realistic_data.h"
#include "support/temp_folder.h"

namespace quillory::fuzz {

// Stops the run, so that the fuzzer keeps the input, when a promise does not hold.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Style tables of a three-digit, a four-digit and the two threshold kinds of instrument; one of
// them repeats a number and one has a number that is not a whole number. Written once.
inline const std::filesystem::path& SourceTablesFolder() {
    static const testkit::TempFolder folder;
    static const bool written = [] {
        const auto write = [](std::string_view instrument, const testkit::StyleTableLines& lines) {
            testkit::WriteFile(folder.File(StyleTableFileName(instrument)),
                               testkit::StyleTableText(lines));
        };
        auto tyros = testkit::RealisticStyleTable(80);
        tyros.emplace_back("Second Name For One", "001");
        auto cvp = testkit::RealisticStyleTable(60);
        cvp.insert(cvp.begin() + 30, {"Not A Number", "6x1"});
        write("PSR-2000", testkit::RealisticStyleTable(120));
        write("TYROS", tyros);
        write("CVP-207", cvp);
        write("PSR-3000", testkit::RealisticStyleTable(100, 4));
        return true;
    }();
    static_cast<void>(written);
    return folder.Path();
}

}  // namespace quillory::fuzz
