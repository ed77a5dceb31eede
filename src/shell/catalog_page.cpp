#include "shell/catalog_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace orvanta {

CatalogPage::CatalogPage(const CatalogPageInfo& info, QWidget* parent)
    : QWidget(parent), info_(info), group_(new QButtonGroup(this)) {
    setObjectName(ui::ToQString(info.pageClass));
    setAccessibleName(ui::ToQString(info.heading));
    setFont(QFont(QStringLiteral("Arial"), 10));

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(ui::ToQString(info.heading), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    heading->setMargin(4);
    layout->addWidget(heading);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("entries"));
    auto* grid = new QGridLayout(frame);
    group_->setExclusive(true);
    int rows[2] = {0, 0};
    for (std::size_t i = 0; i < info.entries.size(); ++i) {
        const CatalogEntry& entry = info.entries[i];
        auto* radio = new QRadioButton(ui::ToQString(entry.text), frame);
        radio->setObjectName(QStringLiteral("entry_") + ui::ToQString(entry.opens.ClassName()));
        group_->addButton(radio, static_cast<int>(i));
        const int column = entry.column == 0 ? 0 : 1;
        grid->addWidget(radio, rows[column]++, column, Qt::AlignLeft | Qt::AlignTop);
        radio->setAccessibleName(radio->text());
        radio->installEventFilter(this);
        entries_.push_back(radio);
    }
    grid->setRowStretch(std::max(rows[0], rows[1]), 1);
    layout->addWidget(frame, 1);
}

bool CatalogPage::IsEntryChecked(std::size_t index) const {
    return index < entries_.size() && entries_[index]->isChecked();
}

bool CatalogPage::eventFilter(QObject* watched, QEvent* event) {
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

void CatalogPage::FocusEntry() {
    if (entries_.empty()) return;
    QAbstractButton* target = group_->checkedButton();
    (target ? target : entries_.front())->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvanta
