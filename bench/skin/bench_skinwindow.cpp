// Paint of an 800 by 600 translucent skinned window: with the picture and mask kept
// between paints (as the window does) against rebuilding them for every paint.
#include "SkinWindow.h"
#include "VorendaGlobal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

constexpr int rounds = 200;

double millisecondsPerPaint(const std::function<void()>& paint)
{
    paint(); // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        paint();
    return timer.nsecsElapsed() / 1e6 / rounds;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QWidget window;
    window.resize(800, 600);
    SkinWindow* skin = VorendaGlobal::skinWindow(&window, false);
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);

    const double cached = millisecondsPerPaint([&] { window.render(&target); });
    const double uncached = millisecondsPerPaint([&] {
        skin->update(false);
        window.render(&target);
    });

    std::printf("skinned window paint, 800x600, %d rounds\n", rounds);
    std::printf("  cached picture and mask: %8.3f ms per paint\n", cached);
    std::printf("  rebuilt on every paint:  %8.3f ms per paint\n", uncached);
    std::printf("  ratio cached/uncached:   %8.3f\n", cached / uncached);
    return 0;
}
