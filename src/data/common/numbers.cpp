#include "data/common/numbers.h"

#include <cmath>

#include "data/common/failure.h"
#include "data/common/text.h"

namespace quillory {
namespace {

double RoundedInRange(double value, double lowest, double highest) {
    const double rounded = RoundHalfToEven(value);
    if (!(rounded >= lowest && rounded <= highest)) {
        throw Failure(kOverflow);
    }
    return rounded;
}

}  // namespace

double RoundHalfAwayFromZero(double value) {
    return std::round(value);
}

double RoundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) {
        return floor + 1;
    }
    if (fraction < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::int16_t ToInt16(double value) {
    return static_cast<std::int16_t>(RoundedInRange(value, -32768, 32767));
}

std::int32_t ToInt32(double value) {
    return static_cast<std::int32_t>(RoundedInRange(value, -2147483648.0, 2147483647.0));
}

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(RoundedInRange(value, 0, 255));
}

std::int32_t ParseInt32(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::size_t pos = 0;
    if (pos < trimmed.size() && (trimmed[pos] == '-' || trimmed[pos] == '+')) {
        ++pos;
    }
    bool digits = false;
    bool point = false;
    for (; pos < trimmed.size(); ++pos) {
        const char c = trimmed[pos];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits || pos != trimmed.size()) {
        throw Failure(kTypeMismatch);
    }
    return ToInt32(NumericValue(trimmed));
}

}  // namespace quillory
