// Writes the dialogs' pictures into <source>/Resources/Images/mac.
// Usage: dialogimages <source folder>
#include "KeyImage.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialogimages <source folder>\n");
        return 2;
    }
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources/Images/mac")));
    if (!QDir().mkpath(folder.path()))
        return 1;
    const QString path = folder.filePath(QStringLiteral("key48.png"));
    // Straight alpha keeps the PNG's edge pixels exact.
    if (!KeyImage::key(48).convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
