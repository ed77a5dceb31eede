#include "shell/about_dlg.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/product.h"
#include "ui/focus_frame.h"
#include "ui/logo.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

namespace orvanta {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), link_(new QLabel(this)) {
    setObjectName(ui::ToQString(ui::kAboutWindow));
    setWindowTitle(QStringLiteral("ABOUT Orvanta"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font = QApplication::font("QDialog");
    font.setPointSize(8);
    setFont(font);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* inner = new QHBoxLayout(frame);

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(ui::DrawLogo(64));
    logo->setAccessibleName(QStringLiteral("Orvanta logo"));
    inner->addWidget(logo, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* version = new QLabel(QStringLiteral("Orvanta v.") + ui::ToQString(kVersion), frame);
    version->setObjectName(QStringLiteral("version"));
    auto* maker = new QLabel(ui::ToQString(kMakerLine), frame);
    maker->setObjectName(QStringLiteral("maker"));
    const QString address = ui::ToQString(kWebAddress);
    link_->setParent(frame);
    link_->setObjectName(QStringLiteral("link"));
    link_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link_->setOpenExternalLinks(true);
    link_->setAccessibleName(address);
    texts->addWidget(version);
    texts->addWidget(maker);
    texts->addWidget(link_);
    inner->addLayout(texts);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignRight);
    ui::ButtonFocusFrame::Install(this);
    ui::FocusVisibly(ok);
}

}  // namespace orvanta
