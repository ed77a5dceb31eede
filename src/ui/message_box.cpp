#include "ui/message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <utility>

#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"

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
    // Its "OK" looks like the forms' buttons: their font and text, and no
    // stock icon or mnemonic, which some platform themes put on dialog
    // buttons only. Enter and Escape still dismiss it.
    for (QAbstractButton* button : box.buttons()) {
        button->setFont(FormFont());
        button->setIcon(QIcon());
        button->setText(QStringLiteral("OK"));
    }
    ButtonFocusFrame::Install(&box);
    box.exec();
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void QtReportMessages::ShowError(std::string_view caption, std::string_view text) {
    ShowMessage(nullptr, ToQString(caption), ToQString(text), QMessageBox::Critical);
}

}  // namespace orvanta::ui
