#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "investment/mortgage_plan.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "support/fake_form_view.h"
#include "ui/calculator_dialog.h"
#include "ui/qt_text.h"
#include "ui/report_window.h"
#include "ui/window_registry.h"

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

// xdotool key names for a figure typed character by character.
std::string FigureKeys(const std::string& figure) {
    std::string keys;
    for (const char c : figure) {
        if (!keys.empty()) keys += ' ';
        keys += c == '.'   ? std::string("period")
                : c == '-' ? std::string("minus")
                           : std::string(1, c);
    }
    return keys;
}

// `w` as it would look without the focus and without focus frames: the focus
// lent to a stand-in for the moment (a popup's reason keeps a field's
// selection), and the window's keyboard-focus flag, which makes styles draw
// focus frames, cleared.
QImage UnfocusedLook(QWidget* w) {
    QWidget* window = w->window();
    const bool flag = window->testAttribute(Qt::WA_KeyboardFocusChange);
    const bool focused = w->hasFocus();
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    QWidget standIn(window);
    standIn.setFocusPolicy(Qt::StrongFocus);
    standIn.setGeometry(0, 0, 1, 1);
    if (focused) {
        standIn.show();
        standIn.setFocus(Qt::PopupFocusReason);
    }
    const QImage plain = w->grab().toImage();
    if (focused) w->setFocus(Qt::PopupFocusReason);
    window->setAttribute(Qt::WA_KeyboardFocusChange, flag);
    return plain;
}

// How many pixels of `w` show that it has the focus, as the style draws it now.
int FocusPixels(QWidget* w) {
    const QImage plain = UnfocusedLook(w);
    const QImage now = w->grab().toImage();
    int changed = 0;
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x) changed += now.pixel(x, y) != plain.pixel(x, y);
    return changed;
}

// Whether the style draws `w` as focused: its look changes with the window's
// keyboard-focus flag.
bool DrawnFocused(QWidget* w) {
    QWidget* window = w->window();
    const QImage now = w->grab().toImage();
    const bool flag = window->testAttribute(Qt::WA_KeyboardFocusChange);
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage plain = w->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange, flag);
    return now != plain;
}

// The focus is on `expected`, framed, and nothing else of its window is
// drawn as focused: not "OK" with its default border either.
void ExpectFramedFocus(QWidget* expected, const char* where) {
    SCOPED_TRACE(where);
    ASSERT_NE(expected, nullptr);
    (void)QTest::qWaitFor([&] { return QApplication::focusWidget() == expected; }, 2000);
    ASSERT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    EXPECT_GT(FocusPixels(expected), 0) << expected->objectName().toStdString();
    for (QPushButton* button : expected->window()->findChildren<QPushButton*>()) {
        if (button != expected && button->isVisible()) {
            EXPECT_FALSE(DrawnFocused(button)) << button->objectName().toStdString();
        }
    }
    // With ORVANTA_SNAPSHOTS set, the screen as the user sees it, to look at.
    const QString dir = qEnvironmentVariable("ORVANTA_SNAPSHOTS");
    if (!dir.isEmpty()) {
        QScreen* screen = QGuiApplication::primaryScreen();
        screen->grabWindow(0).save(dir + QStringLiteral("/%1.png").arg(QString::fromLatin1(where)));
    }
}

// A road of key strokes through modal windows. A modal loop blocks whatever
// opened it, so each step runs from a timer once the window it waits for is
// up, checks it and types the next keys.
class Road {
public:
    void Then(std::string what, std::function<bool()> ready, std::function<void()> act) {
        steps_.push_back({std::move(what), std::move(ready), std::move(act)});
    }

    // Runs every step; false, with `stuck` naming it, when one never became ready.
    bool Run(int stepTimeoutMs = 5000) {
        std::size_t next = 0;
        QElapsedTimer waited, steady;
        waited.start();
        QTimer timer;
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!stuck.empty()) {
                // Unwinding: whatever opens now (the next message of a press,
                // the window a closed one returns to) closes too.
                if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
                return;
            }
            if (next >= steps_.size()) return;
            // A window is ready once it has stayed so for a moment: the window
            // manager may still be settling the focus it gave it, and a window
            // closed under its hands leaves the focus nowhere.
            if (!steps_[next].ready()) {
                steady.invalidate();
            } else if (!steady.isValid()) {
                steady.start();
            } else if (steady.elapsed() >= kSettleMs) {
                steady.invalidate();
                const std::size_t current = next++;
                steps_[current].act();
                waited.restart();
            }
            if (next < steps_.size() && waited.elapsed() > stepTimeoutMs) {
                stuck = steps_[next].what + Where();
            }
        });
        timer.start();
        const int total = stepTimeoutMs * static_cast<int>(steps_.size() + 1);
        (void)QTest::qWaitFor([&] { return next >= steps_.size() || !stuck.empty(); }, total);
        if (stuck.empty() && next < steps_.size()) stuck = steps_[next].what;
        return stuck.empty();
    }

    std::string stuck;

