#include "ThumbnailItem.h"

#include "BoundedStreamReaders.h"
#include "ImageFunctions.h"
#include "ReflectionImage.h"
#include "ShadowedText.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

ThumbnailItem::ThumbnailItem(QGraphicsItem* parent)
    : AbstractThumbnailItem(parent)
    , textPen(QPen())
    , textFont(QFont())
    , margin(10.0)
{
    setObjectName(QStringLiteral("thumbnailitem"));
}

ThumbnailItem::~ThumbnailItem() = default;

int ThumbnailItem::paintState(const QStyleOptionGraphicsItem* option)
{
    if (!option)
        return 0;
    const bool hover = option->state & QStyle::State_MouseOver;
    if (option->state & QStyle::State_Selected)
        return hover ? 3 : 1;
    return hover ? 2 : 0;
}

QVariant ThumbnailItem::getData(int column, int role) const
{
    if (role == 32)
        return data(column);
    if (role == 33)
        return text.toLower();
    if (role == Qt::DisplayRole && column == 0)
        return text;
    return QVariant();
}

QString ThumbnailItem::getMimeType() const
{
    return QStringLiteral("thumbnailitem");
}

QPoint ThumbnailItem::getGroundPos() const
{
    const QRect r = viewBoundingRect();
    return QPoint(r.center().x(),
                  int(r.bottom() - margin[MarginProperty::Bottom] - reflectionSize - 1.0));
}

QPoint ThumbnailItem::mapToDragImage(const QPointF& point) const
{
    const QRectF r = boundingRect();
    return QPointF(point.x() - r.x() - margin[MarginProperty::Left],
                   point.y() - r.y() - margin[MarginProperty::Top])
        .toPoint();
}

QPixmap ThumbnailItem::getDragImage(bool full) const
{
    if (full || image.isNull())
        return image;
    QImage picture = image.toImage().convertToFormat(QImage::Format_ARGB32);
    if (imageSize.isValid())
        picture = picture.scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(alphaImage(picture.convertToFormat(QImage::Format_ARGB32), 50));
}

QSize ThumbnailItem::getDragImageSize() const
{
    return imageSize;
}

MarginProperty ThumbnailItem::getMargin() const
{
    return margin;
}

void ThumbnailItem::write(QDataStream& stream) const
{
    stream << *this;
}

void ThumbnailItem::read(QDataStream& stream)
{
    stream >> *this;
}

void ThumbnailItem::storeChange()
{
    itemChanged();
    update();
}

void ThumbnailItem::storeLookChange()
{
    lookChanged();
    update();
}

void ThumbnailItem::itemChanged()
{
}

void ThumbnailItem::lookChanged()
{
    itemChanged();
}

void ThumbnailItem::setText(const QString& value)
{
    prepareGeometryChange();
    text = value;
    storeChange();
}

void ThumbnailItem::setTextFont(const FontProperty& font)
{
    prepareGeometryChange();
    textFont = font;
    lineSpacingCache = -1.0;
    storeChange();
}

void ThumbnailItem::setTextPen(const PenProperty& pen)
{
    textPen = pen;
    storeLookChange();
}

void ThumbnailItem::setTextShadow(bool on)
{
    textShadow = on;
    storeLookChange();
}

void ThumbnailItem::setImage(const QPixmap& value)
{
    prepareGeometryChange();
    image = value;
    scaledImageDirty = true;
    storeChange();
}

void ThumbnailItem::setImageSize(const QSize& size)
{
    prepareGeometryChange();
    imageSize = size;
    scaledImageDirty = true;
    storeChange();
}

void ThumbnailItem::setMargin(const MarginProperty& value)
{
    prepareGeometryChange();
    margin = value;
    storeChange();
}

void ThumbnailItem::setBackground(const BackgroundProperty& value)
{
    background = value;
    storeChange();
}

void ThumbnailItem::setReflectionSize(double size)
{
    // A style applied again sets the same size: the item need not be measured anew.
    if (size == reflectionSize) {
        storeLookChange();
        return;
    }
    prepareGeometryChange();
    reflectionSize = size;
    storeChange();
}

void ThumbnailItem::setReflectionOpacity(int opacity)
{
    reflectionOpacity = opacity;
    storeLookChange();
}

qreal ThumbnailItem::lineSpacing() const
{
    if (lineSpacingCache < 0.0)
        lineSpacingCache = QFontMetricsF(textFont[FontProperty::State(0)]).lineSpacing();
    return lineSpacingCache;
}

