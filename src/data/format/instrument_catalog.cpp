#include "data/format/instrument_catalog.h"

#include <algorithm>

#include "data/common/text.h"

namespace quillory {

const std::array<Instrument, kInstrumentCount>& Instruments() {
    static constexpr std::array<Instrument, kInstrumentCount> kCatalog = {{
        {"PSR-1000",
         3,
         SourceRule::kLookUpAll,
         1200,
         {"mnuPSR1000", "PSR1000", "PSR-1000", true, true},
         {"optTarget1000", "PSR1000"}},
        {"PSR-1100",
         3,
         SourceRule::kLookUpAll,
         1200,
         {"mnuPSR1100", "PSR1100", "PSR-1100", true, true},
         {"optTarget1100", "PSR1100"}},
        {"PSR-1500",
         4,
         SourceRule::kLookUpAll,
         1200,
         {"mnuPSR1500", "PSR1500", "PSR-1500", true, false},
         {"optTarget1500", "PSR1500"}},
        {"PSR-2000",
         3,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR2000", "PSR2000", "PSR-2000", true, true},
         {"optTarget2000", "PSR2000"}},
        {"PSR-2100",
         3,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR2100", "PSR2100", "PSR-2100", true, true},
         {"optTarget2100", "PSR2100"}},
        {"PSR-3000",
         4,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR3000", "PSR3000", "PSR-3000", true, true},
         {"optTarget3000", "PSR3000"}},
        {"TYROS",
         3,
         SourceRule::kNumberFrom600,
         2500,
         {"mnuTYROS", "Tyros", "Tyros", true, true},
         {"optTargetTyros", "TYROS"}},
        {"CVP-203",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP203", "CVP203", "CVP-203", true, true},
         {"optTarget203", "CVP203"}},
        {"CVP-204",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP204", "CVP204", "CVP-204", false, true},
         {"optTarget204", "CVP204"}},
        {"CVP-205",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP205", "CVP205", "CVP-205", true, true},
         {"optTarget205", "CVP205"}},
        {"CVP-206",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP206", "CVP206", "CVP-206", false, true},
         {"optTarget206", "CVP206"}},
        {"CVP-207",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP207", "CVP207", "CVP-207", true, true},
         {"optTarget207", "CVP207"}},
        {"CVP-208",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP208", "CVP208", "CVP-208", false, true},
         {"optTarget208", "CVP208"}},
        {"CVP-209",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP209", "CVP209", "CVP-209", true, true},
         {"optTarget209", "CVP209"}},
        {"CVP-210",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP210", "CVP210", "CVP-210", false, true},
         {"optTarget210", "CVP210"}},
        {"CVP-305", 4, SourceRule::kLookUpAll, 0, {}, {}},
        {"CVP-307", 4, SourceRule::kLookUpAll, 0, {}, {}},
    }};
    return kCatalog;
}

namespace {

// The source-instrument menu's items and the Save As dialog's target options, in the order in
// which they are shown.
constexpr std::array<std::string_view, 15> kSourceMenuOrder = {
    "PSR-2000", "PSR-2100", "PSR-1000", "PSR-1100", "PSR-1500", "PSR-3000", "CVP-209", "CVP-207",
    "CVP-205",  "CVP-203",  "CVP-210",  "CVP-208",  "CVP-206",  "CVP-204",  "TYROS"};
constexpr std::array<std::string_view, 15> kTargetOptionOrder = {
    "PSR-3000", "PSR-1500", "CVP-204", "CVP-206",  "CVP-208",  "CVP-210", "PSR-1100", "PSR-2100",
    "TYROS",    "CVP-207",  "CVP-203", "PSR-1000", "PSR-2000", "CVP-205", "CVP-209"};

std::vector<const Instrument*> InOrder(const std::array<std::string_view, 15>& ids) {
    std::vector<const Instrument*> ordered;
    for (std::string_view id : ids) {
        ordered.push_back(FindInstrument(id));
    }
    return ordered;
}

}  // namespace

std::vector<const Instrument*> SourceMenuInstruments() {
    return InOrder(kSourceMenuOrder);
}

std::vector<const Instrument*> TargetOptionInstruments() {
    return InOrder(kTargetOptionOrder);
}

const Instrument* FindInstrument(std::string_view id) {
    const auto& all = Instruments();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Instrument& i) { return i.id == id; });
    return found == all.end() ? nullptr : &*found;
}

std::optional<int> RecordLimit(std::string_view id) {
    const Instrument* instrument = FindInstrument(id);
    if (!instrument || instrument->recordLimit == 0) {
        return std::nullopt;
    }
    return instrument->recordLimit;
}

std::optional<std::string> RecordLimitRefusal(std::string_view id, const Bytes& image) {
    return RecordLimitRefusal(id, static_cast<int>((image.size() - kHeaderSize) / kRecordSize));
}

std::optional<std::string> RecordLimitRefusal(std::string_view id, int count) {
    const std::optional<int> limit = RecordLimit(id);
    if (!limit || count <= *limit) {
        return std::nullopt;
    }
    return "This mfd has " + SignedNumberText(count) + " and the instrument will only accept " +
           std::to_string(*limit) + ". Use Delete to remove records. ";
}

bool RecognisedInHeader(std::string_view headerName) {
    return FindInstrument(headerName) != nullptr;
}

namespace {

// Style table key width for an identifier: 4 for the four-digit instruments, 3 otherwise.
int StyleDigits(std::string_view id) {
    const Instrument* instrument = FindInstrument(id);
    return instrument ? instrument->styleDigits : 3;
}

}  // namespace

char FormatDigit(std::string_view targetId) {
    return StyleDigits(targetId) == 4 ? '2' : '1';
}

std::string StyleTableFileName(std::string_view id) {
    return std::string(id) + ".dat";
}

}  // namespace quillory
