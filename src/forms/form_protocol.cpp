#include "forms/form_protocol.h"

#include <string>

namespace orvanta {

std::optional<double> ReadNumberField(FormView& view, std::size_t section, std::size_t field,
                                      const InputField& input) {
    const std::u16string text = view.InputText(section, field);
    if (!Passes(input.kind, text)) {
        view.ShowMessage(input.caption, input.message);
        return std::nullopt;
    }
    const double value = TextToDouble(text);
    if (input.bound && value > input.bound->maximum) {
        view.ShowMessage(input.caption, input.bound->message);
        return std::nullopt;
    }
    return value;
}

void ShowResult(FormView& view, std::size_t section, std::size_t result,
                std::optional<double> value, ResultFormat format) {
    view.SetResultText(section, result, FormatResult(value, format));
}

namespace {

void ShowNoValue(const Section& s, std::size_t section, FormView& view) {
    for (std::size_t r = 0; r < s.resultLabels.size(); ++r) {
        ShowResult(view, section, r, std::nullopt, s.format);
    }
}

}  // namespace

void ComputeSection(const FormDescription& form, std::size_t section, FormView& view) {
    if (section >= form.sections.size()) return;
    const Section& s = form.sections[section];

    bool error = false;
    std::vector<double> x;
    x.reserve(s.inputs.size());
    for (std::size_t i = 0; i < s.inputs.size(); ++i) {
        const std::optional<double> value = ReadNumberField(view, section, i, s.inputs[i]);
        if (!value) {
            error = true;
            x.push_back(0.0);  // placeholder; never used once the flag is set
            continue;
        }
        x.push_back(*value);
        if (s.store) s.store(s.inputs[i], *value);
    }

    if (error) {
        ShowNoValue(s, section, view);
        return;
    }
    if (!s.opens.empty()) {
        view.OpenWindow(s.opens);
        return;
    }
    const Results results = SectionResults(s, x);
    // A formula that gives fewer values than there are fields would leave a
    // partial result on screen; show none instead.
    if (!results || results->size() != s.resultLabels.size()) {
        ShowNoValue(s, section, view);
        return;
    }
    for (std::size_t r = 0; r < results->size(); ++r) {
        ShowResult(view, section, r, (*results)[r], s.format);
    }
}

void RunChooser(const FormDescription& form, FormView& view) {
    for (std::size_t c = 0; c < form.choices.size(); ++c) {
        if (view.IsChoiceChecked(c)) view.OpenWindow(form.choices[c].opens);
    }
}

}  // namespace orvanta
