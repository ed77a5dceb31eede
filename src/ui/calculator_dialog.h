#pragma once

#include <QDialog>
#include <vector>

#include "forms/form_description.h"
#include "forms/form_view.h"
#include "ui/radio_group_keys.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QGridLayout;
class QLayout;

namespace orvanta::ui {

// Any calculator, chooser or hand-on form, laid out from its description. The
// dialog only shows texts, reads them back and forwards each "OK" to the form
// protocol; all behaviour lives in the core.
//
// Object names, for tests and tools: "heading", "section<S>", "input<S>_<F>",
// "result<S>_<R>", "ok<S>", "choice<C>", "cancel".
class CalculatorDialog : public QDialog, public FormView {
    Q_OBJECT

public:
    explicit CalculatorDialog(const FormDescription& form, QWidget* owner = nullptr);

    const FormDescription& Description() const { return form_; }
    std::size_t SectionCount() const { return sections_.size(); }
    QWidget* SectionWidget(std::size_t section) const;
    QLineEdit* InputField(std::size_t section, std::size_t field) const;
    QLineEdit* ResultField(std::size_t section, std::size_t result) const;
    QPushButton* OkButton(std::size_t section = 0) const;
    QPushButton* CancelButton() const { return cancel_; }
    QRadioButton* ChoiceButton(std::size_t choice) const;

    // FormView
    std::u16string InputText(std::size_t section, std::size_t field) const override;
    void SetResultText(std::size_t section, std::size_t result, std::string_view text) override;
    void ShowMessage(std::string_view caption, std::string_view text) override;
    bool IsChoiceChecked(std::size_t choice) const override;
    void OpenWindow(std::string_view className) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SectionWidgets {
        QWidget* container = nullptr;
        std::vector<QLineEdit*> inputs;
        std::vector<QLineEdit*> results;
        QPushButton* ok = nullptr;
    };

    // A grid of "label  field" rows and how far its left edge lies inside its
    // section; the grids of one column of sections share one field column.
    struct FieldGrid {
        QGridLayout* grid = nullptr;
        int indent = 0;
        int column = 0;
        int labelWidth = 0;
    };

    QWidget* BuildSection(std::size_t index);
    QLayout* BuildInputs(std::size_t index, QWidget* parent, int indent);
    QGridLayout* BuildResults(std::size_t index, QWidget* parent, int indent);
    // One "label  field" row each, put at (row, column) of `grid`.
    QLineEdit* MakeInputField(std::size_t section, std::size_t field, QGridLayout* grid, int row,
                              int column, QWidget* parent);
    QLineEdit* MakeResultField(std::size_t section, std::size_t result, QGridLayout* grid, int row,
                               QWidget* parent);
    void AlignFieldColumns();
    QWidget* BuildChoices();
    QPushButton* MakeOkButton(const QString& objectName, QWidget* parent);
    void PressOk(std::size_t section);

    const FormDescription& form_;
    std::vector<SectionWidgets> sections_;
    std::vector<FieldGrid> fieldGrids_;
    std::vector<QRadioButton*> choices_;
    QPushButton* chooserOk_ = nullptr;
    // Enter and the arrows among the choices.
    RadioGroupKeys choiceKeys_;
    QPushButton* cancel_ = nullptr;
    bool focusedOnce_ = false;
    // The field the protocol read last, and the first one of this press that
    // gave a message.
    mutable QLineEdit* lastReadField_ = nullptr;
    QLineEdit* firstBadField_ = nullptr;
};

}  // namespace orvanta::ui
