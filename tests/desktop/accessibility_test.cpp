// Every window can be used without a mouse and is read correctly by a screen
// reader: each control a user acts on has the name the user reads, Tab walks
// the form in reading order, Enter computes and Escape closes.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "shell/about_dlg.h"
#include "shell/catalogue_page.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "support/modal.h"
#include "ui/calculator_dialog.h"
#include "ui/message_box.h"
#include "ui/window_registry.h"
#include "window_walk.h"

namespace orvanta {
namespace {

using testing::AllFormClassNames;
using testing::BuddyLabel;
using testing::Describe;
using testing::IsInteractiveRole;
using testing::WalkAccessible;

// Fails for every control a user acts on that a screen reader cannot name,
// and for every field or button whose name is not the text on screen.
void ExpectNamedAsRead(QWidget* window) {
    int interactive = 0;
    WalkAccessible(window, [&](const testing::AccessibleNode& node) {
        QAccessibleInterface* iface = node.iface;
        if (!IsInteractiveRole(iface->role())) return;
        ++interactive;
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << "unnamed: " << Describe(iface);
        QObject* object = iface->object();
        if (auto* field = qobject_cast<QLineEdit*>(object)) {
            QLabel* label = BuddyLabel(field);
            if (!label) {
                ADD_FAILURE() << "no label: " << Describe(iface);
                return;
            }
            EXPECT_EQ(name, ui::WithoutMnemonic(label->text())) << Describe(iface);
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            EXPECT_EQ(name, ui::WithoutMnemonic(button->text())) << Describe(iface);
        }
    });
    EXPECT_GT(interactive, 0) << window->objectName().toStdString();
}

// Labels that carry a mnemonic must lead somewhere when it is pressed.
void ExpectMnemonicsHaveBuddies(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::RichText) continue;
        const QString text = label->text();
        if (ui::WithoutMnemonic(text) != QString(text).replace(QStringLiteral("&&"), "&")) {
            EXPECT_NE(label->buddy(), nullptr) << text.toStdString();
        }
    }
}

void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// The focus stops Tab visits, from `start` until it comes back round.
std::vector<QWidget*> TabCycle(QWidget* start) {
    start->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> seen{QApplication::focusWidget()};
    for (int i = 0; i < 400; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == seen.front()) break;
        seen.push_back(now);
    }
    return seen;
}

std::string Names(const std::vector<QWidget*>& widgets) {
    std::string out;
    for (QWidget* w : widgets) out += (w ? w->objectName().toStdString() : "(none)") + " ";
    return out;
}

// Reading order of a form: each section's fields, its results and its "OK",
// section after section as described; a chooser's entries and its "OK";
// "Cancel" last.
std::vector<QWidget*> ReadingOrder(const ui::CalculatorDialog& form) {
    std::vector<QWidget*> order;
    const FormDescription& description = form.Description();
    if (description.IsChooser()) {
        for (std::size_t c = 0; c < description.choices.size(); ++c) {
            order.push_back(form.ChoiceButton(c));
        }
        order.push_back(form.OkButton(0));
    }
    for (std::size_t s = 0; s < form.SectionCount(); ++s) {
        const Section& section = description.sections[s];
        for (std::size_t f = 0; f < section.inputs.size(); ++f) {
            order.push_back(form.InputField(s, f));
        }
        for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
            order.push_back(form.ResultField(s, r));
        }
        order.push_back(form.OkButton(s));
    }
    order.push_back(form.CancelButton());
    return order;
}

