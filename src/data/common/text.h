#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// Removes leading and trailing blanks (only the blank character, as the program always has).
std::string Trim(std::string_view text);

// Lower case for every letter the single-byte code page knows.
std::string LowerCase(std::string_view text);
// The same into a text the caller keeps, so that folding cell after cell reuses its room.
void LowerCase(std::string_view text, std::string& into);

// Finds a text inside others without regard to case, its letters folded as LowerCase folds
// them: the rule that the search and the list's filter share.
class CaseFreeFinder {
public:
    CaseFreeFinder() = default;
    explicit CaseFreeFinder(std::string_view text) : folded_(LowerCase(text)) {}

    bool Empty() const { return folded_.empty(); }
    // True when the text holds the one looked for (always for an empty one).
    bool FoundIn(std::string_view text) const;

private:
    std::string folded_;
    mutable std::string room_;
};

// A style name with every blank removed, trimmed and lower-cased: the form in which conversion
// and import match style names.
std::string NormalisedStyleName(std::string_view name);

// Cuts text at every separator. An empty text has no pieces at all; otherwise there is always
// one piece more than there are separators.
std::vector<std::string_view> Split(std::string_view text, std::string_view separator);
// The same pieces into a vector that the caller keeps, so that cutting line after line reuses
// its room.
void Split(std::string_view text, std::string_view separator,
           std::vector<std::string_view>& pieces);

// The number a text begins with: blanks are skipped, reading stops at the first character that
// cannot continue the number, and a text that does not begin with one counts as 0.
double NumericValue(std::string_view text);

// A whole number written with at least width digits, zero-padded ("042", "0012", "1234").
std::string ZeroPad(long long value, int width);

// A count with a comma between groups of three digits ("32,767"), as messages show counts.
std::string GroupedNumber(std::size_t value);
// A count with its noun, plural unless the count is one ("1 record", "32,767 records").
std::string Counted(std::size_t count, std::string_view noun);

// A number the way a signed number prints: a blank before it unless it is negative (" 42").
std::string SignedNumberText(long long value);

// Orders two texts the way the list's text sort does: letters without regard to case.
int CompareWithoutCase(std::string_view a, std::string_view b);
// The text with its letters folded as CompareWithoutCase folds them: two texts compare as
// their keys compare byte by byte, so that a sort folds every text once instead of on every
// comparison.
std::string CaseFoldKey(std::string_view text);
// The same key appended to a text, which keeps its room from one key to the next.
void AppendCaseFoldKey(std::string& key, std::string_view text);

}  // namespace quillory
