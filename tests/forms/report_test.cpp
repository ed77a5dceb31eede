#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/report_commands.h"
#include "forms/report_pages.h"

namespace orvanta {
namespace {

// Lines "1" to "lineFeeds", each ending in CR LF, then a last line without one.
std::string Lines(std::size_t lineFeeds) {
    std::string text;
    for (std::size_t i = 1; i <= lineFeeds; ++i) text += std::to_string(i) + "\r\n";
    return text + "end \u2022\u00A9";
}

TEST(ReportPages, PageBreaksAtEverySixtyFourthLineFeed) {
    struct Case {
        std::size_t lineFeeds, pages;
    };
    const Case cases[] = {{0, 1},  {1, 1},   {63, 1},  {64, 2},
                          {65, 2}, {127, 2}, {128, 3}, {1205, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lineFeeds);
        const std::string text = Lines(c.lineFeeds);
        const std::vector<std::string> pages = SplitReportPages(text);
        ASSERT_EQ(pages.size(), c.pages);
        std::string joined;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            joined += pages[p];
            // Each later page opens with the line feed that ended its first line.
            if (p > 0) {
                EXPECT_EQ(pages[p].substr(0, 1), "\n");
            }
            if (p + 1 < pages.size()) {
                EXPECT_EQ(pages[p].back(), '\r');
            }
        }
        EXPECT_EQ(joined, text);
    }

    const std::string text = Lines(64);
    const std::vector<std::string> two = SplitReportPages(text);
    EXPECT_EQ(two[0], text.substr(0, text.find("\n64\r\n") + 4));  // up to the CR of line 64
    EXPECT_EQ(two[1], "\nend \u2022\u00A9");
    EXPECT_EQ(SplitReportPages(std::string(64, '\n')).back(), "\n");
    EXPECT_EQ(SplitReportPages(""), std::vector<std::string>{""});
}

// Printer and message box sharing one log, so the order of pages and
// messages can be checked as the user would see them.
struct Log {
    std::vector<std::string> events;
};

class FakePrinter : public ReportPrinter {
public:
    explicit FakePrinter(Log& log) : log_(log) {}
    std::vector<bool> available;  // per page; pages past the end print
    bool PrintPage(std::string_view pageText) override {
        const std::size_t page = attempts_++;
        const bool ok = page >= available.size() || available[page];
        log_.events.push_back((ok ? "printed " : "failed ") + std::string(pageText.substr(0, 4)));
        return ok;
    }

private:
    Log& log_;
    std::size_t attempts_ = 0;
};

class FakeMessages : public ReportMessages {
public:
    explicit FakeMessages(Log& log) : log_(log) {}
    void ShowError(std::string_view caption, std::string_view text) override {
        log_.events.push_back(std::string(caption) + " | " + std::string(text));
    }

private:
    Log& log_;
};

TEST(ReportCommands, PrintsEveryPageInOrderAndReportsEachFailedPage) {
    const std::string kError = "ERROR !!! | PRINTER ERROR !!!";
    struct Case {
        std::vector<bool> available;
        std::vector<std::string> events;
        bool allPrinted;
    };
    // Three pages, starting "1\r\n2", "\n65\r" and "\n129".
    const Case cases[] = {
        {{}, {"printed 1\r\n2", "printed \n65\r", "printed \n129"}, true},
        {{true, false, true}, {"printed 1\r\n2", "failed \n65\r", kError, "printed \n129"}, false},
        {{false, false, false},
         {"failed 1\r\n2", kError, "failed \n65\r", kError, "failed \n129", kError},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.available));
        Log log;
        FakePrinter printer(log);
        printer.available = c.available;
        FakeMessages messages(log);
        EXPECT_EQ(PrintReport(Lines(130), printer, messages), c.allPrinted);
        EXPECT_EQ(log.events, c.events);
    }

    // No cut at fifteen pages.
    Log log;
    FakePrinter printer(log);
    FakeMessages messages(log);
    EXPECT_TRUE(PrintReport(Lines(1205), printer, messages));
    EXPECT_EQ(log.events.size(), 19u);
}

class FakeClipboard : public ReportClipboard {
public:
    bool available = true;
    std::vector<std::string> texts;
    bool SetText(std::string_view text) override {
        texts.emplace_back(text);
        return available;
    }
};

TEST(ReportCommands, CopyHandsOverTheWholeText) {
    const std::string text = Lines(200);
    for (const bool available : {true, false}) {
        SCOPED_TRACE(available);
        FakeClipboard clipboard;
        clipboard.available = available;
        EXPECT_EQ(CopyReport(text, clipboard), available);
        EXPECT_EQ(clipboard.texts, std::vector<std::string>{text});
    }
}

}  // namespace
}  // namespace orvanta
