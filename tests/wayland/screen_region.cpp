// screen_region PNG X Y W H: whether that rectangle of a compositor's
// screenshot shows a drawn window rather than the empty desktop: nearly all of
// it differs from the desktop's colour (the screenshot's corner pixel), and it
// has the many colours of text and frames. Exit 0 when it does.
#include <QImage>
#include <QSet>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fputs("usage: screen_region PNG X Y W H\n", stderr);
        return 2;
    }
    const QImage screen =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QRect rect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                     std::atoi(argv[5]));
    if (screen.isNull() || rect.isEmpty() || !screen.rect().contains(rect)) {
        std::fprintf(stderr, "screen_region: no picture, or the rectangle is not on it\n");
        return 2;
    }
    const QRgb desktop = screen.pixel(0, screen.height() - 1);
    long long same = 0;
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = screen.pixel(x, y);
            same += p == desktop;
            if (colours.size() < 64) colours.insert(p);
        }
    }
    const double share = double(same) / (double(rect.width()) * rect.height());
    std::printf("%d x %d at %d,%d: %.1f %% desktop, %lld colours\n", rect.width(), rect.height(),
                rect.x(), rect.y(), share * 100, static_cast<long long>(colours.size()));
    return share < 0.02 && colours.size() >= 16 ? 0 : 1;
}
