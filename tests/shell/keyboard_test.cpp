#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "catalogue/catalogue.h"
#include "shell/main_tab.h"
#include "shell/register_windows.h"
#include "shell/tab_ctrl.h"
#include "support/keyboard_driver.h"
#include "support/modal.h"
#include "ui/qt_text.h"

namespace orvanta {
namespace {

using testing::OnNextModal;

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MAIN_TAB>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        keys = std::make_unique<testing::KeyboardDriver>(window.get());
    }
    TAB_Ctrl* Tabs() { return window->TabControl(); }
    QRadioButton* Entry(int page, std::size_t entry) {
        return Tabs()->CatalogPageTable(page)->Entry(entry);
    }
    void ExpectPage(int index) {
        EXPECT_EQ(Tabs()->CurrentPageIndex(), index);
        EXPECT_EQ(Tabs()->TabBar()->currentIndex(), index);
        for (int p = 0; p < Tabs()->PageCount; ++p) {
            EXPECT_EQ(Tabs()->CatalogPageTable(p)->isVisible(), p == index) << p;
        }
    }

    std::unique_ptr<MAIN_TAB> window;
    std::unique_ptr<testing::KeyboardDriver> keys;
};

// From a freshly opened main window, with key strokes alone: reach the page,
// walk to the entry, choose it, open it with Enter, find the form's first "OK"
// focused and close the form with Escape. Every entry of the catalogue.
TEST_F(KeyboardTest, EveryEntryOpensWithKeysAlone) {
    int checked = 0;
    for (int p = 0; p < kCataloguePageCount; ++p) {
        const CataloguePageInfo& page = Catalogue()[p];
        for (std::size_t e = 0; e < page.entries.size(); ++e) {
            SCOPED_TRACE(ui::ToQString(page.entries[e].text).toStdString());
            SetUp();
            ASSERT_EQ(window->focusWidget(), window->OkButton());
            if (p == 0) {
                keys->Press(Qt::Key_Tab);  // to "Cancel"
                keys->Press(Qt::Key_Tab);  // round to the entries
            } else if (p <= 2) {
                for (int i = 0; i < p; ++i) keys->Press(Qt::Key_Tab, Qt::ControlModifier);
            } else {
                for (int i = p; i < kCataloguePageCount; ++i) {
                    keys->Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
                }
            }
            ExpectPage(p);
            ASSERT_EQ(window->focusWidget(), Entry(p, 0));

            ASSERT_TRUE(keys->WalkTo(Entry(p, e)));
            keys->Press(Qt::Key_Space);
            ASSERT_TRUE(Entry(p, e)->isChecked());

            const FormDescription* form = FindFormDescription(page.entries[e].opens);
            ASSERT_NE(form, nullptr);
            QString title, focus;
            OnNextModal(
                [&](QWidget* modal) {
                    title = modal->windowTitle();
                    if (QWidget* f = modal->focusWidget()) focus = f->objectName();
                    testing::KeyboardDriver(modal).Press(Qt::Key_Escape);
                },
                window.get());
            keys->Press(Qt::Key_Return);
            EXPECT_EQ(title, ui::ToQString(form->title));
            EXPECT_EQ(focus, "ok0");
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 44);
}

TEST_F(KeyboardTest, PageKeysWrapAtBothEnds) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int expected;
    };
    const Case cases[] = {
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 4},  // X11's Ctrl+Shift+Tab
        {Qt::Key_Tab, Qt::ControlModifier, 0},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 4},
        {Qt::Key_PageDown, Qt::ControlModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 4},
        {Qt::Key_PageUp, Qt::ControlModifier, 3},
        {Qt::Key_PageDown, Qt::ControlModifier, 4},
        {Qt::Key_PageDown, Qt::ControlModifier | Qt::KeypadModifier, 0},
    };
    for (const Case& c : cases) {
        keys->Press(c.key, c.mods);
        ExpectPage(c.expected);
        EXPECT_EQ(window->focusWidget(), Entry(c.expected, 0));
    }
}

