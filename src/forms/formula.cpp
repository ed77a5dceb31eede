#include "forms/formula.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvanta::formula {

enum class Op {
    Input,
    Constant,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Sqrt,
    Named,
    Grouped,
    Choose,
    Row,
    Sum,
    Count,
};

struct Node {
    Op op = Op::Constant;
    std::string_view text{};  // label, name or placeholder
    double value = 0;
    std::vector<Expr> operands{};
    std::shared_ptr<const Test> condition{};
    std::shared_ptr<const RowSet> rows{};
};

enum class TestKind { Equal, Less, NonZero, NotANumber, Or, And };

struct Test {
    TestKind kind = TestKind::Equal;
    std::vector<Expr> operands{};
    std::vector<Condition> parts{};
    std::string_view gloss{};
};

struct RowSet {
    RowTable table;
    Condition filter;
};

namespace {

Expr Make(Node node) { return Expr(std::make_shared<const Node>(std::move(node))); }

Condition MakeTest(Test test) { return Condition(std::make_shared<const Test>(std::move(test))); }

// ---------------------------------------------------------------- evaluation

struct Context {
    std::span<const double> x;
    std::span<const std::string_view> labels;
    const RowSet* rowSet = nullptr;
    std::span<const double> row{};
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Eval(const Node& n, const Context& c);
bool Holds(const Test& t, const Context& c);

double Eval(const Expr& e, const Context& c) { return Eval(e.node(), c); }

double EvalInput(std::string_view label, const Context& c) {
    const auto found = std::find(c.labels.begin(), c.labels.end(), label);
    if (found == c.labels.end()) return kNaN;  // a formula over a field the form lacks
    const auto index = static_cast<std::size_t>(found - c.labels.begin());
    return index < c.x.size() ? c.x[index] : kNaN;
}

double EvalRow(std::string_view name, const Context& c) {
    if (!c.rowSet) return kNaN;
    const auto& names = c.rowSet->table.placeholders;
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return kNaN;
    const auto index = static_cast<std::size_t>(found - names.begin());
    return index < c.row.size() ? c.row[index] : kNaN;
}

// Adds up `term` over the counted rows, in row order, from 0; the same
// additions a loop over the rows makes.
double EvalSum(const RowSet& set, const Expr* term, const Context& c) {
    double sum = 0;
    std::vector<double> values;
    for (const std::vector<Expr>& row : set.table.rows) {
        values.clear();
        for (const Expr& e : row) values.push_back(Eval(e, c));
        const Context inner{c.x, c.labels, &set, values};
        if (!Holds(set.filter.test(), inner)) continue;
        sum += term ? Eval(*term, inner) : 1.0;
    }
    return sum;
}

double Eval(const Node& n, const Context& c) {
    const auto operand = [&](std::size_t i) { return Eval(n.operands[i], c); };
    switch (n.op) {
        case Op::Input: return EvalInput(n.text, c);
        case Op::Constant: return n.value;
        case Op::Add: return operand(0) + operand(1);
        case Op::Subtract: return operand(0) - operand(1);
        case Op::Multiply: return operand(0) * operand(1);
        case Op::Divide: return operand(0) / operand(1);
        case Op::Power: return std::pow(operand(0), operand(1));
        case Op::Sqrt: return std::sqrt(operand(0));
        case Op::Named:
        case Op::Grouped: return operand(0);
        case Op::Choose: return Holds(*n.condition, c) ? operand(0) : operand(1);
        case Op::Row: return EvalRow(n.text, c);
        case Op::Sum: return EvalSum(*n.rows, &n.operands[0], c);
        case Op::Count: return EvalSum(*n.rows, nullptr, c);
    }
    return kNaN;
}

bool Holds(const Test& t, const Context& c) {
    switch (t.kind) {
        case TestKind::Equal: return Eval(t.operands[0], c) == Eval(t.operands[1], c);
        case TestKind::Less: return Eval(t.operands[0], c) < Eval(t.operands[1], c);
        case TestKind::NonZero: return Eval(t.operands[0], c) != 0;
        case TestKind::NotANumber: return std::isnan(Eval(t.operands[0], c));
        case TestKind::Or: return Holds(t.parts[0].test(), c) || Holds(t.parts[1].test(), c);
        case TestKind::And: return Holds(t.parts[0].test(), c) && Holds(t.parts[1].test(), c);
    }
    return false;
}

// ------------------------------------------------------------------ printing

constexpr int kAtom = 9;

// How tightly an operation binds when printed; a child that binds less
// tightly than its parent is printed in parentheses.
int Precedence(const Node& n) {
    switch (n.op) {
        case Op::Add:
        case Op::Subtract: return 1;
        case Op::Multiply:
        case Op::Divide: return 2;
        case Op::Sqrt: return 3;
        case Op::Power: return 4;
        default: return kAtom;
    }
}

std::string ConstantText(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("?");
}

bool IsOneToken(const std::string& text) { return text.find(' ') == std::string::npos; }

std::string Parenthesized(const std::string& text) { return "(" + text + ")"; }

class Printer {
public:
    void Collect(const Expr& e) { Collect(e.node()); }

