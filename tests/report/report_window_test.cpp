// The payment plan report window: opened from the plan form, its text, menus,
// Copy, Print (through a recorded printer) and the keys that close it.
#include "ui/report_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "forms/report_pages.h"
#include "investment/mortgage_plan.h"
#include "support/modal.h"
#include "ui/calculator_dialog.h"
#include "ui/qt_text.h"
#include "ui/report_layout.h"
#include "ui/report_ports.h"
#include "ui/report_printer.h"
#include "ui/window_registry.h"

namespace orvanta {
namespace {

using testing::OnNextModal;
using testing::OpenAndClose;
using testing::RecordedMessages;

// Records each page handed to it; the pages numbered in `failing` (from 0)
// report that no printer could be obtained.
class RecordingPrinter : public ReportPrinter {
public:
    bool PrintPage(std::string_view pageText) override {
        const bool ok = !failing.count(pages.size());
        pages.emplace_back(pageText);
        return ok;
    }
    std::set<std::size_t> failing;
    std::vector<std::string> pages;
};

class UnavailableClipboard : public ReportClipboard {
public:
    bool SetText(std::string_view) override {
        ++calls;
        return false;
    }
    int calls = 0;
};

// Puts test ports in place for one test and the real ones back after it.
class ScopedPorts {
public:
    explicit ScopedPorts(ui::ReportPorts ports) : previous_(ui::SetReportPorts(ports)) {}
    ~ScopedPorts() { ui::SetReportPorts(previous_); }

private:
    ui::ReportPorts previous_;
};

std::string PlanText(double amount, double rate, double periods) {
    return BuildPaymentPlanText({amount, rate, periods});
}

std::unique_ptr<ui::ReportWindow> ShownReport(const std::string& text) {
    auto window = std::make_unique<ui::ReportWindow>(kPaymentPlanReport, text);
    window->show();
    QApplication::processEvents();
    return window;
}

QStringList MenuTexts(const ui::ReportWindow& window) {
    QStringList texts;
    for (QAction* menu : window.MenuBar()->actions()) {
        texts << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            texts << QStringLiteral("  ") + item->text();
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
        }
    }
    return texts;
}

TEST(ReportWindow, OpensFromThePlanFormWithTheTextOfThatPress) {
    std::unique_ptr<QDialog> form = ui::CreateWindow("PASKOLOS_GRAF_6_7", nullptr);
    ASSERT_TRUE(form);
    auto* plan = static_cast<ui::CalculatorDialog*>(form.get());
    plan->show();
    const char* const inputs[] = {"1000", "1", "12"};
    for (std::size_t f = 0; f < 3; ++f) plan->InputField(0, f)->setText(inputs[f]);

    const std::string expected = PlanText(1000, 1, 12);
    bool inspected = false;
    const auto opened = OpenAndClose(
        plan, [&] { plan->OkButton()->click(); },
        [&](QWidget* w) {
            auto* report = qobject_cast<ui::ReportWindow*>(w);
            ASSERT_TRUE(report);
            inspected = true;
            EXPECT_EQ(report->parentWidget(), plan);
            EXPECT_EQ(QApplication::activeModalWidget(), report);  // the form waits under it
            EXPECT_EQ(report->Text(), expected);
            QString shown = ui::ToQString(expected);
            shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            EXPECT_EQ(report->TextArea()->toPlainText(), shown);
            EXPECT_TRUE(report->TextArea()->toPlainText().contains(
                QStringLiteral("1 month: 88.85\t\t10.00\t\t78.85\t\t921.15")));
        });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(opened[0].objectName, QStringLiteral("ATASKAITA_PASKOLOS"));
    EXPECT_EQ(opened[0].title, QStringLiteral("REPORT"));
    EXPECT_TRUE(plan->isVisible());  // closing the report returns to the form

    // Nothing is kept: the next press shows its own inputs.
    plan->InputField(0, 2)->setText("3");
    std::string second;
    OpenAndClose(
        plan, [&] { plan->OkButton()->click(); },
        [&](QWidget* w) { second = static_cast<ui::ReportWindow*>(w)->Text(); });
    EXPECT_EQ(second, PlanText(1000, 1, 3));
}

TEST(ReportWindow, LayoutMenusAndTextArea) {
    const auto window = ShownReport(PlanText(1000, 1, 12));
    EXPECT_EQ(window->objectName(), QStringLiteral("ATASKAITA_PASKOLOS"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("REPORT"));
    EXPECT_TRUE(window->isSizeGripEnabled());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->findChildren<QPushButton*>().isEmpty());  // no buttons at all

    const auto* heading = window->findChild<QLabel*>(QStringLiteral("heading"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->text(), QStringLiteral("REPORT"));

    const QStringList expectedMenus = {
        QStringLiteral("&File"), QStringLiteral("  &Print...\tCtrl+P"),
        QStringLiteral("&Edit"), QStringLiteral("  &Copy\tCtrl+C"),
        QStringLiteral("&Help"), QStringLiteral("  &About Orvanta...")};
    EXPECT_EQ(MenuTexts(*window), expectedMenus);

    QPlainTextEdit* text = window->TextArea();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->geometry(), QRect(20, 30, 570, 600));
    EXPECT_NE(text->font().family(), QStringLiteral("Arial"));  // its own font, not the window's
    // Every line of the plan, tab-joined rows included, fits the area's width.
    EXPECT_EQ(text->document()->lineCount(), text->document()->blockCount());
    EXPECT_TRUE(window->rect().contains(text->mapTo(window.get(), text->rect().bottomRight())));

    // Resizing the window leaves the text area where it is.
    window->resize(window->width() + 200, window->height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(text->geometry(), QRect(20, 30, 570, 600));
}

TEST(ReportWindow, CopyPutsTheWholeTextWithItsLineEndsOnTheClipboard) {
    // Bullets, the copyright sign, tabs and a last line without a line end.
    const std::string texts[] = {PlanText(1000, 1, 12), PlanText(1000, 1, 0),
                                 "\xE2\x80\xA2 a\tb\r\n\r\nlast \xC2\xA9"};
    for (const std::string& report : texts) {
        SCOPED_TRACE(report);
        QGuiApplication::clipboard()->setText(QStringLiteral("what was there"));
        const auto window = ShownReport(report);
        window->TextArea()->selectAll();
        QTextCursor cursor = window->TextArea()->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(9, QTextCursor::KeepAnchor);  // a selection does not narrow Copy
        window->TextArea()->setTextCursor(cursor);

        RecordedMessages messages;
        window->CopyAction()->trigger();
        const QString expected = ui::ToQString(report);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_TRUE(data);
        EXPECT_TRUE(data->hasText());
        EXPECT_EQ(data->text(), expected);
        EXPECT_EQ(QString::fromUtf8(data->data(QStringLiteral("text/plain"))), expected);
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(window->Text(), report);
    }
}

TEST(ReportWindow, ClipboardThatCannotBeWrittenChangesNothingAndSaysNothing) {
    UnavailableClipboard clipboard;
    ScopedPorts ports({nullptr, &clipboard});
    QGuiApplication::clipboard()->setText(QStringLiteral("what was there"));
    const auto window = ShownReport(PlanText(1000, 1, 12));
    RecordedMessages messages;
    window->CopyAction()->trigger();
    EXPECT_EQ(clipboard.calls, 1);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("what was there"));
    EXPECT_TRUE(window->isVisible());
}

TEST(ReportWindow, PrintHandsEveryPageToThePrinterInOrderAndReportsEachFailure) {
    struct Case {
        double periods;
        std::set<std::size_t> failing;
        std::size_t pages;
    };
    // n periods give n + 5 line feeds, a page every 64.
    const Case cases[] = {
        {12, {}, 1}, {58, {}, 1}, {59, {}, 2}, {200, {}, 4}, {200, {1}, 4}, {200, {0, 1, 2, 3}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.periods);
        RecordingPrinter printer;
        printer.failing = c.failing;
        ScopedPorts ports({&printer, nullptr});
        const std::string report = PlanText(1000, 1, c.periods);
        const auto window = ShownReport(report);
        RecordedMessages messages;
        window->PrintAction()->trigger();

        EXPECT_EQ(printer.pages, SplitReportPages(report));
        EXPECT_EQ(printer.pages.size(), c.pages);
        std::string joined;
        for (const std::string& page : printer.pages) joined += page;
        EXPECT_EQ(joined, report);
        ASSERT_EQ(messages.messages.size(), c.failing.size());
        for (const ui::MessageRequest& m : messages.messages) {
            EXPECT_EQ(m.text, QStringLiteral("PRINTER ERROR !!!"));
            EXPECT_EQ(m.caption, QStringLiteral("ERROR !!!"));
            EXPECT_EQ(m.icon, QMessageBox::Critical);
            EXPECT_EQ(m.owner, nullptr);
        }
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Text(), report);
    }
}

