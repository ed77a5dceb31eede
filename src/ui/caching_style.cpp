#include "ui/caching_style.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QIconEngine>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QRadioButton>
#include <QStyleOption>
#include <QThread>
#include <algorithm>
#include <cmath>

namespace orvanta::ui {
namespace {

// Larger drawings are cheap per pixel already and would crowd the cache.
constexpr int kMaxCachedArea = 256 * 64;

// The palette's colours as one number. QPalette::cacheKey() will not do: every
// widget that resolves its own copy gets a new key, so equal colours would
// never share an entry. False for gradient or texture brushes.
bool PaletteHash(const QPalette& palette, size_t& hash) {
    size_t seed = 0;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const QBrush& brush = palette.brush(static_cast<QPalette::ColorGroup>(g),
                                                static_cast<QPalette::ColorRole>(r));
            if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush) return false;
            seed = qHashMulti(seed, brush.style(), brush.color().rgba64());
        }
    }
    hash = seed;
    return true;
}

// Whether a copy made at the origin lands on the same device pixels: whole
// pixel offsets and a whole scale, no rotation, plain source-over painting.
bool CopiesExactly(const QPainter* painter, const QRect& rect, qreal& ratio) {
    if (painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform& t = painter->deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22()) return false;
    ratio = painter->device()->devicePixelRatio();
    if (ratio != std::round(ratio) || t.m11() != ratio) return false;
    const QPointF at = t.map(QPointF(rect.topLeft()));
    return at.x() == std::round(at.x()) && at.y() == std::round(at.y());
}

// Where a panel drawn in `rect` shows on the device, in whole device pixels,
// when the painter only scales and moves. A widget shows on the pixels its
// edges round to, so at a fractional ratio (1.25, 1.5) a widget whose edge
// falls between two pixels loses that pixel: a one-pixel outline drawn on the
// widget's edge is then cut off there. False where the panel's edges are whole
// device pixels already, as they always are at ratios 1 and 2.
bool FallsBetweenDevicePixels(const QPainter* painter, const QRect& rect, QRect& onDevice) {
    const QTransform& t = painter->deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || t.m11() <= 0) return false;
    const QRectF exact = t.mapRect(QRectF(rect));
    onDevice = QRect(QPoint(qRound(exact.left()), qRound(exact.top())),
                     QPoint(qRound(exact.right()), qRound(exact.bottom())) - QPoint(1, 1));
    if (onDevice.isEmpty()) return false;
    return exact != QRectF(onDevice.topLeft(), onDevice.size());
}

// Drawn from the option alone, never from the widget, in the styles we wrap.
bool IsCachedElement(QStyle::PrimitiveElement element, const QStyleOption* option,
                     const QWidget* widget) {
    switch (element) {
        case QStyle::PE_PanelLineEdit: {
            // Inside a combo or spin box the outer control draws the panel.
            const QWidget* parent = widget ? widget->parentWidget() : nullptr;
            return option->type == QStyleOption::SO_Frame &&
                   !qobject_cast<const QComboBox*>(parent) &&
                   !qobject_cast<const QAbstractSpinBox*>(parent);
        }
        case QStyle::PE_IndicatorRadioButton: return option->type == QStyleOption::SO_Button;
        default: return false;
    }
}

QString CacheKey(QStyle::PrimitiveElement element, const QStyleOption* option, qreal ratio,
                 size_t paletteHash) {
    int frameBits = 0;
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        frameBits = frame->lineWidth | frame->midLineWidth << 8 |
                    static_cast<int>(frame->features) << 16 | frame->frameShape << 20;
    }
    return QStringLiteral("orvanta-style-%1-%2x%3-%4-%5-%6-%7-%8")
        .arg(element)
        .arg(option->rect.width())
        .arg(option->rect.height())
        .arg(static_cast<uint>(option->state), 0, 16)
        .arg(option->direction)
        .arg(frameBits)
        .arg(ratio)
        .arg(paletteHash, 0, 16);
}

