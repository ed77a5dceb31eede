#pragma once

// Every section's computation written out by hand as plain double arithmetic
// over x[0], x[1], ..., the inputs in reading order, the way the forms
// computed before their formulas became data. The formulas must reproduce
// these to the bit.

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvanta::testing {

using ReferenceResults = std::optional<std::vector<double>>;
using Reference = ReferenceResults (*)(std::span<const double> x);

struct ReferenceSection {
    std::string_view className;
    std::size_t section;
    Reference compute;
};

inline constexpr std::nullopt_t kNone = std::nullopt;

inline ReferenceResults Percent(std::span<const double> x) {
    if (x[1] == 0) return kNone;
    return {{x[0] / x[1] * 100}};
}

inline ReferenceResults Ratio(std::span<const double> x) {
    if (x[1] == 0) return kNone;
    return {{x[0] / x[1]}};
}

inline ReferenceResults LeastSquares(std::span<const double> x, bool slope) {
    double n = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (std::size_t k = 0; k < 12; ++k) {
        const double u = x[k];
        const double e = x[12 + k];
        if (u == 0 || e == 0) continue;
        n += 1;
        sx += u;
        sxx += u * u;
        sy += e;
        sxy += u * e;
    }
    const double d = n * sxx - sx * sx;
    if (d == 0) return kNone;
    if (slope) return {{(sxy * n - sy * sx) / d}};
    return {{(sy * sxx - sxy * sx) / d}};
}

inline ReferenceResults Payment(double amount, double rate, double periods) {
    if (rate / 100 + 1 == 1) {
        if (periods == 0) return {{std::numeric_limits<double>::quiet_NaN()}};
        return {{amount / periods}};
    }
    const double i = rate / 100;
    const double p = std::pow(i + 1, periods);
    return {{(i * p) / (p - 1) * amount}};
}

inline ReferenceResults Balance(double amount, double rate, double periods, double payments) {
    if (rate / 100 + 1 == 1) {
        if (periods == 0) return {{std::numeric_limits<double>::quiet_NaN()}};
        return {{(periods - payments) / periods * amount}};
    }
    const double g = rate / 100 + 1;
    const double pn = std::pow(g, periods);
    const double pk = std::pow(g, payments);
    return {{(pn - pk) / (pn - 1) * amount}};
}

inline double AfterTax(double taxes) { return 1 - taxes / 100; }

inline const std::vector<ReferenceSection>& ReferenceSections() {
    using X = std::span<const double>;
    static const std::vector<ReferenceSection> sections = {
        {"ALTMAN_Z_3", 0,
         [](X x) -> ReferenceResults {
             const double ta = x[5] + x[4];
             if (ta == 0) return kNone;
             if (x[5] == 0) return kNone;
             const double x1 = (x[0] - x[1]) / ta, x2 = x[2] / ta, x3 = x[3] / ta, x4 = x[4] / x[5],
                          x5 = x[6] / ta;
             return {{6.56 * x1 + 3.26 * x2 + 6.72 * x3 + 1.05 * x4,
                      0.717 * x1 + 0.847 * x2 + 3.107 * x3 + 0.42 * x4 + 0.995 * x5,
                      1.2 * x1 + 1.4 * x2 + 3.3 * x3 + 0.6 * x4 + 0.995 * x5}};
         }},
        {"ROA_3_2", 0, Percent},
        {"BSR_3_3", 0, Percent},
        {"ABSOLIUTAUS_MOKUMO_KOEF_3_4", 0, Ratio},
        {"BTMK_3_5", 0, Ratio},
        {"ILGALAIKIU_SKOLU_KEOF_3_6", 0, Percent},
        {"APYVARTINIO_KAPITALO_KOEF_3_7", 0,
         [](X x) -> ReferenceResults {
             if (x[2] == 0) return kNone;
             return {{(x[0] - x[1]) / x[2]}};
         }},
        {"APYVARTINIO_KAPITALO_APYV_3_8", 0,
         [](X x) -> ReferenceResults {
             const double w = x[0] - x[1];
             if (w == 0) return kNone;
             return {{x[2] / w}};
         }},
        {"DARBUOTOJU_TEKAMUMAS", 0,
         [](X x) -> ReferenceResults {
             if (x[2] == 0) return kNone;
             return {{(x[0] + x[1]) / x[2]}};
         }},
        {"DU_ADMINISTRACIJOS_DARBUOTOJAI", 0,
         [](X x) -> ReferenceResults {
             const double all = x[0] + x[1];
             if (all == 0) return kNone;
             return {{x[0] / all}};
         }},
        {"GRYN_PARD_PELNINGUMAS_4_1", 0, Percent},
        {"GRYNOJO_VEIKL_RENTAB_ROD_4_2", 0, Percent},
        {"NUOSAVO_KAPITALO_PELNINGUMAS_4_3", 0, Percent},
        {"GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4", 0, Percent},
        {"GRYN_PIN_SR_GRAZA_IS_TT_4_5", 0, Percent},
        {"GRYN_PINIGU_SR_IR_PELNAS_4_6", 0, Percent},
        {"PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7", 0, Percent},
        {"VISU_ISIP_APM_PINIG_KOEF_4_8", 0, Percent},
        {"LUZIO_TASKAS_5_1", 0,
         [](X x) -> ReferenceResults {
             if (x[1] == 0) return kNone;
             return {{x[2] / x[1] + x[0]}};
         }},
        {"LUZIO_TASKAS_5_1", 1,
         [](X x) -> ReferenceResults {
             const double m = x[0] - x[1];
             if (m == 0) return kNone;
             return {{x[2] / m * x[0]}};
         }},
        {"LUZIO_TASKAS_VIENETAIS_5_2", 0,
         [](X x) -> ReferenceResults {
             const double m = x[2] - x[0];
             if (m == 0) return kNone;
             return {{x[1] / m}};
         }},
        {"LUZIO_TASKAS_VIENETAIS_5_2", 1,
         [](X x) -> ReferenceResults {
             if (x[3] == 0) return kNone;
             if (x[0] - x[1] == 0) return kNone;
             const double u = (x[0] - x[1]) / x[3];
             return {{x[2] / u}};
         }},
        {"RIBINIS_PELNAS_5_3", 0, [](X x) -> ReferenceResults { return {{x[0] - x[1]}}; }},
        {"MASTO_EKONOMIJA_5_4", 0,
         [](X x) -> ReferenceResults {
             if (x[1] - x[3] == 0) return kNone;
             return {{((x[0] / x[1]) / (x[2] / x[3]) - 1) * 100}};
         }},
        {"OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5", 0,
         [](X x) -> ReferenceResults {
             if (x[4] == 0) return kNone;
             return {{(1 - x[0] / 100) * (x[1] - x[2]) * (x[3] / x[4])}};
         }},
        {"KAPITALO_KAINA_5_20", 0,
         [](X x) -> ReferenceResults {
             const double t = x[1] + x[3] + x[5] + x[7];
             if (t == 0) return kNone;
             return {
                 {(x[1] / t) * x[0] + (x[3] / t) * x[2] + (x[5] / t) * x[4] + (x[7] / t) * x[6]}};
         }},
        {"KAPITALO_KAINA_5_20", 1, [](X x) -> ReferenceResults { return {{x[1] / 100 * x[0]}}; }},
        {"KINTAMOS_ISLAIDOS_MIN_MAX_5_6", 0,
         [](X x) -> ReferenceResults {
             const double d = x[3] - x[1];
             if (d == 0) return kNone;
             return {{(x[2] - x[0]) / d}};
         }},
        {"KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7", 0,
         [](X x) -> ReferenceResults { return LeastSquares(x, true); }},
        {"PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8", 0,
         [](X x) -> ReferenceResults { return LeastSquares(x, false); }},
        {"NORIMAS_GAUTI_PELNAS_5_9", 0,
         [](X x) -> ReferenceResults {
             if (x[3] == 0) return kNone;
             return {{(x[1] * x[3] + x[0] + x[2]) / x[3]}};
         }},
        {"NORIMAS_GAUTI_PELNAS_5_9", 1,
         [](X x) -> ReferenceResults {
             const double m = x[1] - x[2];
             if (m == 0) return kNone;
             return {{(x[3] + x[0]) / m}};
         }},
        {"NORIMAS_GAUTI_PELNAS_5_9", 2,
         [](X x) -> ReferenceResults {
             if (x[1] == 0) return kNone;
             return {{(x[0] / x[1] - 1) * 100}};
         }},
        {"NORIMAS_GAUTI_PELNAS_5_9", 3,
         [](X x) -> ReferenceResults {
             if (x[2] == 0) return kNone;
             return {{(x[1] + x[0]) / x[2]}};
         }},
        {"NORIMAS_GAUTI_PELNAS_PO_MOK_5_11", 0,
         [](X x) -> ReferenceResults {
             const double k = AfterTax(x[1]);
             if (k == 0) return kNone;
             if (x[2] == 0) return kNone;
             const double g = x[0] / k;
             return {{(x[3] * x[2] + g + x[4]) / x[2]}};
         }},
        {"NORIMAS_GAUTI_PELNAS_PO_MOK_5_11", 1,
         [](X x) -> ReferenceResults {
             const double k = AfterTax(x[1]);
             if (k == 0) return kNone;
             const double m = x[2] - x[3];
             if (m == 0) return kNone;
             return {{(x[0] / k + x[4]) / m}};
         }},
        {"NORIMAS_GAUTI_PELNAS_PO_MOK_5_11", 2,
         [](X x) -> ReferenceResults {
             const double k = AfterTax(x[1]);
             if (k == 0) return kNone;
             if (x[2] == 0) return kNone;
             return {{(x[0] / k + x[3]) / x[2]}};
         }},
        {"PINIGU_APYVARTOS_CIKLO_TRUKME_5_12", 0,
         [](X x) -> ReferenceResults {
             if (x[2] == 0) return kNone;
             return {{x[1] * x[0] / x[2]}};
         }},
        {"PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13", 0, Ratio},
        {"ATSARGU_APYVARTUMAS_KARTAIS_5_14", 0, Ratio},
        {"ATSARGU_APYVARTUMAS_DIENOMIS_5_15", 0,
         [](X x) -> ReferenceResults {
             if (x[0] == 0) return kNone;
             return {{x[1] / x[0] * x[2]}};
         }},
        {"vTURTO_APYVARTUMAS_KARTAIS_5_16", 0, Ratio},
        {"DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17", 0,
         [](X x) -> ReferenceResults {
             if (x[1] == 0) return kNone;
             return {{x[0] / x[1] * x[2]}};
         }},
        {"OPTIMALUS_UZSAKYMAS_5_18", 0,
         [](X x) -> ReferenceResults {
             if (x[1] == 0) return kNone;
             const double q = (x[0] + x[0]) * x[2] / x[1];
             if (q < 0 || std::isnan(q)) return kNone;
             return {{std::sqrt(q)}};
         }},
        {"INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19", 0,
         [](X x) -> ReferenceResults {
             if (x[0] == 0) return kNone;
             return {{x[2] / x[0] * x[3] + x[0] * 0.5 * x[1]}};
         }},
        {"ROI_6_1", 0, Percent},
        {"EVA_6_2", 0, [](X x) -> ReferenceResults { return {{x[0] - (x[2] / 100 * x[1])}}; }},
        {"ROCE_6_3", 0, Percent},
        {"ARR_6_4", 0,
         [](X x) -> ReferenceResults {
             if (x[3] == 0) return kNone;
             return {{((x[0] - x[1]) / x[3]) / (x[1] * 0.5 + x[2] * 0.5) * 100}};
         }},
        {"DISCOUNTING_6_5", 0,
         [](X x) -> ReferenceResults {
             const double f = std::pow(x[1] / 100 + 1, x[2]);
             return {{1 / f * x[0]}};
         }},
        {"COMPOUNDING_6_6", 0,
         [](X x) -> ReferenceResults { return {{std::pow(x[1] / 100 + 1, x[2]) * x[0]}}; }},
        {"PASKOLOS_6_7", 0, [](X x) { return Payment(x[0], x[1], x[2]); }},
        {"PASKOLOS_DALINAI_APMOKETOS_6_7", 0, [](X x) { return Balance(x[0], x[1], x[2], x[3]); }},
    };
    return sections;
}

}  // namespace orvanta::testing
