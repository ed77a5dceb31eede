#pragma once

#include <QKeyEvent>

namespace orvanta::ui {

// A key pressed alone; the keypad's keys count as plain keys.
inline bool IsUnmodified(const QKeyEvent& press) {
    return (press.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter, from the main keyboard or the keypad, with no modifier.
inline bool IsPlainEnter(const QKeyEvent& press) {
    return IsUnmodified(press) && (press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter);
}

inline bool IsArrowKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

// Down and Right go forward, Up and Left back.
inline bool IsForwardArrow(int key) { return key == Qt::Key_Down || key == Qt::Key_Right; }

}  // namespace orvanta::ui
