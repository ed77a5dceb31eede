// Memory over a long session: every round opens every window of the catalogue
// through the real main window (the mortgage tools through their chooser),
// types valid figures into every section, presses each "OK" (the payment plan
// opens its 1200-period report), and closes everything again. Prints the
// resident set and the heap in use after each round, then the change from
// the first round to the last and the least-squares slope over the rounds.
//
//   build/release/bench/memory_bench [ROUNDS]      (200 by default; offscreen
//   unless QT_QPA_PLATFORM says otherwise, e.g. xcb with DISPLAY=:50)
#include <malloc.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "forms/form_description.h"
#include "shell/catalogue_page.h"
#include "shell/main_tab.h"
#include "shell/orvanta_app.h"
#include "shell/tab_ctrl.h"
#include "ui/calculator_dialog.h"
#include "ui/window_registry.h"

namespace {

using orvanta::ui::CalculatorDialog;

struct Tally {
    int forms = 0;
    int presses = 0;
    int reports = 0;
    int unexpected = 0;  // message boxes or windows valid figures should not open
};

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

long HeapInUseKiB() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// Runs `press`; the modal window it opens, if any, goes to `handle`, which
// must close it. A zero timer fires inside the window's own modal loop.
bool PressAndHandle(QWidget* current, const std::function<void()>& press,
                    const std::function<void(QWidget*)>& handle) {
    bool opened = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != current) {
            opened = true;
            handle(modal);
        }
    });
    timer.start(0);
    press();
    return opened;
}

// A valid figure of the field's kind, within its bound: the payment plan's
// number of periods thus becomes its largest, 1200.
QString ValidFigure(const orvanta::InputField& input) {
    if (input.kind == orvanta::ValidationKind::NaturalNumber) {
        return input.bound ? QString::number(static_cast<long long>(input.bound->maximum))
                           : QStringLiteral("12");
    }
    return QStringLiteral("12.5");
}

void Exercise(QWidget* window, Tally& tally);

void ExerciseChooser(CalculatorDialog* chooser, Tally& tally) {
    const orvanta::FormDescription& d = chooser->Description();
    for (std::size_t c = 0; c < d.choices.size(); ++c) {
        chooser->ChoiceButton(c)->click();
        if (!PressAndHandle(
                chooser, [&] { chooser->OkButton(0)->click(); },
                [&](QWidget* tool) { Exercise(tool, tally); })) {
            ++tally.unexpected;
        }
    }
}

void ExerciseSections(CalculatorDialog* form, Tally& tally) {
    const orvanta::FormDescription& d = form->Description();
    for (std::size_t s = 0; s < d.sections.size(); ++s) {
        const orvanta::Section& section = d.sections[s];
        for (std::size_t f = 0; f < section.inputs.size(); ++f) {
            QLineEdit* field = form->InputField(s, f);
            field->clear();
            QTest::keyClicks(field, ValidFigure(section.inputs[f]));
        }
        ++tally.presses;
        const bool opens = !section.opens.empty();
        PressAndHandle(
            form, [&] { form->OkButton(s)->click(); },
            [&](QWidget* modal) {
                if (opens && modal->objectName().toStdString() == section.opens) {
                    ++tally.reports;
                    QApplication::processEvents();  // laid out and painted
                } else {
                    ++tally.unexpected;
                }
                modal->close();
            });
    }
}

void Exercise(QWidget* window, Tally& tally) {
    ++tally.forms;
    QApplication::processEvents();
    if (auto* form = qobject_cast<CalculatorDialog*>(window)) {
        if (form->Description().IsChooser()) {
            ExerciseChooser(form, tally);
        } else {
            ExerciseSections(form, tally);
        }
    } else {
        ++tally.unexpected;
    }
    window->close();
}

void Round(orvanta::MAIN_TAB& window, Tally& tally) {
    orvanta::TAB_Ctrl* tabs = window.TabControl();
    for (int p = 0; p < tabs->PageCount; ++p) {
        tabs->ShowPage(p);
        orvanta::CataloguePage* page = tabs->CurrentPage();
        for (std::size_t e = 0; e < page->EntryCount(); ++e) {
            page->Entry(e)->click();
            if (!PressAndHandle(
                    &window, [&] { window.OkButton()->click(); },
                    [&](QWidget* form) { Exercise(form, tally); })) {
                ++tally.unexpected;
            }
        }
    }
    tabs->ShowPage(0);
    // Windows closed in this round are deleted from the event loop.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    orvanta::COrvantaApp app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    orvanta::MAIN_TAB window;
    window.show();
    QApplication::processEvents();

    std::vector<double> rss;
    std::printf("round\trss_kib\theap_kib\tforms\tpresses\treports\tunexpected\n");
    for (int r = 1; r <= rounds; ++r) {
        Tally tally;
        Round(window, tally);
        rss.push_back(static_cast<double>(ResidentKiB()));
        std::printf("%d\t%ld\t%ld\t%d\t%d\t%d\t%d\n", r, ResidentKiB(), HeapInUseKiB(), tally.forms,
                    tally.presses, tally.reports, tally.unexpected);
        std::fflush(stdout);
    }

    // Least squares over (round, RSS): the growth per round that a leak shows.
    const auto slope = [&](std::size_t from) {
        const double n = static_cast<double>(rss.size() - from);
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (std::size_t i = from; i < rss.size(); ++i) {
            const double x = static_cast<double>(i + 1);
            sx += x;
            sy += rss[i];
            sxx += x * x;
            sxy += x * rss[i];
        }
        const double d = n * sxx - sx * sx;
        return d > 0 ? (n * sxy - sx * sy) / d : 0.0;
    };
    const double growth = rss.back() - rss.front();
    std::printf("# first %.0f KiB, last %.0f KiB, last - first %+.0f KiB (target <= 2048)\n",
                rss.front(), rss.back(), growth);
    std::printf("# slope %+.2f KiB/round over all rounds, %+.2f KiB/round over the second half\n",
                slope(0), slope(rss.size() / 2));
    window.close();
    return 0;
}
