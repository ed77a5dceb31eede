#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace orvanta::ui {

// Every modal message of the program goes through here, so tests can answer
// them without a modal loop and record exactly what the user would have seen.
struct MessageRequest {
    QWidget* owner;
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};
using MessageHandler = std::function<void(const MessageRequest&)>;

// The forms' font, Arial 10 pt; the message box's "OK" wears it too.
QFont FormFont();

// A modal box with one "OK" button; returns when the user dismissed it.
void ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

// Replaces the real boxes (pass an empty handler to restore them). Returns the
// handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace orvanta::ui
