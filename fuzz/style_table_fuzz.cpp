// Parses any text as a style table and loads it as the source table and as the record editor's
// style choices.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/failure.h"
#include "data/record_store.h"
#include "data/style_table.h"
#include "data/text.h"
#include "fuzz_support.h"

namespace quillory::fuzz {
namespace {

void LoadTable(std::string_view text) {
    const std::vector<StyleTableLine> lines = ParseStyleTable(text);

    SourceStyles source;
    FillSourceStyles(source, text);
    Require(source.Size() <= lines.size());
    for (const auto& line : lines) {
        Require(source.Find(line.numberText) != nullptr);
    }

    RecordStore store;
    store.gDefaultStyle = "before";
    try {
        FillStyleChoices(store, text);
    } catch (const Failure& failure) {
        Require(failure.Number() == kTypeMismatch || failure.Number() == kOverflow);
        Require(store.styleChoices.size() < lines.size());
        Require(store.gDefaultStyle == "before");
        return;
    }
    Require(store.styleChoices.size() == lines.size());
    Require(store.gDefaultStyle == (lines.empty() ? "" : Trim(lines.back().name)));
}

}  // namespace
}  // namespace quillory::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // As a table file reaches the loaders, decoded from the code page; and as raw text, which
    // need not even be valid UTF-8.
    quillory::fuzz::LoadTable(quillory::DecodeWindows1252(bytes));
    quillory::fuzz::LoadTable(bytes);
    return 0;
}
