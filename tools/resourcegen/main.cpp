// resourcegen <Resources folder> [<preview folder>]
// Draws the pattern textures and program icons and writes the built-in style
// files. The optional preview folder gets each pattern repeated 2 x 2 over the
// colours the styles put under it, to check seams and looks.

#include "BuiltInStyles.h"
#include "MetalPatterns.h"
#include "ProgramIcon.h"
#include "StonePatterns.h"
#include "SurfacePatterns.h"
#include "TextilePatterns.h"
#include "TileImage.h"
#include "WoodPatterns.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace {

struct Pattern
{
    const char* file;
    std::function<QImage()> draw;
    QList<const char*> bases; // the colours the built-in styles lay under it
};

bool save(const QImage& image, const QString& path)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    if (image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: resourcegen <Resources folder> [<preview folder>]\n");
        return 2;
    }
    const QString root = args.at(1);
    const QString previews = args.size() > 2 ? args.at(2) : QString();

    const QList<Pattern> patterns = {
        {"bricks1.jpg", StonePatterns::bricks, {"#D69B63"}},
        {"cork1.jpg", SurfacePatterns::cork1, {"#825E3E"}},
        {"cork2.jpg", SurfacePatterns::cork2, {"#DEB288"}},
        {"fabric1.jpg", TextilePatterns::fabric1, {"#A89C8C"}},
        {"fabric2.jpg", TextilePatterns::fabric2, {"#CD5C5C"}},
        {"fabric3.jpg", TextilePatterns::fabric3, {"#54767F"}},
        {"grain.png", WoodPatterns::darkGrain, {"#000000"}},
        {"holes.png", MetalPatterns::holes, {"#808080"}},
        {"holessmall.png", MetalPatterns::holesSmall, {"#808080"}},
        {"leather.jpg", SurfacePatterns::leather, {"#481A0B"}},
        {"lightmarble.png", StonePatterns::lightMarble, {"#C8C9C6", "#4A4B4B"}},
        {"tablecloth.jpg", TextilePatterns::tablecloth, {"#FCCBCE"}},
        {"wood1.png", WoodPatterns::wood1, {"#D07B2B", "#543518"}},
        {"wood2.png", WoodPatterns::wood2, {"#D18C34", "#523516"}},
        {"wood3.png", WoodPatterns::wood3, {"#3F2119", "#1A0D0A"}},
        {"wood4.png", WoodPatterns::wood4, {"#592808", "#240F03"}},
    };

    const QString patternFolder = root + QStringLiteral("/Patterns");
    const QString imageFolder = root + QStringLiteral("/Images/mac");
    QDir().mkpath(patternFolder);
    QDir().mkpath(imageFolder);
    if (!previews.isEmpty())
        QDir().mkpath(previews);

    bool ok = true;
    for (const Pattern& pattern : patterns) {
        const QImage tile = pattern.draw();
        ok = save(tile, patternFolder + QLatin1Char('/') + QLatin1String(pattern.file)) && ok;
        if (previews.isEmpty())
            continue;
        for (const char* base : pattern.bases) {
            const QString name = QStringLiteral("%1/%2-%3.png")
                                     .arg(previews, QString::fromLatin1(pattern.file).section(QLatin1Char('.'), 0, 0),
                                          QLatin1String(base + 1));
            // Preview the saved file, so JPEG artefacts show too.
            const QImage saved(patternFolder + QLatin1Char('/') + QLatin1String(pattern.file));
            ok = save(TileImage::preview(saved, QColor(QLatin1String(base))), name) && ok;
        }
    }

    for (const int size : {16, 32, 48, 128})
        ok = save(ProgramIcon::render(size), imageFolder + QStringLiteral("/Vorenda%1.png").arg(size)) && ok;
    ok = save(ProgramIcon::render(22), imageFolder + QStringLiteral("/VorendaMenubar.png")) && ok;
    ok = save(ProgramIcon::render(44), imageFolder + QStringLiteral("/VorendaMenubar@2x.png")) && ok;

    if (!previews.isEmpty()) {
        // Every icon size enlarged 4 times with square pixels, on a light and a dark panel.
        QImage sheet(4 * (16 + 22 + 32 + 48 + 128) + 60, 2 * 4 * 128 + 30, QImage::Format_RGB32);
        sheet.fill(QColor(0xEE, 0xEE, 0xEE));
        QPainter painter(&sheet);
        painter.fillRect(0, sheet.height() / 2, sheet.width(), sheet.height() / 2, QColor(0x30, 0x30, 0x34));
        for (int row = 0; row < 2; ++row) {
            int x = 10;
            for (const int size : {16, 22, 32, 48, 128}) {
                const QImage icon = ProgramIcon::render(size).scaled(size * 4, size * 4);
                painter.drawImage(x, 10 + row * sheet.height() / 2, icon);
                x += size * 4 + 10;
            }
        }
        painter.end();
        ok = save(sheet, previews + QStringLiteral("/icons.png")) && ok;
    }

    ok = BuiltInStyles::write(root + QStringLiteral("/Styles")) && ok;
    return ok ? 0 : 1;
}
