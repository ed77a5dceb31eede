#include "forms/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/fake_form_view.h"

namespace orvanta {
namespace {

using testing::FakeFormView;

struct Row {
    const char16_t* text;
    bool natural, positive, signedDecimal;
};

// The grammar of each check, row by row.
const Row kGrammar[] = {
    {u"", false, false, false},    {u"0", true, true, true},        {u"007", true, true, true},
    {u"12", true, true, true},     {u"5.25", false, true, true},    {u"5.", false, false, false},
    {u".5", false, false, false},  {u"1.2.3", false, false, false}, {u"-", false, false, true},
    {u"-5", false, false, true},   {u"-.5", false, false, true},    {u"-.", false, false, false},
    {u"-0", false, false, true},   {u"5-", false, false, false},    {u"--5", false, false, false},
    {u" 5", false, false, false},  {u"5 ", false, false, false},    {u"+5", false, false, false},
    {u"1e5", false, false, false}, {u"1,5", false, false, false},   {u"0.0", false, true, true},
    {u"-1.5", false, false, true}, {u"1.-5", false, false, false},  {u"-5.", false, false, false},
    {u"\t5", false, false, false}, {u"5\n", false, false, false},   {u"inf", false, false, false},
    {u"nan", false, false, false}, {u"0x10", false, false, false},  {u"１", false, false, false},
    {u"٥", false, false, false},   {u"5²", false, false, false},    {u"😀", false, false, false},
    {u"5😀", false, false, false},  {u"−5", false, false, false},    {u"5٫5", false, false, false},
};

TEST(Validation, EachCheckFollowsItsGrammar) {
    for (const Row& row : kGrammar) {
        const std::u16string text = row.text;
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(IsNaturalNumber(text), row.natural);
        EXPECT_EQ(IsPositiveDecimal(text), row.positive);
        EXPECT_EQ(IsSignedDecimal(text), row.signedDecimal);
        EXPECT_EQ(Passes(ValidationKind::NaturalNumber, text), row.natural);
        EXPECT_EQ(Passes(ValidationKind::PositiveDecimal, text), row.positive);
        EXPECT_EQ(Passes(ValidationKind::SignedDecimal, text), row.signedDecimal);
    }
}

TEST(Validation, LoneSurrogatesAndNulAreNotDigits) {
    const std::u16string texts[] = {std::u16string(1, u'\xD83D'), std::u16string(u"5\xDC00"),
                                    std::u16string(u"5\0", 2),
                                    std::u16string(u"\0"
                                                   u"5",
                                                   2)};
    for (const std::u16string& t : texts) {
        EXPECT_FALSE(IsNaturalNumber(t));
        EXPECT_FALSE(IsPositiveDecimal(t));
        EXPECT_FALSE(IsSignedDecimal(t));
    }
}

TEST(Validation, VeryLongTextsAreCheckedWhole) {
    std::u16string digits(200000, u'9');
    EXPECT_TRUE(IsNaturalNumber(digits));
    digits[150000] = u'.';
    EXPECT_FALSE(IsNaturalNumber(digits));
    EXPECT_TRUE(IsPositiveDecimal(digits));
    EXPECT_TRUE(IsSignedDecimal(u"-" + digits));
    digits[160000] = u'.';
    EXPECT_FALSE(IsPositiveDecimal(digits));
    digits.back() = u'x';
    EXPECT_FALSE(IsSignedDecimal(digits));
}

double Convert(const std::string& text) { return TextToDouble(FakeFormView::Ascii(text)); }

TEST(TextToDouble, ConvertsAsTheCLibraryDoesInTheCLocale) {
    EXPECT_EQ(Convert("0"), 0.0);
    EXPECT_EQ(Convert("007"), 7.0);
    EXPECT_EQ(Convert("5.25"), 5.25);
    EXPECT_EQ(Convert("-.5"), -0.5);
    EXPECT_EQ(Convert("0.1"), 0.1);
    EXPECT_EQ(Convert("-5"), -5.0);
    EXPECT_EQ(Convert("179769313486231570814527423731704356798070567525844996598917476803157260780"
                      "028538760589558632766878171540458953514382464234321326889464182768467546703"
                      "537516986049910576551282076245490090389328944075868508455133942304583236903"
                      "222948165808559332123348274797826204144723168738177180919299881250404026184"
                      "124858368"),
              std::numeric_limits<double>::max());
}

TEST(TextToDouble, SignedZerosAndTheLoneMinus) {
    const double dash = Convert("-");
    EXPECT_EQ(dash, 0.0);
    EXPECT_FALSE(std::signbit(dash));
    const double minusZero = Convert("-0");
    EXPECT_EQ(minusZero, 0.0);
    EXPECT_TRUE(std::signbit(minusZero));
    EXPECT_TRUE(std::signbit(Convert("-0.000")));
}

TEST(TextToDouble, BeyondTheRangeOfADouble) {
    EXPECT_EQ(Convert("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Convert("-1" + std::string(400, '0')), -std::numeric_limits<double>::infinity());
    // 10^-400 is below the smallest subnormal: zero.
    EXPECT_EQ(Convert("0." + std::string(399, '0') + "1"), 0.0);
    // 5e-324 is the smallest subnormal.
    const double tiny = Convert("0." + std::string(323, '0') + "5");
    EXPECT_EQ(tiny, std::numeric_limits<double>::denorm_min());
}

TEST(TextToDouble, ManyDigitsRoundToTheNearestDouble) {
    // 0.1 followed by thousands of zeros and a final 1 still rounds to 0.1.
    EXPECT_EQ(Convert("0.1" + std::string(5000, '0') + "1"), 0.1);
    // Halfway between 1 and its successor, pushed up by a far digit.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(Convert(half), 1.0);  // a tie goes to the even neighbour
    EXPECT_EQ(Convert(half + std::string(3000, '0') + "1"), std::nextafter(1.0, 2.0));
    EXPECT_EQ(Convert(std::string(10000, '0') + "2.5"), 2.5);
}

}  // namespace
}  // namespace orvanta