    void Collect(const Node& n) {
        if (n.op == Op::Named) {
            if (std::find(named_.begin(), named_.end(), &n) != named_.end()) return;
            named_.push_back(&n);
        }
        if ((n.op == Op::Sum || n.op == Op::Count) &&
            std::find(rowSets_.begin(), rowSets_.end(), n.rows.get()) == rowSets_.end()) {
            rowSets_.push_back(n.rows.get());
        }
        if (n.condition) Collect(*n.condition);
        for (const Expr& e : n.operands) Collect(e);
    }

    void Collect(const Test& t) {
        for (const Expr& e : t.operands) Collect(e);
        for (const Condition& p : t.parts) Collect(p.test());
    }

    std::string Print(const Expr& e) const { return Print(e.node()); }

    std::string Print(const Node& n) const {
        const int p = Precedence(n);
        switch (n.op) {
            case Op::Input: return std::string(FormulaName(n.text));
            case Op::Constant: return ConstantText(n.value);
            case Op::Add: return Binary(n, " + ", p);
            case Op::Subtract: return Binary(n, " \u2212 ", p);
            case Op::Multiply: return Binary(n, " \u00D7 ", p);
            case Op::Divide: return Binary(n, " \u00F7 ", p);
            case Op::Power: {
                const Node& base = n.operands[0].node();
                std::string left = Print(base);
                if (Precedence(base) != kAtom) left = Parenthesized(left);
                std::string right = Print(n.operands[1]);
                if (!IsOneToken(right)) right = Parenthesized(right);
                return left + "^" + right;
            }
            case Op::Sqrt: return "\u221A" + Token(n.operands[0]);
            case Op::Named:
            case Op::Row: return std::string(n.text);
            case Op::Grouped: return Parenthesized(Print(n.operands[0]));
            case Op::Choose:
                return "(" + Print(n.operands[0]) + " when " + Print(*n.condition) +
                       ", otherwise " + Print(n.operands[1]) + ")";
            case Op::Sum: return "\u03A3" + Token(n.operands[0]);
            case Op::Count: return std::string(n.rows->table.count);
        }
        return "?";
    }

    std::string Print(const Test& t) const {
        std::string text;
        switch (t.kind) {
            case TestKind::Equal: text = Print(t.operands[0]) + " = " + Print(t.operands[1]); break;
            case TestKind::Less: text = Print(t.operands[0]) + " < " + Print(t.operands[1]); break;
            case TestKind::NonZero: text = Print(t.operands[0]) + " \u2260 0"; break;
            case TestKind::NotANumber: text = Print(t.operands[0]) + " is not a number"; break;
            case TestKind::Or:
                text = Print(t.parts[0].test()) + " or " + Print(t.parts[1].test());
                break;
            case TestKind::And:
                text = Print(t.parts[0].test()) + " and " + Print(t.parts[1].test());
                break;
        }
        if (!t.gloss.empty()) text += " (" + std::string(t.gloss) + ")";
        return text;
    }

