// Writes the provider badges into <source>/Resources/QuickSearch and the language
// flags into <source>/Resources/Images.
// Usage: panelimages <source folder>
#include "LanguageFlag.h"
#include "ProviderBadge.h"
#include "../PngFile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

struct Badge
{
    const char* file;
    const char* initial;
    QColor color;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: panelimages <source folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir badges(source.filePath(QStringLiteral("Resources/QuickSearch")));
    const QDir images(source.filePath(QStringLiteral("Resources/Images")));
    if (!QDir().mkpath(badges.path()) || !QDir().mkpath(images.path()))
        return 1;

    // Muted colours, one per provider, so the menu tells them apart at a glance.
    const Badge providers[] = {
        {"google.png", "G", QColor(70, 110, 170)},  {"yahoo.png", "Y", QColor(120, 84, 140)},
        {"bing.png", "B", QColor(38, 128, 128)},    {"yubnub.png", "Y", QColor(96, 96, 60)},
        {"flickr.png", "F", QColor(168, 72, 108)},  {"youtube.png", "Y", QColor(160, 70, 60)},
        {"wikipedia.png", "W", QColor(104, 104, 104)}, {"delicious.png", "D", QColor(58, 98, 146)},
        {"amazon.png", "A", QColor(164, 108, 40)},  {"technorati.png", "T", QColor(104, 126, 48)},
        {"ebay.png", "E", QColor(86, 70, 150)},
    };
    bool ok = true;
    for (const Badge& provider : providers)
        ok = writePng(ProviderBadge::badge(QLatin1String(provider.initial), provider.color, 16), badges,
                   QLatin1String(provider.file))
            && ok;
    ok = writePng(LanguageFlag::english(), images, QStringLiteral("gb.png")) && ok;
    ok = writePng(LanguageFlag::spanish(), images, QStringLiteral("es.png")) && ok;
    ok = writePng(LanguageFlag::german(), images, QStringLiteral("de.png")) && ok;
    return ok ? 0 : 1;
}
