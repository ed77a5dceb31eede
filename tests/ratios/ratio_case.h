#pragma once

// One press of a calculator with the given texts and everything the user then
// sees: the messages in order and the exact text of every result field.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form_description.h"
#include "support/fake_form_view.h"

namespace orvanta::testing {

struct RatioCase {
    const FormDescription* form;
    std::vector<std::string> inputs;
    std::vector<std::string> results;
    std::vector<std::string> messages = {};
};

inline void ExpectPress(const RatioCase& c) {
    std::string trace(c.form->className);
    for (const std::string& input : c.inputs) trace += " \"" + input + "\"";
    SCOPED_TRACE(trace);
    const FakeFormView view = Press(*c.form, 0, c.inputs);
    EXPECT_EQ(view.MessageTexts(), c.messages);
    std::vector<std::string> shown;
    for (std::size_t r = 0; r < c.form->sections[0].resultLabels.size(); ++r) {
        shown.push_back(view.Result(0, r));
    }
    EXPECT_EQ(shown, c.results);
}

}  // namespace orvanta::testing
