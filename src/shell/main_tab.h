#pragma once

#include <QDialog>

class QMenuBar;
class QPushButton;

namespace orvanta {

class TAB_Ctrl;

// The main window: the catalogue, "OK" to open the chosen calculator and
// "Cancel" to leave. It runs modally; when it closes the program ends.
class MAIN_TAB : public QDialog {
    Q_OBJECT

public:
    explicit MAIN_TAB(QWidget* parent = nullptr);

    TAB_Ctrl* TabControl() const { return tab_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QMenuBar* MenuBar() const { return menuBar_; }

    void OpenChosenCalculator();
    void ShowAbout();

protected:
    // Page keys: Ctrl+Tab / Ctrl+PgDown next page, Ctrl+Shift+Tab / Ctrl+PgUp
    // previous page (both wrapping), Alt+1 to Alt+5 that page.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TAB_Ctrl* tab_;
    QMenuBar* menuBar_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace orvanta
