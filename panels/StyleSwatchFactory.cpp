#include "StyleSwatchFactory.h"

#include "BackgroundProperty.h"
#include "GradientPainter.h"
#include "ImagePainter.h"
#include "RegularFile.h"
#include "StyleItem.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

const QSize colorPictureSize(40, 25);
const QSize patternPictureSize(40, 30);
const int fadeDuration = 400;
// A pattern the user picks may be any picture: it is measured before it is decoded.
const qint64 maxDecodedBytes = 256 * 1024 * 1024;

QPixmap readPattern(const QString& path)
{
    if (path.isEmpty() || (!path.startsWith(QLatin1String(":/")) && !isRegularFile(path)))
        return QPixmap();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() * 4 > maxDecodedBytes)
        return QPixmap();
    return QPixmap::fromImage(reader.read());
}

BackgroundProperty swatchBackground()
{
    const BackgroundPainter selected(
        GradientPainter(QColor(81, 112, 246), QColor(26, 67, 243), Qt::Vertical, QGradient::LinearGradient));
    const BackgroundPainter hover{QColor(0, 0, 0, 20)};
    return BackgroundProperty(BackgroundPainter(), selected, hover, BackgroundPainter(), BackgroundPainter());
}

bool isBuiltInPattern(const QString& path)
{
    for (const QString& pattern : qAsConst(VorendaGlobal::patterns)) {
        if (pattern.compare(path, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

StyleItem* StyleSwatchFactory::swatch(const QPixmap& picture, const QString& text)
{
    auto* item = new StyleItem;
    item->setImage(picture);
    item->setImageSize(picture.size());
    item->setText(text);
    item->setToolTip(QString());
    item->setTextFont(FontProperty(VorendaGlobal::getNormalFont(false, QString())));
    const QPen black(Qt::black);
    const QPen white(Qt::white);
    item->setTextPen(PenProperty(black, white, black, white, black));
    item->setBackground(swatchBackground());
    item->setMargin(MarginProperty(0.0));
    item->enableHoverAnimation(true);
    item->setAnimHoverDuration(fadeDuration);
    return item;
}

StyleItem* StyleSwatchFactory::colorSwatch(const QColor& color, const QString& name, bool userDefined)
{
    QPixmap picture(colorPictureSize);
    picture.fill(color);
    StyleItem* item = swatch(picture, name);
    item->setData(ValueKey, uint(color.rgba()));
    item->setData(UserDefinedKey, userDefined);
    return item;
}

StyleItem* StyleSwatchFactory::userColorSwatch(const QColor& color)
{
    return colorSwatch(color, color.name().toUpper(), true);
}

StyleItem* StyleSwatchFactory::patternSwatch(const QString& path)
{
    QPixmap picture(patternPictureSize);
    picture.fill(Qt::transparent);
    const QPixmap tile = readPattern(path);
    if (!tile.isNull()) {
        QPainter painter(&picture);
        ImagePainter(tile, ImagePainter::Tile).paint(&painter, QRectF(picture.rect()), QPainterPath());
    }
    // The editor's texts are translated together, in its own context.
    const QString text =
        path.isEmpty() ? QCoreApplication::translate("PersonalizationWidget", "None") : QFileInfo(path).baseName();
    StyleItem* item = swatch(picture, text);
    item->setData(ValueKey, path);
    item->setData(UserDefinedKey, !isBuiltInPattern(path));
    return item;
}

QColor StyleSwatchFactory::colorOf(const StyleItem* swatch)
{
    QColor color;
    if (swatch)
        color.setRgba(swatch->data(ValueKey).toUInt());
    return color;
}

QString StyleSwatchFactory::patternOf(const StyleItem* swatch)
{
    return swatch ? swatch->data(ValueKey).toString() : QString();
}

bool StyleSwatchFactory::isUserDefined(const StyleItem* swatch)
{
    return swatch && swatch->data(UserDefinedKey).toBool();
}
