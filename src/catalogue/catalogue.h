#pragma once

// The calculator catalogue as the main window shows it: five pages of radio
// entries, each referring to the description of the window it opens. The
// entries, the descriptions reachable from them (a chooser's choices too) and
// so the windows the program registers all come from this one table.
// Plain data, no Qt.

#include <array>
#include <string_view>
#include <vector>

#include "forms/form_description.h"

namespace orvanta {

inline constexpr int kLeftColumn = 0;
inline constexpr int kRightColumn = 1;

struct CatalogueEntry {
    // The entry reads as the title of the form it opens...
    CatalogueEntry(const FormDescription& form, int column = kLeftColumn);
    // ...unless the catalogue words it differently.
    CatalogueEntry(std::string_view ownText, const FormDescription& form, int column = kLeftColumn);

    std::string_view text;
    FormRef opens;
    int column = kLeftColumn;
};

struct CataloguePageInfo {
    std::string_view pageClass;
    std::string_view tabCaption;
    std::string_view heading;
    std::vector<CatalogueEntry> entries;
};

inline constexpr int kCataloguePageCount = 5;

// Built on first use, which is after every description exists.
const std::array<CataloguePageInfo, kCataloguePageCount>& Catalogue();

// Every form description the program has: the catalogue's entries in page
// order, each chooser followed by the forms it offers. Each form once.
const std::vector<const FormDescription*>& AllFormDescriptions();
// The forms of one catalogue page, each chooser followed by its choices.
std::vector<const FormDescription*> FormsOfPage(int page);
const FormDescription* FindFormDescription(std::string_view className);

}  // namespace orvanta
