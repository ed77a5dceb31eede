#pragma once

#include <optional>
#include <string>

namespace orvanta {

// The three ways a result is written: fixed notation with 2, 4 or 6 digits
// after ".", no thousands separators, "-" for negative values (negative zero
// included), exactly as the C library's "%0.2lf", "%0.4lf" and "%f" write them
// in the "C" locale.
enum class ResultFormat { TwoDecimals, FourDecimals, SixDecimals };

inline constexpr const char* kNoValueText = "NaN";

int DecimalsOf(ResultFormat format);

// Writes a value in a fixed number of decimals. Infinite and not-a-number
// values have no figure to show and are written "NaN", like a missing value.
std::string FormatFixed(double value, int decimals);
std::string FormatResult(double value, ResultFormat format);
std::string FormatResult(std::optional<double> value, ResultFormat format);

}  // namespace orvanta
