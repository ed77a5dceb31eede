#pragma once

// The three field grammars written a second way, as a table-driven automaton
// over four kinds of code unit, so that the fuzz target and the monkey test
// can judge the production checks without calling them.
//
//   natural   digit+
//   positive  digit+ ( "." digit+ )?
//   signed    positive | "-" digit* ( "." digit+ )?

#include <array>
#include <string>
#include <string_view>

#include "forms/validation.h"

namespace orvanta::reference {

enum Unit { kDigit, kPoint, kMinus, kOther, kUnitCount };

inline Unit Classify(char16_t c) {
    if (c >= u'0' && c <= u'9') return kDigit;
    if (c == u'.') return kPoint;
    if (c == u'-') return kMinus;
    return kOther;
}

// States: 0 start, 1 integer digits, 2 just after ".", 3 fraction digits,
// 4 just after a leading "-", 5 dead.
enum State { kStart, kInteger, kAfterPoint, kFraction, kAfterMinus, kDead, kStateCount };

using Table = std::array<std::array<State, kUnitCount>, kStateCount>;

struct Automaton {
    Table next;
    std::array<bool, kStateCount> accepting;
};

//                          digit      point       minus   other
inline constexpr Automaton kNatural{{{
                                        {kInteger, kDead, kDead, kDead},  // start
                                        {kInteger, kDead, kDead, kDead},  // integer
                                        {kDead, kDead, kDead, kDead},     // after point
                                        {kDead, kDead, kDead, kDead},     // fraction
                                        {kDead, kDead, kDead, kDead},     // after minus
                                        {kDead, kDead, kDead, kDead},     // dead
                                    }},
                                    {false, true, false, false, false, false}};

inline constexpr Automaton kPositive{{{
                                         {kInteger, kDead, kDead, kDead},
                                         {kInteger, kAfterPoint, kDead, kDead},
                                         {kFraction, kDead, kDead, kDead},
                                         {kFraction, kDead, kDead, kDead},
                                         {kDead, kDead, kDead, kDead},
                                         {kDead, kDead, kDead, kDead},
                                     }},
                                     {false, true, false, true, false, false}};

inline constexpr Automaton kSigned{{{
                                       {kInteger, kDead, kAfterMinus, kDead},
                                       {kInteger, kAfterPoint, kDead, kDead},
                                       {kFraction, kDead, kDead, kDead},
                                       {kFraction, kDead, kDead, kDead},
                                       {kInteger, kAfterPoint, kDead, kDead},
                                       {kDead, kDead, kDead, kDead},
                                   }},
                                   {false, true, false, true, true, false}};

inline const Automaton& AutomatonOf(ValidationKind kind) {
    switch (kind) {
        case ValidationKind::NaturalNumber: return kNatural;
        case ValidationKind::PositiveDecimal: return kPositive;
        case ValidationKind::SignedDecimal: return kSigned;
    }
    return kNatural;
}

inline bool Accepts(ValidationKind kind, std::u16string_view text) {
    const Automaton& a = AutomatonOf(kind);
    State s = kStart;
    for (const char16_t c : text) {
        s = a.next[s][Classify(c)];
        if (s == kDead) return false;
    }
    return a.accepting[s];
}

// The text with every code unit outside the grammar's alphabet replaced by
// "x": what a byte-oriented matcher can be run on without losing a verdict.
inline std::string Alphabet(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        out.push_back(Classify(c) == kOther ? 'x' : static_cast<char>(c));
    }
    return out;
}

inline constexpr ValidationKind kAllKinds[] = {
    ValidationKind::NaturalNumber, ValidationKind::PositiveDecimal, ValidationKind::SignedDecimal};

}  // namespace orvanta::reference
