#include "MyThumbnailItem.h"

#include "AbstractThumbnailView.h"
#include "EditorItem.h"
#include "ImageFunctions.h"
#include "ItemPropertiesLink.h"
#include "ThumbnailItemModel.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>

namespace {
QDateTime dateTimeOrInvalid(quint32 seconds, Qt::TimeSpec spec)
{
    return seconds == 0 ? QDateTime() : QDateTime::fromSecsSinceEpoch(seconds, spec);
}
}

MyThumbnailItem::MyThumbnailItem(QGraphicsItem* parent)
    : ThumbnailItem(parent)
{
    setObjectName(QStringLiteral("mythumbnailitem"));
}

// The animations are made on first use: a cabinet of many items moves only a few.
QTimeLine* MyThumbnailItem::newTimeLine(int duration, QTimeLine::CurveShape shape) const
{
    auto* line = new QTimeLine(duration, const_cast<MyThumbnailItem*>(this));
    line->setUpdateInterval(20);
    line->setCurveShape(shape);
    return line;
}

QTimeLine* MyThumbnailItem::hoverTimeLine() const
{
    if (!hoverLine) {
        hoverLine = newTimeLine(hoverDuration, hoverShape);
        connect(hoverLine, &QTimeLine::valueChanged, this, qOverload<qreal>(&MyThumbnailItem::animateHover));
    }
    return hoverLine;
}

QTimeLine* MyThumbnailItem::clickTimeLine() const
{
    if (!clickLine) {
        clickLine = newTimeLine(clickDuration, clickShape);
        connect(clickLine, &QTimeLine::valueChanged, this, qOverload<qreal>(&MyThumbnailItem::animateClick));
        connect(clickLine, &QTimeLine::finished, this, &MyThumbnailItem::finishedAnimateClick);
    }
    return clickLine;
}

MyThumbnailItem::~MyThumbnailItem()
{
    PaintCacheBudget::instance().remove(this);
    // The editor is a child item; its end must not call back into this half-destroyed item.
    if (editor)
        editor->disconnect(this);
}

bool MyThumbnailItem::isEditing() const
{
    return editor != nullptr;
}

QVariant MyThumbnailItem::getData(int column, int role) const
{
    if (role == 32)
        return data(column);
    if (role == 33)
        return properties.name.toLower() + properties.target.toLower();
    if (role == ThumbnailItemModel::UtcDateRole)
        return utcDate(column);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case 0:
        return properties.name;
    case 1:
        return properties.target;
    case 2:
        return properties.typeName;
    case 3:
        return QDateTime::fromSecsSinceEpoch(properties.date, Qt::LocalTime);
    case 4:
        return properties.rating;
    case 5:
        return properties.popularity == 0 ? QString() : QString::number(properties.popularity);
    case 6:
        return dateTimeOrInvalid(properties.accessed, Qt::LocalTime);
    case 7:
        return dateTimeOrInvalid(properties.added, Qt::LocalTime);
    case 8:
        return properties.type;
    case 9:
        return properties.size;
    case 10:
        return properties.thumbsize;
    case 11:
        return properties.customthumb;
    case 12:
        return properties.tags.join(QLatin1Char(','));
    case 13:
        return properties.notes.trimmed();
    default:
        return QVariant();
    }
}

QVariant MyThumbnailItem::utcDate(int column) const
{
    // The same moments, and the same invalid ones, as the display role's dates.
    switch (column) {
    case 3:
        return QDateTime::fromSecsSinceEpoch(properties.date, Qt::UTC);
    case 6:
        return dateTimeOrInvalid(properties.accessed, Qt::UTC);
    case 7:
        return dateTimeOrInvalid(properties.added, Qt::UTC);
    default:
        return QVariant();
    }
}

QString MyThumbnailItem::getMimeType() const
{
    return QStringLiteral("item");
}

