#pragma once

// A calculator is described as data: its texts, the fields of each section
// with their checks and messages, the result captions, the format and the
// formula with its guards. The generic dialog renders any description and the
// protocol in form_protocol.h runs it, so a new calculator is one table.

#include <memory>
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

// How a section computes: a Calculation of formula.h, which the form can also
// print for the user.
class Formula {
public:
    Formula() = default;
    Formula(std::nullptr_t) {}                 // NOLINT: "no formula"
    Formula(formula::Calculation calculation)  // NOLINT: calculations read as formulas
        : calculation_(std::make_shared<const formula::Calculation>(std::move(calculation))) {}

    // The results for the section's inputs; x[i] belongs to inputs[i].
    Results operator()(std::span<const double> x, std::span<const InputField> inputs) const;

    // The calculation behind the results, when there is one.
    const formula::Calculation* Explained() const { return calculation_.get(); }

    explicit operator bool() const { return calculation_ != nullptr; }
    bool operator==(std::nullptr_t) const { return !*this; }

private:
    std::shared_ptr<const formula::Calculation> calculation_;
};

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
    Formula compute = nullptr;

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
