#include "shell/main_tab.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/about_dlg.h"
#include "shell/catalogue_page.h"
#include "shell/tab_ctrl.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/window_registry.h"

namespace orvanta {

MAIN_TAB::MAIN_TAB(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      tab_(new TAB_Ctrl(this)),
      menuBar_(new QMenuBar(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("MAIN_TAB"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setFont(ui::ProgramFont(8));

    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject)
        ->setObjectName(QStringLiteral("exit"));
    QMenu* help = menuBar_->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About Orvanta..."), this, &MAIN_TAB::ShowAbout)
        ->setObjectName(QStringLiteral("about"));

    for (int i = 0; i < TAB_Ctrl::PageCount; ++i) {
        tab_->TabBar()->insertTab(i, ui::ToQString(tab_->CatalogPageTable(i)->Info().tabCaption));
        connect(tab_->CatalogPageTable(i), &CataloguePage::entryActivated, this,
                &MAIN_TAB::OpenChosenCalculator);
    }
    tab_->TabBar()->setCurrentIndex(0);
    tab_->InitPages();

    ok_->setObjectName(QStringLiteral("ok"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &MAIN_TAB::OpenChosenCalculator);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tab_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    // At start as later on: the user sees where Enter will act.
    ui::ButtonFocusFrame::Install(this);
    ui::FocusVisibly(ok_);
}

void MAIN_TAB::OpenChosenCalculator() {
    const CataloguePage* page = tab_->CurrentPage();
    for (std::size_t i = 0; i < page->EntryCount(); ++i) {
        if (page->IsEntryChecked(i)) {
            ui::OpenWindow(page->Info().entries[i].opens, this);
            // The focus comes back where it was, framed.
            ui::ShowFocusFrames(this);
        }
    }
}

void MAIN_TAB::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();
    // X11 delivers Shift+Tab as Backtab.
    const bool backTab =
        key == Qt::Key_Backtab || (key == Qt::Key_Tab && (mods & Qt::ShiftModifier));
    if (mods == Qt::ControlModifier && (key == Qt::Key_Tab || key == Qt::Key_PageDown)) {
        tab_->ShowNextPage();
    } else if ((mods == (Qt::ControlModifier | Qt::ShiftModifier) && backTab) ||
               (mods == Qt::ControlModifier && (key == Qt::Key_Backtab || key == Qt::Key_PageUp))) {
        tab_->ShowPreviousPage();
    } else if (mods == Qt::AltModifier && key >= Qt::Key_1 && key < Qt::Key_1 + tab_->PageCount) {
        tab_->ShowPage(key - Qt::Key_1);
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MAIN_TAB::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
    ui::ShowFocusFrames(this);
}

}  // namespace orvanta
