#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "investment/mortgage_plan.h"
#include "shell/about_dlg.h"
#include "shell/main_tab.h"
#include "shell/register_windows.h"
#include "shell/tab_ctrl.h"
#include "support/modal.h"
#include "ui/calculator_dialog.h"
#include "ui/logo.h"
#include "ui/report_window.h"
#include "ui/window_registry.h"

namespace orvanta {
namespace {

using testing::OpenAndClose;

struct PageTexts {
    const char* tab;
    const char* heading;
    std::vector<const char*> entries;
    int leftColumn;  // entries in the left column; the rest stand on the right
};

// What the user reads, written out independently of the catalogue table.
const PageTexts kPages[] = {
    {"1. Enterprise financial ratios",
     "1. Enterprise financial ratios",
     {"1. Altman Z bankrupt probability model", "2. ROA (Return on Assets)", "3. Leverage ratio",
      "4. Absolute solvency ratio", "5. Short term solvency ratio",
      "6. Non-current liabilities to Total assets ratio", "7. Working capital ratio",
      "8. Working capital turnover ratio"},
     8},
    {"2. Staff accounting",
     "2. Staff accounting",
     {"1. Employee turnover rate", "2. Ratio of administrative staff"},
     2},
    {"3. Solvency ratios",
     "3. Solvency ratios",
     {"1. Net profit to sales ratio", "2. Profit percentage", "3. Return on equity (ROE)",
      "4. Operating cash flow to sales ratio", "5. Operating cash flow to current assets ratio %",
      "6. Cash flow to net profit ratio", "7. Cash flow to total debt ratio",
      "8. Cash coverage of all liabilities"},
     8},
    {"4. Enterprise economics",
     "4. Enterprise economics",
     {"1. Break-even point (BEP)", "2. Break-even point (BEP) in units", "3. Marginal revenue",
      "4. Economies of scale", "5. Optimal capital structure", "6. Cost of capital",
      "7. Variable cost (min-max method)", "8. Variable cost (least squares method)",
      "9. Fixed cost (least squares method)", "10. Profit wanted",
      "11. Wanted net profit after taxes", "12. Cash turnover cycle length",
      "13. Storing of production length period (days)", "14. Inventory turnover (times)",
      "15. Inventory turnover (days)", "16. Asset turnover (times)",
      "17.  Accounts receivable turnover (in days)", "18. Economic Order Quantity (EOQ)",
      "19.  Economic Order Value"},
     10},
    {"5. Discounting \\ Project economics \\ Mortgage calc.",
     "6. Discounting \\ Project economics \\ Mortgage calc.",
     {"1. ROI (Return on Investment)", "2. Economic Value Added (EVA) ratio",
      "3. ROCE (Return on Capital Emplyed)", "4. ARR (Accounting Rate of Return)", "5. Discounting",
      "6. Compounding", "7. Mortgage calculator"},
     6},
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        QApplication::processEvents();
    }
    TAB_Ctrl* Tabs() { return window.TabControl(); }
    void ClickTab(int index) {
        QTabBar* bar = Tabs()->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    QRadioButton* Entry(int page, int entry) {
        return Tabs()->CatalogPageTable(page)->Entry(static_cast<std::size_t>(entry));
    }
    std::vector<testing::Opened> PressOk() {
        return OpenAndClose(&window, [&] { window.OkButton()->click(); });
    }

    MAIN_TAB window;
};

TEST_F(MainWindowTest, WindowMenuAndStartState) {
    EXPECT_EQ(window.windowTitle(), "Orvanta");
    EXPECT_EQ(window.font().family(), "Arial");
    EXPECT_EQ(window.font().pointSize(), 8);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // fixed layout
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.OkButton()->isDefault());
    EXPECT_EQ(window.focusWidget(), window.OkButton());
    EXPECT_LT(window.OkButton()->x(), window.CancelButton()->x());

    QStringList menus;
    for (QAction* menu : window.MenuBar()->actions()) {
        menus << menu->text();
        for (QAction* item : menu->menu()->actions()) menus << "  " + item->text();
    }
    EXPECT_EQ(menus, QStringList({"&File", "  E&xit", "&Help", "  &About Orvanta..."}));

