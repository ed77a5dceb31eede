#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"

// Real key strokes, typed by xdotool into a real X server: on X11, Shift+Tab
// arrives as Backtab and the modifiers come from the server's keymap, which
// synthetic events do not show.

namespace orvanta {
namespace {

// `keys`: xdotool key names, space-separated, typed one after the other.
bool Type(const char* keys) {
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20")};
    args << QString::fromLatin1(keys).split(u' ', Qt::SkipEmptyParts);
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

class X11KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X server (runs under Xvfb)";
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    int Page() { return window.TabControl()->CurrentPageIndex; }
    // Types `keys` and waits until the page is `expected`.
    void TypeForPage(const char* keys, int expected) {
        SCOPED_TRACE(keys);
        ASSERT_TRUE(Type(keys));
        (void)QTest::qWaitFor([&] { return Page() == expected; }, 2000);
        QTest::qWait(30);  // and stays there
        EXPECT_EQ(Page(), expected);
        EXPECT_EQ(window.TabControl()->TabBar()->currentIndex(), expected);
    }

    MAIN_TAB window;
};

TEST_F(X11KeysTest, PageKeysWrapAndAltDigitJumps) {
    TypeForPage("ctrl+Tab", 1);
    TypeForPage("ctrl+shift+Tab", 0);
    TypeForPage("ctrl+shift+Tab", 4);
    TypeForPage("ctrl+Tab", 0);
    TypeForPage("ctrl+Next", 1);
    TypeForPage("ctrl+Prior", 0);
    TypeForPage("ctrl+Prior", 4);
    TypeForPage("ctrl+Next", 0);
    TypeForPage("alt+3", 2);
    TypeForPage("alt+3", 2);
    TypeForPage("alt+5", 4);
    TypeForPage("alt+1", 0);
    EXPECT_EQ(QApplication::focusWidget(), window.TabControl()->CatalogPageTable[0]->Entry(0));
}

TEST_F(X11KeysTest, TabArrowsSpaceEnterAndEscape) {
    // From "OK" backwards: Shift+Tab arrives as Backtab and enters the group
    // of entries at its end; Up and Space choose the one above.
    ASSERT_TRUE(Type("shift+Tab"));
    CatalogPage* page = window.TabControl()->CatalogPageTable[0];
    QRadioButton* last = page->Entry(page->EntryCount() - 1);
    (void)QTest::qWaitFor([&] { return QApplication::focusWidget() == last; }, 2000);
    ASSERT_EQ(QApplication::focusWidget(), last);
    ASSERT_TRUE(Type("Up space"));
    (void)QTest::qWaitFor([&] { return page->IsEntryChecked(page->EntryCount() - 2); }, 2000);
    ASSERT_TRUE(page->IsEntryChecked(page->EntryCount() - 2));

    // The form runs modally inside the key press: watch for it from a timer.
    QString title;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* form = QApplication::activeModalWidget();
        if (!form || form == &window || !form->isActiveWindow()) return;
        watch.stop();
        title = form->windowTitle();
        Type("Escape");
    });
    watch.start();
    ASSERT_TRUE(Type("Return"));
    (void)QTest::qWaitFor([&] { return !title.isEmpty(); }, 4000);
    EXPECT_EQ(title, "7. Working capital ratio");

    (void)QTest::qWaitForWindowActive(&window);
    ASSERT_TRUE(Type("Escape"));
    (void)QTest::qWaitFor([&] { return !window.isVisible(); }, 2000);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace orvanta