TEST(ReportWindow, WithoutAnyPrinterEveryPageSaysSoAndNothingIsPrinted) {
    // A print server that does not exist: no default printer can be found.
    qputenv("CUPS_SERVER", "/nonexistent/orvanta-test/cups.sock");
    const std::string report = PlanText(1000, 1, 200);
    const auto window = ShownReport(report);
    RecordedMessages messages;
    window->PrintAction()->trigger();
    EXPECT_EQ(messages.messages.size(), SplitReportPages(report).size());
    for (const ui::MessageRequest& m : messages.messages) {
        EXPECT_EQ(m.text, QStringLiteral("PRINTER ERROR !!!"));
    }
    EXPECT_FALSE(ui::QtReportPrinter().PrintPage("one line"));
}

TEST(ReportWindow, AboutOpensOverTheReportAndReturnsToItUnchanged) {
    const std::string report = PlanText(1000, 1, 12);
    const auto window = ShownReport(report);
    const QString shownBefore = window->TextArea()->toPlainText();
    const auto opened = OpenAndClose(
        window.get(), [&] { window->AboutAction()->trigger(); },
        [&](QWidget* about) {
            EXPECT_EQ(about->parentWidget(), window.get());
            EXPECT_TRUE(window->isVisible());
        });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].objectName, QStringLiteral("CAboutDlg"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Text(), report);
    EXPECT_EQ(window->TextArea()->toPlainText(), shownBefore);
}