    EXPECT_EQ(Tabs()->CurrentPageIndex(), 0);
    EXPECT_EQ(Tabs()->PageCount, 5);
    EXPECT_EQ(Tabs()->TabBar()->focusPolicy(), Qt::NoFocus);
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(Tabs()->CatalogPageTable(p)->isVisible(), p == 0);
        for (std::size_t e = 0; e < Tabs()->CatalogPageTable(p)->EntryCount(); ++e) {
            EXPECT_FALSE(Tabs()->CatalogPageTable(p)->IsEntryChecked(e));
        }
    }
    EXPECT_TRUE(PressOk().empty());  // nothing chosen: nothing happens
    EXPECT_TRUE(window.isVisible());

    // The icon is drawn when asked; every size the window manager is offered
    // is a real drawing of that size.
    const QIcon icon = ui::ApplicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_EQ(sizes.size(), 7);
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 5)), 255) << size.width();
    }
}

TEST_F(MainWindowTest, EveryTabHeadingAndEntryReadsAsWritten) {
    QStringList pageClasses;
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p);
        const PageTexts& expected = kPages[p];
        CataloguePage* page = Tabs()->CatalogPageTable(p);
        pageClasses << page->objectName();
        EXPECT_EQ(Tabs()->TabBar()->tabText(p), QString::fromUtf8(expected.tab));
        EXPECT_EQ(page->findChild<QLabel*>("heading")->text(), QString::fromUtf8(expected.heading));
        EXPECT_EQ(page->accessibleName(), QString::fromUtf8(expected.heading));
        EXPECT_EQ(page->font().pointSize(), 10);
        ASSERT_EQ(page->EntryCount(), expected.entries.size());
        ClickTab(p);
        const int leftX = Entry(p, 0)->x();
        for (std::size_t e = 0; e < expected.entries.size(); ++e) {
            QRadioButton* radio = page->Entry(e);
            EXPECT_EQ(radio->text(), QString::fromUtf8(expected.entries[e]));
            const bool left = static_cast<int>(e) < expected.leftColumn;
            EXPECT_EQ(radio->x() == leftX, left) << e;
            if (e > 0 && (left || static_cast<int>(e) > expected.leftColumn)) {
                EXPECT_GT(radio->y(), page->Entry(e - 1)->y()) << e;
            }
        }
        if (expected.leftColumn < static_cast<int>(expected.entries.size())) {
            // The right column starts at the top.
            EXPECT_EQ(page->Entry(static_cast<std::size_t>(expected.leftColumn))->y(),
                      Entry(p, 0)->y());
        }
    }
    EXPECT_EQ(pageClasses,
              QStringList({"CTabThree", "CTabOne", "CTabFour", "CTabFive", "CTabSix"}));
    std::size_t total = 0;
    for (const PageTexts& page : kPages) total += page.entries.size();
    EXPECT_EQ(total, 44u);
}

TEST_F(MainWindowTest, PagesKeepTheirChoiceAndOnlyTheShownPageOpens) {
    Entry(0, 1)->click();  // "2. ROA (Return on Assets)"
    ClickTab(2);
    EXPECT_EQ(Tabs()->CurrentPageIndex(), 2);
    EXPECT_FALSE(Tabs()->CatalogPageTable(0)->isVisible());
    EXPECT_TRUE(Tabs()->CatalogPageTable(2)->isVisible());
    EXPECT_TRUE(PressOk().empty());  // the ROA entry is on another page

    ClickTab(0);
    EXPECT_TRUE(Entry(0, 1)->isChecked());
    const auto opened = PressOk();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].title, "2. ROA (Return on Assets)");
    EXPECT_TRUE(Entry(0, 1)->isChecked());
    EXPECT_EQ(Tabs()->CurrentPageIndex(), 0);

    Entry(0, 2)->click();  // "3. Leverage ratio" clears the ROA entry
    EXPECT_FALSE(Entry(0, 1)->isChecked());
}

