// Every window laid out offscreen, at the device pixel ratio the environment
// asks for (QT_SCALE_FACTOR): no label is cut off, no two controls overlap,
// nothing lies outside its window.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <map>
#include <memory>
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

// The checks must see what a user would: fields on top of each other, a
// caption cut short.
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