QPoint MyThumbnailItem::mapToDragImage(const QPointF& point) const
{
    const QRectF r = boundingRect();
    const QSize picture = pictureSize();
    const double offset = labelArea() ? (qMax(labelWidth, picture.width()) - picture.width()) * 0.5 : 0.0;
    const double x = point.x() - r.x() - (margin[MarginProperty::Left] + offset);
    const double y = point.y() - r.y()
        - (r.bottom() - margin[MarginProperty::Bottom] - reflectionSize - picture.height() + hoverOffset());
    return QPointF(x, y).toPoint();
}

QPixmap MyThumbnailItem::getDragImage(bool full) const
{
    if (full || image.isNull())
        return image;
    QImage picture = image.toImage();
    if (imageSize.isValid())
        picture = picture.scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(alphaImage(picture.convertToFormat(QImage::Format_ARGB32), 80));
}

QSize MyThumbnailItem::getDragImageSize() const
{
    return imageSize;
}

void MyThumbnailItem::write(QDataStream& stream) const
{
    stream << qint32(getCategoryKey()) << properties.name << qint32(properties.type) << infoShown << labelShown
           << properties.target << properties.thumbnail << properties.typeName << qint32(properties.rating)
           << qint64(properties.popularity) << qint32(properties.date) << qint32(properties.accessed)
           << qint64(properties.size) << qint32(properties.added) << properties.tags.join(QLatin1Char(','))
           << properties.notes.trimmed();
    for (const int value : {properties.width, properties.height, properties.length, properties.bitrate,
                            properties.framerate, properties.samplerate, properties.bitdepth, properties.channels})
        stream << qint32(value);
    stream << qint32(properties.thumbsize) << properties.customthumb;
}

bool MyThumbnailItem::readRecord(QDataStream& stream, Record& record)
{
    qint32 key = -1;
    Properties loaded;
    qint32 type = 0;
    bool info = false;
    bool label = false;
    qint32 rating = 0;
    qint64 popularity = 0;
    qint32 date = 0;
    qint32 accessed = 0;
    qint64 size = 0;
    qint32 added = 0;
    QString tags;
    stream >> key >> loaded.name >> type >> info >> label >> loaded.target >> loaded.thumbnail >> loaded.typeName
        >> rating
        >> popularity >> date >> accessed >> size >> added >> tags >> loaded.notes;
    qint32 media[8] = {};
    for (qint32& value : media)
        stream >> value;
    qint32 thumbsize = 0;
    stream >> thumbsize >> loaded.customthumb;
    if (stream.status() != QDataStream::Ok)
        return false;

    loaded.type = type;
    loaded.rating = rating;
    loaded.popularity = popularity;
    loaded.date = quint32(date);
    loaded.accessed = quint32(accessed);
    loaded.size = size;
    loaded.added = quint32(added);
    loaded.tags = tags.split(QLatin1Char(','), Qt::SkipEmptyParts, Qt::CaseSensitive);
    loaded.width = media[0];
    loaded.height = media[1];
    loaded.length = media[2];
    loaded.bitrate = media[3];
    loaded.framerate = media[4];
    loaded.samplerate = media[5];
    loaded.bitdepth = media[6];
    loaded.channels = media[7];
    loaded.thumbsize = thumbsize;
    record = Record{key, loaded, info, label};
    return true;
}

void MyThumbnailItem::read(QDataStream& stream)
{
    Record record;
    // A short or damaged block leaves the item as it was.
    if (!readRecord(stream, record))
        return;
    properties = record.properties;
    setCategoryKey(record.categoryKey);
    showItemInfo(record.infoShown, false);
    showItemLabel(record.labelShown, false);
}

void MyThumbnailItem::setText(const QString& value)
{
    ThumbnailItem::setText(value);
}

void MyThumbnailItem::setTextFont(const FontProperty& font)
{
    ThumbnailItem::setTextFont(font);
}

void MyThumbnailItem::setTextPen(const PenProperty& pen)
{
    ThumbnailItem::setTextPen(pen);
}