TEST_F(MainWindowTest, ClickingTheShownTabOrBesideTheTabsChangesNothing) {
    Entry(0, 3)->setFocus();
    QWidget* focus = window.focusWidget();
    ClickTab(0);
    QTabBar* bar = Tabs()->TabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
    EXPECT_EQ(Tabs()->CurrentPageIndex(), 0);
    EXPECT_TRUE(Tabs()->CatalogPageTable(0)->isVisible());
    EXPECT_EQ(window.focusWidget(), focus);
    // The wheel does not turn pages behind the user's back.
    QWheelEvent wheel(QPointF(10, 5), bar->mapToGlobal(QPointF(10, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    EXPECT_EQ(bar->currentIndex(), 0);
    // A newly shown page takes the focus on its chosen (or first) entry.
    ClickTab(3);
    EXPECT_EQ(window.focusWidget(), Entry(3, 0));
}

TEST_F(MainWindowTest, EachOpeningIsAFreshEmptyForm) {
    Entry(0, 1)->click();
    QString before;
    auto typeAndClose = [&](QWidget* modal) {
        auto* form = qobject_cast<ui::CalculatorDialog*>(modal);
        ASSERT_NE(form, nullptr);
        before = form->InputField(0, 0)->text() + "|" + form->ResultField(0, 0)->text();
        QTest::keyClicks(form->InputField(0, 0), "150");
        QTest::keyClicks(form->InputField(0, 1), "1000");
        QTest::keyClick(form->InputField(0, 0), Qt::Key_Return);
        EXPECT_EQ(form->ResultField(0, 0)->text(), "15.00");
        EXPECT_EQ(QApplication::activeModalWidget(), form);
        QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
    };
    OpenAndClose(
        &window, [&] { window.OkButton()->click(); }, typeAndClose);
    EXPECT_EQ(before, "|");
    OpenAndClose(
        &window, [&] { window.OkButton()->click(); }, typeAndClose);
    EXPECT_EQ(before, "|");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, EveryEntryThatHasAFormOpensIt) {
    const auto& catalogue = Catalogue();
    int opened = 0;
    for (int p = 0; p < kCataloguePageCount; ++p) {
        ClickTab(p);
        for (std::size_t e = 0; e < catalogue[p].entries.size(); ++e) {
            const std::string_view className = catalogue[p].entries[e].opens;
            Entry(p, static_cast<int>(e))->click();
            const auto windows = PressOk();
            SCOPED_TRACE(std::string(className));
            if (!ui::IsWindowRegistered(className)) {
                EXPECT_TRUE(windows.empty());
                continue;
            }
            ASSERT_EQ(windows.size(), 1u);
            EXPECT_EQ(windows[0].objectName.toStdString(), className);
            ++opened;
        }
    }
    EXPECT_GE(opened, 1);
}

// The windows opened by name are the forms the catalogue reaches (the mortgage
// chooser's three tools too), each under its own name, the payment plan and
// the About box; nothing else.
TEST(WindowRegistry, HoldsTheCatalogueFormsThePlanAndTheAboutBox) {
    RegisterWindows();
    std::set<std::string> expected = {std::string(kPaymentPlanReport),
                                      std::string(ui::kAboutWindow)};
    for (const FormDescription* form : AllFormDescriptions()) {
        EXPECT_TRUE(expected.insert(std::string(form->className)).second) << form->className;
    }
    EXPECT_EQ(expected.size(), 47u + 2u);
    const std::vector<std::string> registered = ui::RegisteredWindows();
    EXPECT_EQ(std::set<std::string>(registered.begin(), registered.end()), expected);
    for (const CataloguePageInfo& page : Catalogue()) {
        for (const CatalogueEntry& entry : page.entries) {
            EXPECT_EQ(FindFormDescription(entry.opens), &entry.opens.Form()) << entry.opens;
        }
    }
}

TEST_F(MainWindowTest, AboutBoxAndExit) {
    QString version, maker, link, title;
    OpenAndClose(
        &window, [&] { window.ShowAbout(); },
        [&](QWidget* modal) {
            title = modal->windowTitle();
            version = modal->findChild<QLabel*>("version")->text();
            maker = modal->findChild<QLabel*>("maker")->text();
            auto* about = qobject_cast<CAboutDlg*>(modal);
            ASSERT_NE(about, nullptr);
            link = about->Link()->text();
            EXPECT_TRUE(about->Link()->openExternalLinks());
            EXPECT_TRUE(about->Link()->toolTip().isEmpty());
            modal->findChild<QPushButton*>("ok")->click();
        });
    EXPECT_EQ(title, "ABOUT Orvanta");
    EXPECT_EQ(version, "Orvanta v.1.8.2");
    EXPECT_TRUE(maker.contains("2026"));
    EXPECT_EQ(link, "<a href=\"https://orvanta.example/\">https://orvanta.example/</a>");
    EXPECT_EQ(QString("https://orvanta.example/").size(), 24);

    QAction* exit = window.findChild<QAction*>("exit");
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, EscapeClosesTheMainWindow) {
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace orvanta
