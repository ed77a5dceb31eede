#include "ui/logo.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace orvanta::ui {

QPixmap DrawLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x1f, 0x8a, 0x8a));
    tile.setColorAt(1, QColor(0x0e, 0x4d, 0x5c));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    p.setPen(QPen(Qt::white, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(12, 12, 40, 40));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    p.drawRect(QRectF(22, 34, 5, 9));
    p.drawRect(QRectF(29.5, 28, 5, 15));
    p.drawRect(QRectF(37, 22, 5, 21));
    return pixmap;
}

namespace {

constexpr int kHeldSides[] = {16, 24, 32, 48, 64};

// The sizes up to 64 px are drawn as the first icon is made, while fontconfig
// is still reading its configuration on the other core (shell/startup.cpp),
// and held once for all icons. The large sizes (128 and 256 px, nine tenths of
// the pixels) are drawn when the window system asks for them and not kept.
class LogoIconEngine : public QIconEngine {
public:
    explicit LogoIconEngine(QList<int> sides) : sides_(std::move(sides)), held_(HeldLogos()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        painter->drawPixmap(rect.topLeft(), Logo(side));
    }
    // The window icon is only ever shown in its normal mode.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return Logo(std::min(size.width(), size.height()));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : sides_) sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new LogoIconEngine(*this); }
    QString key() const override { return QStringLiteral("orvanta-logo"); }

private:
    // The small sizes, drawn once and shared by every icon made while one
    // still exists (the application's and the main window's).
    static std::shared_ptr<const QList<QPixmap>> HeldLogos() {
        static std::weak_ptr<const QList<QPixmap>> shared;
        std::shared_ptr<const QList<QPixmap>> held = shared.lock();
        if (!held) {
            QList<QPixmap> drawn;
            for (const int side : kHeldSides) drawn.append(DrawLogo(side));
            held = std::make_shared<const QList<QPixmap>>(std::move(drawn));
            shared = held;
        }
        return held;
    }

    QPixmap Logo(int side) const {
        for (const QPixmap& pixmap : *held_) {
            if (pixmap.width() == side) return pixmap;
        }
        return DrawLogo(side);
    }

    QList<int> sides_;
    std::shared_ptr<const QList<QPixmap>> held_;
};

}  // namespace

QIcon ApplicationIcon(IconSizes sizes) {
    QList<int> sides(std::begin(kHeldSides), std::end(kHeldSides));
    if (sizes == IconSizes::All) sides << 128 << 256;
    return QIcon(new LogoIconEngine(sides));
}

}  // namespace orvanta::ui