private:
    static constexpr int kSettleMs = 40;

    static std::string Where() {
        auto name = [](const QWidget* w) {
            return w ? w->objectName().toStdString() : std::string("none");
        };
        return " (active " + name(QApplication::activeWindow()) + ", modal " +
               name(QApplication::activeModalWidget()) + ", focus " +
               name(QApplication::focusWidget()) + ")";
    }

    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::vector<Step> steps_;
};

// The modal window of class `className` when it is up and has the keyboard.
ui::CalculatorDialog* FormUp(std::string_view className) {
    auto* form = qobject_cast<ui::CalculatorDialog*>(QApplication::activeModalWidget());
    if (!form || !form->isActiveWindow() || form->objectName() != ui::ToQString(className))
        return nullptr;
    return form->focusWidget() ? form : nullptr;
}

// The keys that walk the focus from where it is to `target` along Tab.
std::string TabsTo(QWidget* target) {
    std::string keys;
    QWidget* w = QApplication::focusWidget();
    for (int guard = 0; w && w != target && guard < 200; ++guard) {
        w = w->nextInFocusChain();
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == target->window()) {
            keys += "Tab ";
        }
    }
    return keys;
}

// Ready once `ms` have passed since it was first asked, or as soon as `done`.
std::function<bool()> After(int ms, std::function<bool()> done = {}) {
    auto clock = std::make_shared<QElapsedTimer>();
    return [=] {
        if (!clock->isValid()) clock->start();
        return (done && done()) || clock->elapsed() >= ms;
    };
}

