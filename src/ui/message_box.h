#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string_view>

#include "forms/report_commands.h"

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

// A modal box with one "OK" button; returns when the user dismissed it.
void ShowMessage(QWidget* owner, const QString& caption, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

// Replaces the real boxes (pass an empty handler to restore them). Returns the
// handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);

// A report's "PRINTER ERROR !!!" and its kind, owned by no window, with the
// error icon.
class QtReportMessages : public ReportMessages {
public:
    void ShowError(std::string_view caption, std::string_view text) override;
};

}  // namespace orvanta::ui
