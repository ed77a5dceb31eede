#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <map>
#include <vector>

#include "catalogue/catalogue.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "support/modal.h"

// Forms opened the way a user opens them, from their catalogue page, and used:
// one form of every page, and the multi-section forms, whose every "OK"
// computes its own section and leaves the others as they stand.

namespace orvanta {
namespace {

struct Press {
    int section;
    std::vector<const char*> inputs;
    std::vector<const char*> results;
};

struct FormCase {
    const char* opens;
    const char* title;
    std::vector<Press> presses;
};

const FormCase kCases[] = {
    {"ROA_3_2", "2. ROA (Return on Assets)", {{0, {"150", "1000"}, {"15.00"}}}},
    {"DARBUOTOJU_TEKAMUMAS", "3. Employee turnover rate", {{0, {"10", "5", "50"}, {"0.300000"}}}},
    {"GRYNOJO_VEIKL_RENTAB_ROD_4_2", "2. Profit percentage", {{0, {"-30", "120"}, {"-25.00"}}}},
    {"LUZIO_TASKAS_5_1",
     "1. Break-even point (BEP)",
     {{1, {"50", "30", "1000"}, {"2500.00"}},
      {0, {"20", "100", "1000"}, {"30.00"}},
      {1, {"30", "50", "1000"}, {"-1500.00"}}}},
    {"NORIMAS_GAUTI_PELNAS_5_9",
     "10. Norimas gauti pelnas",
     {{2, {"1200", "1000"}, {"20.0000"}},
      {0, {"1000", "20", "5000", "100"}, {"80.00"}},
      {1, {"1000", "50", "30", "5000"}, {"300.00"}}}},
    {"KAPITALO_KAINA_5_20",
     "20. Cost of capital",
     {{1, {"10", "25"}, {"2.50"}},
      {0, {"5", "100", "7", "200", "11", "300", "13", "400"}, {"10.40"}}}},
    {"ROI_6_1", "1. ROI (Return on Investment)", {{0, {"150", "1000"}, {"15.0000"}}}},
};

// Every field of the form by object name: what a user would see.
std::map<QString, QString> FieldTexts(QWidget* form) {
    std::map<QString, QString> texts;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        texts[edit->objectName()] = edit->text();
    return texts;
}

bool InSection(const QString& objectName, int section) {
    return objectName.startsWith(QStringLiteral("input%1_").arg(section)) ||
           objectName.startsWith(QStringLiteral("result%1_").arg(section));
}

void UseForm(QWidget* form, const FormCase& c) {
    for (const Press& press : c.presses) {
        SCOPED_TRACE(press.section);
        const std::map<QString, QString> before = FieldTexts(form);
        for (std::size_t f = 0; f < press.inputs.size(); ++f) {
            auto* edit =
                form->findChild<QLineEdit*>(QStringLiteral("input%1_%2").arg(press.section).arg(f));
            ASSERT_NE(edit, nullptr) << f;
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(press.inputs[f]));
        }
        auto* ok = form->findChild<QPushButton*>(QStringLiteral("ok%1").arg(press.section));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
        for (std::size_t r = 0; r < press.results.size(); ++r) {
            auto* result = form->findChild<QLineEdit*>(
                QStringLiteral("result%1_%2").arg(press.section).arg(r));
            ASSERT_NE(result, nullptr) << r;
            EXPECT_EQ(result->text(), QString::fromLatin1(press.results[r])) << r;
        }
        for (const auto& [name, text] : FieldTexts(form)) {
            if (!InSection(name, press.section)) {
                EXPECT_EQ(text, before.at(name)) << name.toStdString();
            }
        }
    }
}

TEST(CatalogueForms, OpenedFromTheirPageTheyComputeSectionBySection) {
    testing::RecordedMessages messages;
    for (const FormCase& c : kCases) {
        SCOPED_TRACE(c.opens);
        MAIN_TAB window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        TAB_Ctrl* tabs = window.TabControl();
        QRadioButton* entry = nullptr;
        int pageIndex = -1;
        for (int p = 0; p < tabs->PageCount && !entry; ++p) {
            entry = tabs->CatalogPageTable(p)->findChild<QRadioButton*>(QStringLiteral("entry_") +
                                                                        c.opens);
            pageIndex = p;
        }
        ASSERT_NE(entry, nullptr);
        QTabBar* bar = tabs->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pageIndex).center());
        ASSERT_EQ(tabs->CurrentPageIndex(), pageIndex);
        QTest::mouseClick(entry, Qt::LeftButton);
        ASSERT_TRUE(entry->isChecked());

        const auto opened = testing::OpenAndClose(
            &window, [&] { QTest::mouseClick(window.OkButton(), Qt::LeftButton); },
            [&](QWidget* form) { UseForm(form, c); });
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].objectName, c.opens);
        EXPECT_EQ(opened[0].title, QString::fromUtf8(c.title));
    }
    EXPECT_TRUE(messages.messages.empty());
}

// Enter in a field of any section presses the first section's "OK", the
// default button; on a focused "OK" it presses that one.
TEST(CatalogueForms, EnterPressesTheDefaultFromAnyFieldAndTheFocusedOk) {
    testing::RecordedMessages messages;
    MAIN_TAB window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTabBar* bar = window.TabControl()->TabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    auto* entry = window.findChild<QRadioButton*>(QStringLiteral("entry_LUZIO_TASKAS_5_1"));
    ASSERT_NE(entry, nullptr);
    QTest::mouseClick(entry, Qt::LeftButton);
    const auto opened = testing::OpenAndClose(
        &window, [&] { QTest::mouseClick(window.OkButton(), Qt::LeftButton); },
        [&](QWidget* form) {
            auto field = [&](const char* name) { return form->findChild<QLineEdit*>(name); };
            const char* upper[] = {"20", "100", "1000"};
            for (int f = 0; f < 3; ++f) {
                QTest::keyClicks(field(QStringLiteral("input0_%1").arg(f).toLatin1()), upper[f]);
            }
            const char* lower[] = {"50", "30", "1000"};
            for (int f = 0; f < 3; ++f) {
                QTest::keyClicks(field(QStringLiteral("input1_%1").arg(f).toLatin1()), lower[f]);
            }
            QTest::keyClick(field("input1_2"), Qt::Key_Return);
            EXPECT_EQ(field("result0_0")->text(), "30.00");
            EXPECT_EQ(field("result1_0")->text(), "");
            auto* lowerOk = form->findChild<QPushButton*>("ok1");
            lowerOk->setFocus();
            QTest::keyClick(lowerOk, Qt::Key_Return);
            EXPECT_EQ(field("result1_0")->text(), "2500.00");
            EXPECT_TRUE(form->isVisible());
        });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace orvanta
