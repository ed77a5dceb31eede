#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// A printed report page holds 64 lines.
inline constexpr std::size_t kReportPageLines = 64;

// Cuts a report into pages for printing. The line feed that brings the count
// of line feeds to a multiple of 64 opens the next page, so page 1 holds lines
// 1 to 64 (ending in the CR of the 64th line end) and page 2 starts with that
// line's LF. A text with L line feeds gives L / 64 + 1 pages, however many.
// Works on UTF-8 as it is: a line feed byte is never part of another character.
std::vector<std::string> SplitReportPages(std::string_view text);

}  // namespace orvanta