QSize ThumbnailItem::imageBox() const
{
    // Without a valid image size the image keeps its own size, and so does its box.
    return imageSize.isValid() ? imageSize : image.size();
}

QRectF ThumbnailItem::boundingRect() const
{
    const QSize box = imageBox();
    const double textHeight = text.isEmpty() ? 0.0 : 2.5 * lineSpacing();
    const double width = box.width() + margin[MarginProperty::Left] + margin[MarginProperty::Right];
    const double height = box.height() + qMax(reflectionSize, textHeight)
        + margin[MarginProperty::Top] + margin[MarginProperty::Bottom];
    return QRectF(0.0, 0.0, width, height);
}

void ThumbnailItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const QRectF r = boundingRect();
    const int state = paintState(option);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);

    if (scaledImageDirty || !keepScaledImage) {
        scaledImageDirty = false;
        if (imageSize.width() >= 0 && imageSize.height() >= 0 && !image.isNull())
            scaledImage = image.scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        else
            scaledImage = image;
    }

    background[BackgroundProperty::State(state)].paint(painter, r);

    const QSize box = imageBox();
    const double left = margin[MarginProperty::Left];
    const double top = margin[MarginProperty::Top];
    const QPointF centre(left + box.width() * 0.5, top + box.height() * 0.5);
    QRectF imageRect(QPointF(), QSizeF(scaledImage.size()));
    imageRect.moveCenter(centre);
    painter->drawPixmap(imageRect.topLeft(), scaledImage);

    if (reflectionSize != 0.0 && !scaledImage.isNull()) {
        const QImage reflection =
            reflectionImage(scaledImage.toImage(), (reflectionOpacity * 100) / 256, reflectionSize);
        if (!reflection.isNull())
            painter->drawImage(QPointF(int(imageRect.x()), int(top + box.height())), reflection);
    }

    if (!text.isEmpty()) {
        const QFont font = textFont[FontProperty::State(state)];
        const int line = QFontMetrics(font).lineSpacing();
        const QRectF textRect(left + 2.0, top + box.height() + line / 2, box.width() - 2,
                              2 * line);
        const int flags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextWrapAnywhere;
        painter->setFont(font);
        drawShadowedText(painter, textRect, flags, text, textShadow, textPen[PenProperty::State(state)]);
    }

    if (!keepScaledImage)
        scaledImage = QPixmap();
}

QDataStream& operator<<(QDataStream& stream, const ThumbnailItem& item)
{
    stream << item.acceptDrags() << qint32(item.getCategoryKey()) << item.imageSize << item.image
           << item.scaledImage << item.text << item.textPen << item.textFont << item.margin
           << item.background << item.reflectionSize << qint32(item.reflectionOpacity) << item.toolTip();
    return stream;
}

QDataStream& operator>>(QDataStream& stream, ThumbnailItem& item)
{
    bool acceptDrags = true;
    qint32 key = -1;
    QSize imageSize;
    QPixmap image;
    QPixmap scaledImage;
    QString text;
    PenProperty pen(item.textPen);
    FontProperty font(item.textFont);
    MarginProperty margin(item.margin);
    BackgroundProperty background(item.background);
    double reflectionSize = 0.0;
    qint32 reflectionOpacity = 0;
    QString toolTip;
    // The pictures come from clipboard or drag data that any client may offer: they
    // are measured before they are decoded.
    stream >> acceptDrags >> key >> imageSize;
    readPixmap(stream, image);
    readPixmap(stream, scaledImage);
    stream >> text >> pen >> font >> margin >> background >> reflectionSize >> reflectionOpacity >> toolTip;
    // A short or damaged block leaves the item as it was.
    if (stream.status() != QDataStream::Ok)
        return stream;

    item.prepareGeometryChange();
    item.setAcceptDrags(acceptDrags);
    item.setCategoryKey(key);
    item.imageSize = imageSize;
    item.image = image;
    item.scaledImage = scaledImage;
    item.scaledImageDirty = true;
    item.text = text;
    item.textPen = pen;
    item.textFont = font;
    item.lineSpacingCache = -1.0;
    item.margin = margin;
    item.background = background;
    item.reflectionSize = reflectionSize;
    item.reflectionOpacity = reflectionOpacity;
    item.setToolTip(toolTip);
    item.update();
    return stream;
}
