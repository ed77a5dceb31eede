// Every window laid out offscreen, at the device pixel ratio the environment
// asks for (QT_SCALE_FACTOR, fractional ones included): no label is cut off,
// no two controls overlap, nothing lies outside its window, and every framed
// heading shows all four edges of its outline.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QtMath>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "shell/about_dlg.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
#include "ui/calculator_dialog.h"
#include "ui/window_registry.h"
#include "window_walk.h"

namespace orvanta {
namespace {

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint()), w->size()); }

std::string Name(const QWidget* w) {
    const QString text = qobject_cast<const QLabel*>(w) ? static_cast<const QLabel*>(w)->text()
                         : qobject_cast<const QAbstractButton*>(w)
                             ? static_cast<const QAbstractButton*>(w)->text()
                             : QString();
    return (QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() +
            QStringLiteral(" \"") + text + QLatin1Char('"'))
        .toStdString();
}

bool IsInteractive(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QMenuBar*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w);
}

// The device pixels a widget shows on in `window`'s picture: its edges,
// scaled by the ratio, rounded to the nearest pixel.
QRect OnDevice(const QWidget* w, qreal ratio) {
    const QRect r = InWindow(w);
    return QRect(
        QPoint(qRound(r.left() * ratio), qRound(r.top() * ratio)),
        QPoint(qRound((r.right() + 1) * ratio), qRound((r.bottom() + 1) * ratio)) - QPoint(1, 1));
}

bool Differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) >
           24;
}

// Every framed label (a heading) shows all four edges of its outline in the
// window's picture: on each side, within a device pixel or two of the edge, a
// line of one colour, the same on all four sides.
void ExpectFramesClosed(QWidget* window, const std::vector<QLabel*>& labels) {
    const QImage picture = window->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const int depth = qCeil(ratio);  // how far inside the outline may lie
    for (const QLabel* label : labels) {
        if (label->frameShape() == QFrame::NoFrame || label->frameWidth() == 0) continue;
        const QRect r = OnDevice(label, ratio);
        ASSERT_TRUE(picture.rect().contains(r)) << Name(label);
        // Inside the outline, beside the text's margin.
        const QRgb inside = picture.pixel(r.left() + qCeil(3 * ratio), r.center().y());
        struct Side {
            const char* name;
            QPoint start, along, inward;
            int length;
        };
        const Side sides[] = {
            {"top", r.topLeft(), {1, 0}, {0, 1}, r.width()},
            {"bottom", r.bottomLeft(), {1, 0}, {0, -1}, r.width()},
            {"left", r.topLeft(), {0, 1}, {1, 0}, r.height()},
            {"right", r.topRight(), {0, 1}, {-1, 0}, r.height()},
        };
        std::vector<QRgb> colours;
        for (const Side& side : sides) {
            std::optional<QRgb> found;
            for (int d = 0; d <= depth && !found; ++d) {
                std::map<QRgb, int> seen;
                int drawn = 0;
                // The corners are left out: there the sides meet.
                const int from = depth + 1;
                for (int i = from; i < side.length - from; ++i) {
                    const QPoint at = side.start + side.along * i + side.inward * d;
                    const QRgb pixel = picture.pixel(at);
                    if (Differs(pixel, inside)) {
                        ++drawn;
                        ++seen[pixel];
                    }
                }
                if (drawn * 10 >= (side.length - 2 * from) * 9) {
                    found = std::max_element(seen.begin(), seen.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
                }
            }
            EXPECT_TRUE(found) << side.name << " edge missing: " << Name(label) << " at " << r.x()
                               << "," << r.y() << " " << r.width() << "x" << r.height();
            if (found) colours.push_back(*found);
        }
        for (const QRgb colour : colours) {
            EXPECT_FALSE(Differs(colour, colours.front()))
                << "edges of two colours: " << Name(label);
        }
    }
}

void ExpectLaidOutCleanly(QWidget* window) {
    window->show();
    QApplication::processEvents();
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        EXPECT_DOUBLE_EQ(window->devicePixelRatio(), scale.toDouble());
    }

    const QRect bounds = window->rect();
    std::vector<QWidget*> controls;
    std::vector<QLabel*> labels;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        // The tab strip's own scroll arrows are parts of it, not controls.
        if (qobject_cast<QTabBar*>(w->parentWidget())) continue;
        if (IsInteractive(w)) controls.push_back(w);
        if (auto* label = qobject_cast<QLabel*>(w)) labels.push_back(label);
    }
    ASSERT_FALSE(controls.empty());

    for (QLabel* label : labels) {
        const QSize hint = label->sizeHint();
        EXPECT_LE(hint.width(), label->width()) << "cut off: " << Name(label);
        const int height =
            label->wordWrap() ? label->heightForWidth(label->width()) : hint.height();
        EXPECT_LE(height, label->height()) << "cut off: " << Name(label);
        EXPECT_TRUE(bounds.contains(InWindow(label))) << "outside: " << Name(label);
    }
    ExpectFramesClosed(window, labels);
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (!group->isVisibleTo(window) || group->title().isEmpty()) continue;
        EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()), group->width())
            << "title cut off: " << group->title().toStdString();
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* a = controls[i];
        const QRect ra = InWindow(a);
        EXPECT_TRUE(bounds.contains(ra)) << "outside: " << Name(a);
        EXPECT_GE(a->height(), a->minimumSizeHint().height()) << "squashed: " << Name(a);
        if (auto* button = qobject_cast<QAbstractButton*>(a)) {
            EXPECT_GE(button->width(), button->minimumSizeHint().width()) << "cut off: " << Name(a);
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(ra.intersects(InWindow(controls[j])))
                << Name(a) << " overlaps " << Name(controls[j]);
        }
        for (QLabel* label : labels) {
            EXPECT_FALSE(ra.intersects(InWindow(label))) << Name(a) << " overlaps " << Name(label);
        }
    }
}

