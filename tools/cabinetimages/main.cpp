// Writes the cabinet's images into <source>/Resources/Images and
// <source>/Resources/QuickSearch.
// Usage: cabinetimages <source folder>
#include "CabinetImages.h"
#include "NineSlice.h"
#include "../PngFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool writePieces(const QImage& frame, const QDir& folder, const QString& prefix)
{
    const QVector<QImage> pieces = NineSlice::cut(frame, CabinetImages::frameCorner);
    bool ok = true;
    for (int i = 0; i < pieces.size(); ++i)
        ok = writePng(pieces[i], folder, prefix + QLatin1String(NineSlice::pieceNames()[i]) + QLatin1String(".png")) && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cabinetimages <source folder>\n");
        return 2;
    }
    const QDir resources(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources")));
    const QDir images(resources.filePath(QStringLiteral("Images")));
    const QDir quickSearch(resources.filePath(QStringLiteral("QuickSearch")));
    if (!QDir().mkpath(images.path()) || !QDir().mkpath(quickSearch.path()))
        return 1;

    bool ok = writePieces(CabinetImages::searchFrame(), images, QStringLiteral("search"));
    ok = writePieces(CabinetImages::innerShadowFrame(), images, QStringLiteral("r10InnerShadow")) && ok;
    ok = writePng(CabinetImages::searchIcon(), images, QStringLiteral("search.png")) && ok;
    ok = writePng(CabinetImages::clearIcon(), images, QStringLiteral("clear.png")) && ok;
    ok = writePng(CabinetImages::closeButton(false), images, QStringLiteral("cabinetCloseButtonNormal.png")) && ok;
    ok = writePng(CabinetImages::closeButton(true), images, QStringLiteral("cabinetCloseButtonActive.png")) && ok;
    ok = writePng(CabinetImages::searchMenuIcon(), quickSearch, QStringLiteral("searchMenu.png")) && ok;
    return ok ? 0 : 1;
}
