// In-process costs of the windows users wait for: opening, painting and
// closing every form against an empty QDialog, and the 1200-period payment plan
// built, shown and fully laid out, in the report window and in a bare
// QPlainTextEdit of the report's text area. Under an X server (the figures that
// count):  DISPLAY=:50 QT_QPA_PLATFORM=xcb build/release/bench/forms_bench
// Offscreen when QT_QPA_PLATFORM is unset and there is no DISPLAY.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "investment/mortgage_plan.h"
#include "shell/orvanta_app.h"
#include "shell/register_windows.h"
#include "ui/first_frame.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

namespace {

// Waits for the first frame of one window (see ui/first_frame.h).
class ExposeWatch : public QObject {
public:
    explicit ExposeWatch(QWidget& window) : window_(window) {
        QApplication::instance()->installEventFilter(this);
    }
    ~ExposeWatch() override { QApplication::instance()->removeEventFilter(this); }

    bool WaitExposed() {
        QElapsedTimer waited;
        waited.start();
        while (!exposed_ && waited.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return exposed_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Counted as shown once this pass of the loop is over.
        const QWindow* window = orvanta::ui::ExposedWindow(watched, event);
        if (window && window == window_.windowHandle()) exposed_ = true;
        return false;
    }

private:
    QWidget& window_;
    bool exposed_ = false;
};

void Fail(const char* what) {
    std::fprintf(stderr, "forms_bench: %s\n", what);
    std::exit(1);
}

// Shown: exposed and painted.
void Show(QWidget& window) {
    ExposeWatch watch(window);
    window.show();
    if (!watch.WaitExposed()) Fail("a window was never exposed");
    QApplication::processEvents();
}

// What the user waits for between pressing "OK" and seeing the window:
// construction, layout, the first paint, and the teardown after "Cancel".
void ShowAndClose(QWidget& window) {
    Show(window);
    window.close();
}

// The whole plan laid out, as a scroll to its end would need it.
void LayOutFully(QPlainTextEdit& view) {
    benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
    if (view.document()->blockCount() < 1200) Fail("the plan lost lines");
}

void EmptyDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        ShowAndClose(dialog);
    }
}

// An empty QDialog as large as the given form: the share of the window's area
// alone (the X server clearing, mapping and taking the frame), apart from what
// the form's widgets cost. The size is measured once per process, outside the
// timed loop, so that a warm iteration holds no form at all.
void EmptyDialogSizedAs(benchmark::State& state, const std::string& className) {
    static std::map<std::string, QSize> sizes;
    auto found = sizes.find(className);
    if (found == sizes.end()) {
        std::unique_ptr<QDialog> form = orvanta::ui::CreateWindow(className, nullptr);
        found = sizes.emplace(className, form->sizeHint()).first;
    }
    for (auto _ : state) {
        QDialog dialog;
        dialog.setFixedSize(found->second);
        ShowAndClose(dialog);
    }
}

void OpenForm(benchmark::State& state, const std::string& className) {
    for (auto _ : state) {
        std::unique_ptr<QDialog> form = orvanta::ui::CreateWindow(className, nullptr);
        ShowAndClose(*form);
    }
}

constexpr orvanta::MortgagePlanInputs kLongestPlan{100000, 0.5, orvanta::kMaxPlanPeriods};

void BuildPlanText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::BuildPaymentPlanText(kLongestPlan));
}

// The plan text alone in a read-only plain text view the size of the report's
// text area (570 x 600), unwrapped like the shared ruler's: the floor for the
// report window.
void PlanInTextView(benchmark::State& state) {
    for (auto _ : state) {
        QPlainTextEdit view;
        view.setReadOnly(true);
        // One screen line per row, as in the report window: wrapped at the
        // default tab stops a row takes two lines and the view shows half
        // the text.
        view.setLineWrapMode(QPlainTextEdit::NoWrap);
        view.resize(570, 600);
        view.setPlainText(orvanta::ui::ToQString(orvanta::BuildPaymentPlanText(kLongestPlan)));
        Show(view);
        LayOutFully(view);
        view.close();
    }
}

// The real report window, opened the way the plan form opens it.
void PlanInReportWindow(benchmark::State& state) {
    orvanta::CurrentPlanInputs() = kLongestPlan;
    for (auto _ : state) {
        std::unique_ptr<QDialog> report =
            orvanta::ui::CreateWindow(orvanta::kPaymentPlanReport, nullptr);
        Show(*report);
        auto* text = report->findChild<QPlainTextEdit*>();
        if (!text) Fail("the report window has no text area");
        LayOutFully(*text);
        report->close();
    }
    orvanta::CurrentPlanInputs() = {};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    orvanta::COrvantaApp app(argc, argv);

    benchmark::RegisterBenchmark("EmptyQDialog", EmptyDialog)->Unit(benchmark::kMicrosecond);
    for (const char* densest :
         {"KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7", "NORIMAS_GAUTI_PELNAS_5_9"}) {
        if (!orvanta::ui::IsWindowRegistered(densest)) continue;
        benchmark::RegisterBenchmark((std::string("EmptyQDialogSizedAs/") + densest).c_str(),
                                     EmptyDialogSizedAs, std::string(densest))
            ->Unit(benchmark::kMicrosecond);
    }
    for (const orvanta::FormDescription* form : orvanta::AllFormDescriptions()) {
        const std::string name(form->className);
        benchmark::RegisterBenchmark(("OpenForm/" + name).c_str(), OpenForm, name)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("PaymentPlan1200/BuildText", BuildPlanText)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PaymentPlan1200/QPlainTextEdit", PlanInTextView)
        ->Unit(benchmark::kMillisecond);
    if (orvanta::ui::IsWindowRegistered(orvanta::kPaymentPlanReport)) {
        benchmark::RegisterBenchmark("PaymentPlan1200/ReportWindow", PlanInReportWindow)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
