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

    // Types `key` and waits until entry `number` (1-based) of the shown page
    // has the focus and is the chosen one.
    void TypeForEntry(const char* key, std::size_t number) {
        CatalogPage* page = window.TabControl()->CatalogPageTable[Page()];
        QRadioButton* wanted = page->Entry(number - 1);
        ASSERT_TRUE(Type(key));
        (void)QTest::qWaitFor([&] { return QApplication::focusWidget() == wanted; }, 2000);
        EXPECT_EQ(QApplication::focusWidget(), wanted)
            << key << " should reach " << wanted->text().toStdString();
        EXPECT_TRUE(wanted->isChecked()) << wanted->text().toStdString();
    }

    MAIN_TAB window;
};

// Down alone walks every page in reading order (down the left column, then
// the right one) and wraps round; Left and Right keep to the row across the
// two columns, to the shorter column's last entry where it ends.
TEST_F(X11KeysTest, ArrowsReachEveryEntryInReadingOrder) {
    const char* pageKeys[] = {"alt+1", "alt+2", "alt+3", "alt+4", "alt+5"};
    // The first page last: Alt+1 on the page already shown moves nothing.
    for (const int p : {1, 2, 3, 4, 0}) {
        SCOPED_TRACE(p);
        TypeForPage(pageKeys[p], p);
        CatalogPage* page = window.TabControl()->CatalogPageTable[p];
        (void)QTest::qWaitFor([&] { return QApplication::focusWidget() == page->Entry(0); }, 2000);
        ASSERT_EQ(QApplication::focusWidget(), page->Entry(0));
        // Entries are numbered in reading order: left column first.
        for (std::size_t e = 1; e < page->EntryCount(); ++e) TypeForEntry("Down", e + 1);
        TypeForEntry("Down", 1);
        TypeForEntry("Up", page->EntryCount());
        TypeForEntry("Down", 1);
    }

    struct Step {
        const char* key;
        std::size_t lands;
    };
    TypeForPage("alt+1", 0);  // one column: Right and Left act as Down and Up
    for (const Step& step : {Step{"Right", 2}, {"Left", 1}, {"Left", 8}, {"Right", 1}}) {
        TypeForEntry(step.key, step.lands);
    }
    TypeForPage("alt+4", 3);  // 1-10 on the left, 11-19 on the right
    for (const Step& step : {Step{"Left", 11},
                             {"Down", 12},
                             {"Up", 11},
                             {"Right", 1},
                             {"Down", 2},
                             {"Down", 3},
                             {"Right", 13},
                             {"Left", 3},
                             {"Down Down Down Down Down Down Down", 10},
                             {"Down", 11},
                             {"Up", 10},
                             {"Right", 19},
                             {"Left", 9},
                             {"Right", 19},
                             {"Down", 1},
                             {"Up", 19}}) {
        TypeForEntry(step.key, step.lands);
    }
    TypeForPage("alt+5", 4);  // 1-6 on the left, 7 alone on the right
    for (const Step& step : {Step{"Left", 7},
                             {"Right", 1},
                             {"Up", 7},
                             {"Up", 6},
                             {"Right", 7},
                             {"Left", 1},
                             {"Down Down Down Down Down", 6},
                             {"Left", 7},
                             {"Down", 1}}) {
        TypeForEntry(step.key, step.lands);
    }
}

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
    // An arrow alone chooses, so Enter opens the entry that has the focus.
    ASSERT_TRUE(Type("Up"));
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

// The mortgage chooser from the keyboard alone: Enter on the catalogue entry
// opens it, and Enter on a choice opens that tool, as "OK" would.
TEST_F(X11KeysTest, EnterOnAChooserChoiceOpensIt) {
    TypeForPage("alt+5", 4);
    TypeForEntry("Right", 7);  // "7. Mortgage calculator", alone on the right

    QStringList opened;  // class names of the modal windows, in order
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* form = QApplication::activeModalWidget();
        if (!form || form == &window || !form->isActiveWindow()) return;
        if (!opened.isEmpty() && opened.back() == form->objectName()) return;
        opened << form->objectName();
        if (form->objectName() == QLatin1String("PASKOLOS_MAIN_6_7")) {
            // From "OK" back into the choices (entering at the last), up one.
            Type("shift+Tab Up Return");
            // Should the tool not open, close the chooser rather than hang.
            QTimer::singleShot(2000, &watch, [&] {
                if (opened.size() < 2) Type("Escape");
            });
        } else {
            watch.stop();
            Type("Escape");  // the tool, then the chooser
            QTimer::singleShot(300, [] { Type("Escape"); });
        }
    });
    watch.start();
    ASSERT_TRUE(Type("Return"));
    (void)QTest::qWaitFor([&] { return opened.size() >= 2; }, 4000);
    EXPECT_EQ(opened.join(u' ').toStdString(), "PASKOLOS_MAIN_6_7 PASKOLOS_GRAF_6_7");
    (void)QTest::qWaitForWindowActive(&window);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace orvanta
