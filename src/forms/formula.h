#pragma once

// A section's formulas as data: small expression trees over the section's
// input fields that are both evaluated (in doubles, in exactly the order the
// tree gives) and printed for the user. What a result field explains is
// therefore always what computed it.
//
// Labels, names and words are held as string_views: give them texts that live
// as long as the program (literals, the description constants).
//
// Evaluation follows C++ arithmetic one operation at a time: a + b + c is
// (a + b) + c, and a tree that reads a + (b + c) is printed with those
// parentheses, because in doubles the two may differ.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// What a section computes: every result, or no value at all when a guard
// holds (the section then shows "NaN" in every result field).
using Results = std::optional<std::vector<double>>;
inline constexpr std::nullopt_t NoValue = std::nullopt;

}  // namespace orvanta

namespace orvanta::formula {

struct Node;
struct Test;
struct RowSet;

// A number: an input field, a constant, or an operation on numbers.
class Expr {
public:
    Expr(double constant);  // NOLINT: constants read best as plain numbers (x ÷ y × 100)
    explicit Expr(std::shared_ptr<const Node> node) : node_(std::move(node)) {}

    const Node& node() const { return *node_; }

private:
    std::shared_ptr<const Node> node_;
};

// A condition on numbers: a guard, the test of a case, the filter of a sum.
class Condition {
public:
    explicit Condition(std::shared_ptr<const Test> test) : test_(std::move(test)) {}

    // A few plain words printed after the condition: "TA = 0 (no assets)".
    Condition Because(std::string_view gloss) const;
    const Test& test() const { return *test_; }

private:
    std::shared_ptr<const Test> test_;
};

// The input field with this label (the whole label, as the form shows it).
Expr Input(std::string_view label);

Expr operator+(const Expr& a, const Expr& b);
Expr operator-(const Expr& a, const Expr& b);
Expr operator*(const Expr& a, const Expr& b);
Expr operator/(const Expr& a, const Expr& b);
Expr Pow(const Expr& base, const Expr& exponent);  // std::pow
Expr Sqrt(const Expr& value);                      // std::sqrt

// An intermediate value, printed by its name and defined once after "where".
Expr Named(std::string_view name, const Expr& definition);
// Printed in parentheses even where the order of operations does not need them.
Expr Grouped(const Expr& value);
// `then` when the condition holds, otherwise `otherwise`.
Expr Choose(const Condition& when, const Expr& then, const Expr& otherwise);

Condition Equals(const Expr& a, const Expr& b);  // a == b (so -0 equals 0)
Condition IsZero(const Expr& a);
Condition IsNonZero(const Expr& a);
Condition IsNegative(const Expr& a);
Condition IsNotANumber(const Expr& a);
Condition Either(const Condition& a, const Condition& b);
Condition Both(const Condition& a, const Condition& b);

// Rows of like fields (the months of a year) that a sum runs over. Each row
// gives one value per placeholder; a row counts when the filter holds.
struct RowTable {
    std::vector<std::string_view> placeholders;  // "x", "y"
    std::vector<std::vector<Expr>> rows;         // one Expr per placeholder
    std::string_view over;     // "the months whose units and expenses are both non-zero"
    std::string_view meaning;  // what the placeholders stand for
    std::string_view count;    // how the number of counted rows reads
};
std::shared_ptr<const RowSet> Rows(RowTable table, const Condition& filter);
// The placeholder `name` of the row being summed.
Expr Row(std::string_view name);
// Σ term over the counted rows, in row order, starting from 0.
Expr Sum(const std::shared_ptr<const RowSet>& rows, const Expr& term);
// The number of counted rows (Σ1).
Expr Count(const std::shared_ptr<const RowSet>& rows);

// Everything a section computes: its results, and the guards under which it
// shows "NaN" instead, tested in order before any result. `unguarded` lists
// the cases whose arithmetic itself has no finite figure (an unguarded
// division by 0), which the form shows as "NaN" too; they are only told.
struct Calculation {
    std::vector<Expr> results;
    std::vector<Condition> guards = {};
    std::vector<Condition> unguarded = {};

    // x[i] is the value of the field labelled labels[i].
    Results Evaluate(std::span<const double> x, std::span<const std::string_view> labels) const;
    // "caption = formula, where ... . NaN when ... ."
    std::string Describe(std::size_t result, std::string_view caption) const;
};

// The quotient and the percentage that many forms share, each guarded by a
// divisor of 0.
Calculation Quotient(const Expr& numerator, const Expr& denominator);
Calculation Percentage(const Expr& numerator, const Expr& denominator);  // n ÷ d × 100

// How a label reads inside a formula: without a leading "1. " or a trailing
// ":" or " ?".
std::string_view FormulaName(std::string_view label);

// The sentence every result ends with.
inline constexpr std::string_view kBadFieldSentence = "NaN when a field is not a valid number.";

// The inputs a calculation reads, in order of first use (for checks).
std::vector<std::string_view> InputsUsed(const Calculation& calculation);

}  // namespace orvanta::formula
