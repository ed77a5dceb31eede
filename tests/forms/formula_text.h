#pragma once

// An independent reader of the formula texts the result fields show. It
// parses a text ("caption = formula, where ... . When ...: ... . NaN when
// ... .") with the ordinary rules (× and ÷ before + and −, left to right,
// parentheses first, ^ and √ on single operands), evaluates it in doubles for
// given inputs and says what the field must then show. Nothing of it comes
// from the formula model, so a text that does not say what is computed
// disagrees with the computation.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::testing {

struct Ast {
    char op = 'n';  // n number, v name, + - * / ^, r root, S sum, C count
    double value = 0;
    std::string name;
    std::vector<Ast> kids;
};

struct Cond {
    std::string kind;  // "=", "<", "!=0", "nan", "or", "and"
    std::vector<Ast> sides;
    std::vector<Cond> parts;
};

struct ParsedFormula {
    Ast main;
    std::map<std::string, Ast, std::less<>> names;
    std::optional<Cond> caseWhen;
    Ast caseValue;
    std::vector<Cond> nanWhen;
    bool overMonths = false;  // its sums run over the counted months
};

class FormulaTextParser {
public:
    FormulaTextParser(std::string_view text, std::vector<std::string> words)
        : text_(text), words_(std::move(words)) {}

    ParsedFormula Parse(std::string_view caption) {
        ParsedFormula f;
        Expect(caption);
        Expect(" = ");
        f.main = Expression();
        if (Accept(", where ")) {
            for (;;) {
                const std::size_t eq = text_.find(" = ", pos_);
                if (eq == std::string_view::npos) Fail("definition");
                const std::string name(text_.substr(pos_, eq - pos_));
                pos_ = eq + 3;
                f.names[name] = Expression();
                if (Accept(", ")) continue;
                if (Accept(" and ")) continue;
                break;
            }
        }
        Expect(".");
        if (Accept(" When ")) {
            f.caseWhen = Condition();
            Expect(": ");
            Expect(caption);
            Expect(" = ");
            f.caseValue = Expression();
            Expect(".");
        }
        constexpr std::string_view kMonths =
            " Each \u03A3 runs over the months whose units and expenses are both non-zero (x "
            "\u2260 "
            "0 and y \u2260 0), x being a month's production in units and y its production "
            "expences.";
        if (Accept(kMonths)) f.overMonths = true;
        constexpr std::string_view kBadField = " NaN when a field is not a valid number.";
        while (!Rest().starts_with(kBadField)) {
            Expect(" NaN when ");
            f.nanWhen.push_back(Condition());
            Expect(".");
        }
        Expect(kBadField);
        if (pos_ != text_.size()) Fail("end");
        return f;
    }

private:
    std::string_view Rest() const { return text_.substr(pos_); }
    bool Accept(std::string_view s) {
        if (!Rest().starts_with(s)) return false;
        pos_ += s.size();
        return true;
    }
    void Expect(std::string_view s) {
        if (!Accept(s)) Fail(std::string("expected \"") + std::string(s) + "\"");
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " at: " + std::string(Rest().substr(0, 60)));
    }

    Cond Condition() {
        Cond c = Simple();
        for (;;) {
            std::string kind;
            if (Accept(" or ")) {
                kind = "or";
            } else if (Accept(" and ")) {
                kind = "and";
            } else {
                return c;
            }
            Cond joined{kind, {}, {c, Simple()}};
            c = joined;
        }
    }

    Cond Simple() {
        Cond c;
        c.sides.push_back(Expression());
        if (Accept(" = ")) {
            c.kind = "=";
            c.sides.push_back(Expression());
        } else if (Accept(" < ")) {
            c.kind = "<";
            c.sides.push_back(Expression());
        } else if (Accept(" \u2260 0")) {
            c.kind = "!=0";
        } else if (Accept(" is not a number")) {
            c.kind = "nan";
        } else {
            Fail("condition");
        }
        // A gloss in words: "(a rate of 0)".
        if (Rest().starts_with(" (")) {
            const std::size_t close = text_.find(')', pos_);
            if (close == std::string_view::npos) Fail("gloss");
            pos_ = close + 1;
        }
        return c;
    }

    Ast Expression() {
        Ast left = Term();
        for (;;) {
            char op = 0;
            if (Accept(" + ")) {
                op = '+';
            } else if (Accept(" \u2212 ")) {
                op = '-';
            } else {
                return left;
            }
            left = Ast{op, 0, {}, {left, Term()}};
        }
    }

    Ast Term() {
        Ast left = Power();
        for (;;) {
            char op = 0;
            if (Accept(" \u00D7 ")) {
                op = '*';
            } else if (Accept(" \u00F7 ")) {
                op = '/';
            } else {
                return left;
            }
            left = Ast{op, 0, {}, {left, Power()}};
        }
    }

    Ast Power() {
        Ast base = Unary();
        if (Accept("^")) return Ast{'^', 0, {}, {base, Primary()}};
        return base;
    }

    Ast Unary() {
        if (Accept("\u221A")) return Ast{'r', 0, {}, {Primary()}};
        if (Accept("\u03A3")) return Ast{'S', 0, {}, {Primary()}};
        return Primary();
    }

    Ast Primary() {
        if (Accept("(")) {
            Ast inner = Expression();
            Expect(")");
            return inner;
        }
        if (Accept("the number of those months")) return Ast{'C', 0, {}, {}};
        // The longest field label that starts here.
        std::string_view best;
        for (const std::string& w : words_) {
            if (w.size() > best.size() && Rest().starts_with(w)) best = w;
        }
        if (!best.empty()) {
            pos_ += best.size();
            return Ast{'v', 0, std::string(best), {}};
        }
        const char c = pos_ < text_.size() ? text_[pos_] : '\0';
        if (c >= '0' && c <= '9') {
            // Digits, then "." and digits; a "." that ends a sentence is not a decimal point.
            const auto digit = [&](std::size_t i) {
                return i < text_.size() && text_[i] >= '0' && text_[i] <= '9';
            };
            std::size_t end = pos_;
            while (digit(end)) ++end;
            if (end < text_.size() && text_[end] == '.' && digit(end + 1)) {
                ++end;
                while (digit(end)) ++end;
            }
            double value = 0;
            const auto [stop, ec] = std::from_chars(text_.data() + pos_, text_.data() + end, value);
            if (ec != std::errc{} || stop != text_.data() + end) Fail("number");
            pos_ = end;
            return Ast{'n', value, {}, {}};
        }
        // Otherwise a name of the where clause (TA, X1, q), or x or y of a month.
        std::size_t end = pos_;
        while (end < text_.size() && std::isalnum(static_cast<unsigned char>(text_[end]))) ++end;
        if (end == pos_) Fail("operand");
        const std::string name(text_.substr(pos_, end - pos_));
        pos_ = end;
        return Ast{'v', 0, name, {}};
    }

    std::string_view text_;
    std::vector<std::string> words_;
    std::size_t pos_ = 0;
};