TEST(ReportWindow, EscapeAndEnterCloseButShortcutLabelsAreNotKeys) {
    // Enter on the keypad comes with the keypad modifier.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Escape, Qt::NoModifier},
                                                              {Qt::Key_Return, Qt::NoModifier},
                                                              {Qt::Key_Enter, Qt::NoModifier},
                                                              {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        SCOPED_TRACE(modifiers.toInt());
        const auto window = ShownReport(PlanText(1000, 1, 12));
        window->activateWindow();
        window->TextArea()->setFocus();
        QTest::keyClick(window->TextArea(), key, modifiers);
        EXPECT_FALSE(window->isVisible());
    }

    RecordingPrinter printer;
    ScopedPorts ports({&printer, nullptr});
    QGuiApplication::clipboard()->setText(QStringLiteral("what was there"));
    const auto window = ShownReport(PlanText(1000, 1, 12));
    QTest::keyClick(window->TextArea(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(window->TextArea(), Qt::Key_Down);
    QTest::keyClick(window->TextArea(), Qt::Key_A);
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST(ReportWindow, PrintedLinesAdvanceToTabStopsAndKeepEveryNumber) {
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetricsF metrics(font);
    const qreal tab = 8 * metrics.averageCharWidth();
    const QPointF corner(100, 100);
    // A page after the first starts with the line feed of the line before it.
    const QString page = QStringLiteral("\n1 month: 88.85\t\t10.00\r\n\tx\r\nA\tB");
    const std::vector<ui::PlacedRun> runs = ui::LayOutReportPage(page, metrics, corner);

    ASSERT_EQ(runs.size(), 5u);
    const qreal first = corner.y() + metrics.ascent();
    const qreal line = metrics.lineSpacing();
    const qreal afterMonth = metrics.horizontalAdvance(QStringLiteral("1 month: 88.85"));
    const qreal stop = (std::floor(afterMonth / tab) + 2) * tab;  // two tabs on
    const struct {
        QString text;
        QPointF at;
    } expected[] = {
        {QStringLiteral("1 month: 88.85"), {corner.x(), first + line}},
        {QStringLiteral("10.00"), {corner.x() + stop, first + line}},
        {QStringLiteral("x"), {corner.x() + tab, first + 2 * line}},
        {QStringLiteral("A"), {corner.x(), first + 3 * line}},
        {QStringLiteral("B"), {corner.x() + tab, first + 3 * line}},
    };
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runs[i].text, expected[i].text);
        EXPECT_DOUBLE_EQ(runs[i].baseline.x(), expected[i].at.x());
        EXPECT_DOUBLE_EQ(runs[i].baseline.y(), expected[i].at.y());
        EXPECT_FALSE(runs[i].text.contains(QLatin1Char('\r')));
    }
}

// Where each tab-joined field of a line ends, in the line's own coordinates:
// its start and end x, field by field (empty fields left out).
std::vector<std::pair<qreal, qreal>> FieldSpans(const QTextBlock& block) {
    std::vector<std::pair<qreal, qreal>> spans;
    const QTextLine line = block.layout()->lineAt(0);
    const QString text = block.text();
    int start = 0;
    for (const QString& field : text.split(QLatin1Char('\t'))) {
        if (!field.isEmpty()) {
            spans.emplace_back(line.cursorToX(start), line.cursorToX(start + field.size()));
        }
        start += field.size() + 1;
    }
    return spans;
}

// On the screen and on paper every row's figures stand in one column each,
// right-aligned so the decimals line up, for plans up to 1200 periods and
// amounts up to 99 999 999.99; where widths allow, a column's widest figure
// starts under the bullet of its name. The text itself never changes.
TEST(ReportWindow, ColumnsLineUpOnScreenAndOnPaper) {
    const struct {
        double amount, rate, periods;
    } plans[] = {{100000, 1, 120}, {1000, 1, 12}, {99999999.99, 1.5, 1200}, {5, 0, 3}};
    for (const auto& plan : plans) {
        SCOPED_TRACE(plan.periods);
        const std::string text = PlanText(plan.amount, plan.rate, plan.periods);
        const auto window = ShownReport(text);
        EXPECT_EQ(window->Text(), text);
        QTextDocument* document = window->TextArea()->document();
        auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
        ASSERT_NE(layout, nullptr);
        std::vector<qreal> rights, bullets, lefts(3, 1e9);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            layout->ensureBlockLayout(block);
            ASSERT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
            const QString line = block.text();
            if (bullets.empty() && line.count(QChar(0x2022)) == 5) {
                for (qsizetype at = line.indexOf(QChar(0x2022)); at >= 0;
                     at = line.indexOf(QChar(0x2022), at + 1)) {
                    bullets.push_back(block.layout()->lineAt(0).cursorToX(at));
                }
            }
            if (!line.contains(QLatin1Char('\t'))) continue;
            const auto spans = FieldSpans(block);
            ASSERT_EQ(spans.size(), 4u) << line.toStdString();
            if (rights.empty()) {
                for (std::size_t c = 1; c < 4; ++c) rights.push_back(spans[c].second);
            }
            for (std::size_t c = 1; c < 4; ++c) {
                EXPECT_NEAR(spans[c].second, rights[c - 1], 0.5) << line.toStdString();
                EXPECT_GT(spans[c].first, spans[c - 1].second) << line.toStdString();
                lefts[c - 1] = std::min(lefts[c - 1], spans[c].first);
            }
        }
        ASSERT_EQ(bullets.size(), 5u);
        if (plan.periods == 120) {
            for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(lefts[c], bullets[c + 2], 1) << c;
        }

        // Every printed page with the stops of the whole report.
        const QFontMetricsF metrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
        const ui::ReportColumns columns = ui::FindReportColumns(ui::ToQString(text));
        std::vector<qreal> printedRights;
        for (const std::string& page : SplitReportPages(text)) {
            for (const ui::PlacedRun& run :
                 ui::LayOutReportPage(ui::ToQString(page), metrics, {100, 100}, columns)) {
                if (!run.text.contains(QLatin1Char('.')) || run.text.contains(QLatin1Char(':')) ||
                    run.text.contains(QLatin1Char(' '))) {
                    continue;  // not a figure after a tab
                }
                printedRights.push_back(run.baseline.x() + metrics.horizontalAdvance(run.text));
            }
        }
        std::set<long> distinct;
        for (const qreal right : printedRights) distinct.insert(std::lround(right * 8));
        EXPECT_EQ(distinct.size(), 3u);
    }
}

