#include "ui/radio_group_keys.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

#include "ui/focus_frame.h"
#include "ui/keys.h"

namespace orvanta::ui {

bool RadioGroupKeys::HandleKeyPress(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    const auto from = std::find(buttons.begin(), buttons.end(), watched);
    if (from == buttons.end()) return false;
    if (IsPlainEnter(*press)) {
        if ((*from)->hasFocus()) (*from)->setChecked(true);
        activate();
        return true;
    }
    if (IsArrowKey(press->key()) && IsUnmodified(*press)) {
        const auto at = static_cast<std::size_t>(from - buttons.begin());
        QRadioButton* target = buttons[arrowTarget(at, press->key())];
        target->setChecked(true);
        FocusVisibly(target);
        return true;
    }
    return false;
}

std::size_t StepInOrder(std::size_t from, std::size_t count, int key) {
    return (from + (IsForwardArrow(key) ? 1 : count - 1)) % count;
}

}  // namespace orvanta::ui