// The values the text is evaluated with: each field by the name the formula
// gives it, and for the monthly forms the months as (units, expenses).
struct TextInputs {
    std::map<std::string, double, std::less<>> fields;
    std::vector<std::pair<double, double>> months;
};

class FormulaTextEvaluator {
public:
    FormulaTextEvaluator(const ParsedFormula& f, const TextInputs& in) : f_(f), in_(in) {}

    // What the field must show: a value, or nothing for "NaN".
    std::optional<double> Shown() {
        for (const Cond& c : f_.nanWhen) {
            if (Holds(c)) return std::nullopt;
        }
        const double v = f_.caseWhen && Holds(*f_.caseWhen) ? Eval(f_.caseValue) : Eval(f_.main);
        if (!std::isfinite(v)) return std::nullopt;
        return v;
    }

private:
    bool Holds(const Cond& c) {
        if (c.kind == "or") return Holds(c.parts[0]) || Holds(c.parts[1]);
        if (c.kind == "and") return Holds(c.parts[0]) && Holds(c.parts[1]);
        const double a = Eval(c.sides[0]);
        if (c.kind == "=") return a == Eval(c.sides[1]);
        if (c.kind == "<") return a < Eval(c.sides[1]);
        if (c.kind == "!=0") return a != 0;
        return std::isnan(a);
    }

    double Eval(const Ast& a) {
        switch (a.op) {
            case 'n': return a.value;
            case '+': return Eval(a.kids[0]) + Eval(a.kids[1]);
            case '-': return Eval(a.kids[0]) - Eval(a.kids[1]);
            case '*': return Eval(a.kids[0]) * Eval(a.kids[1]);
            case '/': return Eval(a.kids[0]) / Eval(a.kids[1]);
            case '^': return std::pow(Eval(a.kids[0]), Eval(a.kids[1]));
            case 'r': return std::sqrt(Eval(a.kids[0]));
            case 'S':
            case 'C': {
                double sum = 0;
                for (const auto& [x, y] : in_.months) {
                    if (x == 0 || y == 0) continue;
                    row_ = {x, y};
                    sum += a.op == 'C' ? 1.0 : Eval(a.kids[0]);
                }
                row_.reset();
                return sum;
            }
            case 'v': {
                if (row_ && a.name == "x") return row_->first;
                if (row_ && a.name == "y") return row_->second;
                if (const auto n = f_.names.find(a.name); n != f_.names.end()) {
                    return Eval(n->second);
                }
                if (const auto v = in_.fields.find(a.name); v != in_.fields.end()) {
                    return v->second;
                }
                throw std::runtime_error("unknown name " + a.name);
            }
        }
        throw std::runtime_error("bad node");
    }

    const ParsedFormula& f_;
    const TextInputs& in_;
    std::optional<std::pair<double, double>> row_;
};

}  // namespace orvanta::testing
