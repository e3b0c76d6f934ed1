// Measuring and painting of MyThumbnailItem.
#include "MyThumbnailItem.h"

#include "AbstractThumbnailView.h"
#include "InfoBoxPainter.h"
#include "ShadowedText.h"
#include "ShelfReflection.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QStyleOptionGraphicsItem>

namespace {
// Room the name tag and the callout leave round their text.
constexpr double TagPadding = 8.0;
constexpr double TagArrowStrip = 9.0;
constexpr double TagExtra = 16.0 + 5.0 + 4.0;
// Height a callout may wrap into when the item is in no view.
constexpr double UnboundedHeight = 32767.0;

QImage transparentImage(int width, int height)
{
    QImage image(qMax(0, width), qMax(0, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

qint64 imageBytes(const QImage& image)
{
    return image.sizeInBytes();
}
}

QSize MyThumbnailItem::pictureSize() const
{
    // Without a valid image size the picture keeps its own size.
    return imageSize.isValid() ? imageSize : image.size();
}

QRectF MyThumbnailItem::boundingRect() const
{
    if (cachedBoundingRect.width() > 0.0 && cachedBoundingRect.height() > 0.0)
        return cachedBoundingRect;

    const QSize picture = pictureSize();
    const QFont font = textFont[FontProperty::Normal];
    const QFontMetricsF metrics(font);
    double width = picture.width();
    double height = picture.height() + reflectionSize;
    cachedLabelHeight = 0.0;
    if (labelArea()) {
        const double spacing = metrics.lineSpacing();
        width = qMax(picture.width(), labelWidth);
        const QRectF box = metrics.boundingRect(QRectF(0.0, 0.0, width - 2 * TagPadding, 2.0 * spacing),
                                                Qt::AlignTop | Qt::AlignHCenter | Qt::TextWrapAnywhere, text);
        cachedLabelHeight = qMin(box.height(), 2.0 * spacing) + TagExtra;
        height += cachedLabelHeight;
    }
    if (infoShown) {
        // Without a view the callout may grow as tall as its text needs.
        const AbstractThumbnailView* view = getView();
        const double limit = view ? view->viewport()->height() : UnboundedHeight;
        const QRectF box = metrics.boundingRect(QRectF(0.0, 0.0, infoWidth - 3 * TagPadding, limit),
                                                Qt::AlignTop | Qt::AlignLeft | Qt::TextWrapAnywhere, text);
        height = qMax(height, box.height() + 2 * TagPadding + reflectionSize);
        width += infoWidth;
    }
    cachedBoundingRect =
        QRectF(0.0, 0.0, width + margin[MarginProperty::Left] + margin[MarginProperty::Right],
               height + margin[MarginProperty::Top] + margin[MarginProperty::Bottom]);
    return cachedBoundingRect;
}

double MyThumbnailItem::labelPartHeight() const
{
    boundingRect();
    return cachedLabelHeight;
}

double MyThumbnailItem::contentWidth() const
{
    return boundingRect().width() - margin[MarginProperty::Left] - margin[MarginProperty::Right];
}

double MyThumbnailItem::contentHeight() const
{
    return boundingRect().height() - margin[MarginProperty::Top] - margin[MarginProperty::Bottom];
}

double MyThumbnailItem::groundLine() const
{
    return boundingRect().bottom() - margin[MarginProperty::Bottom] - reflectionSize;
}

double MyThumbnailItem::clickOffset() const
{
    return margin[MarginProperty::Top] * clickValue;
}

bool MyThumbnailItem::sameLook(int state, int otherState) const
{
    const auto a = FontProperty::State(state);
    const auto b = FontProperty::State(otherState);
    return textFont[a] == textFont[b] && textPen[a] == textPen[b];
}

void MyThumbnailItem::buildScaledPicture()
{
    if (!scaledImageDirty && !scaledImage.isNull())
        return;
    scaledImageDirty = false;
    if (imageSize.width() >= 0 && imageSize.height() >= 0 && !image.isNull())
        scaledImage = image.scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    else
        scaledImage = image;
}

QImage MyThumbnailItem::buildNameTag(int state)
{
    const int width = qMax(pictureSize().width(), labelWidth);
    const int height = int(labelPartHeight());
    QImage tag = transparentImage(width, height);
    if (tag.isNull())
        return tag;
    QPainter painter(&tag);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    infoBoxPainter(infoColor).paint(&painter, QRectF(0.0, 0.0, width, height - TagArrowStrip));
    const double centre = width * 0.5;
    const QPointF arrow[3] = {QPointF(centre - 3.0, height - TagArrowStrip), QPointF(centre, height - 4.0),
                              QPointF(centre + 3.0, height - TagArrowStrip)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(infoColor);
    painter.drawPolygon(arrow, 3);

    // The editor shows the name while it is open.
    if (editor)
        return tag;
    const QFont font = textFont[FontProperty::State(state)];
    const QFontMetricsF metrics(font);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    const QRectF area(TagPadding, TagPadding, width - 2 * TagPadding, height - TagPadding - 17.0);
    const int lines = metrics.lineSpacing() > 0.0 ? int(area.height() / metrics.lineSpacing()) : 0;
    const QString full = text.trimmed();
    // A name whose first word fits wraps between words from now on.
    if (full.contains(QLatin1Char(' '))
        && metrics.horizontalAdvance(getStringValue(full, QString(), QStringLiteral(" "))) < area.width())
        labelWrapAnywhere = false;
    QString shown = full;
    if (lines > 1) {
        const double lineWidth = area.width() - (labelWrapAnywhere ? 8.0 : 16.0);
        shown = getElidedText(full, font, Qt::ElideRight, int(lineWidth * lines));
    }
    labelElided = shown != full;
    const int flags = Qt::AlignTop | Qt::AlignHCenter | (labelWrapAnywhere ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
    drawShadowedText(&painter, area, flags, shown, textShadow, textPen[PenProperty::State(state)]);
    return tag;
}

QImage MyThumbnailItem::buildCallout(int state)
{
    const int height = int(contentHeight() - reflectionSize);
    QImage callout = transparentImage(infoWidth, height);
    if (callout.isNull())
        return callout;
    QPainter painter(&callout);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    infoBoxPainter(infoColor).paint(&painter, QRectF(TagPadding, 0.0, infoWidth - TagPadding, height));
    const double centre = height * 0.5;
    const QPointF arrow[3] = {QPointF(TagPadding, centre + 5.0), QPointF(0.0, centre),
                              QPointF(TagPadding, centre - 5.0)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(infoColor);
    painter.drawPolygon(arrow, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(textFont[FontProperty::State(state)]);
    const QRectF area(2 * TagPadding, TagPadding, infoWidth - 3 * TagPadding, height - 2 * TagPadding);
    drawShadowedText(&painter, area, Qt::AlignCenter | Qt::TextWrapAnywhere, text, textShadow,
                     textPen[PenProperty::State(state)]);
    return callout;
}

void MyThumbnailItem::buildDrawnPicture(int state)
{
    buildScaledPicture();
    drawnState = state;
    reflection = QImage();
    reflectionRows = -1;
    QImage picture = scaledImage.toImage();
    if (!picture.isNull() && picture.format() != QImage::Format_ARGB32_Premultiplied)
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    QImage piece = picture;
    if (labelArea()) {
        const QImage tag = buildNameTag(state);
        piece = transparentImage(tag.width(), tag.height() + picture.height());
        if (!piece.isNull()) {
            QPainter painter(&piece);
            painter.drawImage(0, 0, tag);
            painter.drawImage(QPointF((piece.width() - picture.width()) * 0.5, tag.height()), picture);
        }
    }
    if (infoShown) {
        const QImage callout = buildCallout(state);
        QImage final = transparentImage(piece.width() + callout.width(), qMax(piece.height(), callout.height()));
        if (!final.isNull()) {
            QPainter painter(&final);
            painter.drawImage(0, final.height() - piece.height(), piece);
            painter.drawImage(piece.width(), 0, callout);
        }
        piece = final;
    }
    drawnPicture = piece;
}

void MyThumbnailItem::buildReflection(int rows)
{
    reflectionRows = rows;
    const int percent = (reflectionOpacity * 100) / 255;
    reflection = shelfReflection(drawnPicture, percent, rows);
    if (!reflection.isNull())
        reflection = reflection.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

qint64 MyThumbnailItem::cacheBytes() const
{
    const QImage scaled = scaledImage.toImage();
    qint64 bytes = imageBytes(reflection);
    // The plain drawn picture may share the scaled picture's pixels.
    if (scaled.cacheKey() != drawnPicture.cacheKey())
        bytes += imageBytes(drawnPicture);
    if (scaledImage.cacheKey() != image.cacheKey())
        bytes += imageBytes(scaled);
    return bytes;
}

void MyThumbnailItem::paintSelectionGlow(QPainter* painter) const
{
    const QRectF r = boundingRect();
    const double width = VorendaGlobal::SHELF_MINIMAGESIZE;
    const QPointF centre(r.center().x(), r.bottom() - 4.0);
    QRadialGradient gradient(centre, width * 0.5, centre);
    QColor clear = baseColor;
    clear.setAlpha(0);
    gradient.setColorAt(0.0, baseColor);
    gradient.setColorAt(1.0, clear);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawEllipse(centre, width * 0.5, 2.5);
}

void MyThumbnailItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const int state = paintState(option);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);

    if (drawnPicture.isNull() || scaledImageDirty || (drawnState != state && !sameLook(state, drawnState)))
        buildDrawnPicture(state);

    const double hover = hoverOffset();
    const double click = infoShown ? 0.0 : clickOffset();
    const double ground = groundLine();
    QPointF at;
    if (infoShown)
        at = QPointF(margin[MarginProperty::Left], ground - drawnPicture.height() + hover);
    else
        at = QPointF(margin[MarginProperty::Left] + (contentWidth() - drawnPicture.width()) * 0.5,
                     ground - drawnPicture.height() + hover - click);
    at = QPointF(qRound(at.x()), qRound(at.y()));
    painter->drawImage(at, drawnPicture);

    if (reflectionSize != 0.0 && reflectionOpacity != 0) {
        const int size = int(reflectionSize);
        const int offset = int(hover + click);
        const int rows = qMin(size - qMin(offset, size), drawnPicture.height());
        if (rows > 0) {
            if (rows != reflectionRows)
                buildReflection(rows);
            painter->drawImage(QPointF(at.x(), at.y() + drawnPicture.height()), reflection);
        }
    }

    if (option && (option->state & QStyle::State_Selected))
        paintSelectionGlow(painter);
    painter->restore();

    PaintCacheBudget::instance().touch(this, cacheBytes());
}