    // ", where a = ..., b = ... and c = ..." for every intermediate seen.
    std::string WhereClause() const {
        if (named_.empty()) return {};
        std::string text = ", where ";
        for (std::size_t i = 0; i < named_.size(); ++i) {
            if (i > 0) text += i + 1 == named_.size() ? " and " : ", ";
            text += std::string(named_[i]->text) + " = " + Print(named_[i]->operands[0]);
        }
        return text;
    }

    std::string RowSentences() const {
        std::string text;
        for (const RowSet* set : rowSets_) {
            text += " Each \u03A3 runs over " + std::string(set->table.over) + " (" +
                    Print(set->filter.test()) + "), " + std::string(set->table.meaning) + ".";
        }
        return text;
    }

private:
    std::string Binary(const Node& n, std::string_view op, int p) const {
        const Node& a = n.operands[0].node();
        const Node& b = n.operands[1].node();
        std::string left = Print(a);
        if (Precedence(a) < p) left = Parenthesized(left);
        // Read left to right, so an equal operation on the right needs its
        // parentheses: in doubles a + (b + c) is not (a + b) + c.
        std::string right = Print(b);
        if (Precedence(b) <= p) right = Parenthesized(right);
        return left + std::string(op) + right;
    }

    std::string Token(const Expr& e) const {
        const std::string text = Print(e);
        return IsOneToken(text) && Precedence(e.node()) == kAtom ? text : Parenthesized(text);
    }

