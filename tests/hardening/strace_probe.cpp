// A short scripted session for the system-call check: the real application
// object and main window, every catalogue window opened by its class name,
// every section pressed once with good and once with bad texts (so real
// message boxes come up), the payment plan report opened. Whatever window
// comes up modally is closed at once. It writes nothing and talks to no one;
// check_strace.sh makes sure of that.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "shell/main_tab.h"
#include "shell/orvanta_app.h"
#include "ui/calculator_dialog.h"
#include "ui/window_registry.h"

namespace {

int Drive(orvanta::ui::CalculatorDialog& form) {
    int presses = 0;
    const orvanta::FormDescription& d = form.Description();
    for (std::size_t c = 0; c < d.choices.size(); ++c) {
        form.ChoiceButton(c)->click();
        form.OkButton(0)->click();
        ++presses;
    }
    for (const char* text : {"12", "x"}) {
        for (std::size_t s = 0; s < d.sections.size(); ++s) {
            for (std::size_t f = 0; f < d.sections[s].inputs.size(); ++f) {
                form.InputField(s, f)->setText(QString::fromLatin1(text));
            }
            form.OkButton(s)->click();
            ++presses;
        }
    }
    return presses;
}

}  // namespace

int main(int argc, char** argv) {
    orvanta::COrvantaApp app(argc, argv);

    QTimer closer;
    closer.setInterval(2);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start();

    orvanta::MAIN_TAB window;
    window.show();
    QApplication::processEvents();
    int windows = 0;
    int presses = 0;
    for (const orvanta::CataloguePageInfo& page : orvanta::Catalogue()) {
        for (const orvanta::CatalogueEntry& entry : page.entries) {
            std::unique_ptr<QDialog> opened = orvanta::ui::CreateWindow(entry.opens, &window);
            if (!opened) continue;
            opened->show();
            QApplication::processEvents();
            if (auto* form = qobject_cast<orvanta::ui::CalculatorDialog*>(opened.get())) {
                presses += Drive(*form);
            }
            opened->close();
            ++windows;
        }
    }
    for (const char* name :
         {"PASKOLOS_6_7", "PASKOLOS_GRAF_6_7", "PASKOLOS_DALINAI_APMOKETOS_6_7"}) {
        std::unique_ptr<QDialog> opened = orvanta::ui::CreateWindow(name, &window);
        if (!opened) continue;
        opened->show();
        if (auto* form = qobject_cast<orvanta::ui::CalculatorDialog*>(opened.get())) {
            presses += Drive(*form);
        }
        opened->close();
        ++windows;
    }
    window.close();
    QApplication::processEvents();
    std::printf("strace probe: %d windows, %d presses\n", windows, presses);
    return windows >= 44 ? 0 : 1;
}
