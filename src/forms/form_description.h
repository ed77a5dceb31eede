#pragma once

// A calculator is described as data: its texts, the fields of each section
// with their checks and messages, the result captions, the format and the
// formula with its guards. The generic dialog renders any description and the
// protocol in form_protocol.h runs it, so a new calculator is one table.

#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "forms/formula.h"
#include "forms/result_text.h"
#include "forms/validation.h"

namespace orvanta {

inline constexpr std::string_view kErrorCaption = "ERROR !!!";

// An upper limit checked after the field passed its grammar check.
struct UpperBound {
    double maximum = 0;
    std::string_view message{};
};

struct InputField {
    std::string_view label{};
    ValidationKind kind = ValidationKind::SignedDecimal;
    std::string_view message{};  // shown when the text fails its check
    std::string_view caption = kErrorCaption;
    std::optional<UpperBound> bound = std::nullopt;
};

}  // namespace orvanta

namespace orvanta::formula {

// The field a formula reads, by its declaration: declare each field once and
// give the same constant to the section's inputs and to its formula.
inline Expr Input(const InputField& field) { return Input(field.label); }

}  // namespace orvanta::formula

namespace orvanta {

// Called for every field that passed, at once, even if a later field fails,
// with the field's declaration: a store tells its fields by their labels, so
// reordering the fields cannot hand one value on as another.
using StoreField = void (*)(const InputField& field, double value);

enum class InputLayout {
    Rows,           // one "label  field" row per input, in reading order
    TwoColumnGrid,  // first half of the inputs in a left column, second half right
};

enum class ResultGroupStyle {
    InputsAbove,   // input rows, then the result group box under them
    InputsInside,  // the result group box holds the input rows as well
};

struct Section {
    std::vector<InputField> inputs{};
    std::string_view resultCaption{};  // group box caption; empty for a bare box
    std::vector<std::string_view> resultLabels{};
    ResultFormat format = ResultFormat::TwoDecimals;
    // How the results follow from the inputs; a section that only hands its
    // values on has none.
    std::optional<formula::Calculation> compute{};

    // Layout hints.
    int column = 0;  // 0 for the left column, 1 for the right one
    InputLayout inputLayout = InputLayout::Rows;
    std::string_view inputGroupCaption{};  // group box around the inputs, if any
    ResultGroupStyle groupStyle = ResultGroupStyle::InputsAbove;

    // A section without results hands its values on instead: each good field
    // is stored, and when every field passed the window `opens` is run.
    StoreField store = nullptr;
    std::string_view opens{};
};

struct FormDescription;

// A form another form or the catalogue opens, held as the description itself:
// a name that resolves to no form cannot be written. Reads as its class name.
class FormRef {
public:
    constexpr FormRef(const FormDescription& form) : form_(&form) {}  // NOLINT: implicit
    const FormDescription& Form() const { return *form_; }
    std::string_view ClassName() const;
    operator std::string_view() const { return ClassName(); }  // NOLINT: implicit

private:
    const FormDescription* form_;
};

// One radio button of a chooser and the window it opens.
struct Choice {
    std::string_view text{};
    FormRef opens;
};

enum class HeadingStyle { Framed, Plain };
enum class LabelAlignment { Left, Right };

// Refuses, as a description is built, a formula that reads a field its
// section does not have, which would show "NaN" for every press: throws
// std::logic_error naming the form and the field. Descriptions are program
// constants, so such a mistake stops every build at start-up.
// The results of `section` for its inputs' values x (x[i] belongs to its
// input i); no value where it has no calculation.
Results SectionResults(const Section& section, std::span<const double> x);

class FormulaFieldsChecked {
public:
    FormulaFieldsChecked(std::string_view className, const std::vector<Section>& sections);
};

struct FormDescription {
    std::string_view className{};
    std::string_view title{};
    std::string_view heading{};  // empty: the heading repeats the title
    HeadingStyle headingStyle = HeadingStyle::Framed;
    LabelAlignment labelAlignment = LabelAlignment::Left;
    std::vector<Section> sections{};
    // A chooser has no sections: its "OK" opens the window of the chosen entry.
    std::vector<Choice> choices{};
    // Never written: checks the fields above as they are initialised.
    FormulaFieldsChecked formulaFieldsChecked{className, sections};

    std::string_view HeadingText() const { return heading.empty() ? title : heading; }
    bool IsChooser() const { return !choices.empty(); }
};

inline std::string_view FormRef::ClassName() const { return form_->className; }

inline std::ostream& operator<<(std::ostream& out, FormRef ref) { return out << ref.ClassName(); }

}  // namespace orvanta
