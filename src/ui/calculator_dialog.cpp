#include "ui/calculator_dialog.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "forms/form_protocol.h"
#include "ui/field_help.h"
#include "ui/field_label.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/framed_heading.h"
#include "ui/keys.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/radio_group_keys.h"
#include "ui/window_registry.h"

namespace orvanta::ui {
namespace {

// Long enough for any number a user may paste; the checks read it whole.
constexpr int kFieldMaxLength = 1 << 20;
// Every field has this width, and every label stands this far from its field.
constexpr int kFieldWidth = 150;
constexpr int kLabelGap = 12;

QLabel* MakeHeading(const FormDescription& form, QWidget* parent) {
    return MakeHeadingLabel(ToQString(form.HeadingText()), form.headingStyle, parent);
}

QLabel* MakeLabel(std::string_view text, LabelAlignment alignment, QWidget* parent) {
    auto* label = new FieldLabel(ToQString(text), parent);
    label->setAlignment((alignment == LabelAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeField(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(kFieldMaxLength);
    field->setFixedWidth(kFieldWidth);
    return field;
}

// Rows of "label  field": the labels' column takes what the fields leave.
QGridLayout* MakeFieldGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kLabelGap);
    return grid;
}

// How far a layout set on `box` starts inside the box's left edge.
int InnerIndent(const QWidget* box) {
    return box->contentsMargins().left() +
           (box->layout() ? box->layout()->contentsMargins().left() : 0);
}

int LabelColumnWidth(const QGridLayout* grid, int column) {
    int width = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (const QLayoutItem* item = grid->itemAtPosition(row, column); item && item->widget()) {
            width = std::max(width, item->widget()->sizeHint().width());
        }
    }
    return width;
}

}  // namespace

CalculatorDialog::CalculatorDialog(const FormDescription& form, QWidget* owner)
    : QDialog(owner), form_(form) {
    setObjectName(ToQString(form.className));
    setWindowTitle(ToQString(form.title));
    setFont(FormFont());
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
    // One more column at the right holds "Cancel" alone, so no section can
    // ever run into it.
    grid->addWidget(MakeHeading(form, this), 0, 0, 1, columns + 1);

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
        std::vector<int> rows(static_cast<std::size_t>(columns), 0);
        for (const Section& section : form.sections)
            ++rows[static_cast<std::size_t>(section.column)];
        lastRow = *std::max_element(rows.begin(), rows.end());
        std::vector<int> nextRow(static_cast<std::size_t>(columns), 1);
        sections_.resize(form.sections.size());
        for (std::size_t i = 0; i < form.sections.size(); ++i) {
            const auto column = static_cast<std::size_t>(form.sections[i].column);
            QWidget* section = BuildSection(i);
            const int row = nextRow[column]++;
            // A lower section in the last row stands on the bottom edge, so
            // that the lowest "OK"s share one line with "Cancel".
            grid->addWidget(section, row, static_cast<int>(column),
                            row == lastRow && row > 1 ? Qt::AlignBottom : Qt::AlignTop);
        }
        AlignFieldColumns();
    }

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(cancel_, lastRow, columns, Qt::AlignRight | Qt::AlignBottom);

    if (QPushButton* first = OkButton(0)) {
        first->setDefault(true);
        first->setFocus();
    }
    if (chooserOk_) {
        chooserOk_->installEventFilter(this);
        cancel_->installEventFilter(this);
    }
    ButtonFocusFrame::Install(this);
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
        radio->installEventFilter(this);
        choices_.push_back(radio);
    }
    choiceKeys_ = {
        choices_,
        [this](std::size_t from, int key) { return StepInOrder(from, choices_.size(), key); },
        [this] { chooserOk_->click(); }};
    return box;
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
        // Enter in a field presses the default "OK" here rather than in the
        // dialog: with some platform themes (GTK among them) a group box
        // around the field takes Enter as a press of its own and keeps it.
        if (IsPlainEnter(*press)) {
            for (QPushButton* button : findChildren<QPushButton*>()) {
                if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                    button->click();
                    return true;
                }
            }
            return false;
        }
        // A result has one thing to copy, its figure, whether or not the
        // user selected it first.
        if (field->isReadOnly() && press->matches(QKeySequence::Copy) &&
            !field->hasSelectedText()) {
            if (!field->text().isEmpty()) QGuiApplication::clipboard()->setText(field->text());
            return true;
        }
        return false;
    }
    if (!chooserOk_ || !IsUnmodified(*press)) return QDialog::eventFilter(watched, event);
    // Enter on a choice presses "OK", which opens it; an arrow chooses the
    // choice it lands on, as on the catalogue pages.
    if (choiceKeys_.HandleKeyPress(watched, event)) return true;
    const int key = press->key();
    if (!IsArrowKey(key) || std::find(choices_.begin(), choices_.end(), watched) != choices_.end())
        return false;
    // From "OK" or "Cancel" an arrow walks the tab order; where it lands on a
    // choice, it chooses it, as it does among the choices.
    focusNextPrevChild(IsForwardArrow(key));
    const auto landed = std::find(choices_.begin(), choices_.end(), focusWidget());
    if (landed != choices_.end()) (*landed)->setChecked(true);
    ShowFocusFrames(this);
    return true;
}

