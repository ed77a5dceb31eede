#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/fake_form_view.h"

namespace orvanta {
namespace {

using testing::FakeFormView;
using testing::Message;

// The financial statement, staff and solvency pages.
std::vector<const FormDescription*> RatioForms() {
    std::vector<const FormDescription*> forms;
    for (int page : {0, 1, 2}) {
        const auto more = FormsOfPage(page);
        forms.insert(forms.end(), more.begin(), more.end());
    }
    return forms;
}

TEST(RatioForms, EveryFormIsComplete) {
    std::set<std::string_view> names;
    for (const FormDescription* form : RatioForms()) {
        SCOPED_TRACE(std::string(form->className));
        EXPECT_TRUE(names.insert(form->className).second) << "class name used twice";
        EXPECT_FALSE(form->title.empty());
        ASSERT_FALSE(form->sections.empty());
        for (const Section& section : form->sections) {
            EXPECT_FALSE(section.inputs.empty());
            EXPECT_FALSE(section.resultLabels.empty());
            EXPECT_TRUE(section.compute.has_value());
        }
    }
}

// Listed in catalogue order, page by page. An untouched form shows one message
// per field in reading order, then "NaN" in every result.
TEST(RatioForms, CatalogueOrderAndEmptyFields) {
    const auto error = [](const char* text) { return Message{"ERROR !!!", text}; };
    const Message netProfit = error("Net profit must be real number !!!");
    const Message cashFlow = error("Cash flow must be real number !!!");
    const Message currentAssets = error("Current assets must be real possitive number !!!");
    const Message currentLiabilities =
        error("Current liabilities must be real possitive number !!!");
    const Message totalLiabilities = error("Total liabilities must be real possitive number !!!");
    const Message totalAssets = error("Total assets must be real possitive number !!!");
    const Message sales = error("Sales must be real possitive number !!!");
    const std::vector<std::pair<std::string_view, std::vector<Message>>> expected = {
        {"ALTMAN_Z_3",
         {{"_KLAIDA !!!_", "Trumpalaikis turtas turi būti realus teigiamas skaičius"},
          currentLiabilities,
          error("Retained earnings must be real number !!!"),
          error("Earnings before taxes must be real number !!!"),
          error("Equity must be real number !!!"),
          totalLiabilities,
          error("Sales must be real number !!!")}},
        {"ROA_3_2", {netProfit, error("Total assets must be real number !!!")}},
        {"BSR_3_3", {totalLiabilities, totalAssets}},
        {"ABSOLIUTAUS_MOKUMO_KOEF_3_4",
         {error("Cash must be real possitive number !!!"), currentLiabilities}},
        {"BTMK_3_5", {currentAssets, currentLiabilities}},
        {"ILGALAIKIU_SKOLU_KEOF_3_6",
         {error("Non-current liabilities must be real possitive number !!!"), totalAssets}},
        {"APYVARTINIO_KAPITALO_KOEF_3_7", {currentAssets, currentLiabilities, totalAssets}},
        {"APYVARTINIO_KAPITALO_APYV_3_8", {currentAssets, currentLiabilities, sales}},
        {"DARBUOTOJU_TEKAMUMAS",
         {error("Staff emplyed mus be natural possitive number !!!"),
          error("Staff fired mus be natural possitive number !!!"),
          error("Employee turnover rate must be real possitive number !!!")}},
        {"DU_ADMINISTRACIJOS_DARBUOTOJAI",
         {error("Administrative staff must be possitive natural number !!!"),
          error("Emplyee staff must be possitive natural number !!!")}},
        {"GRYN_PARD_PELNINGUMAS_4_1", {netProfit, sales}},
        {"GRYNOJO_VEIKL_RENTAB_ROD_4_2",
         {netProfit, error("Total cost must be real possitive number !!!")}},
        {"NUOSAVO_KAPITALO_PELNINGUMAS_4_3", {netProfit, error("Equity must be real number !!!")}},
        {"GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4", {cashFlow, sales}},
        {"GRYN_PIN_SR_GRAZA_IS_TT_4_5", {cashFlow, currentAssets}},
        {"GRYN_PINIGU_SR_IR_PELNAS_4_6", {cashFlow, netProfit}},
        {"PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7", {cashFlow, totalLiabilities}},
        {"VISU_ISIP_APM_PINIG_KOEF_4_8",
         {error("Cash flow from operations must be real possitive number !!!"), totalLiabilities}},
    };
    const auto forms = RatioForms();
    ASSERT_EQ(forms.size(), expected.size());
    for (std::size_t f = 0; f < forms.size(); ++f) {
        SCOPED_TRACE(std::string(forms[f]->className));
        FakeFormView view;
        ComputeSection(*forms[f], 0, view);
        EXPECT_EQ(forms[f]->className, expected[f].first);
        EXPECT_EQ(view.messages, expected[f].second);
        const std::size_t resultCount = forms[f]->sections[0].resultLabels.size();
        for (std::size_t r = 0; r < resultCount; ++r) EXPECT_EQ(view.Result(0, r), "NaN");
    }
}

}  // namespace
}  // namespace orvanta
