#include "forms/report_pages.h"

namespace orvanta {

std::vector<std::string> SplitReportPages(std::string_view text) {
    std::vector<std::string> pages(1);
    std::size_t lineFeeds = 0;
    std::size_t pageStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') continue;
        if (++lineFeeds % kReportPageLines == 0) {
            pages.back() = std::string(text.substr(pageStart, i - pageStart));
            pages.emplace_back();
            pageStart = i;
        }
    }
    pages.back() = std::string(text.substr(pageStart));
    return pages;
}

}  // namespace orvanta
