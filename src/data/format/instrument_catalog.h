#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/format/file_image.h"

namespace quillory {

// How the reader turns a style number of a file from this instrument into the style column's
// text, before looking anything up.
enum class SourceRule {
    kLookUpAll,      // every number is looked up in the style table
    kNumberFrom600,  // 600 and above: a user style, shown as its number
    kHalfFrom623,    // 623 and above: shown as half the number
    kHalfFrom689,    // 689 and above: shown as half the number
};

// The instrument's item in the main window's source-instrument menu.
struct SourceMenuItem {
    std::string_view name;     // "mnuPSR2000"; empty when the menu has no item for it
    std::string_view caption;  // "PSR2000"
    std::string_view title;    // how the window title names the instrument once chosen here
    bool acts;                 // the CVP-204, -206, -208 and -210 items do nothing
    bool enabled;              // the PSR-1500 item is greyed out
};

// The instrument's option button in the Save As dialog.
struct TargetOption {
    std::string_view name;     // "optTarget2000"; empty when the dialog has no option for it
    std::string_view caption;  // "PSR2000"
};

struct Instrument {
    std::string_view id;  // as the program spells it; names the style table file
    int styleDigits;      // width of the zero-padded style table key
    SourceRule sourceRule;
    int recordLimit;  // most records a saved file may hold; 0 for no limit
    SourceMenuItem sourceItem;
    TargetOption targetOption;
};

inline constexpr std::size_t kInstrumentCount = 17;

// The instruments in the order of the target combo.
const std::array<Instrument, kInstrumentCount>& Instruments();
// The instruments with an item in the source-instrument menu, in menu order.
std::vector<const Instrument*> SourceMenuInstruments();
// The instruments with an option in the Save As dialog, in the dialog's order.
std::vector<const Instrument*> TargetOptionInstruments();

// The pseudo-instrument under which the style column shows numbers instead of names.
inline constexpr std::string_view kStyleNumbers = "numbers";

// The instrument of that identifier (exact, case-sensitive); none for "numbers" or others.
const Instrument* FindInstrument(std::string_view id);

// The largest number of records a file saved for the identifier may hold; none without a limit.
std::optional<int> RecordLimit(std::string_view id);

// The message that refuses to save an image holding more records than the instrument accepts
// ("This mfd has  2501 and the instrument will only accept 2500. ..."); none within the limit.
std::optional<std::string> RecordLimitRefusal(std::string_view id, const Bytes& image);
// The same for a number of records.
std::optional<std::string> RecordLimitRefusal(std::string_view id, int count);

// Whether a file header's model name names an instrument of the catalog.
bool RecognisedInHeader(std::string_view headerName);

// The digit the writer puts into header byte 12 for a target: '2' or '1'.
char FormatDigit(std::string_view targetId);

// The name of an instrument's style table file: the identifier followed by ".dat".
std::string StyleTableFileName(std::string_view id);

}  // namespace quillory