TEST(MortgageChooser, OpensThePlanFormAndThroughItTheReportAndKeepsItsChoice) {
    std::unique_ptr<QDialog> window = ui::CreateWindow("PASKOLOS_MAIN_6_7", nullptr);
    ASSERT_TRUE(window);
    auto* chooser = static_cast<ui::CalculatorDialog*>(window.get());
    chooser->show();
    // No choice: "OK" opens nothing.
    EXPECT_TRUE(OpenAndClose(chooser, [&] { chooser->OkButton()->click(); }).empty());

    chooser->ChoiceButton(1)->click();
    ASSERT_EQ(chooser->ChoiceButton(1)->text(), QStringLiteral("Payment plan formation"));
    std::vector<testing::Opened> reports;
    const auto opened = OpenAndClose(
        chooser, [&] { chooser->OkButton()->click(); },
        [&](QWidget* w) {
            auto* plan = static_cast<ui::CalculatorDialog*>(w);
            plan->InputField(0, 0)->setText("1000");
            plan->InputField(0, 1)->setText("1");
            plan->InputField(0, 2)->setText("12");
            reports = OpenAndClose(plan, [&] { plan->OkButton()->click(); });
        });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].objectName, QStringLiteral("PASKOLOS_GRAF_6_7"));
    EXPECT_EQ(opened[0].title, QStringLiteral("7. Mortgage calculator"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].objectName, QStringLiteral("ATASKAITA_PASKOLOS"));

    // The tool has closed; the chooser is back with its choice kept.
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(chooser->ChoiceButton(1)->isChecked());
    EXPECT_FALSE(chooser->ChoiceButton(0)->isChecked());
    EXPECT_FALSE(chooser->ChoiceButton(2)->isChecked());
}

}  // namespace
}  // namespace orvanta
