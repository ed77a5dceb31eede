#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <clocale>
#include <cstdlib>
#include <string>

#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "support/modal.h"
#include "ui/calculator_dialog.h"

namespace orvanta {
namespace {

TEST(Locale, CommaDecimalLocaleChangesNoFigure) {
    // QApplication has installed the environment's locale by now; make sure
    // it really is a comma-decimal one, or this test would prove nothing.
    const char* expected = std::getenv("ORVANTA_EXPECTED_LOCALE");
    ASSERT_NE(expected, nullptr);
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(numeric, nullptr);
    ASSERT_EQ(std::string(numeric), expected) << "generate it with localedef";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    MAIN_TAB window;
    window.show();
    window.TabControl()->CurrentPage()->Entry(1)->click();  // "2. ROA (Return on Assets)"
    testing::RecordedMessages messages;
    QStringList results;
    testing::OpenAndClose(
        &window, [&] { window.OkButton()->click(); },
        [&](QWidget* modal) {
            auto* form = qobject_cast<ui::CalculatorDialog*>(modal);
            ASSERT_NE(form, nullptr);
            const char* rows[][2] = {{"5.25", "100"}, {"1", "3"}, {"1000000", "0.5"}, {"-0", "5"}};
            for (const auto& row : rows) {
                form->InputField(0, 0)->setText(row[0]);
                form->InputField(0, 1)->setText(row[1]);
                form->OkButton(0)->click();
                results << form->ResultField(0, 0)->text();
            }
            form->InputField(0, 0)->setText("5,25");
            form->OkButton(0)->click();
            results << form->ResultField(0, 0)->text();
        });
    EXPECT_EQ(results, QStringList({"5.25", "33.33", "200000000.00", "-0.00", "NaN"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Net profit must be real number !!!");
}

}  // namespace
}  // namespace orvanta
