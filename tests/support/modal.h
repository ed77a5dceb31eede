#pragma once

// Helpers for driving modal windows from a test: a modal loop blocks the call
// that opened it, so the test reacts to it from a timer.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/message_box.h"

namespace orvanta::testing {

// Calls `handle` with the next modal window that has not been handed out yet
// (nor was up when this was called); `handle` must close it. Gives up after
// `timeoutMs` so that a missing window fails the test instead of hanging it.
inline QPointer<QTimer> OnNextModal(std::function<void(QWidget*)> handle,
                                    QWidget* current = nullptr, int timeoutMs = 5000) {
    static const char* const kSeen = "orvantaTestSeen";
    if (current) current->setProperty(kSeen, true);
    if (QWidget* up = QApplication::activeModalWidget()) up->setProperty(kSeen, true);
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *waited += 5;
        QWidget* modal = QApplication::activeModalWidget();
        const bool fresh = modal && !modal->property(kSeen).toBool();
        if (!fresh && *waited <= timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (fresh) {
            modal->setProperty(kSeen, true);
            handle(modal);
        }
    });
    timer->start();
    return timer;
}

// Runs `open`, which should open a modal window over `owner`; returns that
// window's class name (its object name) and title, after `inspect` looked at
// it, and closes it. Empty when nothing opened.
struct Opened {
    QString objectName;
    QString title;
};
inline std::vector<Opened> OpenAndClose(QWidget* owner, const std::function<void()>& open,
                                        const std::function<void(QWidget*)>& inspect = {}) {
    std::vector<Opened> opened;
    const QPointer<QTimer> watch = OnNextModal(
        [&](QWidget* modal) {
            opened.push_back({modal->objectName(), modal->windowTitle()});
            if (inspect) inspect(modal);
            if (modal->isVisible()) modal->close();
        },
        owner, 300);
    open();
    delete watch.data();  // a window that never came must not be answered later
    QApplication::processEvents();
    return opened;
}

// Records the messages a form shows instead of running their modal boxes.
class RecordedMessages {
public:
    RecordedMessages() {
        previous_ =
            ui::SetMessageHandler([this](const ui::MessageRequest& r) { messages.push_back(r); });
    }
    ~RecordedMessages() { ui::SetMessageHandler(previous_); }
    std::vector<ui::MessageRequest> messages;

    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }

private:
    ui::MessageHandler previous_;
};

}  // namespace orvanta::testing
