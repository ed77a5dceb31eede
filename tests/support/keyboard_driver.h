#pragma once

// Key strokes as a user types them: each goes to the widget that has the
// keyboard focus in the window, as the platform would deliver it.

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace orvanta::testing {

class KeyboardDriver {
public:
    explicit KeyboardDriver(QWidget* window) : window_(window) {}

    QWidget* Target() const {
        if (!window_) return nullptr;
        QWidget* focus = window_->focusWidget();
        return focus && focus->isVisible() ? focus : window_.data();
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        if (QWidget* target = Target()) QTest::keyClick(target, key, mods);
    }

    // Arrow keys from the focused entry to `target` in a group laid out in
    // columns; false when the focus does not get there.
    bool WalkTo(QWidget* target) {
        for (int step = 0; step < 64; ++step) {
            QWidget* focus = Target();
            if (focus == target) return true;
            if (!focus) return false;
            const QPoint from = focus->mapTo(window_, QPoint(0, 0));
            const QPoint to = target->mapTo(window_, QPoint(0, 0));
            if (to.x() > from.x() + 4 && to.y() <= from.y())
                Press(Qt::Key_Right);
            else if (to.x() < from.x() - 4 && to.y() <= from.y())
                Press(Qt::Key_Left);
            else if (to.y() > from.y())
                Press(Qt::Key_Down);
            else
                Press(Qt::Key_Up);
        }
        return Target() == target;
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace orvanta::testing
