// plan_text AMOUNT RATE PERIODS: writes the payment plan's text exactly as
// the report window holds and copies it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "investment/mortgage_plan.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: plan_text AMOUNT RATE PERIODS\n", stderr);
        return 2;
    }
    const std::string text =
        orvanta::BuildPaymentPlanText({std::strtod(argv[1], nullptr), std::strtod(argv[2], nullptr),
                                       std::strtod(argv[3], nullptr)});
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
