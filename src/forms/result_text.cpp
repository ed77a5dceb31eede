#include "forms/result_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace orvanta {

int DecimalsOf(ResultFormat format) {
    switch (format) {
        case ResultFormat::TwoDecimals: return 2;
        case ResultFormat::FourDecimals: return 4;
        case ResultFormat::SixDecimals: return 6;
    }
    return 6;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return kNoValueText;
    // The largest double has 309 integer digits; sign, point and decimals fit
    // in what is left. std::to_chars is exact and ignores the process locale.
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) return kNoValueText;
    return std::string(buffer, end);
}

std::string FormatResult(double value, ResultFormat format) {
    return FormatFixed(value, DecimalsOf(format));
}

std::string FormatResult(std::optional<double> value, ResultFormat format) {
    return value ? FormatResult(*value, format) : std::string(kNoValueText);
}

}  // namespace orvanta
