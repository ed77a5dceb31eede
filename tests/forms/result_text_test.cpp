#include "forms/result_text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace orvanta {
namespace {

TEST(ResultText, FixedNotationWithTheFormatsDecimals) {
    struct Case {
        double value;
        ResultFormat format;
        const char* text;
    };
    const Case cases[] = {
        {15.0, ResultFormat::TwoDecimals, "15.00"},
        {100.0 / 3.0, ResultFormat::TwoDecimals, "33.33"},
        {200.0 / 3.0, ResultFormat::TwoDecimals, "66.67"},
        {-25.0, ResultFormat::TwoDecimals, "-25.00"},
        {-0.0, ResultFormat::TwoDecimals, "-0.00"},
        {-0.0, ResultFormat::SixDecimals, "-0.000000"},
        {-0.001, ResultFormat::TwoDecimals, "-0.00"},
        {200000000.0, ResultFormat::TwoDecimals, "200000000.00"},
        {0.25, ResultFormat::SixDecimals, "0.250000"},
        {20.0, ResultFormat::FourDecimals, "20.0000"},
        {-80.0, ResultFormat::FourDecimals, "-80.0000"},
        {1e-7, ResultFormat::SixDecimals, "0.000000"},
        {5e-324, ResultFormat::SixDecimals, "0.000000"},
        // Exact ties of the decimal value round to the even digit, as printf does.
        {0.125, ResultFormat::TwoDecimals, "0.12"},
        {0.375, ResultFormat::TwoDecimals, "0.38"},
        {2.5, ResultFormat::TwoDecimals, "2.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatResult(c.value, c.format), c.text);
    }
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::max(), ResultFormat::SixDecimals).size(),
              309u + 7u);
}

// Declared below: the C library in the "C" locale, the reference for every digit.
std::string CLibrary(double v, int decimals);

TEST(ResultText, HugeValuesKeepAllTheirDigits) {
    const std::string text = FormatResult(1e300, ResultFormat::TwoDecimals);
    EXPECT_EQ(text.size(), 301u + 3u);
    EXPECT_EQ(text, CLibrary(1e300, 2));
    EXPECT_EQ(text.find_first_of("e,+"), std::string::npos);
}

TEST(ResultText, NoFigureIsWrittenNaN) {
    const double nonFinite[] = {
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    for (const double v : nonFinite) {
        for (const auto f :
             {ResultFormat::TwoDecimals, ResultFormat::FourDecimals, ResultFormat::SixDecimals}) {
            EXPECT_EQ(FormatResult(v, f), "NaN");
        }
    }
    EXPECT_EQ(FormatResult(std::nullopt, ResultFormat::TwoDecimals), "NaN");
    EXPECT_EQ(FormatResult(std::optional<double>(1.5), ResultFormat::TwoDecimals), "1.50");
}

std::string CLibrary(double v, int decimals) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(c);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    uselocale(previous);
    return buffer;
}

TEST(ResultText, AgreesWithTheCLibraryOnRandomDoubles) {
    std::mt19937_64 random(20261210);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random);
        // Values with few significant bits hit exact ties often.
        const double v = i % 3 == 0 ? std::ldexp(std::round(mantissa * 64), exponent(random) / 3)
                                    : mantissa * std::pow(10.0, exponent(random));
        for (const int d : {2, 4, 6}) {
            ASSERT_EQ(FormatFixed(v, d), CLibrary(v, d)) << v;
        }
    }
}

}  // namespace
}  // namespace orvanta
