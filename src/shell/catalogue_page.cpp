#include "shell/catalogue_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/framed_heading.h"
#include "ui/keys.h"
#include "ui/qt_text.h"
#include "ui/radio_group_keys.h"

namespace orvanta {

CataloguePage::CataloguePage(const CataloguePageInfo& info, QWidget* parent)
    : QWidget(parent), info_(info), group_(new QButtonGroup(this)) {
    setObjectName(ui::ToQString(info.pageClass));
    setAccessibleName(ui::ToQString(info.heading));
    setFont(ui::FormFont());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        ui::MakeHeadingLabel(ui::ToQString(info.heading), HeadingStyle::Framed, this));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("entries"));
    auto* grid = new QGridLayout(frame);
    group_->setExclusive(true);
    int rows[2] = {0, 0};
    for (std::size_t i = 0; i < info.entries.size(); ++i) {
        const CatalogueEntry& entry = info.entries[i];
        auto* radio = new QRadioButton(ui::ToQString(entry.text), frame);
        radio->setObjectName(QStringLiteral("entry_") + ui::ToQString(entry.opens.ClassName()));
        group_->addButton(radio, static_cast<int>(i));
        const int column = entry.column == 0 ? 0 : 1;
        grid->addWidget(radio, rows[column]++, column, Qt::AlignLeft | Qt::AlignTop);
        columns_[column].push_back(i);
        radio->setAccessibleName(radio->text());
        radio->installEventFilter(this);
        entries_.push_back(radio);
    }
    grid->setRowStretch(std::max(rows[0], rows[1]), 1);
    layout->addWidget(frame, 1);
    keys_ = {entries_, [this](std::size_t from, int key) { return ArrowTarget(from, key); },
             [this] { emit entryActivated(); }};
}

bool CataloguePage::IsEntryChecked(std::size_t index) const {
    return index < entries_.size() && entries_[index]->isChecked();
}

std::size_t CataloguePage::ArrowTarget(std::size_t from, int key) const {
    std::vector<std::size_t> order = columns_[0];
    order.insert(order.end(), columns_[1].begin(), columns_[1].end());
    const auto at =
        static_cast<std::size_t>(std::find(order.begin(), order.end(), from) - order.begin());
    if (at >= order.size()) return from;
    const bool twoColumns = !columns_[0].empty() && !columns_[1].empty();
    if (twoColumns && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        // The same row of the other column, or its last entry when it is shorter.
        const std::size_t column = at < columns_[0].size() ? 0 : 1;
        const std::size_t row = column == 0 ? at : at - columns_[0].size();
        const std::vector<std::size_t>& other = columns_[1 - column];
        return other[std::min(row, other.size() - 1)];
    }
    return order[ui::StepInOrder(at, order.size(), key)];
}

bool CataloguePage::eventFilter(QObject* watched, QEvent* event) {
    if (keys_.HandleKeyPress(watched, event)) return true;
    // With a modifier an arrow does nothing here, rather than let the
    // buttons' own geometric search wander off.
    if (event->type() == QEvent::KeyPress &&
        ui::IsArrowKey(static_cast<QKeyEvent*>(event)->key()) &&
        std::find(entries_.begin(), entries_.end(), watched) != entries_.end()) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (QRadioButton* entry : entries_) {
            if (entry != watched) continue;
            entry->setChecked(true);
            emit entryActivated();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CataloguePage::FocusEntry() {
    if (entries_.empty()) return;
    QAbstractButton* target = group_->checkedButton();
    ui::FocusVisibly(target ? target : entries_.front());
}

}  // namespace orvanta
