#pragma once

#include <QObject>

class QWidget;

namespace orvanta::ui {

// Styles draw a focus frame only in a window that the keyboard has moved the
// focus in. Where the program moves the focus for the user (a page key, a
// closed form, a bad field), it shows it the same way, so the frame never
// lags behind the focus and is never hidden while "OK" wears its default
// border.
void ShowFocusFrames(QWidget* window);

// Gives `widget` the focus as a key stroke would, with its focus frame.
void FocusVisibly(QWidget* widget);

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
    static void Install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace orvanta::ui
