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
         {"mnuPSR1000", "PSR1000", 2, true, true},
         {"optTarget1000", "PSR1000", 11}},
        {"PSR-1100",
         3,
         SourceRule::kLookUpAll,
         1200,
         {"mnuPSR1100", "PSR1100", 3, true, true},
         {"optTarget1100", "PSR1100", 6}},
        {"PSR-1500",
         4,
         SourceRule::kLookUpAll,
         1200,
         {"mnuPSR1500", "PSR1500", 4, true, false},
         {"optTarget1500", "PSR1500", 1}},
        {"PSR-2000",
         3,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR2000", "PSR2000", 0, true, true},
         {"optTarget2000", "PSR2000", 12}},
        {"PSR-2100",
         3,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR2100", "PSR2100", 1, true, true},
         {"optTarget2100", "PSR2100", 7}},
        {"PSR-3000",
         4,
         SourceRule::kLookUpAll,
         2500,
         {"mnuPSR3000", "PSR3000", 5, true, true},
         {"optTarget3000", "PSR3000", 0}},
        {"TYROS",
         3,
         SourceRule::kNumberFrom600,
         2500,
         {"mnuTYROS", "Tyros", 14, true, true},
         {"optTargetTyros", "TYROS", 8}},
        {"CVP-203",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP203", "CVP203", 9, true, true},
         {"optTarget203", "CVP203", 10}},
        {"CVP-204",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP204", "CVP204", 13, false, true},
         {"optTarget204", "CVP204", 2}},
        {"CVP-205",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP205", "CVP205", 8, true, true},
         {"optTarget205", "CVP205", 13}},
        {"CVP-206",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP206", "CVP206", 12, false, true},
         {"optTarget206", "CVP206", 3}},
        {"CVP-207",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP207", "CVP207", 7, true, true},
         {"optTarget207", "CVP207", 9}},
        {"CVP-208",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP208", "CVP208", 11, false, true},
         {"optTarget208", "CVP208", 4}},
        {"CVP-209",
         3,
         SourceRule::kHalfFrom623,
         0,
         {"mnuCVP209", "CVP209", 6, true, true},
         {"optTarget209", "CVP209", 14}},
        {"CVP-210",
         3,
         SourceRule::kHalfFrom689,
         0,
         {"mnuCVP210", "CVP210", 10, false, true},
         {"optTarget210", "CVP210", 5}},
        {"CVP-305", 4, SourceRule::kLookUpAll, 0, {}, {}},
        {"CVP-307", 4, SourceRule::kLookUpAll, 0, {}, {}},
    }};
    return kCatalog;
}

namespace {

// The instruments that have a place, ordered by it.
template <typename Place>
std::vector<const Instrument*> ByPlace(Place place) {
    std::vector<const Instrument*> placed;
    for (const Instrument& instrument : Instruments()) {
        if (place(instrument)) {
            placed.push_back(&instrument);
        }
    }
    std::sort(placed.begin(), placed.end(),
              [&](const Instrument* a, const Instrument* b) { return *place(*a) < *place(*b); });
    return placed;
}

}  // namespace

std::vector<const Instrument*> SourceMenuInstruments() {
    return ByPlace([](const Instrument& i) {
        return i.sourceItem.name.empty() ? std::nullopt : std::optional<int>(i.sourceItem.place);
    });
}

std::vector<const Instrument*> TargetOptionInstruments() {
    return ByPlace([](const Instrument& i) {
        return i.targetOption.name.empty() ? std::nullopt
                                           : std::optional<int>(i.targetOption.place);
    });
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

char FormatDigit(std::string_view targetId) {
    return StyleDigits(targetId) == 4 ? '2' : '1';
}

std::string StyleTableFileName(std::string_view id) {
    return std::string(id) + ".dat";
}

}  // namespace quillory
