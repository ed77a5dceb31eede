#pragma once

#include <QTabBar>
#include <QWidget>
#include <array>

#include "shell/catalogue_page.h"

namespace orvanta {

// The tab strip: it reports each left mouse-button press after it has handled
// it, takes no keyboard focus, and ignores the wheel. Pages change by a click
// on a tab or by the main window's page keys.
class CatalogueTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit CatalogueTabBar(QWidget* parent);

signals:
    void leftButtonPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// The tab control of the main window: the tab strip and the five catalogue
// pages placed under it, one shown at a time.
class TAB_Ctrl : public QWidget {
    Q_OBJECT

public:
    explicit TAB_Ctrl(QWidget* parent);

    static constexpr int PageCount = kCataloguePageCount;
    // Page `index` (0 to PageCount - 1), and the index of the page shown.
    CataloguePage* CatalogPageTable(int index) const {
        return pages_.at(static_cast<std::size_t>(index));
    }
    int CurrentPageIndex() const { return current_; }

    void InitPages();
    void PlacePages();
    void OnTabClick();
    // The one page change, for a click and for the keyboard alike: hides the
    // page on display, shows page `index` (its tab selected) and focuses its
    // chosen entry, or its first, with its focus frame. On the page already
    // shown only the focus moves.
    void ShowPage(int index);
    void ShowNextPage();
    void ShowPreviousPage();

    CatalogueTabBar* TabBar() const { return tabBar_; }
    CataloguePage* CurrentPage() const { return CatalogPageTable(current_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<CataloguePage*, kCataloguePageCount> pages_{};
    int current_ = 0;
    CatalogueTabBar* tabBar_;
};

}  // namespace orvanta
