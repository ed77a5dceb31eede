#include "ui/calculator_dialog.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "catalogue/catalogue.h"
#include "ratios/balance_sheet_ratios.h"
#include "support/modal.h"
#include "ui/window_registry.h"

namespace orvanta {
namespace {

using testing::OnNextModal;
using testing::RecordedMessages;

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The widget Tab moves to from `w`.
QWidget* NextTabStop(QWidget* w) {
    for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled())
            return next;
    }
    return w;
}

TEST(CalculatorDialog, ReturnOnAssetsLayoutNamesAndOrder) {
    ui::CalculatorDialog form(ROA_3_2);
    form.show();
    EXPECT_EQ(form.windowTitle(), "2. ROA (Return on Assets)");
    EXPECT_EQ(form.objectName(), "ROA_3_2");
    auto* heading = form.findChild<QLabel*>("heading");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "2. ROA (Return on Assets)");
    EXPECT_NE(heading->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(form.font().family(), "Arial");
    EXPECT_EQ(form.font().pointSize(), 10);

    ASSERT_EQ(form.SectionCount(), 1u);
    QWidget* section = form.SectionWidget(0);
    QLineEdit* netProfit = form.InputField(0, 0);
    QLineEdit* totalAssets = form.InputField(0, 1);
    QLineEdit* result = form.ResultField(0, 0);
    for (QWidget* w :
         std::initializer_list<QWidget*>{netProfit, totalAssets, result, form.OkButton(0)}) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(section->isAncestorOf(w)) << w->objectName().toStdString();
    }
    EXPECT_FALSE(section->isAncestorOf(form.CancelButton()));
    EXPECT_EQ(AccessibleName(netProfit), "Net profit");
    EXPECT_EQ(AccessibleName(totalAssets), "Total assets");
    EXPECT_EQ(AccessibleName(result), "ROA (Return on Assets) %");
    EXPECT_EQ(AccessibleName(form.OkButton(0)), "OK");
    EXPECT_EQ(AccessibleName(form.CancelButton()), "Cancel");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_FALSE(netProfit->isReadOnly());
    EXPECT_TRUE(netProfit->text().isEmpty());
    EXPECT_TRUE(result->text().isEmpty());
    // A bare group box around the result.
    auto* group = form.findChild<QGroupBox*>("results0");
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->title().isEmpty());

    // Reading order: labels left of fields, "OK" left of "Cancel" on one line.
    EXPECT_LT(netProfit->mapTo(&form, QPoint()).y(), totalAssets->mapTo(&form, QPoint()).y());
    EXPECT_LT(totalAssets->mapTo(&form, QPoint()).y(), result->mapTo(&form, QPoint()).y());
    const QRect ok(form.OkButton(0)->mapTo(&form, QPoint()), form.OkButton(0)->size());
    const QRect cancel(form.CancelButton()->mapTo(&form, QPoint()), form.CancelButton()->size());
    EXPECT_LT(ok.right(), cancel.left());
    EXPECT_EQ(ok.center().y(), cancel.center().y());

    // Tab order follows reading order and starts on the first "OK".
    EXPECT_EQ(form.focusWidget(), form.OkButton(0));
    QWidget* chain[] = {netProfit, totalAssets, result, form.OkButton(0), form.CancelButton()};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        EXPECT_EQ(NextTabStop(chain[i]), chain[i + 1]) << i;
    }
}

// A result reads as a result in a light and a dark palette alike: the window's
// colour behind it, its number against the right edge; still selectable and
// copyable, still a tab stop. Inputs keep the base colour and the left edge.
TEST(CalculatorDialog, ResultsLookReadOnlyInLightAndDarkPalettes) {
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QPalette& palette : {original, dark}) {
        QApplication::setPalette(palette);
        ui::CalculatorDialog form(ROA_3_2);
        form.show();
        QLineEdit* result = form.ResultField(0, 0);
        QLineEdit* input = form.InputField(0, 0);
        EXPECT_EQ(result->palette().color(QPalette::Base), palette.color(QPalette::Window));
        EXPECT_EQ(input->palette().color(QPalette::Base), palette.color(QPalette::Base));
        EXPECT_TRUE(result->alignment() & Qt::AlignRight);
        EXPECT_FALSE(input->alignment() & Qt::AlignRight);
        EXPECT_TRUE(result->focusPolicy() & Qt::TabFocus);

        input->setText(QStringLiteral("150"));
        form.InputField(0, 1)->setText(QStringLiteral("1000"));
        form.OkButton(0)->click();
        result->setFocus();
        QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "15.00");
        // Nothing selected: Ctrl+C copies the whole figure all the same.
        result->deselect();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "15.00");
    }
    QApplication::setPalette(original);
}

