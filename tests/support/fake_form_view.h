#pragma once

// A FormView that holds field texts in memory and records, in order, every
// message, result text and window opened, so protocol tests can compare the
// whole sequence of what a user would have seen.

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/form_protocol.h"
#include "forms/form_view.h"

namespace orvanta::testing {

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message&) const = default;
};

class FakeFormView : public FormView {
public:
    std::map<std::pair<std::size_t, std::size_t>, std::u16string> inputs;
    std::map<std::pair<std::size_t, std::size_t>, std::string> results;
    std::vector<Message> messages;
    std::vector<std::string> opened;
    std::set<std::size_t> checkedChoices;

    std::u16string InputText(std::size_t section, std::size_t field) const override {
        const auto it = inputs.find({section, field});
        return it == inputs.end() ? std::u16string() : it->second;
    }
    void SetResultText(std::size_t section, std::size_t result, std::string_view text) override {
        results[{section, result}] = std::string(text);
    }
    void ShowMessage(std::string_view caption, std::string_view text) override {
        messages.push_back({std::string(caption), std::string(text)});
    }
    bool IsChoiceChecked(std::size_t choice) const override {
        return checkedChoices.count(choice) != 0;
    }
    void OpenWindow(std::string_view className) override { opened.emplace_back(className); }

    // Fills a section's fields, in reading order, from plain literals of
    // ASCII characters: figures, signs and spaces. Texts beyond ASCII are
    // typed as u"" literals straight into `inputs`.
    void Type(std::size_t section, const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) inputs[{section, i}] = Ascii(texts[i]);
    }
    std::string Result(std::size_t section, std::size_t result = 0) const {
        const auto it = results.find({section, result});
        return it == results.end() ? std::string("<unset>") : it->second;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages) texts.push_back(m.text);
        return texts;
    }

    static std::u16string Ascii(const std::string& text) {
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80)
                throw std::invalid_argument("not ASCII, type it as a u\"\" literal: " + text);
        }
        return std::u16string(text.begin(), text.end());
    }
};

// One press of a section with the given texts; returns the view for checks.
inline FakeFormView Press(const FormDescription& form, std::size_t section,
                          const std::vector<std::string>& texts) {
    FakeFormView view;
    view.Type(section, texts);
    ComputeSection(form, section, view);
    return view;
}

}  // namespace orvanta::testing
