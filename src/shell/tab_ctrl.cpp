#include "shell/tab_ctrl.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <algorithm>

#include "ui/qt_text.h"

namespace orvanta {

CatalogueTabBar::CatalogueTabBar(QWidget* parent) : QTabBar(parent) {
    setObjectName(QStringLiteral("tabs"));
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
}

void CatalogueTabBar::mousePressEvent(QMouseEvent* event) {
    QTabBar::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit leftButtonPressed();
}

void CatalogueTabBar::wheelEvent(QWheelEvent* event) { event->ignore(); }

TAB_Ctrl::TAB_Ctrl(QWidget* parent) : QWidget(parent), tabBar_(new CatalogueTabBar(this)) {
    setObjectName(QStringLiteral("TAB_Ctrl"));
    for (int i = 0; i < PageCount; ++i) {
        pages_[i] = new CataloguePage(Catalogue()[i], this);
        pages_[i]->hide();
    }
    connect(tabBar_, &CatalogueTabBar::leftButtonPressed, this, &TAB_Ctrl::OnTabClick);
}

void TAB_Ctrl::InitPages() {
    current_ = 0;
    for (int i = 0; i < PageCount; ++i) {
        if (i == 0)
            pages_[i]->show();
        else
            pages_[i]->hide();
    }
    // The control is as large as the largest page under the strip.
    QSize page;
    for (const CataloguePage* p : pages_) page = page.expandedTo(p->sizeHint());
    tabBar_->adjustSize();
    const int width = std::max(tabBar_->sizeHint().width(), page.width()) + 4;
    tabBar_->setGeometry(0, 0, width, tabBar_->sizeHint().height());
    setFixedSize(width, tabBar_->height() + page.height() + 4);
    PlacePages();
}

void TAB_Ctrl::PlacePages() {
    const QRect client = rect();
    const QRect tab0 = tabBar_->tabRect(0).translated(tabBar_->pos());
    const int x = tab0.left();
    const int y = tab0.bottom() + 1;
    const int width = client.right() - tab0.left() - 1;
    const int height = client.bottom() - y - 1;
    for (int i = 0; i < PageCount; ++i) {
        pages_[i]->setGeometry(x, y, width, height);
        pages_[i]->raise();
        pages_[i]->setVisible(i == current_);
    }
}

void TAB_Ctrl::OnTabClick() {
    // A click on the tab already shown, or beside the tabs, changes nothing.
    const int index = tabBar_->currentIndex();
    if (index != current_) ShowPage(index);
}

void TAB_Ctrl::ShowPage(int index) {
    if (index < 0 || index >= PageCount) return;
    // The page key of the page on display still takes the user to its entries.
    if (index == current_) {
        CurrentPage()->FocusEntry();
        return;
    }
    pages_[current_]->hide();
    current_ = index;
    if (tabBar_->currentIndex() != index) tabBar_->setCurrentIndex(index);
    CataloguePage* page = pages_[current_];
    page->show();
    page->FocusEntry();
    // Screen readers hear the new page by its heading before the entry.
    QAccessibleEvent shown(page, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void TAB_Ctrl::ShowNextPage() { ShowPage((current_ + 1) % PageCount); }

void TAB_Ctrl::ShowPreviousPage() { ShowPage((current_ + PageCount - 1) % PageCount); }

void TAB_Ctrl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, tabBar_->height() - 1, width(), height() - tabBar_->height() + 1);
    frame.tabBarSize = tabBar_->size();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace orvanta
