#pragma once

// The calculator catalogue as the main window shows it: five pages of radio
// entries, each naming the window class it opens. Plain data, no Qt.

#include <array>
#include <string_view>
#include <vector>

namespace orvanta {

struct CatalogEntry {
    std::string_view text;
    std::string_view opens;  // class name of the window
    int column = 0;
};

struct CatalogPageInfo {
    std::string_view pageClass;
    std::string_view tabCaption;
    std::string_view heading;
    std::vector<CatalogEntry> entries;
};

inline constexpr int kCatalogPageCount = 5;

const std::array<CatalogPageInfo, kCatalogPageCount>& Catalogue();

}  // namespace orvanta
