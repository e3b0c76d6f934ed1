// Paints a full-screen skin (fill, tiled pattern, gloss gradient, eight border images)
// through BackgroundPainter and through the same plain QPainter calls, and prints the
// time of each and their ratio. Also times a stretched ImagePainter, which keeps its
// scaled pixmap, against scaling on every paint.
#include "BackgroundPainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QSize ScreenSize(1920, 1080);

QPixmap patternPixmap(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 5 + seed * 40) % 256, (y * 3 + seed * 70) % 256, (x ^ y) % 256, 255));
    return QPixmap::fromImage(image);
}

struct Skin
{
    QColor fill{40, 60, 90};
    QPixmap tile = patternPixmap(64, 64, 1);
    GradientPainter gradient{QColor(255, 255, 255, 90), QColor(255, 255, 255, 0), Qt::Vertical,
                             QGradient::LinearGradient};
    QPixmap pieces[8] = {patternPixmap(24, 24, 2), patternPixmap(24, 24, 3), patternPixmap(24, 24, 4),
                         patternPixmap(24, 24, 5), patternPixmap(24, 24, 6), patternPixmap(24, 24, 7),
                         patternPixmap(24, 24, 8), patternPixmap(24, 24, 9)};

    BackgroundPainter background() const
    {
        BackgroundPainter painter(fill);
        painter.setImagePainter(ImagePainter(tile, ImagePainter::Tile));
        painter.setGradientPainter(gradient);
        BorderPainter border;
        border.setImages(pieces[0], pieces[1], pieces[2], pieces[3], pieces[4], pieces[5], pieces[6], pieces[7], false);
        painter.setBorderPainter(border);
        return painter;
    }

    // What a hand-written paint event would do for the same picture.
    void paintPlain(QPainter& p, const QRectF& r) const
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(r, fill);
        p.drawTiledPixmap(r, tile);
        QLinearGradient linear(r.topLeft(), r.bottomLeft());
        linear.setStops(gradient.stops());
        p.fillRect(r, linear);
        const double w = r.width(), h = r.height(), s = 24;
        p.drawPixmap(QPointF(0, 0), pieces[0]);
        p.drawTiledPixmap(QRectF(s, 0, w - 2 * s, s), pieces[1]);
        p.drawPixmap(QPointF(w - s, 0), pieces[2]);
        p.drawTiledPixmap(QRectF(0, s, s, h - 2 * s), pieces[7]);
        p.drawPixmap(QPointF(0, h - s), pieces[6]);
        p.drawTiledPixmap(QRectF(s, h - s, w - 2 * s, s), pieces[5]);
        p.drawPixmap(QPointF(w - s, h - s), pieces[4]);
        p.drawTiledPixmap(QRectF(w - s, s, s, h - 2 * s), pieces[3]);
    }
};

// The median of `rounds` timed paints, after a warm-up.
double medianMilliseconds(int rounds, const std::function<void(QImage&)>& paint, QImage* result)
{
    QImage target(ScreenSize, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    paint(target);
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        paint(target);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    if (result) {
        target.fill(Qt::transparent);
        paint(target);
        *result = target;
    }
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(3, atoi(argv[1])) : 40;
    const Skin skin;
    const BackgroundPainter background = skin.background();
    const QRectF screen(QPointF(0, 0), ScreenSize);

    QImage ours, plain;
    const double oursMs = medianMilliseconds(rounds, [&](QImage& target) {
        QPainter p(&target);
        background.paint(&p, screen);
    }, &ours);
    const double plainMs = medianMilliseconds(rounds, [&](QImage& target) {
        QPainter p(&target);
        skin.paintPlain(p, screen);
    }, &plain);
    if (argc > 2)
        ours.save(QString::fromLocal8Bit(argv[2]));
    std::printf("BackgroundPainter 1920x1080 (fill, tiled image, gradient, 8 border images): %.2f ms\n", oursMs);
    std::printf("plain QPainter calls, same picture:                                     %.2f ms\n", plainMs);
    std::printf("ratio BackgroundPainter / plain QPainter: %.3f (target <= 1.3); same pixels: %s\n", oursMs / plainMs,
                ours == plain ? "yes" : "no");

    const QPixmap photo = patternPixmap(640, 360, 11);
    const ImagePainter stretched(photo, ImagePainter::Stretch);
    QImage cached, rescaled;
    const double cachedMs = medianMilliseconds(rounds, [&](QImage& target) {
        QPainter p(&target);
        stretched.paint(&p, screen);
    }, &cached);
    const double rescaledMs = medianMilliseconds(rounds, [&](QImage& target) {
        QPainter p(&target);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.drawPixmap(QPointF(0, 0), photo.scaled(ScreenSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.restore();
    }, &rescaled);
    std::printf("ImagePainter Stretch 640x360 -> 1920x1080, scaled pixmap kept: %.2f ms\n", cachedMs);
    std::printf("scaling on every paint:                                       %.2f ms\n", rescaledMs);
    std::printf("ratio kept / rescaled: %.3f; same pixels: %s\n", cachedMs / rescaledMs, cached == rescaled ? "yes" : "no");
    // Sanitizer builds end the process without flushing stdio.
    std::fflush(stdout);
    return 0;
}
