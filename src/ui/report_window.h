#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "ui/report_layout.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenuBar;
class QPlainTextEdit;

namespace orvanta::ui {

// A read-only text report in a resizable window with File / Edit / Help menus:
// Print sends it to the default printer (64 lines to a page, one job a page),
// Copy puts the whole report on the clipboard, About opens the About box over
// it. Enter and Esc close it. The window keeps the text exactly as it was
// given (CR LF line ends included): the text area holds a display copy only.
//
// Object names: the class name given, "heading", "text", and the actions
// "print", "copy", "about".
class ReportWindow : public QDialog {
    Q_OBJECT

public:
    // `text` is UTF-8, lines ending in CR LF.
    ReportWindow(std::string_view className, std::string text, QWidget* owner = nullptr);

    const std::string& Text() const { return text_; }
    QPlainTextEdit* TextArea() const { return textArea_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QAction* PrintAction() const { return print_; }
    QAction* CopyAction() const { return copy_; }
    QAction* AboutAction() const { return about_; }

    void Print();
    void Copy();
    void About();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string text_;
    ReportColumns columns_;
    QMenuBar* menuBar_;
    QLabel* heading_;
    QPlainTextEdit* textArea_;
    QAction* print_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* about_ = nullptr;
};

}  // namespace orvanta::ui