// Fields line up: in a section of one column of inputs its results start
// where its inputs start and are as wide; sections stacked in one column share
// that field column; the widest label of a column stands as far from its field
// on every form. Returns that gap (-1 for a form without fields).
int ExpectFieldsAligned(const ui::CalculatorDialog& form) {
    const FormDescription& d = form.Description();
    std::map<int, int> columnLeft;
    std::map<int, int> columnGap;
    for (std::size_t s = 0; s < form.SectionCount(); ++s) {
        SCOPED_TRACE(s);
        const Section& section = d.sections[s];
        const int column = section.column;
        std::vector<QLineEdit*> fields;
        for (std::size_t f = 0; f < section.inputs.size(); ++f) {
            // The right half of a two-column grid lines up only within itself.
            if (section.inputLayout == InputLayout::TwoColumnGrid &&
                f >= (section.inputs.size() + 1) / 2) {
                continue;
            }
            fields.push_back(form.InputField(s, f));
        }
        for (std::size_t r = 0; r < section.resultLabels.size(); ++r) {
            fields.push_back(form.ResultField(s, r));
        }
        for (QLineEdit* field : fields) {
            const QRect at = InWindow(field);
            EXPECT_NEAR(at.left(), columnLeft.emplace(column, at.left()).first->second, 1)
                << Name(field);
            EXPECT_NEAR(field->width(), fields.front()->width(), 1) << Name(field);
            QLabel* label = nullptr;
            for (QLabel* l : form.findChildren<QLabel*>()) {
                if (l->buddy() == field) label = l;
            }
            if (!label) continue;
            const int textRight = InWindow(label).left() + label->sizeHint().width() - 1;
            int& gap = columnGap.emplace(column, at.left() - textRight - 1).first->second;
            gap = std::min(gap, at.left() - textRight - 1);
        }
    }
    int gap = -1;
    for (const auto& [column, g] : columnGap) {
        if (gap < 0) gap = g;
        EXPECT_EQ(g, gap) << "label-to-field gap of column " << column;
    }
    return gap;
}

// A heading whose outline lost its top edge.
class OpenTopHeading : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter(this).fillRect(QRect(0, 0, width(), 3), palette().window());
    }
};

