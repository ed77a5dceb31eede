#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// What the form protocol needs of a form on screen. The Qt dialog implements
// it; tests implement it with a fake that records every call.
class FormView {
public:
    virtual ~FormView() = default;

    // The whole UTF-16 text of an input field, as the user left it.
    virtual std::u16string InputText(std::size_t section, std::size_t field) const = 0;
    // Replaces the whole text of a result field (UTF-8).
    virtual void SetResultText(std::size_t section, std::size_t result, std::string_view text) = 0;
    // A modal message box with one "OK"; returns when the user dismissed it.
    virtual void ShowMessage(std::string_view caption, std::string_view text) = 0;
    // Chooser entries.
    virtual bool IsChoiceChecked(std::size_t /*choice*/) const { return false; }
    // Runs another window modally over this form; returns when it closed.
    virtual void OpenWindow(std::string_view /*className*/) {}
};

}  // namespace orvanta
