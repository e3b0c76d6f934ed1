// Writes the welcome wizard's pictures into <source>/Resources/Images.
// Usage: panelimages <source folder>
#include "WizardImages.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool write(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
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
        std::fprintf(stderr, "usage: panelimages <source folder>\n");
        return 2;
    }
    const QDir images(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources/Images")));
    if (!QDir().mkpath(images.filePath(QStringLiteral("mac"))))
        return 1;
    const bool written = write(WizardImages::desktopFolder(48), images.filePath(QStringLiteral("mac/DesktopFolderIcon.png")))
        && write(WizardImages::applicationsFolder(48), images.filePath(QStringLiteral("mac/AppsFolderIcon.png")))
        && write(WizardImages::customize(48), images.filePath(QStringLiteral("customize.png")));
    return written ? 0 : 1;
}
