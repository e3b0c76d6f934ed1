#include "AtomicImageSave.h"

#include <QImageWriter>
#include <QSaveFile>

bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error)
{
    if (format.isEmpty()) {
        *error = QStringLiteral("no image format for %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format.toLower());
    if (!writer.write(image)) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
