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
#include <QTabBar>
#include <memory>

#include "shell/about_dlg.h"
#include "shell/main_tab.h"
#include "shell/tab_ctrl.h"
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
    for (const std::string& name : ui::RegisteredWindows()) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> form = ui::CreateWindow(name, nullptr);
        ASSERT_NE(form, nullptr);
        ExpectLaidOutCleanly(form.get());
        form->close();
    }
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
