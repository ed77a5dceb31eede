// Every field of every window explains itself on demand: a result field its
// formula and its "NaN" cases, an input field what it accepts, as tooltip,
// What's This (Shift+F1) and screen-reader description, while its name stays
// the label the user reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWhatsThis>
#include <memory>
#include <string>
#include <vector>

#include "forms/field_help.h"
#include "ui/calculator_dialog.h"
#include "ui/field_help.h"
#include "ui/window_registry.h"
#include "window_walk.h"

namespace orvanta {
namespace {

using testing::AllFormClassNames;

// Every result field without its formula and every input field without its
// description, with the texts the field must carry.
std::vector<std::string> Unexplained(ui::CalculatorDialog& form) {
    std::vector<std::string> problems;
    const auto expect = [&](bool ok, const QLineEdit* field, const char* what) {
        if (!ok) problems.push_back(std::string(what) + ": " + field->objectName().toStdString());
    };
    const auto carries = [](const QLineEdit* field, const QString& text) {
        return field->accessibleDescription() == text && field->whatsThis() == text &&
               field->toolTip() == ui::HelpToolTip(text);
    };
    const FormDescription& d = form.Description();
    for (std::size_t s = 0; s < form.SectionCount(); ++s) {
        const Section& section = d.sections[s];
        for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
            const QLineEdit* field = form.ResultField(s, r);
            const QString caption = ui::ToQString(formula::FormulaName(section.resultLabels[r]));
            const QString text = field->accessibleDescription();
            expect(text.startsWith(caption + QStringLiteral(" = ")), field, "no formula");
            expect(text.endsWith(ui::ToQString(formula::kBadFieldSentence)), field, "no NaN cases");
            expect(carries(field, ui::ToQString(ResultHelp(section, r))), field,
                   "not its formula as tooltip, What's This and description");
            expect(field->accessibleName() == ui::ToQString(section.resultLabels[r]), field,
                   "renamed");
        }
        for (std::size_t f = 0; f < section.inputs.size(); ++f) {
            const QLineEdit* field = form.InputField(s, f);
            expect(!field->accessibleDescription().isEmpty(), field, "no description");
            expect(carries(field, ui::ToQString(InputHelp(section.inputs[f]))), field,
                   "not what it accepts as tooltip, What's This and description");
        }
    }
    return problems;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

TEST(DesktopExplain, EveryFieldOfEveryWindowExplainsItself) {
    int results = 0, inputs = 0;
    for (const std::string& name : AllFormClassNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> window = ui::CreateWindow(name, nullptr);
        auto* form = dynamic_cast<ui::CalculatorDialog*>(window.get());
        ASSERT_NE(form, nullptr);
        const std::vector<std::string> problems = Unexplained(*form);
        EXPECT_TRUE(problems.empty()) << Joined(problems);
        for (std::size_t s = 0; s < form->SectionCount(); ++s) {
            results += static_cast<int>(form->Description().sections[s].resultLabels.size());
            inputs += static_cast<int>(form->Description().sections[s].inputs.size());
        }
    }
    EXPECT_GE(results, 50);
    EXPECT_GE(inputs, 150);
}

// The walk must notice a field that says nothing.
TEST(DesktopExplain, TheWalkCatchesAFieldWithoutItsText) {
    const FormDescription silent{
        .className = "SILENT",
        .title = "Silent",
        .sections = {{
            .inputs = {{"a", ValidationKind::SignedDecimal, "a bad"}},
            .resultLabels = {"r"},  // and no formula to explain it
        }},
    };
    ui::CalculatorDialog form(silent);
    EXPECT_EQ(Unexplained(form).front(), "no formula: result0_0");

    const FormDescription described{
        .className = "DESCRIBED",
        .title = "Described",
        .sections = {{
            .inputs = {{"a", ValidationKind::SignedDecimal, "a bad"}},
            .resultLabels = {"r"},
            .compute = formula::Calculation{.results = {formula::Input("a")}},
        }},
    };
    ui::CalculatorDialog good(described);
    EXPECT_TRUE(Unexplained(good).empty()) << Joined(Unexplained(good));
    good.InputField(0, 0)->setAccessibleDescription({});
    EXPECT_EQ(Unexplained(good).front(), "no description: input0_0");
}

QWidget* WhatsThisPopup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && QByteArray(w->metaObject()->className()) == "QWhatsThat") return w;
    }
    return nullptr;
}

// Shift+F1 on the focused field, editable or read-only, pops its text up.
TEST(DesktopExplain, ShiftF1ShowsTheTextOfTheFocusedField) {
    std::unique_ptr<QDialog> window = ui::CreateWindow("ROA_3_2", nullptr);
    auto* form = dynamic_cast<ui::CalculatorDialog*>(window.get());
    ASSERT_NE(form, nullptr);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    for (QLineEdit* field : {form->InputField(0, 0), form->ResultField(0, 0)}) {
        SCOPED_TRACE(field->objectName().toStdString());
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        field->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field);
        ASSERT_EQ(WhatsThisPopup(), nullptr);
        QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);
        QWidget* popup = WhatsThisPopup();
        ASSERT_NE(popup, nullptr) << "Shift+F1 showed nothing";
        EXPECT_FALSE(field->whatsThis().isEmpty());
        // The popup goes away on the next key, and the field keeps its text.
        QTest::keyClick(popup, Qt::Key_Escape);
        QApplication::processEvents();
        QWhatsThis::hideText();
        QApplication::processEvents();
        EXPECT_EQ(WhatsThisPopup(), nullptr);
    }
    EXPECT_TRUE(form->InputField(0, 0)->text().isEmpty());
    EXPECT_TRUE(form->ResultField(0, 0)->text().isEmpty());
    // The popup is the field's own text: a field without one shows none.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->InputField(0, 1)->setWhatsThis({});
    form->InputField(0, 1)->setFocus();
    QTest::keyClick(form->InputField(0, 1), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(WhatsThisPopup(), nullptr);
    // F1 without Shift is no What's This.
    form->InputField(0, 0)->setFocus();
    QTest::keyClick(form->InputField(0, 0), Qt::Key_F1);
    EXPECT_EQ(WhatsThisPopup(), nullptr);
}

}  // namespace
}  // namespace orvanta
