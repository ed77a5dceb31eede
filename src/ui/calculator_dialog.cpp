#include "ui/calculator_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "forms/form_protocol.h"
#include "ui/field_help.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

namespace orvanta::ui {
namespace {

// Long enough for any number a user may paste; the checks read it whole.
constexpr int kFieldMaxLength = 1 << 20;
constexpr int kFieldWidth = 150;

QLabel* MakeHeading(const FormDescription& form, QWidget* parent) {
    auto* heading = new QLabel(ToQString(form.HeadingText()), parent);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    if (form.headingStyle == HeadingStyle::Framed) {
        heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        heading->setMargin(4);
    }
    return heading;
}

QLabel* MakeLabel(std::string_view text, LabelAlignment alignment, QWidget* parent) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setAlignment((alignment == LabelAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeField(const QString& objectName, const QString& accessibleName, bool readOnly,
                     QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(kFieldMaxLength);
    field->setMinimumWidth(kFieldWidth);
    field->setReadOnly(readOnly);
    return field;
}

}  // namespace

CalculatorDialog::CalculatorDialog(const FormDescription& form, QWidget* owner)
    : QDialog(owner), form_(form) {
    setObjectName(ToQString(form.className));
    setWindowTitle(ToQString(form.title));
    setFont(QFont(QStringLiteral("Arial"), 10));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);

    const int columns = form.IsChooser() ? 1 : [&] {
        int last = 0;
        for (const Section& s : form.sections) last = std::max(last, s.column);
        return last + 1;
    }();
    grid->addWidget(MakeHeading(form, this), 0, 0, 1, columns);

    int lastRow = 1;
    if (form.IsChooser()) {
        grid->addWidget(BuildChoices(), 1, 0);
        lastRow = 2;
        auto* row = new QHBoxLayout;
        chooserOk_ = MakeOkButton(QStringLiteral("ok0"), this);
        connect(chooserOk_, &QPushButton::clicked, this, [this] { RunChooser(form_, *this); });
        row->addWidget(chooserOk_);
        row->addStretch(1);
        grid->addLayout(row, lastRow, 0);
    } else {
        // Sections fill their column top-down in the order they are described,
        // which is also the reading and tab order.
        std::vector<int> nextRow(static_cast<std::size_t>(columns), 1);
        sections_.resize(form.sections.size());
        for (std::size_t i = 0; i < form.sections.size(); ++i) {
            const auto column = static_cast<std::size_t>(form.sections[i].column);
            QWidget* section = BuildSection(i);
            grid->addWidget(section, nextRow[column]++, static_cast<int>(column), Qt::AlignTop);
        }
        lastRow = *std::max_element(nextRow.begin(), nextRow.end()) - 1;
    }

    // "Cancel" shares the bottom-right cell, so it stands on the line of the
    // last "OK" at the bottom edge.
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(cancel_, lastRow, columns - 1, Qt::AlignRight | Qt::AlignBottom);

    if (QPushButton* first = OkButton(0)) {
        first->setDefault(true);
        first->setFocus();
    }
}

QPushButton* CalculatorDialog::MakeOkButton(const QString& objectName, QWidget* parent) {
    auto* ok = new QPushButton(QStringLiteral("OK"), parent);
    ok->setObjectName(objectName);
    ok->setAutoDefault(true);
    return ok;
}

QWidget* CalculatorDialog::BuildChoices() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("choices"));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    group->setExclusive(true);
    for (std::size_t c = 0; c < form_.choices.size(); ++c) {
        auto* radio = new QRadioButton(ToQString(form_.choices[c].text), box);
        radio->setObjectName(QStringLiteral("choice%1").arg(c));
        group->addButton(radio, static_cast<int>(c));
        layout->addWidget(radio);
        choices_.push_back(radio);
    }
    return box;
}

QLayout* CalculatorDialog::BuildInputs(std::size_t index, QWidget* parent) {
    const Section& section = form_.sections[index];
    SectionWidgets& widgets = sections_[index];
    auto* grid = new QGridLayout;
    const bool twoColumns = section.inputLayout == InputLayout::TwoColumnGrid;
    const std::size_t perColumn =
        twoColumns ? (section.inputs.size() + 1) / 2 : section.inputs.size();
    for (std::size_t f = 0; f < section.inputs.size(); ++f) {
        const orvanta::InputField& input = section.inputs[f];
        QLabel* label = MakeLabel(input.label, form_.labelAlignment, parent);
        QLineEdit* field = MakeField(QStringLiteral("input%1_%2").arg(index).arg(f),
                                     WithoutMnemonic(label->text()), false, parent);
        label->setBuddy(field);
        ShowInputHelp(field, input);
        const int row = static_cast<int>(f % std::max<std::size_t>(perColumn, 1));
        // Column 2 stays empty: a gap that keeps each label with its own field.
        const int column = f < perColumn ? 0 : 3;
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        widgets.inputs.push_back(field);
    }
    if (twoColumns) grid->setColumnMinimumWidth(2, 12);
    if (section.inputGroupCaption.empty()) return grid;

    auto* group = new QGroupBox(ToQString(section.inputGroupCaption), parent);
    group->setObjectName(QStringLiteral("inputs%1").arg(index));
    group->setLayout(grid);
    auto* wrapper = new QVBoxLayout;
    wrapper->setContentsMargins(0, 0, 0, 0);
    wrapper->addWidget(group);
    return wrapper;
}

