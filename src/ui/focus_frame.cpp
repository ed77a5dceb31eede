#include "ui/focus_frame.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace orvanta::ui {

void ShowFocusFrames(QWidget* window) {
    if (window) window->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusVisibly(QWidget* widget) {
    if (!widget) return;
    ShowFocusFrames(widget);
    widget->setFocus(Qt::ShortcutFocusReason);
    widget->update();
}

void ButtonFocusFrame::Install(QWidget* window) {
    auto* frame = new ButtonFocusFrame(window);
    window->installEventFilter(frame);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QRadioButton*>(button)) {
            button->installEventFilter(frame);
        }
    }
}

bool ButtonFocusFrame::eventFilter(QObject* watched, QEvent* event) {
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

}  // namespace orvanta::ui
