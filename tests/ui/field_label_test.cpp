// A field label reuses the size it measured for the same text and font on an
// earlier form; whatever changes on a label must give it the size a plain
// QLabel in the same state has, or fields and labels stop lining up.
#include "ui/field_label.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace orvanta {
namespace {

struct Change {
    const char* name;
    std::function<void(QLabel&)> apply;
};

TEST(FieldLabel, MeasuresAsQLabelDoesAfterEveryChange) {
    QWidget window;
    QLineEdit buddy(&window);
    QFont larger = window.font();
    larger.setPointSize(larger.pointSize() + 6);
    QFont bold = window.font();
    bold.setBold(true);
    // Applied one after another to the same labels, so each step starts from
    // hints already measured and kept.
    const std::vector<Change> changes = {
        {"as built", [](QLabel&) {}},
        {"longer text", [](QLabel& l) { l.setText(QStringLiteral("Sales revenue in units")); }},
        {"right aligned", [](QLabel& l) { l.setAlignment(Qt::AlignRight | Qt::AlignVCenter); }},
        {"larger font", [&](QLabel& l) { l.setFont(larger); }},
        {"bold font", [&](QLabel& l) { l.setFont(bold); }},
        {"mnemonic with buddy",
         [&](QLabel& l) {
             l.setText(QStringLiteral("&Fixed costs"));
             l.setBuddy(&buddy);
         }},
        {"margin", [](QLabel& l) { l.setMargin(4); }},
        {"indent", [](QLabel& l) { l.setIndent(9); }},
        {"framed", [](QLabel& l) { l.setFrameStyle(QFrame::StyledPanel | QFrame::Plain); }},
        {"contents margins", [](QLabel& l) { l.setContentsMargins(3, 1, 5, 2); }},
        {"minimum size", [](QLabel& l) { l.setMinimumSize(200, 40); }},
        {"right to left", [](QLabel& l) { l.setLayoutDirection(Qt::RightToLeft); }},
        {"word wrap",
         [](QLabel& l) {
             l.setMinimumSize(0, 0);
             l.setWordWrap(true);
             l.setText(
                 QStringLiteral("A long label that a narrow column would have to wrap "
                                "over two or three lines"));
         }},
        {"back to the first text", [](QLabel& l) { l.setText(QStringLiteral("Price")); }},
    };
    // Two rounds: the second finds every state measured by the first.
    for (int round = 0; round < 2; ++round) {
        ui::FieldLabel label(QStringLiteral("Price"), &window);
        QLabel plain(QStringLiteral("Price"), &window);
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(change.name) + ", round " + std::to_string(round));
            change.apply(label);
            change.apply(plain);
            EXPECT_EQ(label.sizeHint(), plain.sizeHint());
            EXPECT_EQ(label.minimumSizeHint(), plain.minimumSizeHint());
        }
    }
}

}  // namespace
}  // namespace orvanta
