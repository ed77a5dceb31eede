// The caching style must draw exactly what the style it wraps draws, within
// one step per colour channel (a copy is blended once where the style blends
// each stroke), whatever the state, palette and pixel ratio: a key that fails
// to tell two states apart shows here as the wrong picture from the cache.
#include "ui/caching_style.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>
#include <string>
#include <vector>

namespace orvanta {
namespace {

QPalette DarkPalette(const QPalette& light) {
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    return dark;
}

// A result field: the window's colour behind the text.
QPalette ReadOnlyPalette(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    }
    return palette;
}

struct Case {
    const char* name;
    QStyle::PrimitiveElement element;
    QSize size;
    QStyle::State state;
};

// Both kinds side by side: QStyleOption has no virtual destructor, so the
// one in use is handed out by pointer and never deleted through it.
struct Options {
    QStyleOptionFrame frame;
    QStyleOptionButton button;
    QStyleOption* inUse = nullptr;
};

void MakeOption(Options& options, const Case& c, const QPalette& palette, QPoint at) {
    if (c.element == QStyle::PE_PanelLineEdit || c.element == QStyle::PE_Frame) {
        options.frame.lineWidth = 1;
        options.inUse = &options.frame;
    } else {
        options.inUse = &options.button;
    }
    options.inUse->rect = QRect(at, c.size);
    options.inUse->state = c.state;
    options.inUse->palette = palette;
}

QImage Draw(const QStyle& style, const Case& c, const QPalette& palette, int ratio) {
    QImage image(QSize(200, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    // Away from the origin, where the cached copy is drawn.
    Options options;
    MakeOption(options, c, palette, QPoint(7, 5));
    style.drawPrimitive(c.element, options.inUse, &painter, nullptr);
    return image;
}

int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int shift : {0, 8, 16, 24}) {
                largest = std::max(largest,
                                   std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
            }
        }
    }
    return largest;
}

TEST(CachingStyle, DrawsWhatTheWrappedStyleDrawsInEveryStateAndScale) {
    using S = QStyle::StateFlag;
    const QStyle::State on = S::State_Enabled | S::State_Active;
    const std::vector<Case> cases = {
        {"field", QStyle::PE_PanelLineEdit, {150, 24}, on},
        {"field focused", QStyle::PE_PanelLineEdit, {150, 24}, on | S::State_HasFocus},
        {"field hovered", QStyle::PE_PanelLineEdit, {150, 24}, on | S::State_MouseOver},
        {"field read-only", QStyle::PE_PanelLineEdit, {150, 24}, on | S::State_ReadOnly},
        {"field disabled", QStyle::PE_PanelLineEdit, {150, 24}, S::State_Active},
        {"field inactive window", QStyle::PE_PanelLineEdit, {150, 24}, S::State_Enabled},
        {"field narrower", QStyle::PE_PanelLineEdit, {90, 24}, on | S::State_HasFocus},
        // On whole device pixels the outline of a framed heading is untouched.
        {"styled panel", QStyle::PE_Frame, {150, 24}, on},
        {"radio off", QStyle::PE_IndicatorRadioButton, {13, 13}, on | S::State_Off},
        {"radio on", QStyle::PE_IndicatorRadioButton, {13, 13}, on | S::State_On},
        {"radio on focused",
         QStyle::PE_IndicatorRadioButton,
         {13, 13},
         on | S::State_On | S::State_HasFocus},
        {"radio hovered",
         QStyle::PE_IndicatorRadioButton,
         {13, 13},
         on | S::State_Off | S::State_MouseOver},
        {"radio pressed",
         QStyle::PE_IndicatorRadioButton,
         {13, 13},
         on | S::State_Off | S::State_Sunken},
        {"radio disabled",
         QStyle::PE_IndicatorRadioButton,
         {13, 13},
         S::State_Active | S::State_On},
    };
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("fusion")));
    ASSERT_TRUE(plain);
    ui::CachingStyle caching(QStyleFactory::create(QStringLiteral("fusion")));
    const QPalette light = plain->standardPalette();
    const std::vector<std::pair<const char*, QPalette>> palettes = {
        {"light", light},
        {"light read-only", ReadOnlyPalette(light)},
        {"dark", DarkPalette(light)},
        {"dark read-only", ReadOnlyPalette(DarkPalette(light))},
    };
    QPixmapCache::clear();
    for (const int ratio : {1, 2}) {
        for (const auto& [paletteName, palette] : palettes) {
            for (const Case& c : cases) {
                SCOPED_TRACE(std::string(c.name) + ", " + paletteName + ", ratio " +
                             std::to_string(ratio));
                const QImage expected = Draw(*plain, c, palette, ratio);
                // The first drawing fills the cache, the second copies from it.
                EXPECT_LE(LargestChannelDifference(Draw(caching, c, palette, ratio), expected), 1);
                EXPECT_LE(LargestChannelDifference(Draw(caching, c, palette, ratio), expected), 1);
            }
        }
    }
}

QImage Painted(const QIcon& icon, int side, qreal ratio) {
    QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, side, side));
    return image;
}

// The menu bar's extension arrows are read when first used, and then are the
// wrapped style's own pictures at every size and scale, copies included.
TEST(CachingStyle, ExtensionArrowsAreTheWrappedStylesPictures) {
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("fusion")));
    ASSERT_TRUE(plain);
    ui::CachingStyle caching(QStyleFactory::create(QStringLiteral("fusion")));
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon expected = plain->standardIcon(which);
        const QIcon deferred = caching.standardIcon(which);
        EXPECT_FALSE(deferred.isNull());
        const QIcon copy = deferred;  // shares the engine before anything is read
        QIcon detached = deferred;
        detached.detach();  // a clone made before anything is read
        EXPECT_EQ(deferred.availableSizes(), expected.availableSizes());
        for (const QIcon* icon : std::initializer_list<const QIcon*>{&deferred, &copy, &detached}) {
            for (const int side : {8, 16, 32}) {
                for (const qreal ratio : {1.0, 2.0}) {
                    SCOPED_TRACE("side " + std::to_string(side) + ", ratio " +
                                 std::to_string(ratio));
                    EXPECT_EQ(icon->actualSize(QSize(side, side)),
                              expected.actualSize(QSize(side, side)));
                    EXPECT_EQ(icon->pixmap(QSize(side, side), ratio).toImage(),
                              expected.pixmap(QSize(side, side), ratio).toImage());
                    EXPECT_EQ(icon->pixmap(QSize(side, side), ratio, QIcon::Disabled).toImage(),
                              expected.pixmap(QSize(side, side), ratio, QIcon::Disabled).toImage());
                    EXPECT_EQ(Painted(*icon, side, ratio), Painted(expected, side, ratio));
                }
            }
        }
    }
    // Asked with an option, or for any other picture, the wrapped style answers.
    QStyleOption rtl;
    rtl.direction = Qt::RightToLeft;
    EXPECT_EQ(caching.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &rtl)
                  .pixmap(16)
                  .toImage(),
              plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &rtl)
                  .pixmap(16)
                  .toImage());
    EXPECT_EQ(caching.standardIcon(QStyle::SP_ArrowUp).pixmap(16).toImage(),
              plain->standardIcon(QStyle::SP_ArrowUp).pixmap(16).toImage());
}

}  // namespace
}  // namespace orvanta