// The checks must see what a user would: fields on top of each other, a
// caption cut short, a heading's outline open on one side.
TEST(DesktopLayout, CheckerCatchesOverlapsAndCutOffLabels) {
    QDialog overlapping;
    overlapping.resize(400, 200);
    auto* a = new QLineEdit(&overlapping);
    a->setObjectName(QStringLiteral("first"));
    a->resize(a->sizeHint());
    auto* b = new QLineEdit(&overlapping);
    b->setGeometry(QRect(QPoint(a->width() / 2, 0), b->sizeHint()));
    EXPECT_NONFATAL_FAILURE(ExpectLaidOutCleanly(&overlapping), "QLineEdit first");

    QDialog narrow;
    narrow.resize(400, 200);
    auto* label = new QLabel(QStringLiteral("Caption far too long for its place"), &narrow);
    label->setGeometry(0, 0, 20, label->sizeHint().height());
    auto* field = new QLineEdit(&narrow);
    field->setGeometry(QRect(QPoint(0, 100), field->sizeHint()));
    EXPECT_NONFATAL_FAILURE(ExpectLaidOutCleanly(&narrow), "cut off");

    QDialog open;
    open.resize(400, 200);
    auto* heading = new OpenTopHeading(QStringLiteral("Heading"), &open);
    heading->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    heading->setGeometry(8, 8, 320, 40);  // whole device pixels at every ratio tested
    auto* below = new QLineEdit(&open);
    below->setGeometry(QRect(QPoint(10, 100), below->sizeHint()));
    EXPECT_NONFATAL_FAILURE(ExpectLaidOutCleanly(&open), "top edge missing");
}

TEST(DesktopLayout, EveryFormFitsItsTextsWithoutOverlaps) {
    // The forms and every other window opened by class name (the report window).
    std::set<int> gaps;
    for (const std::string& name : ui::RegisteredWindows()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> form = ui::CreateWindow(name, nullptr);
        ASSERT_NE(form, nullptr);
        ExpectLaidOutCleanly(form.get());
        if (auto* calculator = qobject_cast<ui::CalculatorDialog*>(form.get())) {
            if (const int gap = ExpectFieldsAligned(*calculator); gap >= 0) gaps.insert(gap);
        }
        form->close();
    }
    EXPECT_EQ(gaps.size(), 1u) << "one label-to-field gap on every form";
}

// The lower two sections' "OK"s stand at the bottom edge on one line with
// "Cancel", which shares no place with any section.
TEST(DesktopLayout, LowerOkButtonsShareTheLineOfCancel) {
    std::unique_ptr<QDialog> window = ui::CreateWindow("NORIMAS_GAUTI_PELNAS_5_9", nullptr);
    auto* form = qobject_cast<ui::CalculatorDialog*>(window.get());
    ASSERT_NE(form, nullptr);
    form->show();
    QApplication::processEvents();
    const QRect cancel = InWindow(form->CancelButton());
    for (const std::size_t s : {1u, 3u}) {
        SCOPED_TRACE(s);
        const QRect ok = InWindow(form->OkButton(s));
        EXPECT_EQ(ok.top(), cancel.top());
        EXPECT_EQ(ok.bottom(), cancel.bottom());
        EXPECT_LT(ok.right(), cancel.left());
    }
    for (std::size_t s = 0; s < form->SectionCount(); ++s) {
        EXPECT_FALSE(InWindow(form->SectionWidget(s)).intersects(cancel)) << s;
    }
    EXPECT_LT(InWindow(form->OkButton(0)).bottom(), cancel.top());
    EXPECT_LT(InWindow(form->OkButton(2)).bottom(), cancel.top());
}

TEST(DesktopLayout, MainWindowEveryPageAndAboutBox) {
    MAIN_TAB window;
    for (int page = 0; page < window.TabControl()->PageCount; ++page) {
        SCOPED_TRACE(page);
        window.TabControl()->ShowPage(page);
        ExpectLaidOutCleanly(&window);
    }
    CAboutDlg about;
    ExpectLaidOutCleanly(&about);
}

}  // namespace
}  // namespace orvanta
