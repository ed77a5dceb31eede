// In-process costs of the windows users wait for: opening and closing every
// form against an empty QDialog, and the 1200-period payment plan built and
// shown. Run offscreen:  QT_QPA_PLATFORM=offscreen build/bench/bench/forms_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <memory>
#include <string>

#include "investment/mortgage_plan.h"
#include "shell/calculators.h"
#include "shell/orvanta_app.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

namespace {

// What the user waits for between pressing "OK" and seeing the window:
// construction, layout, the first paint, and the teardown after "Cancel".
void ShowAndClose(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.close();
}

void EmptyDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
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

// The plan text in a plain text view, as a lower bound for the report window.
void PlanInTextView(benchmark::State& state) {
    for (auto _ : state) {
        QPlainTextEdit view;
        view.setReadOnly(true);
        view.resize(640, 480);
        view.setPlainText(orvanta::ui::ToQString(orvanta::BuildPaymentPlanText(kLongestPlan)));
        ShowAndClose(view);
    }
}

// The real report window, opened the way the plan form opens it.
void PlanInReportWindow(benchmark::State& state) {
    orvanta::CurrentPlanInputs() = kLongestPlan;
    for (auto _ : state) {
        std::unique_ptr<QDialog> report =
            orvanta::ui::CreateWindow(orvanta::kPaymentPlanReport, nullptr);
        ShowAndClose(*report);
    }
    orvanta::CurrentPlanInputs() = {};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    orvanta::COrvantaApp app(argc, argv);

    benchmark::RegisterBenchmark("EmptyQDialog", EmptyDialog)->Unit(benchmark::kMicrosecond);
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
