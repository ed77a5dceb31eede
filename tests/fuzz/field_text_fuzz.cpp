// Fuzz target over everything a field text goes through: the three checks,
// TextToDouble and the three result formats.
//
// The bytes are read as UTF-16 code units (little-endian pairs; an odd last
// byte is a code unit of its own). The dialog hands QLineEdit::text() to the
// core as its raw UTF-16 code units, lone surrogates included, so these are
// exactly the texts a user can type or paste.
//
// Properties:
//  - each check agrees with the automaton in reference_grammar.h, and with a
//    std::regex statement of the same grammar on texts short enough for it;
//  - every accepted text is ASCII, and converts to the very double (bits,
//    sign of zero included) that strtod_l in a "C" locale object gives for it,
//    reading it whole ("-" alone reads nothing and gives 0);
//  - every format of every finite double is what snprintf writes under a "C"
//    locale object, and a non-finite value is written "NaN"; checked for the
//    converted values and for doubles taken bit for bit from the input.
// The process runs under a comma-decimal locale when one is installed, as the
// application does once QApplication has read the environment.

#include <locale.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

#include "forms/result_text.h"
#include "forms/validation.h"
#include "fuzz/reference_grammar.h"

namespace {

using orvanta::ResultFormat;
using orvanta::ValidationKind;

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

[[noreturn]] void Fail(const char* what, std::u16string_view text, const std::string& detail) {
    std::fprintf(stderr, "field text property broken: %s\n  %s\n  text (%zu code units):", what,
                 detail.c_str(), text.size());
    for (std::size_t i = 0; i < text.size() && i < 64; ++i) {
        std::fprintf(stderr, " %04x", static_cast<unsigned>(text[i]));
    }
    std::fprintf(stderr, "%s\n", text.size() > 64 ? " ..." : "");
    std::abort();
}

const char* KindName(ValidationKind kind) {
    switch (kind) {
        case ValidationKind::NaturalNumber: return "IsNaturalNumber";
        case ValidationKind::PositiveDecimal: return "IsPositiveDecimal";
        case ValidationKind::SignedDecimal: return "IsSignedDecimal";
    }
    return "?";
}

bool Production(ValidationKind kind, std::u16string_view text) {
    switch (kind) {
        case ValidationKind::NaturalNumber: return orvanta::IsNaturalNumber(text);
        case ValidationKind::PositiveDecimal: return orvanta::IsPositiveDecimal(text);
        case ValidationKind::SignedDecimal: return orvanta::IsSignedDecimal(text);
    }
    return false;
}

// libstdc++'s std::regex matches recursively and slowly; it confirms the
// automaton on short texts, where every grammar rule is already in reach.
constexpr std::size_t kRegexLimit = 40;

bool RegexAccepts(ValidationKind kind, std::u16string_view text) {
    static const std::regex natural("[0-9]+");
    static const std::regex positive(R"([0-9]+(\.[0-9]+)?)");
    static const std::regex signedDecimal(R"([0-9]+(\.[0-9]+)?|-[0-9]*(\.[0-9]+)?)");
    const std::string s = orvanta::reference::Alphabet(text);
    switch (kind) {
        case ValidationKind::NaturalNumber: return std::regex_match(s, natural);
        case ValidationKind::PositiveDecimal: return std::regex_match(s, positive);
        case ValidationKind::SignedDecimal: return std::regex_match(s, signedDecimal);
    }
    return false;
}

std::string Bits(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a (0x%016llx)", v,
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(v)));
    return buffer;
}

void CheckConversion(std::u16string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        if (c == 0 || c >= 0x80) Fail("accepted text is not ASCII", text, "");
        ascii.push_back(static_cast<char>(c));
    }
    char* end = nullptr;
    const double expected = strtod_l(ascii.c_str(), &end, CLocale());
    const bool whole = end == ascii.c_str() + ascii.size();
    if (!whole && ascii != "-") Fail("strtod_l stops inside an accepted text", text, ascii);

    const double got = orvanta::TextToDouble(text);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected)) {
        Fail("TextToDouble differs from strtod_l", text, Bits(got) + " vs " + Bits(expected));
    }
    if (ascii == "-" && std::bit_cast<std::uint64_t>(got) != 0) {
        Fail("\"-\" must read as +0", text, Bits(got));
    }
}

const char* PrintfFormat(ResultFormat format) {
    switch (format) {
        case ResultFormat::TwoDecimals: return "%0.2lf";
        case ResultFormat::FourDecimals: return "%0.4lf";
        case ResultFormat::SixDecimals: return "%f";
    }
    return "%f";
}

void CheckFormats(double value, std::u16string_view text) {
    for (const ResultFormat format :
         {ResultFormat::TwoDecimals, ResultFormat::FourDecimals, ResultFormat::SixDecimals}) {
        const std::string got = orvanta::FormatResult(value, format);
        if (!std::isfinite(value)) {
            if (got != "NaN") Fail("non-finite value not written NaN", text, got);
            continue;
        }
        char buffer[512];
        const locale_t previous = uselocale(CLocale());
        const int n = std::snprintf(buffer, sizeof buffer, PrintfFormat(format), value);
        uselocale(previous);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof buffer) {
            Fail("snprintf overflowed its buffer", text, Bits(value));
        }
        if (got != buffer) {
            Fail("result text differs from snprintf", text,
                 std::string(PrintfFormat(format)) + " of " + Bits(value) + ": \"" + got +
                     "\" vs \"" + buffer + "\"");
        }
        const std::optional<double> some = value;
        if (orvanta::FormatResult(some, format) != got) {
            Fail("optional overload differs", text, got);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    for (const char* name : {"de_DE.UTF-8", "lt_LT.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) break;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2 + 1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    if (size % 2 == 1) text.push_back(static_cast<char16_t>(data[size - 1]));

    bool acceptedByAny = false;
    for (const ValidationKind kind : orvanta::reference::kAllKinds) {
        const bool expected = orvanta::reference::Accepts(kind, text);
        const bool got = Production(kind, text);
        if (got != expected) {
            Fail(KindName(kind), text,
                 got ? "accepted, grammar rejects" : "rejected, grammar accepts");
        }
        if (orvanta::Passes(kind, text) != got) Fail("Passes() disagrees", text, KindName(kind));
        if (text.size() <= kRegexLimit && RegexAccepts(kind, text) != expected) {
            Fail("automaton and regex disagree (test fault)", text, KindName(kind));
        }
        acceptedByAny = acceptedByAny || got;
    }
    // The grammars nest: natural within positive within signed.
    if (orvanta::IsNaturalNumber(text) && !orvanta::IsPositiveDecimal(text)) {
        Fail("natural but not positive", text, "");
    }
    if (orvanta::IsPositiveDecimal(text) && !orvanta::IsSignedDecimal(text)) {
        Fail("positive but not signed", text, "");
    }

    if (acceptedByAny) {
        CheckConversion(text);
        CheckFormats(orvanta::TextToDouble(text), text);
    } else {
        (void)orvanta::TextToDouble(text);  // defined on any text: must not crash
    }

    // The first bytes as doubles too: every bit pattern a formula could produce.
    for (std::size_t i = 0; i + 8 <= size && i < 16; i += 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + i, sizeof bits);
        CheckFormats(std::bit_cast<double>(bits), text);
    }
    return 0;
}
