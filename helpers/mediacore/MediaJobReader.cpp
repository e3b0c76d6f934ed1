#include "MediaJobReader.h"

#include "HelperJobFile.h"

#include <QXmlStreamAttributes>

namespace {

// Bounds of the numbers a job may give: a film border and a moment in the video
// (seconds) larger than these are no sensible job.
const int maxBorder = 256;
const int maxTime = 100 * 24 * 3600;

// A colour as the client writes it: hexadecimal alpha, red, green and blue.
QColor colorAttribute(const QXmlStreamAttributes& attributes, const QString& name, const QColor& fallback)
{
    bool ok = false;
    const uint value = attributes.value(name).toUInt(&ok, 16);
    return ok ? QColor::fromRgba(value) : fallback;
}

} // namespace

bool MediaJobReader::read(QIODevice* device, const QString& docType)
{
    HelperJobFile file(docType);
    const bool ok = file.read(device, [this](const QXmlStreamAttributes& attributes) {
        MediaJob job;
        job.filePath = attributes.value(QLatin1String("filePath")).toString();
        job.thumbName = attributes.value(QLatin1String("thumbName")).toString();
        job.thumbFormat = attributes.value(QLatin1String("thumbFormat")).toString();
        job.key = attributes.value(QLatin1String("key")).toString();
        const int side = HelperJobFile::MAX_THUMB_SIDE;
        job.thumbWidth = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbWidth"), 0, side);
        job.thumbHeight = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbHeight"), 0, side);
        job.thumbAlpha = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbAlpha"), 0, 255, 255);
        job.thumbTime = HelperJobFile::intAttribute(attributes, QStringLiteral("thumbTime"), 0, maxTime);
        job.filmBorderSize = HelperJobFile::intAttribute(attributes, QStringLiteral("filmBorderSize"), 0, maxBorder);
        job.filmBorderSpacing = HelperJobFile::intAttribute(attributes, QStringLiteral("filmBorderSpacing"), 0, maxBorder);
        job.filmBorderColor = colorAttribute(attributes, QStringLiteral("filmBorderColor"), job.filmBorderColor);
        job.filmBackColor = colorAttribute(attributes, QStringLiteral("filmBackColor"), job.filmBackColor);
        items.append(job);
        return true;
    });
    folder = file.outputFolder();
    return ok;
}
