#pragma once

#include <cstddef>
#include <functional>
#include <span>

class QEvent;
class QObject;
class QRadioButton;

namespace orvanta::ui {

// The keys of an exclusive group of radio buttons, the same for the entries
// of a catalogue page and the choices of a chooser:
// - Enter chooses the button that has the focus and activates the group
//   (opens the entry, presses the chooser's "OK"). Some desktop themes let
//   Enter press the focused radio button and end there.
// - An arrow pressed alone chooses the button it lands on and focuses it, as
//   radio buttons do on every desktop, so that Enter then opens the button
//   that has the focus.
struct RadioGroupKeys {
    std::span<QRadioButton* const> buttons;
    // Where an arrow `key` goes from button `from`.
    std::function<std::size_t(std::size_t from, int key)> arrowTarget;
    std::function<void()> activate;

    // Handles a key pressed on `watched`, one of the buttons; false when the
    // key or the object is not the group's.
    bool HandleKeyPress(QObject* watched, QEvent* event) const;
};

// The next button of `count` in reading order for a forward arrow, the one
// before for a backward one, round at either end.
std::size_t StepInOrder(std::size_t from, std::size_t count, int key);

}  // namespace orvanta::ui
