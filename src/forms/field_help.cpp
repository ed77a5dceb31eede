#include "forms/field_help.h"

#include <charconv>

namespace orvanta {
namespace {

std::string NumberText(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string();
}

}  // namespace

std::string InputHelp(const InputField& input) {
    std::string text;
    switch (input.kind) {
        case ValidationKind::SignedDecimal:
            text =
                "A number such as 1234.5 or -0.75, with \".\" as the decimal point and no "
                "thousands separators.";
            break;
        case ValidationKind::PositiveDecimal:
            text =
                "A number such as 1234.5 or 0.75, not negative, with \".\" as the decimal point "
                "and no thousands separators.";
            break;
        case ValidationKind::NaturalNumber:
            text =
                "A whole number such as 12, with no sign, decimal point or thousands separators.";
            break;
    }
    if (input.bound) text += " At most " + NumberText(input.bound->maximum) + ".";
    return text;
}

std::string ResultHelp(const Section& section, std::size_t result) {
    if (!section.compute || result >= section.resultLabels.size()) return {};
    return section.compute->Describe(result, formula::FormulaName(section.resultLabels[result]));
}

}  // namespace orvanta
