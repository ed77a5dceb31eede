#include "forms/formula.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "forms/field_help.h"
#include "formula_text.h"

namespace orvanta {
namespace {

using namespace formula;

const std::vector<const FormDescription*>& AllForms() { return AllFormDescriptions(); }

const Section* FindSection(std::string_view className, std::size_t index) {
    for (const FormDescription* form : AllForms()) {
        if (form->className == className && index < form->sections.size()) {
            return &form->sections[index];
        }
    }
    return nullptr;
}

// Field values a form may be given: zeros of both signs, tiny and huge
// figures, infinity (a text of 400 digits converts to it) and ordinary
// ones. Values repeat often, so that differences of 0 come up.
class FieldValues {
public:
    explicit FieldValues(std::uint64_t seed) : rng_(seed) {}

    std::vector<double> Draw(const Section& section) {
        std::vector<double> x;
        for (const InputField& input : section.inputs) x.push_back(Draw(input.kind, x));
        return x;
    }

private:
    double Draw(ValidationKind kind, const std::vector<double>& earlier) {
        static constexpr double kInf = std::numeric_limits<double>::infinity();
        static constexpr double kWhole[] = {0, 0, 0, 1, 2, 3, 5, 10, 12, 100, 360, 1e300, kInf};
        static constexpr double kFigures[] = {0,      0,      0.5,  0.1,     12.5,   99.99,
                                              1e-300, 5e-324, 1e-5, 1.7e308, 1e300,  kInf,
                                              1,      2,      100,  1000,    1234.5, 0.75};
        const auto pick = [&](auto& table) {
            return table[rng_() % (sizeof table / sizeof table[0])];
        };
        double v = 0;
        const unsigned roll = rng_() % 100;
        if (roll < 25 && !earlier.empty()) {
            v = std::fabs(earlier[rng_() % earlier.size()]);
            if (kind == ValidationKind::NaturalNumber) v = std::floor(v);
        } else if (roll < 65) {
            v = kind == ValidationKind::NaturalNumber ? pick(kWhole) : pick(kFigures);
        } else {
            std::uniform_real_distribution<double> mantissa(1, 10);
            std::uniform_int_distribution<int> exponent(-4, 7);
            v = mantissa(rng_) * std::pow(10.0, exponent(rng_));
            if (kind == ValidationKind::NaturalNumber) v = std::floor(v);
        }
        if (kind == ValidationKind::SignedDecimal && rng_() % 5 < 2) v = -v;  // "-0" too
        return v;
    }

