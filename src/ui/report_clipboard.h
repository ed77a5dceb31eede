#pragma once

#include <string_view>

#include "forms/report_commands.h"

namespace orvanta::ui {

// The system clipboard: the report as Unicode text, its CR LF line ends as
// they are.
class QtReportClipboard : public ReportClipboard {
public:
    bool SetText(std::string_view text) override;
};

}  // namespace orvanta::ui
