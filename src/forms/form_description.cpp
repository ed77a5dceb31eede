#include "forms/form_description.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace orvanta {

Results Formula::operator()(std::span<const double> x, std::span<const InputField> inputs) const {
    if (!calculation_) return NoValue;
    std::vector<std::string_view> labels;
    labels.reserve(inputs.size());
    for (const InputField& input : inputs) labels.push_back(input.label);
    return calculation_->Evaluate(x, labels);
}

FormulaFieldsChecked::FormulaFieldsChecked(std::string_view className,
                                           const std::vector<Section>& sections) {
    for (const Section& section : sections) {
        const formula::Calculation* calculation = section.compute.Explained();
        if (!calculation) continue;
        for (const std::string_view label : formula::InputsUsed(*calculation)) {
            const bool present =
                std::any_of(section.inputs.begin(), section.inputs.end(),
                            [&](const InputField& input) { return input.label == label; });
            if (!present) {
                throw std::logic_error(std::string(className) + ": a formula reads \"" +
                                       std::string(label) +
                                       "\", a field its section does not have");
            }
        }
    }
}

}  // namespace orvanta