    std::mt19937_64 rng_;
};

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The value a result field shows: nothing stands for "NaN".
std::optional<double> ShownValue(const std::optional<std::vector<double>>& results, std::size_t r) {
    if (!results || r >= results->size() || !std::isfinite((*results)[r])) return std::nullopt;
    return (*results)[r];
}

std::string Values(const std::vector<double>& x) {
    std::string out;
    for (const double v : x) out += std::to_string(v) + " ";
    return out;
}

// Checks a result's text against the section's computation over generated
// inputs; the first disagreement, or nothing.
std::string Disagreement(const Section& section, std::size_t result, const std::string& text,
                         std::uint64_t seed, int presses = 1500) {
    std::vector<std::string> labels;
    for (const InputField& input : section.inputs) {
        labels.emplace_back(FormulaName(input.label));
    }
    testing::ParsedFormula parsed;
    try {
        testing::FormulaTextParser parser(text, labels);
        parsed = parser.Parse(FormulaName(section.resultLabels[result]));
    } catch (const std::exception& e) {
        return std::string("unreadable: ") + e.what();
    }
    FieldValues values(seed);
    for (int i = 0; i < presses; ++i) {
        const std::vector<double> x = values.Draw(section);
        testing::TextInputs in;
        for (std::size_t f = 0; f < x.size(); ++f) in.fields[labels[f]] = x[f];
        if (parsed.overMonths && x.size() == 24) {
            for (std::size_t k = 0; k < 12; ++k) in.months.emplace_back(x[k], x[12 + k]);
        }
        std::optional<double> said;
        try {
            said = testing::FormulaTextEvaluator(parsed, in).Shown();
        } catch (const std::exception& e) {
            return std::string("cannot evaluate: ") + e.what();
        }
        const std::optional<double> shown = ShownValue(SectionResults(section, x), result);
        if (said.has_value() != shown.has_value() || (said && !SameBits(*said, *shown))) {
            return "for " + Values(x) + "the text gives " +
                   (said ? std::to_string(*said) : std::string("NaN")) + ", the form shows " +
                   (shown ? std::to_string(*shown) : std::string("NaN"));
        }
    }
    return {};
}

TEST(Formula, EveryResultTextReadsBackAsTheComputationToTheBit) {
    std::uint64_t seed = 1;
    for (const FormDescription* form : AllForms()) {
        for (const Section& s : form->sections) {
            for (std::size_t r = 0; r < s.resultLabels.size(); ++r) {
                const std::string text = ResultHelp(s, r);
                SCOPED_TRACE(text);
                EXPECT_EQ(Disagreement(s, r, text, ++seed), "");
            }
        }
    }
}

TEST(Formula, ATextThatSaysSomethingElseDisagrees) {
    const auto tampered = [](std::string_view className, std::size_t section, std::size_t result,
                             std::string_view from, std::string_view to) {
        const Section* s = FindSection(className, section);
        std::string text = ResultHelp(*s, result);
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << text;
        text.replace(at, from.size(), to);
        return Disagreement(*s, result, text, 99);
    };
    // Another operation, another order, another guard, a case left out,
    // another coefficient, another term of a sum, a term left out. (A guard
    // on a divisor cannot be left out unnoticed: the division by 0 shows
    // "NaN" as well.)
    EXPECT_NE(tampered("ROA_3_2", 0, 0, "\u00F7", "\u00D7"), "");
    EXPECT_NE(tampered("ROA_3_2", 0, 0, "Net profit \u00F7 Total assets \u00D7 100",
                       "Net profit \u00D7 100 \u00F7 Total assets"),
              "");
    EXPECT_NE(tampered("ALTMAN_Z_3", 0, 2, "NaN when TA = 0.", "NaN when X1 = 0."), "");
    EXPECT_NE(tampered("ROA_3_2", 0, 0, "NaN when Total assets = 0.",
                       "NaN when Total assets = 0. NaN when Net profit = 0."),
              "");
    EXPECT_NE(tampered("ALTMAN_Z_3", 0, 1, "0.995", "0.998"), "");
    EXPECT_NE(tampered("PASKOLOS_6_7", 0, 0,
                       " When i + 1 = 1 (a rate of 0): Period payment value = Mortgage ammount "
                       "\u00F7 No. of periods.",
                       ""),
              "");
    EXPECT_NE(tampered("OPTIMALUS_UZSAKYMAS_5_18", 0, 0, "\u221Aq", "q"), "");
    EXPECT_NE(tampered("KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7", 0, 0, "\u03A3y \u00D7 \u03A3x",
                       "\u03A3x \u00D7 \u03A3x"),
              "");
    EXPECT_NE(tampered("MASTO_EKONOMIJA_5_4", 0, 0, " \u2212 1) \u00D7 100", ") \u00D7 100"), "");
}

// Every field a formula names is a field of its section, named once there,
// and every field of a section with results enters its formula.
TEST(Formula, FormulasReadExactlyTheFieldsOfTheirSection) {
    for (const FormDescription* form : AllForms()) {
        SCOPED_TRACE(std::string(form->className));
        for (const Section& s : form->sections) {
            std::multiset<std::string_view> labels;
            std::set<std::string_view> names;
            for (const InputField& input : s.inputs) {
                labels.insert(input.label);
                names.insert(FormulaName(input.label));
            }
            EXPECT_EQ(names.size(), s.inputs.size()) << "two fields read alike";
            const Calculation* c = s.compute ? &*s.compute : nullptr;
            if (s.resultLabels.empty()) continue;
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->results.size(), s.resultLabels.size());
            const std::vector<std::string_view> used = InputsUsed(*c);
            for (const std::string_view label : used) EXPECT_EQ(labels.count(label), 1u) << label;
            EXPECT_EQ(used.size(), s.inputs.size());
        }
    }
}

// A formula over a field its section lacks stops the description as it is
// built, in every build: the program stops at start-up, not with a "NaN".
TEST(Formula, ADescriptionWhoseFormulaReadsAMissingFieldIsRefused) {
    const InputField a{"1. Sales", ValidationKind::SignedDecimal, "a bad"};
    const InputField b{"Total assets", ValidationKind::SignedDecimal, "b bad"};
    struct Case {
        Calculation calculation;
        std::string_view missing;  // empty: the description is accepted
    };
    const Case cases[] = {
        {Percentage(Input(a), Input(b)), ""},
        {Quotient(Input(a), Input("Total asets")), "Total asets"},  // a typo
        {Quotient(Input(a), Input("Sales")), "Sales"},              // as printed, not the label
        {{.results = {Input(a)}, .guards = {IsZero(Input("Equity"))}}, "Equity"},
        {{.results = {Input(a)}, .unguarded = {IsZero(Input("Equity"))}}, "Equity"},
        {{.results = {Named("m", Input(b) - Input("Variable cost"))}}, "Variable cost"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.missing));
        const auto build = [&] {
            return FormDescription{
                .className = "CHECKED",
                .sections = {{.inputs = {a, b}, .resultLabels = {"r"}},
                             {.inputs = {a, b}, .resultLabels = {"r"}, .compute = c.calculation}},
            };
        };
        if (c.missing.empty()) {
            EXPECT_NO_THROW(build());
            continue;
        }
        try {
            build();
            ADD_FAILURE() << "accepted";
        } catch (const std::logic_error& error) {
            EXPECT_EQ(std::string(error.what()), "CHECKED: a formula reads \"" +
                                                     std::string(c.missing) +
                                                     "\", a field its section does not have");
        }
    }
}