// The walk itself must see what a screen reader would miss.
TEST(DesktopAccessibility, CheckerCatchesUnnamedAndMisnamedControls) {
    QDialog unnamed;
    new QPushButton(&unnamed);  // an icon-only button with no name
    unnamed.show();
    EXPECT_NONFATAL_FAILURE(ExpectNamedAsRead(&unnamed), "unnamed");

    QDialog misnamed;
    auto* label = new QLabel(QStringLiteral("Net profit"), &misnamed);
    auto* field = new QLineEdit(&misnamed);
    label->setBuddy(field);
    field->setAccessibleName(QStringLiteral("input0_0"));
    misnamed.show();
    EXPECT_NONFATAL_FAILURE(ExpectNamedAsRead(&misnamed), "input0_0");

    QDialog mnemonic;
    new QLabel(QStringLiteral("&Amount"), &mnemonic);
    EXPECT_NONFATAL_FAILURE(ExpectMnemonicsHaveBuddies(&mnemonic), "&Amount");
}

TEST(DesktopAccessibility, EveryFormNamesEveryControlAsTheUserReadsIt) {
    // Every window opened by class name: the forms and whatever else the
    // program registers (the report window).
    const std::vector<std::string> names = ui::RegisteredWindows();
    for (const std::string& form : AllFormClassNames()) {
        EXPECT_TRUE(ui::IsWindowRegistered(form)) << form;
    }
    ASSERT_GE(names.size(), AllFormClassNames().size());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> form = ui::CreateWindow(name, nullptr);
        ASSERT_NE(form, nullptr);
        form->show();
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(form.get());
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->text(QAccessible::Name), form->windowTitle());
        ExpectNamedAsRead(form.get());
        ExpectMnemonicsHaveBuddies(form.get());

        // Result fields are named by their caption and can be read, not typed in.
        if (auto* dialog = dynamic_cast<ui::CalculatorDialog*>(form.get())) {
            const FormDescription& d = dialog->Description();
            for (std::size_t s = 0; s < dialog->SectionCount(); ++s) {
                for (std::size_t r = 0; r < d.sections[s].resultLabels.size(); ++r) {
                    QLineEdit* result = dialog->ResultField(s, r);
                    ASSERT_NE(result, nullptr);
                    EXPECT_TRUE(result->isReadOnly());
                    EXPECT_EQ(result->accessibleName(),
                              ui::ToQString(d.sections[s].resultLabels[r]));
                }
            }
        }
    }
}

TEST(DesktopKeyboard, TabWalksEveryFormInReadingOrder) {
    for (const std::string& name : AllFormClassNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> window = ui::CreateWindow(name, nullptr);
        auto* form = dynamic_cast<ui::CalculatorDialog*>(window.get());
        ASSERT_NE(form, nullptr);
        Activate(form);
        const std::vector<QWidget*> expected = ReadingOrder(*form);
        // A chooser's entries are one stop: Tab enters the group, arrows move in it.
        const std::vector<QWidget*> cycle = TabCycle(expected.front());
        std::vector<QWidget*> wanted = expected;
        if (form->Description().IsChooser() && cycle.size() < expected.size()) {
            wanted.erase(wanted.begin() + 1,
                         wanted.begin() + static_cast<long>(form->Description().choices.size()));
        }
        EXPECT_EQ(cycle, wanted) << "got:  " << Names(cycle) << "\nwant: " << Names(wanted);
        form->close();
    }
}

