#pragma once

#include <QDialog>

class QLabel;

namespace orvanta {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QLabel* Link() const { return link_; }

private:
    QLabel* link_;
};

}  // namespace orvanta
