#include "instrument_catalog.h"

#include <algorithm>

#include "text.h"

namespace quillory {

const std::array<Instrument, kInstrumentCount>& Instruments() {
    static constexpr std::array<Instrument, kInstrumentCount> kCatalog = {{
        {"PSR-1000", "PSR1000", 3, SourceRule::kLookUpAll, 1200},
        {"PSR-1100", "PSR1100", 3, SourceRule::kLookUpAll, 1200},
        {"PSR-1500", "PSR1500", 4, SourceRule::kLookUpAll, 1200},
        {"PSR-2000", "PSR2000", 3, SourceRule::kLookUpAll, 2500},
        {"PSR-2100", "PSR2100", 3, SourceRule::kLookUpAll, 2500},
        {"PSR-3000", "PSR3000", 4, SourceRule::kLookUpAll, 2500},
        {"TYROS", "Tyros", 3, SourceRule::kNumberFrom600, 2500},
        {"CVP-203", "CVP203", 3, SourceRule::kHalfFrom623, 0},
        {"CVP-204", "CVP204", 3, SourceRule::kHalfFrom689, 0},
        {"CVP-205", "CVP205", 3, SourceRule::kHalfFrom623, 0},
        {"CVP-206", "CVP206", 3, SourceRule::kHalfFrom689, 0},
        {"CVP-207", "CVP207", 3, SourceRule::kHalfFrom623, 0},
        {"CVP-208", "CVP208", 3, SourceRule::kHalfFrom689, 0},
        {"CVP-209", "CVP209", 3, SourceRule::kHalfFrom623, 0},
        {"CVP-210", "CVP210", 3, SourceRule::kHalfFrom689, 0},
        {"CVP-305", "", 4, SourceRule::kLookUpAll, 0},
        {"CVP-307", "", 4, SourceRule::kLookUpAll, 0},
    }};
    return kCatalog;
}

const Instrument* FindInstrument(std::string_view id) {
    const auto& all = Instruments();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Instrument& i) { return i.id == id; });
    return found == all.end() ? nullptr : &*found;
}

int StyleDigits(std::string_view id) {
    const Instrument* instrument = FindInstrument(id);
    return instrument ? instrument->styleDigits : 3;
}

std::optional<int> RecordLimit(std::string_view id) {
    const Instrument* instrument = FindInstrument(id);
    if (!instrument || instrument->recordLimit == 0) {
        return std::nullopt;
    }
    return instrument->recordLimit;
}

std::string RecordLimitMessage(int count, int limit) {
    return "This mfd has " + SignedNumberText(count) + " and the instrument will only accept " +
           std::to_string(limit) + ". Use Delete to remove records. ";
}

bool RecognisedInHeader(std::string_view headerName) {
    return FindInstrument(headerName) != nullptr;
}

char FormatDigit(std::string_view targetId) {
    return StyleDigits(targetId) == 4 ? '2' : '1';
}

std::string StyleTableFileName(std::string_view id) {
    return std::string(id) + ".dat";
}

}  // namespace quillory
