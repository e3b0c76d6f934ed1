#pragma once

// Writing the generators' pictures: one PNG file each, its path printed.

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

inline bool writePng(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    // Straight alpha keeps the PNG's edge pixels exact.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