// A standard icon asked of the style only when something first draws or
// measures it. Until then nothing is read; afterwards every call goes to the
// icon the style gave.
class IconOnFirstUse final : public QIconEngine {
public:
    IconOnFirstUse(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(const_cast<QStyle*>(style)),
          widget_(const_cast<QWidget*>(widget)),
          which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        // As the style's own icons paint: their picture for the device pixels.
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        // At a ratio of exactly 1 QIcon hands the size to its engine as it is.
        return Real().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        // QIcon's own actualSize() would scale by the application's ratio.
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    // The style's arrows are never empty; asking must not read them.
    bool isNull() override { return resolved_ && real_.isNull(); }
    QString key() const override { return QStringLiteral("OrvantaIconOnFirstUse"); }
    QIconEngine* clone() const override {
        auto* copy = new IconOnFirstUse(style_.data(), which_, widget_.data());
        copy->real_ = real_;
        copy->resolved_ = resolved_;
        return copy;
    }

private:
    const QIcon& Real() {
        if (!resolved_) {
            resolved_ = true;
            // The caching style's own base answers; should that style have been
            // replaced meanwhile, whichever style the application has now.
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            if (const auto* caching = qobject_cast<const CachingStyle*>(style)) {
                style = caching->baseStyle();
            }
            real_ = style->standardIcon(which_, nullptr, widget_.data());
        }
        return real_;
    }

    QPointer<QStyle> style_;
    QPointer<QWidget> widget_;
    QStyle::StandardPixmap which_;
    QIcon real_;
    bool resolved_ = false;
};

// A painter of the style's own picture draws as the one it stands in for.
void DrawLike(QPainter& p, const QPainter& painter) {
    p.setRenderHints(painter.renderHints());
    p.setPen(painter.pen());
    p.setBrush(painter.brush());
    p.setFont(painter.font());
}

}  // namespace

CachingStyle::CachingStyle(QStyle* base) : QProxyStyle(base) {
    // Only styles whose line-edit panel and radio indicator depend on the
    // option alone; any other draws as it always did.
    cacheable_ = baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

void CachingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QRect onDevice;
    // A styled panel's outline (a framed heading) lies on the widget's edges.
    if (element == PE_Frame && option && painter &&
        FallsBetweenDevicePixels(painter, option->rect, onDevice)) {
        DrawOnDevicePixels(element, option, painter, widget, onDevice);
        return;
    }
    qreal ratio = 1;
    size_t paletteHash = 0;
    const QRect& rect = option ? option->rect : QRect();
    // QPixmap, and so the cache, belongs to the GUI thread.
    if (!cacheable_ || !option || !painter || rect.isEmpty() ||
        QThread::currentThread() != qApp->thread() ||
        rect.width() * rect.height() > kMaxCachedArea ||
        !IsCachedElement(element, option, widget) || !CopiesExactly(painter, rect, ratio) ||
        !PaletteHash(option->palette, paletteHash)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString key = CacheKey(element, option, ratio, paletteHash);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(rect.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        DrawLike(p, *painter);
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            QStyleOptionFrame copy(*frame);
            copy.rect.moveTo(0, 0);
            QProxyStyle::drawPrimitive(element, &copy, &p, widget);
        } else if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            QStyleOptionButton copy(*button);
            copy.rect.moveTo(0, 0);
            QProxyStyle::drawPrimitive(element, &copy, &p, widget);
        }
        p.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter->drawPixmap(rect.topLeft(), pixmap);
}

// The wrapped style draws the panel at the nearest whole ratio below (1 at
// 1.25 and 1.5), as at that ratio, into the device pixels the widget shows on,
// and the picture is put there pixel for pixel: every edge shows, each one as
// wide as the others.
void CachingStyle::DrawOnDevicePixels(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget,
                                      const QRect& onDevice) const {
    const int whole = std::max(1, static_cast<int>(painter->deviceTransform().m11()));
    // An image, not a pixmap: the style may be asked off the GUI thread.
    QImage image(onDevice.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(whole);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawLike(p, *painter);
    // At a whole ratio above 1 an odd pixel left over stays empty inside.
    const QRect rect(0, 0, onDevice.width() / whole, onDevice.height() / whole);
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        QStyleOptionFrame copy(*frame);
        copy.rect = rect;
        QProxyStyle::drawPrimitive(element, &copy, &p, widget);
    } else {
        QStyleOption copy(*option);
        copy.rect = rect;
        QProxyStyle::drawPrimitive(element, &copy, &p, widget);
    }
    p.end();
    image.setDevicePixelRatio(1);  // copied pixel for pixel
    painter->save();
    // The painter's own coordinates, made device pixels.
    painter->setWorldTransform(painter->deviceTransform().inverted() * painter->worldTransform());
    painter->drawImage(onDevice.topLeft(), image);
    painter->restore();
}

QIcon CachingStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (option == nullptr && (icon == SP_ToolBarHorizontalExtensionButton ||
                              icon == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new IconOnFirstUse(this, icon, widget));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void InstallCachingStyle() {
    QStyle* current = QApplication::style();
    if (!current || qobject_cast<CachingStyle*>(current)) return;
    QApplication::setStyle(new CachingStyle(current));
}

}  // namespace orvanta::ui