QLineEdit* CalculatorDialog::MakeInputField(std::size_t section, std::size_t field,
                                            QGridLayout* grid, int row, int column,
                                            QWidget* parent) {
    const orvanta::InputField& input = form_.sections[section].inputs[field];
    QLabel* label = MakeLabel(input.label, form_.labelAlignment, parent);
    QLineEdit* edit = MakeField(QStringLiteral("input%1_%2").arg(section).arg(field),
                                WithoutMnemonic(label->text()), parent);
    label->setBuddy(edit);
    ShowInputHelp(edit, input);
    edit->installEventFilter(this);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QLineEdit* CalculatorDialog::MakeResultField(std::size_t section, std::size_t result,
                                             QGridLayout* grid, int row, QWidget* parent) {
    const orvanta::Section& owner = form_.sections[section];
    QLabel* label = MakeLabel(owner.resultLabels[result], form_.labelAlignment, parent);
    QLineEdit* edit = MakeField(QStringLiteral("result%1_%2").arg(section).arg(result),
                                WithoutMnemonic(label->text()), parent);
    label->setBuddy(edit);
    ShowResultHelp(edit, owner, result);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    // Read-only in look as well: the window's colour behind the text instead
    // of the base colour of a field one types into, in every palette, and the
    // number against the right edge so that decimals line up.
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = edit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    }
    edit->setPalette(palette);
    edit->installEventFilter(this);
    return edit;
}

QLayout* CalculatorDialog::BuildInputs(std::size_t index, QWidget* parent, int indent) {
    const Section& section = form_.sections[index];
    SectionWidgets& widgets = sections_[index];
    QGroupBox* group = nullptr;
    if (!section.inputGroupCaption.empty()) {
        group = new QGroupBox(ToQString(section.inputGroupCaption), parent);
        group->setObjectName(QStringLiteral("inputs%1").arg(index));
        parent = group;
    }
    QGridLayout* grid = MakeFieldGrid();
    const bool twoColumns = section.inputLayout == InputLayout::TwoColumnGrid;
    const std::size_t perColumn =
        twoColumns ? (section.inputs.size() + 1) / 2 : section.inputs.size();
    for (std::size_t f = 0; f < section.inputs.size(); ++f) {
        const int row = static_cast<int>(f % std::max<std::size_t>(perColumn, 1));
        // Column 2 stays empty: a gap that keeps each label with its own field.
        const int column = f < perColumn ? 0 : 3;
        widgets.inputs.push_back(MakeInputField(index, f, grid, row, column, parent));
    }
    if (twoColumns) grid->setColumnMinimumWidth(2, kLabelGap);
    grid->setColumnStretch(twoColumns ? 5 : 2, 1);
    if (!group) {
        fieldGrids_.push_back({grid, indent, section.column, 0});
        return grid;
    }
    group->setLayout(grid);
    fieldGrids_.push_back({grid, indent + InnerIndent(group), section.column, 0});
    auto* wrapper = new QVBoxLayout;
    wrapper->setContentsMargins(0, 0, 0, 0);
    wrapper->addWidget(group);
    return wrapper;
}

QGridLayout* CalculatorDialog::BuildResults(std::size_t index, QWidget* parent, int indent) {
    const Section& section = form_.sections[index];
    QGridLayout* grid = MakeFieldGrid();
    for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
        sections_[index].results.push_back(
            MakeResultField(index, r, grid, static_cast<int>(r), parent));
    }
    grid->setColumnStretch(2, 1);
    fieldGrids_.push_back({grid, indent, section.column, 0});
    return grid;
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
    QGroupBox* resultGroup = nullptr;
    QVBoxLayout* groupLayout = nullptr;
    if (!section.resultLabels.empty() || inside) {
        resultGroup = new QGroupBox(ToQString(section.resultCaption), container);
        resultGroup->setObjectName(QStringLiteral("results%1").arg(index));
        groupLayout = new QVBoxLayout(resultGroup);
    }
    const int groupIndent = resultGroup ? InnerIndent(resultGroup) : 0;

    if (inside && resultGroup) {
        groupLayout->addLayout(BuildInputs(index, resultGroup, groupIndent));
    } else {
        layout->addLayout(BuildInputs(index, container, 0));
    }
    if (resultGroup) {
        groupLayout->addLayout(BuildResults(index, resultGroup, groupIndent));
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

// Inputs and results of a section sit in different grids, some inside a group
// box and some not: widen each grid's label column so that, in every column of
// sections, all fields start at one x.
void CalculatorDialog::AlignFieldColumns() {
    int fieldStart[2] = {0, 0};
    for (FieldGrid& g : fieldGrids_) {
        g.labelWidth = LabelColumnWidth(g.grid, 0);
        int& start = fieldStart[g.column == 0 ? 0 : 1];
        start = std::max(start, g.indent + g.labelWidth);
    }
    for (const FieldGrid& g : fieldGrids_) {
        g.grid->setColumnMinimumWidth(0, fieldStart[g.column == 0 ? 0 : 1] - g.indent);
    }
}

void CalculatorDialog::PressOk(std::size_t section) {
    firstBadField_ = nullptr;
    ComputeSection(form_, section, *this);
    // The user corrects the first field that gave a message at once: it
    // takes the focus with its text selected. Otherwise the focus stays.
    if (QLineEdit* bad = std::exchange(firstBadField_, nullptr)) {
        FocusVisibly(bad);
        bad->selectAll();
    }
}

void CalculatorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusedOnce_) {
        focusedOnce_ = true;
        if (QPushButton* first = OkButton(0)) FocusVisibly(first);
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
    QLineEdit* edit = InputField(section, field);
    lastReadField_ = edit;
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
    // Every message is about the field read just before it.
    if (!firstBadField_) firstBadField_ = lastReadField_;
    ui::ShowMessage(this, ToQString(caption), ToQString(text));
}

bool CalculatorDialog::IsChoiceChecked(std::size_t choice) const {
    const QRadioButton* radio = ChoiceButton(choice);
    return radio && radio->isChecked();
}

void CalculatorDialog::OpenWindow(std::string_view className) {
    ui::OpenWindow(className, this);
    // The focus comes back where it was, framed.
    ShowFocusFrames(this);
}

}  // namespace orvanta::ui