TEST(DesktopKeyboard, EnterComputesTheDefaultSectionAndEscapeCloses) {
    for (const std::string& name : AllFormClassNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> window = ui::CreateWindow(name, nullptr);
        auto* form = dynamic_cast<ui::CalculatorDialog*>(window.get());
        ASSERT_NE(form, nullptr);
        Activate(form);
        EXPECT_EQ(QApplication::focusWidget(), form->OkButton(0));
        ASSERT_TRUE(form->OkButton(0)->isDefault());
        if (form->Description().IsChooser()) {
            // Nothing chosen: Enter opens nothing and leaves the chooser up.
            const auto opened = testing::OpenAndClose(
                form, [&] { QTest::keyClick(form->ChoiceButton(0), Qt::Key_Return); });
            EXPECT_TRUE(opened.empty());
        } else {
            // Every field of the first section is empty, so each one says so.
            testing::RecordedMessages messages;
            QTest::keyClick(form->InputField(0, 0), Qt::Key_Return);
            EXPECT_EQ(messages.messages.size(), form->Description().sections[0].inputs.size());
            for (std::size_t r = 0; r < form->Description().sections[0].resultLabels.size(); ++r) {
                EXPECT_EQ(form->ResultField(0, r)->text(), "NaN");
            }
        }
        EXPECT_TRUE(form->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST(DesktopAccessibility, MainWindowPagesTabsAndMenusAreNamed) {
    MAIN_TAB window;
    window.show();
    TAB_Ctrl* tabs = window.TabControl();
    for (int page = 0; page < tabs->PageCount; ++page) {
        SCOPED_TRACE(page);
        tabs->ShowPage(page);
        QApplication::processEvents();
        ExpectNamedAsRead(&window);
        // The page is announced by its heading; its entries by their texts.
        CataloguePage* shown = tabs->CatalogPageTable(page);
        EXPECT_EQ(shown->accessibleName(), ui::ToQString(shown->Info().heading));
        for (std::size_t e = 0; e < shown->EntryCount(); ++e) {
            QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(shown->Entry(e));
            EXPECT_EQ(entry->text(QAccessible::Name), ui::ToQString(shown->Info().entries[e].text));
        }
    }
    // Every tab and every menu can be told apart by ear.
    for (int i = 0; i < tabs->TabBar()->count(); ++i) {
        EXPECT_FALSE(tabs->TabBar()->tabText(i).isEmpty());
    }
    int menuItems = 0;
    WalkAccessible(window.MenuBar(), [&](const testing::AccessibleNode& node) {
        if (node.iface->role() != QAccessible::MenuItem) return;
        ++menuItems;
        EXPECT_FALSE(node.iface->text(QAccessible::Name).isEmpty()) << Describe(node.iface);
    });
    EXPECT_GE(menuItems, 2);
}

TEST(DesktopKeyboard, MainWindowTabGoesEntriesThenOkThenCancel) {
    MAIN_TAB window;
    Activate(&window);
    EXPECT_EQ(QApplication::focusWidget(), window.OkButton());
    TAB_Ctrl* tabs = window.TabControl();
    for (int page = 0; page < tabs->PageCount; ++page) {
        SCOPED_TRACE(page);
        tabs->ShowPage(page);
        // The entries of a page are one exclusive group, so one stop.
        QWidget* entry = tabs->CatalogPageTable(page)->Entry(0);
        const std::vector<QWidget*> wanted{entry, window.OkButton(), window.CancelButton()};
        const std::vector<QWidget*> cycle = TabCycle(entry);
        EXPECT_EQ(cycle, wanted) << "got:  " << Names(cycle) << "\nwant: " << Names(wanted);
    }
}

TEST(DesktopAccessibility, AboutBoxIsNamed) {
    CAboutDlg about;
    about.show();
    ExpectNamedAsRead(&about);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Name),
              about.windowTitle());
}

TEST(DesktopAccessibility, MessageBoxSaysCaptionAndTextAndClosesOnEnter) {
    QWidget owner;
    owner.show();
    bool inspected = false;
    testing::OnNextModal(
        [&](QWidget* modal) {
            inspected = true;
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            ExpectNamedAsRead(box);
            QAccessibleInterface* top = QAccessible::queryAccessibleInterface(box);
            EXPECT_EQ(top->text(QAccessible::Name), "ERROR !!!");
            bool textHeard = false;
            WalkAccessible(box, [&](const testing::AccessibleNode& node) {
                textHeard = textHeard || node.iface->text(QAccessible::Name) ==
                                             "Net profit must be real number !!!";
            });
            EXPECT_TRUE(textHeard);
            ASSERT_EQ(box->buttons().size(), 1);
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible()) box->close();  // keeps a failing check from hanging
        },
        &owner);
    ui::ShowMessage(&owner, QStringLiteral("ERROR !!!"),
                    QStringLiteral("Net profit must be real number !!!"));
    EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace orvanta
