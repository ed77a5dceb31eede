#include "forms/validation.h"

#include <locale.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace orvanta {
namespace {

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Shared scan of the two decimal grammars. The rules are tested position by
// position, so a text of any length is read once and never indexed past its end.
bool IsDecimal(std::u16string_view text, bool allowSign) {
    if (text.empty()) return false;
    std::size_t points = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsDigit(c)) continue;
        if (c == u'.') {
            if (i == 0) return false;  // "-.5" passes: the point is at position 1
            ++points;
            continue;
        }
        if (allowSign && c == u'-' && i == 0) continue;
        return false;
    }
    return text.back() != u'.' && points <= 1;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

bool IsNaturalNumber(std::u16string_view text) {
    if (text.empty()) return false;
    for (const char16_t c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

bool IsPositiveDecimal(std::u16string_view text) { return IsDecimal(text, false); }

bool IsSignedDecimal(std::u16string_view text) { return IsDecimal(text, true); }

bool Passes(ValidationKind kind, std::u16string_view text) {
    switch (kind) {
        case ValidationKind::NaturalNumber: return IsNaturalNumber(text);
        case ValidationKind::PositiveDecimal: return IsPositiveDecimal(text);
        case ValidationKind::SignedDecimal: return IsSignedDecimal(text);
    }
    return false;
}

double TextToDouble(std::u16string_view text) {
    // Every text that passed a check is ASCII; anything else is mapped to a
    // character strtod stops at, so the conversion reads only the valid prefix.
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        ascii.push_back(c < 0x80 && c != 0 ? static_cast<char>(c) : '#');
    }
    // strtod_l with a "C" locale object: correctly rounded for any number of
    // digits, infinity on overflow, subnormals on underflow, and immune to the
    // comma-decimal locales that QApplication installs from the environment.
    return strtod_l(ascii.c_str(), nullptr, CLocale());
}

}  // namespace orvanta
