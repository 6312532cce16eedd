#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quillory {

struct ProgramFiles;
struct Workspace;
class Interaction;

// One line of a style table file: the name before the first ";" (untrimmed) and the number
// text after it.
struct StyleTableLine {
    std::string name;
    std::string numberText;
};

// Longer than any line of a real style table.
inline constexpr std::size_t kLongestStyleTableLine = 64 * 1024;

// The lines of a style table text (UTF-8). The text is cut at every line end, CR LF or LF; the
// piece after the last line end is never read, reading stops at the first empty line, and a
// line without ";" is not a table line and is skipped. A line longer than
// kLongestStyleTableLine bytes fails with its number.
std::vector<StyleTableLine> ParseStyleTable(std::string_view text);

// Where an instrument's style table is read from: the user's own table in the data folder's
// "styles" folder when something is there, else the program's; none when neither exists.
std::optional<std::filesystem::path> StyleTablePath(const ProgramFiles& files,
                                                    std::string_view instrument);

// The style table text of an instrument; empty when it has none.
std::string ReadStyleTable(const ProgramFiles& files, std::string_view instrument);

// The number the open file's own instrument gives a style (names compared as conversion
// compares them, the first line that matches winning), so that a record keeps a style chosen by
// name when the file is saved as it is; none when its table lacks the style.
std::optional<int> OwnStyleNumber(const Workspace& workspace, const std::string& style);

// What to tell the user when the instrument has no style table: no record could keep its style
// on it ("No style table CVP-305.dat in FOLDER or in DATA/styles").
std::optional<std::string> MissingStyleTable(const ProgramFiles& files,
                                             std::string_view instrument);

// The source instrument's style table: number text as written to name as written. A number
// that occurs again keeps the name of its first line.
class SourceStyles {
public:
    void Add(std::string numberText, std::string name);
    const std::string* Find(const std::string& numberText) const;
    std::size_t Size() const { return styles_.size(); }
    void Clear() { styles_.clear(); }

private:
    std::unordered_map<std::string, std::string> styles_;
};

// One entry of the record editor's style list: the name shown and its style number.
struct StyleChoice {
    std::string name;
    std::int32_t number = 0;

    bool operator==(const StyleChoice&) const = default;
};

// Adds user styles to the editor's style list, each once: a style is left out while an entry's
// name or an earlier offer's key equals its key.
class StyleChoiceAdder {
public:
    explicit StyleChoiceAdder(std::vector<StyleChoice>& choices);

    void Offer(const std::string& key, std::string_view shown, std::int32_t number);

private:
    std::vector<StyleChoice>& choices_;
    std::unordered_set<std::string> names_;
};

// Fills the source table from a style table text (replacing what it held).
void FillSourceStyles(SourceStyles& styles, std::string_view tableText);

// Loads the target instrument's table into the editor's style choices (names trimmed, numbers
// as 32-bit integers, duplicates kept) and makes its last style the default style. A number
// that is not a whole number fails with type mismatch: the choices keep what came before it,
// the default style stays as it was, and the failure is reported as "cboStyle_setup".
void SetUpStyleChoices(Workspace& workspace, Interaction& ui);

// Appends a table's styles to a list of choices: names trimmed, numbers as 32-bit integers
// (type mismatch for a number that is not one, after the lines before it were appended).
void AppendStyleChoices(std::vector<StyleChoice>& choices, std::string_view tableText);

}  // namespace quillory
