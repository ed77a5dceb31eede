#include "forms/form_description.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace orvanta {

Results SectionResults(const Section& section, std::span<const double> x) {
    if (!section.compute) return NoValue;
    std::vector<std::string_view> labels;
    labels.reserve(section.inputs.size());
    for (const InputField& input : section.inputs) labels.push_back(input.label);
    return section.compute->Evaluate(x, labels);
}

FormulaFieldsChecked::FormulaFieldsChecked(std::string_view className,
                                           const std::vector<Section>& sections) {
    for (const Section& section : sections) {
        if (!section.compute) continue;
        for (const std::string_view label : formula::InputsUsed(*section.compute)) {
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
