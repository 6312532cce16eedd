#pragma once

#include <cstdint>
#include <string_view>

namespace quillory {

// Rounding and the integer conversions of the form runtime. A value outside the target type
// fails with error 6 (overflow).

double RoundHalfAwayFromZero(double value);
double RoundHalfToEven(double value);

// Conversions that round halves to the even neighbour, as the runtime's integer conversions do.
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
std::uint8_t ToByte(double value);

// A text that must be a number as a whole (blanks around it allowed); anything else fails with
// error 13 (type mismatch).
std::int32_t ParseInt32(std::string_view text);

}  // namespace quillory