TEST(CalculatorDialog, EnterInAFieldComputesAndNeverCloses) {
    RecordedMessages messages;
    ui::CalculatorDialog form(ROA_3_2);
    form.show();
    QTest::keyClicks(form.InputField(0, 0), "150");
    QTest::keyClicks(form.InputField(0, 1), "1000");
    QTest::keyClick(form.InputField(0, 1), Qt::Key_Return);
    EXPECT_EQ(form.ResultField(0, 0)->text(), "15.00");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);

    form.InputField(0, 1)->setText("0");
    QTest::mouseClick(form.OkButton(0), Qt::LeftButton);
    EXPECT_EQ(form.ResultField(0, 0)->text(), "NaN");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(form.isVisible());
}

TEST(CalculatorDialog, BadFieldsShowRealMessageBoxesInOrder) {
    ui::CalculatorDialog form(ROA_3_2);
    form.show();
    form.InputField(0, 1)->setText("abc");
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon;
        int buttons;
        QWidget* parent;
        QFont buttonFont;
        bool buttonIcon;
        QString buttonText;
    };
    std::vector<Seen> seen;
    std::function<void(QWidget*)> answer = [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        seen.push_back({box->windowTitle(), box->text(), box->icon(),
                        static_cast<int>(box->buttons().size()), box->parentWidget(),
                        box->buttons().front()->font(), !box->buttons().front()->icon().isNull(),
                        box->buttons().front()->text()});
        if (seen.size() < 2) OnNextModal(answer, box);
        QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
    };
    OnNextModal(answer, &form);
    QTest::mouseClick(form.OkButton(0), Qt::LeftButton);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "Net profit must be real number !!!");
    EXPECT_EQ(seen[1].text, "Total assets must be real number !!!");
    for (const Seen& s : seen) {
        EXPECT_EQ(s.title, "ERROR !!!");
        EXPECT_EQ(s.icon, QMessageBox::NoIcon);
        EXPECT_EQ(s.buttons, 1);
        EXPECT_EQ(s.parent, &form);
        // Its "OK" looks like the form's.
        EXPECT_EQ(s.buttonFont, form.OkButton(0)->font());
        EXPECT_FALSE(s.buttonIcon);
        EXPECT_EQ(s.buttonText, form.OkButton(0)->text());
    }
    EXPECT_EQ(form.ResultField(0, 0)->text(), "NaN");
}

// The first field of the pressed section that gave a message takes the focus
// with its text selected; a press without messages leaves the focus alone.
TEST(CalculatorDialog, TheFirstBadFieldOfThePressTakesTheFocus) {
    struct Case {
        const char* form;
        std::size_t section;
        std::vector<const char*> inputs;
        int badField;  // -1: no message, the focus stays on "OK"
    };
    const Case cases[] = {
        {"ROA_3_2", 0, {"abc", "1000"}, 0},
        {"ROA_3_2", 0, {"150", "1,5"}, 1},
        {"ROA_3_2", 0, {"", "x"}, 0},
        {"ROA_3_2", 0, {"150", "0"}, -1},
        {"NORIMAS_GAUTI_PELNAS_5_9", 1, {"1000", "50", "-3", "x"}, 2},
        {"NORIMAS_GAUTI_PELNAS_5_9", 2, {"1200", "1000"}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.inputs.front());
        RecordedMessages messages;
        const FormDescription* description = FindFormDescription(c.form);
        ASSERT_NE(description, nullptr);
        ui::CalculatorDialog form(*description);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // Another section's bad text gives no message and keeps its focus.
        if (form.SectionCount() > 1) form.InputField(0, 0)->setText("bad");
        for (std::size_t f = 0; f < c.inputs.size(); ++f)
            form.InputField(c.section, f)->setText(c.inputs[f]);
        form.OkButton(c.section)->setFocus();
        form.OkButton(c.section)->click();
        if (c.badField < 0) {
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(form.focusWidget(), form.OkButton(c.section));
            continue;
        }
        QLineEdit* bad = form.InputField(c.section, static_cast<std::size_t>(c.badField));
        EXPECT_EQ(form.focusWidget(), bad);
        EXPECT_EQ(bad->selectedText(), bad->text());
        EXPECT_TRUE(form.testAttribute(Qt::WA_KeyboardFocusChange));
    }
}

