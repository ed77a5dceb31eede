#pragma once

// One press of a calculator section: the texts typed into its fields, then
// everything the user sees: the messages in order (each under the error
// caption unless the case says otherwise) and the exact text of every result
// field of the section. Every result field holds an earlier figure before the
// press, so a press that leaves one unwritten fails too.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "forms/form_description.h"
#include "support/fake_form_view.h"

namespace orvanta::testing {

// The texts of a section's result fields: one text for a one-result section,
// or a list with one text per field.
struct ResultTexts : std::vector<std::string> {
    ResultTexts(std::initializer_list<std::string> texts) : vector(texts) {}
    ResultTexts(const std::vector<std::string>& texts) : vector(texts) {}  // NOLINT: implicit
    ResultTexts(std::string text) : vector{std::move(text)} {}             // NOLINT: implicit
    ResultTexts(const char* text) : vector{std::string(text)} {}           // NOLINT: implicit
};

struct PressCase {
    // A press of the first (often the only) section...
    PressCase(const FormDescription* form, std::vector<std::string> texts, ResultTexts results,
              std::vector<std::string> messages = {})
        : PressCase(form, 0, std::move(texts), std::move(results), std::move(messages)) {}
    // ...or of any section.
    PressCase(const FormDescription* form, std::size_t section, std::vector<std::string> texts,
              ResultTexts results, std::vector<std::string> messages = {})
        : form(form),
          section(section),
          texts(std::move(texts)),
          results(std::move(results)),
          messages(std::move(messages)) {}

    const FormDescription* form;
    std::size_t section;
    std::vector<std::string> texts;
    std::vector<std::string> results;
    std::vector<std::string> messages;
    std::string caption{kErrorCaption};
};

inline constexpr const char* kEarlierResult = "12.00";

inline std::string Trace(const PressCase& c) {
    std::string trace =
        std::string(c.form->className) + " section " + std::to_string(c.section + 1) + ":";
    for (const std::string& text : c.texts) {
        trace += " [" + text.substr(0, 20) + (text.size() > 20 ? "...]" : "]");
    }
    return trace;
}

inline void ExpectPress(const PressCase& c) {
    SCOPED_TRACE(Trace(c));
    ASSERT_LT(c.section, c.form->sections.size());
    const std::size_t resultCount = c.form->sections[c.section].resultLabels.size();
    FakeFormView view;
    for (std::size_t r = 0; r < resultCount; ++r) view.results[{c.section, r}] = kEarlierResult;
    view.Type(c.section, c.texts);
    ComputeSection(*c.form, c.section, view);

    EXPECT_EQ(view.MessageTexts(), c.messages);
    for (const Message& m : view.messages) EXPECT_EQ(m.caption, c.caption) << m.text;
    std::vector<std::string> shown;
    for (std::size_t r = 0; r < resultCount; ++r) shown.push_back(view.Result(c.section, r));
    EXPECT_EQ(shown, c.results);
    // Only the pressed section changes.
    for (const auto& [field, text] : view.results) EXPECT_EQ(field.first, c.section) << text;
}

}  // namespace orvanta::testing
