#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace orvanta::ui {

// A key pressed alone; the keypad's keys count as plain keys.
inline bool IsUnmodified(const QKeyEvent& press) {
    return (press.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter, from the main keyboard or the keypad, with no modifier.
inline bool IsPlainEnter(const QKeyEvent& press) {
    return IsUnmodified(press) && (press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter);
}

// Styles draw a focus frame only in a window that the keyboard has moved the
// focus in. Where the program moves the focus for the user (a page key, a
// closed form, a bad field), it shows it the same way, so the frame never
// lags behind the focus and is never hidden while "OK" wears its default
// border.
inline void ShowFocusFrames(QWidget* window) {
    if (window) window->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

// Gives `widget` the focus as a key stroke would, with its focus frame.
inline void FocusVisibly(QWidget* widget) {
    if (!widget) return;
    ShowFocusFrames(widget);
    widget->setFocus(Qt::ShortcutFocusReason);
    widget->update();
}

// Focus frames for a whole window, from the moment it is shown (showing a
// window forgets how its focus came), and a frame of our own for its buttons
// and entries. Some styles (Fusion among them) draw a focused push button
// exactly like the default one, and a focused entry as a faint tint that a
// dark palette all but hides, so the focus could not be told from the "OK"
// that only waits for Enter. A focused button or entry draws a dotted line in
// its text colour, inside a push button's border or round an entry's text:
// one sign of the focus, legible in light and dark palettes alike.
class ButtonFocusFrame : public QObject {
public:
    // Frames `window` and every push button and entry it has now.
    static void Install(QWidget* window) {
        auto* frame = new ButtonFocusFrame(window);
        window->installEventFilter(frame);
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (qobject_cast<QPushButton*>(button) || qobject_cast<QRadioButton*>(button)) {
                button->installEventFilter(frame);
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent()) {
            if (event->type() == QEvent::Show) ShowFocusFrames(static_cast<QWidget*>(watched));
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (event->type() != QEvent::Paint || !button || !button->hasFocus() ||
            !button->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            return false;
        }
        // The button draws itself first, then the frame goes over it.
        static_cast<QObject*>(button)->event(event);
        QRect frame = button->rect().adjusted(4, 4, -5, -5);
        QPalette::ColorRole text = QPalette::ButtonText;
        if (qobject_cast<QRadioButton*>(button)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.iconSize = button->iconSize();
            frame = button->style()
                        ->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, button)
                        .adjusted(0, 0, -1, -1);
            text = QPalette::WindowText;
        }
        QPainter painter(button);
        QPen pen(button->palette().color(text), 1);
        pen.setDashPattern({1, 1});
        painter.setPen(pen);
        painter.drawRect(frame);
        return true;
    }

private:
    using QObject::QObject;
};

}  // namespace orvanta::ui
