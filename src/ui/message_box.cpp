#include "ui/message_box.h"

#include <utility>

namespace orvanta::ui {
namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

void ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                 QMessageBox::Icon icon) {
    if (Handler()) {
        Handler()({owner, caption, text, icon});
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("message"));
    box.setAccessibleName(caption);
    box.setAccessibleDescription(text);
    box.exec();
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace orvanta::ui