// The printed order of operations is the evaluated one, parentheses where
// reading left to right would give another result.
TEST(Formula, PrintsTheTreeItEvaluates) {
    const Expr a = Input("a"), b = Input("b"), c = Input("c");
    const std::string_view labels[] = {"a", "b", "c"};
    const double x[] = {0.1, 0.2, 0.3};
    struct Case {
        Expr expr;
        std::string text;
        double value;
    };
    const Case cases[] = {
        {a - b - c, "a \u2212 b \u2212 c", (0.1 - 0.2) - 0.3},
        {a - (b - c), "a \u2212 (b \u2212 c)", 0.1 - (0.2 - 0.3)},
        {a + (b + c), "a + (b + c)", 0.1 + (0.2 + 0.3)},
        {a / b * c, "a \u00F7 b \u00D7 c", 0.1 / 0.2 * 0.3},
        {a / (b * c), "a \u00F7 (b \u00D7 c)", 0.1 / (0.2 * 0.3)},
        {(a + b) * c, "(a + b) \u00D7 c", (0.1 + 0.2) * 0.3},
        {a + b * c, "a + b \u00D7 c", 0.1 + 0.2 * 0.3},
        {Grouped(a / b) / c, "(a \u00F7 b) \u00F7 c", 0.1 / 0.2 / 0.3},
        {Pow(a + 1, b) * c, "(a + 1)^b \u00D7 c", std::pow(0.1 + 1, 0.2) * 0.3},
        {Pow(a, b + c), "a^(b + c)", std::pow(0.1, 0.2 + 0.3)},
        {Sqrt(a / b), "\u221A(a \u00F7 b)", std::sqrt(0.1 / 0.2)},
        {2 * a - 0.5, "2 \u00D7 a \u2212 0.5", 2 * 0.1 - 0.5},
    };
    for (const Case& k : cases) {
        const Calculation calc{.results = {k.expr}};
        EXPECT_EQ(calc.Describe(0, "r"), "r = " + k.text + ". " + std::string(kBadFieldSentence));
        const auto v = calc.Evaluate(x, labels);
        ASSERT_TRUE(v);
        EXPECT_TRUE(SameBits((*v)[0], k.value)) << k.text;
    }

    // Guards come first and in order; a case reads after the general formula.
    const Calculation guarded{
        .results = {Choose(Equals(a, 1).Because("one"), b, b / Named("d", c - a))},
        .guards = {IsZero(c), Either(IsNegative(b), IsNotANumber(b))},
    };
    EXPECT_EQ(guarded.Describe(0, "r"),
              "r = b \u00F7 d, where d = c \u2212 a. When a = 1 (one): r = b. NaN when c = 0. "
              "NaN when b < 0 or b is not a number. " +
                  std::string(kBadFieldSentence));
    const double one[] = {1, 7, 2}, zero[] = {1, 7, 0}, negative[] = {0, -1, 2};
    EXPECT_EQ(guarded.Evaluate(one, labels), std::vector<double>{7});
    EXPECT_EQ(guarded.Evaluate(zero, labels), std::nullopt);
    EXPECT_EQ(guarded.Evaluate(negative, labels), std::nullopt);
}

TEST(Formula, LabelsReadWithoutTheirNumbersColonsAndQuestionMarks) {
    EXPECT_EQ(FormulaName("1. Current assets"), "Current assets");
    EXPECT_EQ(FormulaName("Total liabilities:"), "Total liabilities");
    EXPECT_EQ(FormulaName("No.of employees hired during the year ?"),
              "No.of employees hired during the year");
    EXPECT_EQ(FormulaName("1 st month production in units"), "1 st month production in units");
    EXPECT_EQ(FormulaName("Taxes %"), "Taxes %");
}