void MyThumbnailItem::setTextShadow(bool on)
{
    ThumbnailItem::setTextShadow(on);
}

void MyThumbnailItem::itemChanged()
{
    // The old bounds are still cached here, so the scene repaints where the item was.
    prepareGeometryChange();
    cachedBoundingRect = QRectF();
    lookChanged();
    updateEditorPos();
}

void MyThumbnailItem::lookChanged()
{
    // Measuring the name is the costly part of a change; a new colour keeps the bounds.
    drawnPicture = QImage();
    drawnState = -1;
    reflection = QImage();
    reflectionRows = -1;
}

void MyThumbnailItem::releasePaintCache()
{
    scaledImage = QPixmap();
    scaledImageDirty = true;
    drawnPicture = QImage();
    drawnState = -1;
    reflection = QImage();
    reflectionRows = -1;
    PaintCacheBudget::instance().remove(this);
}

void MyThumbnailItem::storeLook()
{
    itemChanged();
    update();
}

void MyThumbnailItem::storeColours()
{
    lookChanged();
    update();
}

void MyThumbnailItem::showItemInfo(bool on, bool update)
{
    infoShown = on;
    storeLook();
    if (update && getView())
        getView()->updateLayout();
}

void MyThumbnailItem::showItemLabel(bool on, bool update)
{
    labelShown = on;
    storeLook();
    if (update && getView())
        getView()->updateLayout();
}

void MyThumbnailItem::animateClick()
{
    if (!clickAnimationEnabled || clickTimeLine()->state() == QTimeLine::Running)
        return;
    clickBounceCount = 0;
    clickLine->setDirection(QTimeLine::Forward);
    clickLine->start();
}

void MyThumbnailItem::setAnimHoverDuration(int ms)
{
    hoverDuration = ms;
    if (hoverLine)
        hoverLine->setDuration(ms);
}

void MyThumbnailItem::setAnimHoverCurveShape(QTimeLine::CurveShape shape)
{
    hoverShape = shape;
    if (hoverLine)
        hoverLine->setCurveShape(shape);
}

void MyThumbnailItem::setAnimClickDuration(int ms)
{
    clickDuration = ms;
    if (clickLine)
        clickLine->setDuration(ms);
}

void MyThumbnailItem::setAnimClickCurveShape(QTimeLine::CurveShape shape)
{
    clickShape = shape;
    if (clickLine)
        clickLine->setCurveShape(shape);
}

void MyThumbnailItem::setAnimHoverMaxOffset(double offset)
{
    hoverMaxOffset = offset;
}

void MyThumbnailItem::enableHoverAnimation(bool on)
{
    hoverAnimationEnabled = on;
    if (on)
        return;
    hoverValue = 0.0;
    if (hoverLine && hoverLine->state() == QTimeLine::Running) {
        hoverLine->stop();
        update();
    }
}

void MyThumbnailItem::enableClickAnimation(bool on)
{
    clickAnimationEnabled = on;
    if (on)
        return;
    clickValue = 0.0;
    if (clickLine && clickLine->state() == QTimeLine::Running) {
        clickLine->stop();
        update();
    }
}

void MyThumbnailItem::setInfoColor(const QColor& color)
{
    infoColor = color;
    storeColours();
}

void MyThumbnailItem::setBaseColor(const QColor& color)
{
    baseColor = color;
    storeColours();
}

void MyThumbnailItem::setBaseHeight(int height)
{
    baseHeight = height;
    storeColours();
}

void MyThumbnailItem::setInfoWidth(int width)
{
    infoWidth = width;
    storeLook();
}

void MyThumbnailItem::setLabelWidth(int width)
{
    labelWidth = width;
    storeLook();
}

void MyThumbnailItem::setLabelWrapAnywhere(bool on)
{
    labelWrapAnywhere = on;
    storeLook();
}

