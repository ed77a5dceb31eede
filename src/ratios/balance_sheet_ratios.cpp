#include "ratios/balance_sheet_ratios.h"

namespace orvanta {

using enum ValidationKind;

const FormDescription ROA_3_2{
    .className = "ROA_3_2",
    .title = "2. ROA (Return on Assets)",
    .sections = {{
        .inputs = {{"Net profit", SignedDecimal, "Net profit must be real number !!!"},
                   {"Total assets", SignedDecimal, "Total assets must be real number !!!"}},
        .resultLabels = {"ROA (Return on Assets) %"},
        .format = ResultFormat::TwoDecimals,
        .compute = [](std::span<const double> x) -> Results {
            if (x[1] == 0) return NoValue;
            return {{x[0] / x[1] * 100}};
        },
    }},
};

}  // namespace orvanta