TEST(CalculatorDialog, EscapeAndCancelClose) {
    ui::CalculatorDialog byEscape(ROA_3_2);
    byEscape.show();
    QTest::keyClick(byEscape.InputField(0, 0), Qt::Key_Escape);
    EXPECT_FALSE(byEscape.isVisible());
    ui::CalculatorDialog byCancel(ROA_3_2);
    byCancel.show();
    QTest::mouseClick(byCancel.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(byCancel.isVisible());
}

TEST(CalculatorDialog, LongAndForeignPastesGetAMessageNotACrash) {
    RecordedMessages messages;
    ui::CalculatorDialog form(ROA_3_2);
    form.show();
    const QString pastes[] = {QString(100000, QLatin1Char('9')), QString::fromUtf8("١٢٣"),
                              QString::fromUtf8("😀5"), QString::fromUtf8("שלום"),
                              QString(100000, QLatin1Char('x'))};
    for (const QString& paste : pastes) {
        messages.messages.clear();
        form.InputField(0, 0)->setText(paste);
        form.InputField(0, 1)->setText("7");
        QTest::mouseClick(form.OkButton(0), Qt::LeftButton);
        EXPECT_EQ(form.InputField(0, 0)->text(), paste);  // nothing cut off
        const bool digits = paste.front() == QLatin1Char('9');
        EXPECT_EQ(messages.messages.size(), digits ? 0u : 1u);
        EXPECT_EQ(form.ResultField(0, 0)->text(), "NaN");  // 10^100000 has no figure
    }
}

// A form with every layout hint, to check what later calculators rely on.
const FormDescription kLayouts{
    .className = "LAYOUTS",
    .title = "Layouts",
    .heading = "All the layouts",
    .headingStyle = HeadingStyle::Plain,
    .labelAlignment = LabelAlignment::Right,
    .sections =
        {
            {.inputs = {{"a", ValidationKind::SignedDecimal, "a"},
                        {"b", ValidationKind::SignedDecimal, "b"},
                        {"c", ValidationKind::SignedDecimal, "c"},
                        {"d", ValidationKind::SignedDecimal, "d"}},
             .resultCaption = "Grid",
             .resultLabels = {"sum"},
             .compute =
                 formula::Calculation{.results = {formula::Input("a") + formula::Input("b") +
                                                  formula::Input("c") + formula::Input("d")}},
             .inputLayout = InputLayout::TwoColumnGrid,
             .inputGroupCaption = "Months"},
            {.inputs = {{"e", ValidationKind::SignedDecimal, "e"}},
             .resultLabels = {"e"},
             .compute = formula::Calculation{.results = {formula::Input("e")}}},
            {.inputs = {{"f", ValidationKind::SignedDecimal, "f"}},
             .resultCaption = "Inside",
             .resultLabels = {"f"},
             .compute = formula::Calculation{.results = {formula::Input("f")}},
             .column = 1,
             .groupStyle = ResultGroupStyle::InputsInside},
        },
};

QRect Frame(QWidget* w, QWidget* top) { return QRect(w->mapTo(top, QPoint()), w->size()); }

TEST(CalculatorDialog, SectionsColumnsGridsAndHeadings) {
    RecordedMessages messages;
    ui::CalculatorDialog form(kLayouts);
    form.show();
    auto* heading = form.findChild<QLabel*>("heading");
    EXPECT_EQ(heading->text(), "All the layouts");
    EXPECT_EQ(heading->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(form.windowTitle(), "Layouts");

    // Two columns of two rows in the month grid: a, b left; c, d right.
    const QRect a = Frame(form.InputField(0, 0), &form), b = Frame(form.InputField(0, 1), &form),
                c = Frame(form.InputField(0, 2), &form);
    EXPECT_LT(a.top(), b.top());
    EXPECT_EQ(a.top(), c.top());
    EXPECT_LT(a.right(), c.left());
    auto* months = form.findChild<QGroupBox*>("inputs0");
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->title(), "Months");
    EXPECT_TRUE(months->isAncestorOf(form.InputField(0, 3)));

    // Section 1 under section 0, section 2 in the right column; each "OK"
    // under its own group; "Cancel" at the bottom right.
    const QRect s0 = Frame(form.SectionWidget(0), &form), s1 = Frame(form.SectionWidget(1), &form),
                s2 = Frame(form.SectionWidget(2), &form);
    EXPECT_LT(s0.bottom(), s1.top());
    EXPECT_LT(s0.right(), s2.left());
    EXPECT_EQ(s0.top(), s2.top());
    auto* inside = form.findChild<QGroupBox*>("results2");
    EXPECT_TRUE(inside->isAncestorOf(form.InputField(2, 0)));
    EXPECT_LT(Frame(inside, &form).bottom(), Frame(form.OkButton(2), &form).top());
    const QRect cancel = Frame(form.CancelButton(), &form);
    EXPECT_GE(cancel.left(), s2.left());
    EXPECT_GE(cancel.top(), Frame(form.OkButton(1), &form).top());
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_FALSE(Frame(form.OkButton(s), &form).intersects(cancel)) << s;
    }

    // Each "OK" computes its own section only; Enter in any field presses the
    // form's default button, the first section's "OK".
    form.InputField(1, 0)->setText("5");
    form.InputField(2, 0)->setText("6");
    QTest::mouseClick(form.OkButton(2), Qt::LeftButton);
    EXPECT_EQ(form.ResultField(2, 0)->text(), "6.00");
    EXPECT_TRUE(form.ResultField(1, 0)->text().isEmpty());
    EXPECT_TRUE(form.ResultField(0, 0)->text().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
    QTest::keyClick(form.InputField(1, 0), Qt::Key_Return);
    EXPECT_EQ(messages.messages.size(), 4u);  // section 0's four empty fields
    EXPECT_EQ(form.ResultField(0, 0)->text(), "NaN");
    EXPECT_TRUE(form.ResultField(1, 0)->text().isEmpty());
    EXPECT_EQ(form.ResultField(2, 0)->text(), "6.00");
}

const FormDescription kUnregistered{.className = "NO_SUCH_WINDOW"};
const FormDescription kChooser{
    .className = "CHOOSER",
    .title = "Chooser",
    .choices = {{"first", ROA_3_2}, {"second", kUnregistered}},
};

TEST(CalculatorDialog, ChooserOpensTheChosenWindowAndKeepsItsChoice) {
    ui::RegisterWindow("ROA_3_2", [](QWidget* owner) {
        return std::make_unique<ui::CalculatorDialog>(ROA_3_2, owner);
    });
    ui::CalculatorDialog chooser(kChooser);
    chooser.show();
    EXPECT_FALSE(chooser.ChoiceButton(0)->isChecked());
    EXPECT_FALSE(chooser.ChoiceButton(1)->isChecked());
    EXPECT_TRUE(testing::OpenAndClose(&chooser, [&] { chooser.OkButton()->click(); }).empty());

    chooser.ChoiceButton(0)->click();
    const auto opened = testing::OpenAndClose(&chooser, [&] { chooser.OkButton()->click(); });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].objectName, "ROA_3_2");
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_TRUE(chooser.ChoiceButton(0)->isChecked());

    chooser.ChoiceButton(1)->click();
    EXPECT_FALSE(chooser.ChoiceButton(0)->isChecked());
    EXPECT_TRUE(testing::OpenAndClose(&chooser, [&] { chooser.OkButton()->click(); }).empty());
}

}  // namespace
}  // namespace orvanta
