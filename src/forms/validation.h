#pragma once

#include <string_view>

namespace orvanta {

// The three grammars a field text may be checked against. The text is read as
// UTF-16 code units exactly as the user left it: nothing is trimmed or folded,
// and only the ASCII digits, "." and "-" have a meaning.
enum class ValidationKind {
    NaturalNumber,    // one or more digits
    PositiveDecimal,  // digits, optionally "." and more digits ("0" passes)
    SignedDecimal,    // as PositiveDecimal, or "-" then digits-or-nothing
};

bool IsNaturalNumber(std::u16string_view text);
bool IsPositiveDecimal(std::u16string_view text);
bool IsSignedDecimal(std::u16string_view text);
bool Passes(ValidationKind kind, std::u16string_view text);

// Converts a text that passed one of the checks to the nearest double, with
// "." as the decimal point whatever the process locale says. "-" reads as 0,
// "-0" as negative zero, values beyond a double's range as +-infinity and
// values below it as zero or the nearest subnormal. Meant for checked texts
// only; any other text still gives some value and never fails or throws.
double TextToDouble(std::u16string_view text);

}  // namespace orvanta
