// Writes the pictures of the dialogs and panels into <source>/Resources/Images.
// Usage: dialogimages <source folder>
#include "KeyImage.h"
#include "MouseImage.h"
#include "WizardImages.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool write(const QImage& image, const QString& path)
{
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
        std::fprintf(stderr, "usage: dialogimages <source folder>\n");
        return 2;
    }
    const QDir images(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Resources/Images")));
    if (!QDir().mkpath(images.filePath(QStringLiteral("mac"))))
        return 1;
    bool ok = write(KeyImage::key(48), images.filePath(QStringLiteral("mac/key48.png")));
    ok = write(WizardImages::desktopFolder(48), images.filePath(QStringLiteral("mac/DesktopFolderIcon.png"))) && ok;
    ok = write(WizardImages::applicationsFolder(48), images.filePath(QStringLiteral("mac/AppsFolderIcon.png"))) && ok;
    ok = write(MouseImage::mouse(48), images.filePath(QStringLiteral("mac/mouse.png"))) && ok;
    ok = write(WizardImages::customize(48), images.filePath(QStringLiteral("customize.png"))) && ok;
    return ok ? 0 : 1;
}