void MyThumbnailItem::setImageWidth(int side)
{
    if (image.isNull())
        return;
    setImageSize(image.size().scaled(side, side, Qt::KeepAspectRatio));
}

void MyThumbnailItem::setImageHeight(int side)
{
    setImageWidth(side);
}

void MyThumbnailItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    AbstractThumbnailItem::hoverEnterEvent(event);
    if (!hoverAnimationEnabled)
        return;
    hoverTimeLine()->setDirection(QTimeLine::Forward);
    if (hoverLine->state() != QTimeLine::Running)
        hoverLine->start();
}

void MyThumbnailItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    AbstractThumbnailItem::hoverLeaveEvent(event);
    if (!hoverAnimationEnabled)
        return;
    // A backward start begins at the top; an item that never slid stays where it is.
    if (!hoverLine)
        return;
    hoverLine->setDirection(QTimeLine::Backward);
    if (hoverLine->state() != QTimeLine::Running && hoverValue > 0.0)
        hoverLine->start();
}

void MyThumbnailItem::animateHover(qreal value)
{
    hoverValue = value;
    updateEditorPos();
    update();
}

void MyThumbnailItem::animateClick(qreal value)
{
    clickValue = value;
    updateEditorPos();
    update();
}

void MyThumbnailItem::finishedAnimateClick()
{
    if (clickBounceCount > 6 && clickLine->direction() == QTimeLine::Backward) {
        clickBounceCount = 0;
        return;
    }
    ++clickBounceCount;
    clickLine->toggleDirection();
    clickLine->start();
}

void MyThumbnailItem::editLabel()
{
    if (editor || (getView() && getView()->isReadOnly()))
        return;
    editor = new EditorItem(false, false);
    connect(editor, &EditorItem::editingStarted, this, &MyThumbnailItem::labelEditingStarted);
    connect(editor, &EditorItem::editingFinished, this, &MyThumbnailItem::labelEditingFinished);
    connect(editor, &EditorItem::aboutToEdit, this, &MyThumbnailItem::aboutToEditLabel);
    connect(editor, &EditorItem::textEdited, this, &MyThumbnailItem::labelEdited);
    editor->setParentItem(this);
    editor->setZValue(10.0);
    updateEditorPos();
    editor->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    editor->setContextMenu(false);
    editor->setFont(textFont[FontProperty::Normal]);
    if (!labelShown && getView()) {
        // The name tag's room must be there while the name is edited.
        storeLook();
        getView()->updateLayout();
    }
    editor->startEdit();
}

void MyThumbnailItem::aboutToEditLabel(QString& value)
{
    value = text;
}

void MyThumbnailItem::labelEdited(QString value)
{
    if (value.isEmpty() || value == text || (getView() && getView()->isReadOnly()))
        return;
    properties.name = value;
    setText(value);
}

void MyThumbnailItem::labelEditingStarted()
{
    editingStarted();
}

void MyThumbnailItem::labelEditingFinished()
{
    if (!editor)
        return;
    EditorItem* finished = editor;
    editor = nullptr;
    finished->disconnect(this);
    finished->deleteLater();
    storeLook();
    setFocus(Qt::OtherFocusReason);
    editingFinished();
    if (AbstractThumbnailView* view = getView()) {
        view->resetModel();
        view->updateLayout();
    }
    if (ItemPropertiesLink* link = ItemPropertiesLink::installed())
        link->itemRenamed(this);
}

void MyThumbnailItem::updateEditorPos()
{
    if (!editor)
        return;
    const double width = qMax(pictureSize().width(), labelWidth);
    const double height = labelPartHeight();
    const double top = groundLine() - pictureSize().height() - height + hoverOffset() - clickOffset();
    editor->setSize(QSizeF(qMax(0.0, width - 12.0), qMax(0.0, height - 21.0)));
    editor->setPos(margin[MarginProperty::Left] + 6.0, top + 6.0);
}
