// Writes the skin's control images into <source>/Resources/Images.
// Usage: skinimages <source folder>
#include "SkinControlImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool write(const QImage& image, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    // Straight alpha keeps the PNG's edge pixels exact.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinimages <source folder>\n");
        return 2;
    }
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources/Images")));
    if (!QDir().mkpath(folder.path()))
        return 1;
    bool ok = write(SkinControlImages::circularButton(false), folder, "circularButtonNormal.png");
    ok = write(SkinControlImages::circularButton(true), folder, "circularButtonActive.png") && ok;
    ok = write(SkinControlImages::sliderHandle(false), folder, "customSliderHandleNormal.png") && ok;
    ok = write(SkinControlImages::sliderHandle(true), folder, "customSliderHandleActive.png") && ok;
    return ok ? 0 : 1;
}
