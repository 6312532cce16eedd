#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// How the reader turns a style number of a file from this instrument into the style column's
// text, before looking anything up.
enum class SourceRule {
    kLookUpAll,      // every number is looked up in the style table
    kNumberFrom600,  // 600 and above: a user style, shown as its number
    kHalfFrom623,    // 623 and above: shown as half the number
    kHalfFrom689,    // 689 and above: shown as half the number
};

struct Instrument {
    std::string_view id;                 // as the program spells it; names the style table file
    std::string_view sourceMenuCaption;  // empty when the source menu has no item for it
    int styleDigits;                     // width of the zero-padded style table key
    SourceRule sourceRule;
    int recordLimit;  // most records a saved file may hold; 0 for no limit
};

inline constexpr std::size_t kInstrumentCount = 17;

// The instruments in the order of the target combo.
const std::array<Instrument, kInstrumentCount>& Instruments();

// The pseudo-instrument under which the style column shows numbers instead of names.
inline constexpr std::string_view kStyleNumbers = "numbers";

// The instrument of that identifier (exact, case-sensitive); none for "numbers" or others.
const Instrument* FindInstrument(std::string_view id);

// Style table key width for an identifier: 4 for the four-digit instruments, 3 otherwise.
int StyleDigits(std::string_view id);

// The largest number of records a file saved for the identifier may hold; none without a limit.
std::optional<int> RecordLimit(std::string_view id);

// The text after "This mfd has " + count of the message shown when the limit is exceeded.
std::string RecordLimitMessage(int count, int limit);

// Whether a file header's model name names an instrument of the catalog.
bool RecognisedInHeader(std::string_view headerName);

// The digit the writer puts into header byte 12 for a target: '2' or '1'.
char FormatDigit(std::string_view targetId);

// The name of an instrument's style table file: the identifier followed by ".dat".
std::string StyleTableFileName(std::string_view id);

}  // namespace quillory
