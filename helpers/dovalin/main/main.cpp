#include "DovalinProgram.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // The helper never shows anything, so it keeps off every display whatever the caller
    // chose. The minimal platform with fonts enabled reads the font configuration only
    // when a picture draws text; the offscreen one would read it on every exit. Both give
    // the same pictures; offscreen stays as the fallback where minimal is not installed.
    qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts;offscreen");
    QGuiApplication app(argc, argv);
    return runDovalin(app.arguments());
}
