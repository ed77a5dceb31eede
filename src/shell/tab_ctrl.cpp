#include "shell/tab_ctrl.h"

#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <algorithm>

#include "ui/qt_text.h"

namespace orvanta {

CatalogTabBar::CatalogTabBar(QWidget* parent) : QTabBar(parent) {
    setObjectName(QStringLiteral("tabs"));
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
}

void CatalogTabBar::mousePressEvent(QMouseEvent* event) {
    QTabBar::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit leftButtonPressed();
}

void CatalogTabBar::wheelEvent(QWheelEvent* event) { event->ignore(); }

TAB_Ctrl::TAB_Ctrl(QWidget* parent) : QWidget(parent), tabBar_(new CatalogTabBar(this)) {
    setObjectName(QStringLiteral("TAB_Ctrl"));
    for (int i = 0; i < PageCount; ++i) {
        CatalogPageTable[i] = new CatalogPage(Catalogue()[i], this);
        CatalogPageTable[i]->hide();
    }
    connect(tabBar_, &CatalogTabBar::leftButtonPressed, this, &TAB_Ctrl::OnTabClick);
}

void TAB_Ctrl::InitPages() {
    CurrentPageIndex = 0;
    for (int i = 0; i < PageCount; ++i) {
        if (i == 0)
            CatalogPageTable[i]->show();
        else
            CatalogPageTable[i]->hide();
    }
    // The control is as large as the largest page under the strip.
    QSize page;
    for (const CatalogPage* p : CatalogPageTable) page = page.expandedTo(p->sizeHint());
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
        CatalogPageTable[i]->setGeometry(x, y, width, height);
        CatalogPageTable[i]->raise();
        CatalogPageTable[i]->setVisible(i == CurrentPageIndex);
    }
}

void TAB_Ctrl::OnTabClick() {
    const int focus = tabBar_->currentIndex();
    if (focus < 0 || focus >= PageCount || focus == CurrentPageIndex) return;
    CatalogPageTable[CurrentPageIndex]->hide();
    CurrentPageIndex = focus;
    CatalogPageTable[CurrentPageIndex]->show();
    CatalogPageTable[CurrentPageIndex]->FocusEntry();
}

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