// The five texts the user sees for the best known figures, word for word.
TEST(Formula, TheBestKnownFormulasReadAsTheUserExpects) {
    const auto text = [](std::string_view form, std::size_t section, std::size_t result) {
        return ResultHelp(*FindSection(form, section), result);
    };
    EXPECT_EQ(text("ALTMAN_Z_3", 0, 2),
              "Listed enterprises = 1.2 \u00D7 X1 + 1.4 \u00D7 X2 + 3.3 \u00D7 X3 + 0.6 \u00D7 X4 "
              "+ 0.995 \u00D7 X5, where X1 = (Current assets \u2212 Current Liabilities) \u00F7 "
              "TA, TA = Total liabilities + Total equity, X2 = Retained earnings \u00F7 TA, X3 = "
              "Earnings before taxes \u00F7 TA, X4 = Total equity \u00F7 Total liabilities and X5 "
              "= Sales \u00F7 TA. NaN when TA = 0. NaN when Total liabilities = 0. NaN when a "
              "field is not a valid number.");
    EXPECT_EQ(text("KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7", 0, 0),
              "Variable cost (least squares method) = (\u03A3(x \u00D7 y) \u00D7 n \u2212 \u03A3y "
              "\u00D7 \u03A3x) \u00F7 D, where n = the number of those months and D = n \u00D7 "
              "\u03A3(x \u00D7 x) \u2212 \u03A3x \u00D7 \u03A3x. Each \u03A3 runs over the months "
              "whose units and expenses are both non-zero (x \u2260 0 and y \u2260 0), x being a "
              "month's production in units and y its production expences. NaN when D = 0. NaN "
              "when a field is not a valid number.");
    EXPECT_EQ(text("OPTIMALUS_UZSAKYMAS_5_18", 0, 0),
              "Economic Order Quantity = \u221Aq, where q = (Inventory demand during the year + "
              "Inventory demand during the year) \u00D7 Order execution costs \u00F7 Expences of "
              "storing one inventory unit. NaN when Expences of storing one inventory unit = 0. "
              "NaN when q < 0 or q is not a number. NaN when a field is not a valid number.");
    EXPECT_EQ(text("PASKOLOS_6_7", 0, 0),
              "Period payment value = (i \u00D7 P) \u00F7 (P \u2212 1) \u00D7 Mortgage ammount, "
              "where i = Interest rate (accounted period) % \u00F7 100 and P = (i + "
              "1)^(No. of periods). When i + 1 = 1 (a rate of 0): Period payment value = Mortgage "
              "ammount \u00F7 No. of periods. NaN when No. of periods = 0. NaN when a field is not "
              "a valid number.");
    EXPECT_EQ(text("PASKOLOS_DALINAI_APMOKETOS_6_7", 0, 0),
              "Mortgage balance after N payments = (PN \u2212 Pk) \u00F7 (PN \u2212 1) \u00D7 "
              "Mortgage ammount, where PN = g^(No. of periods), g = Interest rate (accounted "
              "period) % \u00F7 100 + 1 and Pk = g^(No. of payments made). When g = 1 (a rate of "
              "0): Mortgage balance after N payments = (No. of periods \u2212 No. of payments "
              "made) \u00F7 No. of periods \u00D7 Mortgage ammount. NaN when No. of periods = 0. "
              "NaN when a field is not a valid number.");
    EXPECT_EQ(text("ROA_3_2", 0, 0),
              "ROA (Return on Assets) % = Net profit \u00F7 Total assets \u00D7 100. NaN when "
              "Total assets = 0. NaN when a field is not a valid number.");
}

TEST(FieldHelp, InputsSayWhatTheyAcceptAndTheirLimit) {
    const InputField signedField{"a", ValidationKind::SignedDecimal, "m"};
    const InputField positive{"b", ValidationKind::PositiveDecimal, "m"};
    const InputField natural{"c", ValidationKind::NaturalNumber, "m", kErrorCaption,
                             UpperBound{1200, "too many"}};
    EXPECT_EQ(InputHelp(signedField),
              "A number such as 1234.5 or -0.75, with \".\" as the decimal point and no thousands "
              "separators.");
    EXPECT_EQ(InputHelp(positive),
              "A number such as 1234.5 or 0.75, not negative, with \".\" as the decimal point and "
              "no thousands separators.");
    EXPECT_EQ(InputHelp(natural),
              "A whole number such as 12, with no sign, decimal point or thousands separators. At "
              "most 1200.");
    // The plan's periods carry their limit; every field of every form has help.
    const Section* plan = FindSection("PASKOLOS_GRAF_6_7", 0);
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(InputHelp(plan->inputs[2]).ends_with(" At most 1200."));
    for (const FormDescription* form : AllForms()) {
        for (const Section& s : form->sections) {
            for (const InputField& input : s.inputs) EXPECT_FALSE(InputHelp(input).empty());
        }
    }
}

}  // namespace
}  // namespace orvanta
