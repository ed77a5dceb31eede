#pragma once

#include <QWidget>
#include <vector>

#include "catalogue/catalogue.h"
#include "ui/radio_group_keys.h"

class QButtonGroup;
class QRadioButton;

namespace orvanta {

// One catalogue page: its heading and one exclusive group of entries. Pages
// have no behaviour of their own; the main window reads which entry is chosen.
class CataloguePage : public QWidget {
    Q_OBJECT

public:
    CataloguePage(const CataloguePageInfo& info, QWidget* parent);

    const CataloguePageInfo& Info() const { return info_; }
    std::size_t EntryCount() const { return entries_.size(); }
    QRadioButton* Entry(std::size_t index) const { return entries_.at(index); }
    bool IsEntryChecked(std::size_t index) const;
    // The chosen entry takes the focus, or the first one when none is chosen,
    // and shows its focus frame.
    void FocusEntry();

signals:
    // A double-click or Enter chose an entry: open it.
    void entryActivated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where an arrow key goes from entry `from`, by the page's reading order
    // and its columns, not by the geometry of buttons of unequal widths.
    std::size_t ArrowTarget(std::size_t from, int key) const;

    const CataloguePageInfo& info_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> entries_;
    // Entry indices down the left column, then down the right one.
    std::vector<std::size_t> columns_[2];
    // Enter and the arrows among the entries.
    ui::RadioGroupKeys keys_;
};

}  // namespace orvanta