QWidget* CalculatorDialog::BuildSection(std::size_t index) {
    const Section& section = form_.sections[index];
    SectionWidgets& widgets = sections_[index];

    auto* container = new QWidget(this);
    container->setObjectName(QStringLiteral("section%1").arg(index));
    widgets.container = container;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);

    // On a form of several sections each section is one captioned group with
    // its "OK" under it, so that no field seems to belong to a neighbour.
    const bool inside =
        section.groupStyle == ResultGroupStyle::InputsInside || form_.sections.size() > 1;
    QWidget* resultParent = container;
    QGroupBox* resultGroup = nullptr;
    if (!section.resultLabels.empty() || inside) {
        resultGroup = new QGroupBox(ToQString(section.resultCaption), container);
        resultGroup->setObjectName(QStringLiteral("results%1").arg(index));
        resultParent = resultGroup;
    }
    auto* groupLayout = resultGroup ? new QVBoxLayout(resultGroup) : nullptr;

    if (inside && groupLayout) {
        groupLayout->addLayout(BuildInputs(index, resultGroup));
    } else {
        layout->addLayout(BuildInputs(index, container));
    }

    if (resultGroup) {
        auto* results = new QGridLayout;
        for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
            QLabel* label = MakeLabel(section.resultLabels[r], form_.labelAlignment, resultParent);
            QLineEdit* field = MakeField(QStringLiteral("result%1_%2").arg(index).arg(r),
                                         WithoutMnemonic(label->text()), true, resultParent);
            label->setBuddy(field);
            ShowResultHelp(field, section, r);
            results->addWidget(label, static_cast<int>(r), 0);
            results->addWidget(field, static_cast<int>(r), 1);
            widgets.results.push_back(field);
        }
        groupLayout->addLayout(results);
        layout->addWidget(resultGroup);
    }

    auto* buttons = new QHBoxLayout;
    widgets.ok = MakeOkButton(QStringLiteral("ok%1").arg(index), container);
    connect(widgets.ok, &QPushButton::clicked, this, [this, index] { PressOk(index); });
    buttons->addWidget(widgets.ok);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return container;
}

void CalculatorDialog::PressOk(std::size_t section) { ComputeSection(form_, section, *this); }

void CalculatorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusedOnce_) {
        focusedOnce_ = true;
        if (QPushButton* first = OkButton(0)) first->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* CalculatorDialog::SectionWidget(std::size_t section) const {
    return section < sections_.size() ? sections_[section].container : nullptr;
}

QLineEdit* CalculatorDialog::InputField(std::size_t section, std::size_t field) const {
    if (section >= sections_.size() || field >= sections_[section].inputs.size()) return nullptr;
    return sections_[section].inputs[field];
}

QLineEdit* CalculatorDialog::ResultField(std::size_t section, std::size_t result) const {
    if (section >= sections_.size() || result >= sections_[section].results.size()) return nullptr;
    return sections_[section].results[result];
}

QPushButton* CalculatorDialog::OkButton(std::size_t section) const {
    if (form_.IsChooser()) return section == 0 ? chooserOk_ : nullptr;
    return section < sections_.size() ? sections_[section].ok : nullptr;
}

QRadioButton* CalculatorDialog::ChoiceButton(std::size_t choice) const {
    return choice < choices_.size() ? choices_[choice] : nullptr;
}

std::u16string CalculatorDialog::InputText(std::size_t section, std::size_t field) const {
    const QLineEdit* edit = InputField(section, field);
    return edit ? ToUtf16(edit->text()) : std::u16string();
}

void CalculatorDialog::SetResultText(std::size_t section, std::size_t result,
                                     std::string_view text) {
    if (QLineEdit* edit = ResultField(section, result)) {
        edit->setText(ToQString(text));
        edit->setCursorPosition(0);
    }
}

void CalculatorDialog::ShowMessage(std::string_view caption, std::string_view text) {
    ui::ShowMessage(this, ToQString(caption), ToQString(text));
}

bool CalculatorDialog::IsChoiceChecked(std::size_t choice) const {
    const QRadioButton* radio = ChoiceButton(choice);
    return radio && radio->isChecked();
}

void CalculatorDialog::OpenWindow(std::string_view className) { ui::OpenWindow(className, this); }

}  // namespace orvanta::ui