TEST_F(KeyboardTest, AltDigitJumpsToThatPageOrToTheShownPagesEntries) {
    keys->Press(Qt::Key_1, Qt::AltModifier);  // page 1 is on display
    ExpectPage(0);
    EXPECT_EQ(window->focusWidget(), Entry(0, 0));
    EXPECT_FALSE(Entry(0, 0)->isChecked());
    keys->Press(Qt::Key_Tab);  // back to "OK" for the next jump

    keys->Press(Qt::Key_4, Qt::AltModifier);
    ExpectPage(3);
    keys->WalkTo(Entry(3, 12));
    keys->Press(Qt::Key_Space);
    keys->Press(Qt::Key_2, Qt::AltModifier);
    ExpectPage(1);
    // Back on the page, its chosen entry takes the focus again.
    keys->Press(Qt::Key_4, Qt::AltModifier);
    EXPECT_TRUE(Entry(3, 12)->isChecked());
    EXPECT_EQ(window->focusWidget(), Entry(3, 12));
    QWidget* focus = window->focusWidget();
    keys->Press(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(window->focusWidget(), focus);
    window->OkButton()->setFocus();
    keys->Press(Qt::Key_4, Qt::AltModifier);
    EXPECT_EQ(window->focusWidget(), focus);
    // No such page: nothing happens.
    keys->Press(Qt::Key_6, Qt::AltModifier);
    keys->Press(Qt::Key_0, Qt::AltModifier);
    ExpectPage(3);
    // The strip still takes no keyboard focus, and a click on the shown tab
    // neither changes the page nor moves the focus.
    EXPECT_EQ(Tabs()->TabBar()->focusPolicy(), Qt::NoFocus);
    QTabBar* bar = Tabs()->TabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    ExpectPage(3);
    EXPECT_EQ(window->focusWidget(), focus);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    ExpectPage(0);
}

TEST_F(KeyboardTest, ArrowsChooseAsTheyMoveAndEscapeQuits) {
    keys->Press(Qt::Key_Tab);
    keys->Press(Qt::Key_Tab);
    ASSERT_EQ(window->focusWidget(), Entry(0, 0));
    EXPECT_FALSE(Entry(0, 0)->isChecked());
    keys->Press(Qt::Key_Down);
    keys->Press(Qt::Key_Down);
    EXPECT_EQ(window->focusWidget(), Entry(0, 2));
    EXPECT_TRUE(Entry(0, 2)->isChecked());
    keys->Press(Qt::Key_Up);
    EXPECT_EQ(window->focusWidget(), Entry(0, 1));
    EXPECT_TRUE(Entry(0, 1)->isChecked());
    // With a modifier an arrow moves nothing.
    keys->Press(Qt::Key_Down, Qt::ControlModifier);
    keys->Press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(window->focusWidget(), Entry(0, 1));
    EXPECT_TRUE(Entry(0, 1)->isChecked());
    // Tab leaves the group for "OK": one stop for the whole group; Enter opens
    // the entry the arrows chose.
    keys->Press(Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), window->OkButton());
    QString title;
    const auto watch = OnNextModal(
        [&](QWidget* modal) {
            title = modal->windowTitle();
            modal->close();
        },
        window.get(), 2000);
    keys->Press(Qt::Key_Return);
    if (watch) delete watch.data();
    EXPECT_EQ(title, "2. ROA (Return on Assets)");
    EXPECT_TRUE(window->isVisible());
    keys->Press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

// Each page's heading stands in a closed frame: its four edges drawn alike and
// set off from what is inside (a sunken bevel's light edges vanish on the page).
TEST_F(KeyboardTest, PageHeadingsStandInAClosedFrame) {
    for (int p = 0; p < kCataloguePageCount; ++p) {
        SCOPED_TRACE(p);
        Tabs()->ShowPage(p);
        auto* heading = Tabs()->CatalogPageTable(p)->findChild<QLabel*>("heading");
        ASSERT_NE(heading, nullptr);
        EXPECT_TRUE(heading->alignment() & Qt::AlignHCenter);
        const QImage image = heading->grab().toImage();
        const int w = image.width(), h = image.height();
        const QRgb inside = image.pixel(3, 3);
        for (const QPoint edge :
             {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)}) {
            EXPECT_EQ(image.pixel(edge), image.pixel(w / 2, 0)) << edge.x() << "," << edge.y();
            EXPECT_NE(image.pixel(edge), inside) << edge.x() << "," << edge.y();
        }
    }
}

TEST_F(KeyboardTest, DoubleClickChoosesAndOpens) {
    keys->Press(Qt::Key_5, Qt::AltModifier);
    QString title;
    OnNextModal(
        [&](QWidget* modal) {
            title = modal->windowTitle();
            modal->close();
        },
        window.get());
    ExpectPage(4);
    ASSERT_TRUE(Entry(4, 1)->isVisible());
    QTest::mouseDClick(Entry(4, 1), Qt::LeftButton);
    EXPECT_TRUE(Entry(4, 1)->isChecked());
    EXPECT_EQ(title, ui::ToQString(FindFormDescription(Catalogue()[4].entries[1].opens)->title));
}

TEST_F(KeyboardTest, ScreenReadersReadPagesByHeadingAndEntriesByText) {
    for (int p = 0; p < kCataloguePageCount; ++p) {
        CataloguePage* page = Tabs()->CatalogPageTable(p);
        QAccessibleInterface* pageInfo = QAccessible::queryAccessibleInterface(page);
        ASSERT_NE(pageInfo, nullptr);
        EXPECT_EQ(pageInfo->text(QAccessible::Name), ui::ToQString(Catalogue()[p].heading));
        for (std::size_t e = 0; e < page->EntryCount(); ++e) {
            QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(page->Entry(e));
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->text(QAccessible::Name), page->Entry(e)->text());
        }
    }
}

}  // namespace
}  // namespace orvanta