// A real click of the left button in the middle of `w`.
bool Click(QWidget* w) {
    const QPoint at = w->mapToGlobal(w->rect().center());
    return QProcess::execute(
               QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

// Figures every field of the first section accepts, with a figure (not "NaN")
// as the result where one of the candidate sets gives one.
std::vector<std::string> ValidFigures(const FormDescription& form) {
    const std::size_t count = form.sections.at(0).inputs.size();
    const char* spread[] = {"120", "45", "30", "8", "17", "60", "9", "25", "11", "14", "70", "5"};
    std::vector<std::vector<std::string>> candidates(2);
    for (std::size_t f = 0; f < count; ++f) {
        candidates[0].push_back(std::to_string(f + 2));
        candidates[1].push_back(spread[f % std::size(spread)]);
    }
    for (const auto& figures : candidates) {
        const testing::FakeFormView view = testing::Press(form, 0, figures);
        bool figure = view.messages.empty();
        for (const auto& [key, text] : view.results) figure = figure && text != "NaN";
        if (figure) return figures;
    }
    return candidates[0];
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
    int Page() { return window.TabControl()->CurrentPageIndex(); }
    QRadioButton* Entry(int page, std::size_t entry) {
        return window.TabControl()->CatalogPageTable(page)->Entry(entry);
    }
    // The main window has the keyboard and no form is open over it.
    std::function<bool()> MainUp() {
        return [this] { return window.isActiveWindow() && !QApplication::activeModalWidget(); };
    }
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
        CataloguePage* page = window.TabControl()->CatalogPageTable(Page());
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
    // The first page last: from another page, Alt+1 switches pages.
    for (const int p : {1, 2, 3, 4, 0}) {
        SCOPED_TRACE(p);
        TypeForPage(pageKeys[p], p);
        CataloguePage* page = window.TabControl()->CatalogPageTable(p);
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
    EXPECT_EQ(QApplication::focusWidget(), window.TabControl()->CatalogPageTable(0)->Entry(0));
}

TEST_F(X11KeysTest, TabArrowsSpaceEnterAndEscape) {
    // From "OK" backwards: Shift+Tab arrives as Backtab and enters the group
    // of entries at its end; Up and Space choose the one above.
    ASSERT_TRUE(Type("shift+Tab"));
    CataloguePage* page = window.TabControl()->CatalogPageTable(0);
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

// Alt+1 on the page already shown puts the focus on its entries, so Down
// walks them instead of reaching "Cancel", and Enter opens instead of quitting.
TEST_F(X11KeysTest, AltDigitOnTheShownPageFocusesItsEntries) {
    Road road;
    road.Then("start", MainUp(), [] { Type("alt+1 Down Return"); });
    road.Then(
        "ROA_3_2", [] { return FormUp("ROA_3_2"); }, [] { Type("Escape"); });
    road.Then("back", MainUp(), [&] { EXPECT_EQ(QApplication::focusWidget(), Entry(0, 1)); });
    EXPECT_TRUE(road.Run(3000)) << road.stuck;
    EXPECT_TRUE(window.isVisible());
}

// Enter on an entry that has the focus chooses it and opens it, on the pages
// and in the mortgage chooser; an arrow from "OK" or "Cancel" into the
// chooser's choices chooses where it lands; "OK" with nothing chosen does
// nothing.
TEST_F(X11KeysTest, EnterOnAFocusedEntryOrChoiceOpensIt) {
    const std::string_view chooser = "PASKOLOS_MAIN_6_7";
    auto up = [](std::string_view name) { return [name] { return FormUp(name) != nullptr; }; };
    auto chosen = [&](std::size_t choice) {
        return FormUp(chooser)->ChoiceButton(choice)->isChecked();
    };
    Road road;
    road.Then("start", MainUp(), [] { Type("ctrl+Tab Return"); });
    road.Then("page 2 entry 1", up("DARBUOTOJU_TEKAMUMAS"), [] { Type("Escape"); });
    road.Then("page 2", MainUp(), [] { Type("alt+4 Return"); });
    road.Then("page 4 entry 1", up("LUZIO_TASKAS_5_1"), [] { Type("Escape"); });
    road.Then("page 4", MainUp(), [] { Type("alt+5 Right Return"); });
    road.Then("chooser", up(chooser), [&] {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "ok0");
        Type("Return");  // nothing chosen: nothing opens
    });
    road.Then("chooser OK", After(400), [&] {
        ASSERT_NE(FormUp(chooser), nullptr);
        for (std::size_t c = 0; c < 3; ++c) EXPECT_FALSE(chosen(c)) << c;
        Type("shift+Tab Return");  // Enter on the last choice, not chosen
    });
    road.Then("balance", up("PASKOLOS_DALINAI_APMOKETOS_6_7"), [] { Type("Escape"); });
    road.Then("chooser again", up(chooser), [&] {
        EXPECT_TRUE(chosen(2));
        Type("Escape");
    });
    road.Then("main", MainUp(), [] { Type("Return"); });
    road.Then("fresh chooser", up(chooser), [] { Type("Down Down"); });  // "Cancel", round
    road.Then(
        "arrowed in", [&] { return FormUp(chooser) && chosen(0); }, [] { Type("Return"); });
    road.Then("payment", up("PASKOLOS_6_7"), [] { Type("Escape"); });
    road.Then("chooser last", up(chooser), [] { Type("Escape"); });
    road.Then("main again", MainUp(), [] { Type("Return"); });
    road.Then("third chooser", up(chooser), [] { Type("Up"); });  // from "OK" back in
    road.Then(
        "arrowed back", [&] { return FormUp(chooser) && chosen(2); }, [] { Type("Escape"); });
    road.Then("end", MainUp(), [] {});
    EXPECT_TRUE(road.Run(3000)) << road.stuck;
}

// Wherever the program puts the focus, the style draws it there, and only
// there: at start, after page keys, and when the chooser, a form or the About
// box closes.
TEST_F(X11KeysTest, TheFocusIsFramedWhereverTheProgramPutsIt) {
    QPushButton* ok = window.OkButton();
    Road road;
    road.Then("start", MainUp(), [&] {
        ExpectFramedFocus(ok, "start");
        // The frame is more than "OK"'s default border: a line round it.
        EXPECT_GE(FocusPixels(ok), (ok->width() + ok->height()) / 2);
        Type("ctrl+Tab");
    });
    road.Then("ctrl+Tab", After(2000, [&] { return QApplication::focusWidget() == Entry(1, 0); }),
              [&] {
                  ExpectFramedFocus(Entry(1, 0), "page-key");
                  EXPECT_GE(FocusPixels(Entry(1, 0)), Entry(1, 0)->height());
                  Type("alt+5 Right");
              });
    road.Then("alt+5", After(2000, [&] { return QApplication::focusWidget() == Entry(4, 6); }),
              [&] {
                  ExpectFramedFocus(Entry(4, 6), "alt-digit");
                  Type("Return");
              });
    road.Then(
        "chooser", [] { return FormUp("PASKOLOS_MAIN_6_7"); },
        [] {
            ExpectFramedFocus(FormUp("PASKOLOS_MAIN_6_7")->OkButton(), "chooser");
            Type("Escape");
        });
    road.Then("after chooser", MainUp(), [&] {
        ExpectFramedFocus(Entry(4, 6), "after-chooser");
        Type("alt+1 Return");
    });
    road.Then(
        "form", [] { return FormUp("ALTMAN_Z_3"); },
        [] {
            ExpectFramedFocus(FormUp("ALTMAN_Z_3")->OkButton(), "form");
            Type("Escape");
        });
    road.Then("after form", MainUp(), [&] {
        ExpectFramedFocus(Entry(0, 0), "after-form");
        Type("alt+h Return");
    });
    road.Then(
        "about",
        [] {
            QWidget* about = QApplication::activeModalWidget();
            return about && about->isActiveWindow() &&
                   about->objectName() == ui::ToQString(ui::kAboutWindow);
        },
        [] {
            QWidget* about = QApplication::activeModalWidget();
            ExpectFramedFocus(about->findChild<QPushButton*>("ok"), "about");
            Type("Escape");
        });
    road.Then("after about", MainUp(), [&] { ExpectFramedFocus(Entry(0, 0), "after-about"); });
    EXPECT_TRUE(road.Run(3000)) << road.stuck;
}

// After a press that gave messages the first bad field has the focus, its
// text selected, so typing replaces it; a press without messages leaves the
// focus where it is.
TEST_F(X11KeysTest, TheFirstBadFieldTakesTheFocusWithItsTextSelected) {
    QStringList messages;
    auto roa = [] { return FormUp("ROA_3_2"); };
    auto messageUp = [] {
        QWidget* box = QApplication::activeModalWidget();
        return box && box->isActiveWindow() && box->objectName() == QLatin1String("message") &&
               !box->property("answered").toBool();
    };
    auto dismiss = [&] {
        QWidget* box = QApplication::activeModalWidget();
        box->setProperty("answered", true);
        messages << box->accessibleDescription();
        Type("Return");
    };
    Road road;
    // "Cancel", round to the first entry, down to "2. ROA (Return on Assets)".
    road.Then("start", MainUp(), [] { Type("Tab Tab Down Return"); });
    road.Then("ROA_3_2", roa,
              [&] { Type((TabsTo(roa()->InputField(0, 0)) + "x Tab y Return").c_str()); });
    road.Then("first message", messageUp, dismiss);
    road.Then("second message", messageUp, dismiss);
    road.Then("back in the form", roa, [&] {
        ExpectFramedFocus(roa()->InputField(0, 0), "bad-field");
        EXPECT_EQ(roa()->InputField(0, 0)->selectedText(), "x");
        EXPECT_EQ(roa()->ResultField(0, 0)->text(), "NaN");
        Type("1 5 0 Tab 1 0 0 0 Return");  // Tab selects "y" too
    });
    road.Then(
        "result", [&] { return roa() && roa()->ResultField(0, 0)->text() == "15.00"; },
        [&] {
            EXPECT_EQ(QApplication::focusWidget(), roa()->InputField(0, 1));
            Type("Escape");
        });
    road.Then("end", MainUp(), [] {});
    EXPECT_TRUE(road.Run(3000)) << road.stuck;
    EXPECT_EQ(messages.join(u'|'),
              "Net profit must be real number !!!|Total assets must be real number !!!");
}

// Ctrl+C in a result copies it whole when nothing is selected (as after a
// click), and the selection when something is.
TEST_F(X11KeysTest, CtrlCInAResultCopiesItWhole) {
    auto roa = [] { return FormUp("ROA_3_2"); };
    QClipboard* clipboard = QGuiApplication::clipboard();
    Road road;
    road.Then("start", MainUp(), [] { Type("Tab Tab Down Return"); });
    road.Then("ROA_3_2", roa, [&] {
        Type((TabsTo(roa()->InputField(0, 0)) + "1 5 0 Tab 1 0 0 0 Return").c_str());
    });
    road.Then(
        "result", [&] { return roa() && roa()->ResultField(0, 0)->text() == "15.00"; },
        [&] {
            clipboard->setText(QStringLiteral("before"));
            ASSERT_TRUE(Click(roa()->ResultField(0, 0)));
        });
    road.Then(
        "clicked", [&] { return roa() && roa()->ResultField(0, 0)->hasFocus(); },
        [&] {
            EXPECT_FALSE(roa()->ResultField(0, 0)->hasSelectedText());
            Type("ctrl+c");
        });
    road.Then("copied whole", After(1500, [&] { return clipboard->text() != "before"; }), [&] {
        EXPECT_EQ(clipboard->text(), "15.00");
        Type("End shift+Left shift+Left ctrl+c");
    });
    road.Then("copied part", After(1500, [&] { return clipboard->text() == "00"; }), [&] {
        EXPECT_EQ(clipboard->text(), "00");
        Type("Escape");
    });
    road.Then("end", MainUp(), [] {});
    EXPECT_TRUE(road.Run(3000)) << road.stuck;
}

// From start, by keys alone: every window of the catalogue, the chooser's
// three tools included, opened with Alt+N, the arrows and Enter; valid figures
// typed into its first section, Enter, the result read, Escape.
TEST_F(X11KeysTest, EveryWindowByKeysAlone) {
    Road road;
    int windows = 0;
    // Steps for one calculator form: it is up with "OK" focused; figures,
    // Enter, the result (or the report it opens), then `closeKeys`.
    auto useForm = [&](const FormDescription& form, std::string closeKeys) {
        const std::string_view name = form.className;
        road.Then(
            std::string(name), [name] { return FormUp(name); },
            [&form, &windows, name] {
                ui::CalculatorDialog* dialog = FormUp(name);
                EXPECT_EQ(dialog->windowTitle(), ui::ToQString(form.title));
                EXPECT_EQ(QApplication::focusWidget(), dialog->OkButton(0));
                ++windows;
                std::string keys = TabsTo(dialog->InputField(0, 0));
                const std::vector<std::string> figures = ValidFigures(form);
                for (std::size_t f = 0; f < figures.size(); ++f) {
                    keys += FigureKeys(figures[f]) + (f + 1 < figures.size() ? " Tab " : " Return");
                }
                Type(keys.c_str());
            });
        if (!form.sections[0].opens.empty()) {
            road.Then(
                std::string(name) + " report",
                [] {
                    QWidget* report = QApplication::activeModalWidget();
                    return report && report->isActiveWindow() &&
                           report->objectName() == ui::ToQString(kPaymentPlanReport);
                },
                [] {
                    auto* text = QApplication::activeModalWidget()->findChild<QPlainTextEdit*>();
                    ASSERT_NE(text, nullptr);
                    EXPECT_FALSE(text->toPlainText().isEmpty());
                    Type("Escape");
                });
            road.Then(
                std::string(name) + " closes", [name] { return FormUp(name); },
                [closeKeys] { Type(closeKeys.c_str()); });
            return;
        }
        road.Then(
            std::string(name) + " result",
            [name] {
                ui::CalculatorDialog* dialog = FormUp(name);
                return dialog && !dialog->ResultField(0, 0)->text().isEmpty();
            },
            [&form, name, closeKeys] {
                ui::CalculatorDialog* dialog = FormUp(name);
                const testing::FakeFormView expected = testing::Press(form, 0, ValidFigures(form));
                EXPECT_TRUE(expected.messages.empty());
                for (std::size_t r = 0; r < form.sections[0].resultLabels.size(); ++r) {
                    EXPECT_EQ(dialog->ResultField(0, r)->text().toStdString(),
                              expected.Result(0, r))
                        << r;
                }
                Type(closeKeys.c_str());
            });
    };

    for (int p = 0; p < kCataloguePageCount; ++p) {
        const CataloguePageInfo& page = Catalogue()[p];
        for (std::size_t e = 0; e < page.entries.size(); ++e) {
            // Alt+N puts the focus on the entry opened last (or the first),
            // Down on the next, and Enter opens it.
            const std::string keys =
                "alt+" + std::to_string(p + 1) + (e > 0 ? " Down" : "") + " Return";
            road.Then("main", MainUp(), [keys] { Type(keys.c_str()); });
            const FormDescription& form = page.entries[e].opens.Form();
            if (!form.IsChooser()) {
                useForm(form, "Escape");
                continue;
            }
            const std::string_view name = form.className;
            road.Then(
                std::string(name), [name] { return FormUp(name); },
                [&windows] {
                    ++windows;
                    Type("Down Down Return");  // "OK", "Cancel", round to the first tool
                });
            for (std::size_t c = 0; c < form.choices.size(); ++c) {
                useForm(form.choices[c].opens.Form(), "Escape");
                const bool last = c + 1 == form.choices.size();
                road.Then(
                    std::string(name) + " again", [name] { return FormUp(name); },
                    [last] { Type(last ? "Escape" : "Down Return"); });
            }
        }
    }
    road.Then("end", MainUp(), [] {});
    EXPECT_TRUE(road.Run(5000)) << road.stuck;
    EXPECT_EQ(windows, 47);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace orvanta