    std::vector<const Node*> named_;
    std::vector<const RowSet*> rowSets_;
};

void CollectInputs(const Node& n, std::vector<std::string_view>& out);

void CollectInputs(const Test& t, std::vector<std::string_view>& out) {
    for (const Expr& e : t.operands) CollectInputs(e.node(), out);
    for (const Condition& p : t.parts) CollectInputs(p.test(), out);
}

void CollectInputs(const Node& n, std::vector<std::string_view>& out) {
    if (n.op == Op::Input && std::find(out.begin(), out.end(), n.text) == out.end()) {
        out.push_back(n.text);
    }
    if (n.rows) {
        for (const auto& row : n.rows->table.rows) {
            for (const Expr& e : row) CollectInputs(e.node(), out);
        }
        CollectInputs(n.rows->filter.test(), out);
    }
    if (n.condition) CollectInputs(*n.condition, out);
    for (const Expr& e : n.operands) CollectInputs(e.node(), out);
}

}  // namespace

// -------------------------------------------------------------- construction

Expr::Expr(double constant) : node_(std::make_shared<const Node>(Node{.value = constant})) {}

Condition Condition::Because(std::string_view gloss) const {
    Test copy = *test_;
    copy.gloss = gloss;
    return MakeTest(std::move(copy));
}

Expr Input(std::string_view label) { return Make({.op = Op::Input, .text = label}); }

Expr operator+(const Expr& a, const Expr& b) { return Make({.op = Op::Add, .operands = {a, b}}); }
Expr operator-(const Expr& a, const Expr& b) {
    return Make({.op = Op::Subtract, .operands = {a, b}});
}
Expr operator*(const Expr& a, const Expr& b) {
    return Make({.op = Op::Multiply, .operands = {a, b}});
}
Expr operator/(const Expr& a, const Expr& b) {
    return Make({.op = Op::Divide, .operands = {a, b}});
}
Expr Pow(const Expr& base, const Expr& exponent) {
    return Make({.op = Op::Power, .operands = {base, exponent}});
}
Expr Sqrt(const Expr& value) { return Make({.op = Op::Sqrt, .operands = {value}}); }

Expr Named(std::string_view name, const Expr& definition) {
    return Make({.op = Op::Named, .text = name, .operands = {definition}});
}
Expr Grouped(const Expr& value) { return Make({.op = Op::Grouped, .operands = {value}}); }

Expr Choose(const Condition& when, const Expr& then, const Expr& otherwise) {
    return Make({.op = Op::Choose,
                 .operands = {then, otherwise},
                 .condition = std::make_shared<const Test>(when.test())});
}

Condition Equals(const Expr& a, const Expr& b) {
    return MakeTest({.kind = TestKind::Equal, .operands = {a, b}});
}
Condition IsZero(const Expr& a) { return Equals(a, 0.0); }
Condition IsNonZero(const Expr& a) {
    return MakeTest({.kind = TestKind::NonZero, .operands = {a}});
}
Condition IsNegative(const Expr& a) {
    return MakeTest({.kind = TestKind::Less, .operands = {a, 0.0}});
}
Condition IsNotANumber(const Expr& a) {
    return MakeTest({.kind = TestKind::NotANumber, .operands = {a}});
}
Condition Either(const Condition& a, const Condition& b) {
    return MakeTest({.kind = TestKind::Or, .parts = {a, b}});
}
Condition Both(const Condition& a, const Condition& b) {
    return MakeTest({.kind = TestKind::And, .parts = {a, b}});
}

std::shared_ptr<const RowSet> Rows(RowTable table, const Condition& filter) {
    return std::make_shared<const RowSet>(RowSet{std::move(table), filter});
}
Expr Row(std::string_view name) { return Make({.op = Op::Row, .text = name}); }
Expr Sum(const std::shared_ptr<const RowSet>& rows, const Expr& term) {
    return Make({.op = Op::Sum, .operands = {term}, .rows = rows});
}
Expr Count(const std::shared_ptr<const RowSet>& rows) {
    return Make({.op = Op::Count, .rows = rows});
}

// ------------------------------------------------------------------ sections

Results Calculation::Evaluate(std::span<const double> x,
                              std::span<const std::string_view> labels) const {
    const Context context{x, labels};
    for (const Condition& guard : guards) {
        if (Holds(guard.test(), context)) return std::nullopt;
    }
    std::vector<double> values;
    values.reserve(results.size());
    for (const Expr& result : results) values.push_back(Eval(result, context));
    return values;
}

std::string Calculation::Describe(std::size_t result, std::string_view caption) const {
    if (result >= results.size()) return {};
    const Node& top = results[result].node();
    // A result of two cases reads as its general case, then the special one.
    const bool cases = top.op == Op::Choose;
    const Expr& general = cases ? top.operands[1] : results[result];

    Printer printer;
    printer.Collect(general);
    if (cases) {
        printer.Collect(*top.condition);
        printer.Collect(top.operands[0]);
    }
    for (const Condition& g : guards) printer.Collect(g.test());
    for (const Condition& g : unguarded) printer.Collect(g.test());

    std::string text(caption);
    text += " = " + printer.Print(general) + printer.WhereClause() + ".";
    if (cases) {
        text += " When " + printer.Print(*top.condition) + ": " + std::string(caption) + " = " +
                printer.Print(top.operands[0]) + ".";
    }
    text += printer.RowSentences();
    for (const Condition& g : guards) text += " NaN when " + printer.Print(g.test()) + ".";
    for (const Condition& g : unguarded) text += " NaN when " + printer.Print(g.test()) + ".";
    text += " ";
    text += kBadFieldSentence;
    return text;
}

Calculation Quotient(const Expr& numerator, const Expr& denominator) {
    return {.results = {numerator / denominator}, .guards = {IsZero(denominator)}};
}

Calculation Percentage(const Expr& numerator, const Expr& denominator) {
    return {.results = {numerator / denominator * 100}, .guards = {IsZero(denominator)}};
}

std::string_view FormulaName(std::string_view label) {
    // "1. Current assets" numbers a row; the number is no part of the figure.
    std::size_t digits = 0;
    while (digits < label.size() && label[digits] >= '0' && label[digits] <= '9') ++digits;
    if (digits > 0 && label.substr(digits).starts_with(". ")) label.remove_prefix(digits + 2);
    while (!label.empty() && (label.back() == ' ' || label.back() == ':' || label.back() == '?')) {
        label.remove_suffix(1);
    }
    return label;
}

std::vector<std::string_view> InputsUsed(const Calculation& calculation) {
    std::vector<std::string_view> out;
    for (const Expr& e : calculation.results) CollectInputs(e.node(), out);
    for (const Condition& g : calculation.guards) CollectInputs(g.test(), out);
    for (const Condition& g : calculation.unguarded) CollectInputs(g.test(), out);
    return out;
}

}  // namespace orvanta::formula
