#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "economics/capital.h"
#include "economics/target_profit.h"
#include "support/fake_form_view.h"

namespace orvanta {
namespace {

using testing::FakeFormView;

// The enterprise economics page.
std::vector<const FormDescription*> EconomicsForms() { return FormsOfPage(3); }

TEST(EconomicsForms, EveryFormIsCompleteAndNamedOnce) {
    std::set<std::string_view> names;
    for (const FormDescription* form : EconomicsForms()) {
        ASSERT_NE(form, nullptr);
        SCOPED_TRACE(std::string(form->className));
        EXPECT_TRUE(names.insert(form->className).second) << "class name used twice";
        EXPECT_FALSE(form->title.empty());
        ASSERT_FALSE(form->sections.empty());
        for (const Section& s : form->sections) {
            EXPECT_TRUE(s.compute.has_value());
            ASSERT_EQ(s.resultLabels.size(), 1u);
            // The result group box and the label beside the field carry one text.
            EXPECT_FALSE(s.resultCaption.empty());
            EXPECT_EQ(s.resultCaption, s.resultLabels[0]);
            ASSERT_FALSE(s.inputs.empty());
            for (const InputField& input : s.inputs) {
                EXPECT_FALSE(input.label.empty());
                EXPECT_FALSE(input.message.empty());
                EXPECT_EQ(input.caption, "ERROR !!!");
            }
        }
    }
    EXPECT_EQ(names.size(), 19u);
}

TEST(EconomicsForms, CatalogueOrderTitlesAndHeadings) {
    struct Entry {
        std::string_view className, title, heading;
    };
    // The page lists entries 1 to 19; several forms carry numbers of their own.
    const Entry entries[] = {
        {"LUZIO_TASKAS_5_1", "1. Break-even point (BEP)", "1. Break-even point (BEP)"},
        {"LUZIO_TASKAS_VIENETAIS_5_2", "2. Break-even point (BEP) in units",
         "2. Break-even point (BEP) in units"},
        {"RIBINIS_PELNAS_5_3", "3. Marginal revenue", "3. Marginal revenue"},
        {"MASTO_EKONOMIJA_5_4", "4. Economies of scale", "4. Economies of scale"},
        {"OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5", "5. Optimal capital structure",
         "5. Optimal capital structure"},
        {"KAPITALO_KAINA_5_20", "20. Cost of capital", "20. Cost of capital"},
        {"KINTAMOS_ISLAIDOS_MIN_MAX_5_6", "6. Variable cost (min-max method)",
         "6. Variable cost (min-max method)"},
        {"KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7", "7. Variable cost (least squares method)",
         "7. Variable cost (least squares method)"},
        {"PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8", "8. Fixed cost (least squares method)",
         "8. Fixed cost (least squares method)"},
        {"NORIMAS_GAUTI_PELNAS_5_9", "10. Norimas gauti pelnas", "10. Profit wanted"},
        {"NORIMAS_GAUTI_PELNAS_PO_MOK_5_11", "11. Wanted net profit after taxes",
         "11. Wanted net profit after taxes"},
        {"PINIGU_APYVARTOS_CIKLO_TRUKME_5_12", "12. Cash turnover cycle length",
         "12. Cash turnover cycle length"},
        {"PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13",
         "13. Storing of production length period (days)",
         "13. Storing of production length period (days)"},
        {"ATSARGU_APYVARTUMAS_KARTAIS_5_14", "14. Inventory turnover (times)",
         "14. Inventory turnover (times)"},
        {"ATSARGU_APYVARTUMAS_DIENOMIS_5_15", "15. Inventory turnover (days)",
         "15. Inventory turnover (days)"},
        {"vTURTO_APYVARTUMAS_KARTAIS_5_16", "16. Asset turnover (times)",
         "16. Asset turnover (times)"},
        {"DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17",
         "17. Accounts receivable turnover (in days)",
         "17.  Accounts receivable turnover (in days)"},
        {"OPTIMALUS_UZSAKYMAS_5_18", "18. Economic Order Quantity (EOQ)",
         "18. Economic Order Quantity (EOQ)"},
        {"INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19", "19.  Economic Order Value",
         "19.  Economic Order Value"},
    };
    const auto forms = EconomicsForms();
    ASSERT_EQ(forms.size(), std::size(entries));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        EXPECT_EQ(forms[i]->className, entries[i].className);
        EXPECT_EQ(forms[i]->title, entries[i].title);
        EXPECT_EQ(forms[i]->HeadingText(), entries[i].heading);
    }
}

TEST(EconomicsForms, SectionsFillTheLeftColumnFirst) {
    struct Layout {
        const FormDescription* form;
        std::vector<int> columns;
    };
    const Layout layouts[] = {
        {&NORIMAS_GAUTI_PELNAS_5_9, {0, 0, 1, 1}},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, {0, 0, 1}},
        {&KAPITALO_KAINA_5_20, {0, 1}},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(std::string(l.form->className));
        std::vector<int> columns;
        for (const Section& s : l.form->sections) columns.push_back(s.column);
        EXPECT_EQ(columns, l.columns);
    }
    for (const Section& s : KAPITALO_KAINA_5_20.sections) {
        EXPECT_EQ(s.groupStyle, ResultGroupStyle::InputsInside);
    }
}

// A press reads and writes its own section only: with every other section
// left empty it shows no message for them and leaves their results alone.
TEST(EconomicsForms, EachSectionReadsAndWritesOnlyItself) {
    for (const FormDescription* form : EconomicsForms()) {
        for (std::size_t s = 0; s < form->sections.size(); ++s) {
            SCOPED_TRACE(std::string(form->className) + " section " + std::to_string(s + 1));
            const std::size_t fields = form->sections[s].inputs.size();
            for (const bool filled : {true, false}) {
                FakeFormView view;
                for (std::size_t t = 0; t < form->sections.size(); ++t) {
                    if (t != s) view.results[{t, 0}] = "kept";
                }
                view.Type(s, std::vector<std::string>(fields, filled ? "1" : ""));
                ComputeSection(*form, s, view);
                EXPECT_EQ(view.messages.size(), filled ? 0u : fields);
                EXPECT_NE(view.Result(s), "<unset>");
                for (std::size_t t = 0; t < form->sections.size(); ++t) {
                    if (t == s) continue;
                    EXPECT_EQ(view.Result(t), "kept");
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvanta
