#include "VorendaShelf.h"

#include "CategoryHeaderItem.h"
#include "ControllerLink.h"
#include "FileInfoProvider.h"
#include "FolderWarningDialog.h"
#include "FontProperty.h"
#include "ImagePainter.h"
#include "MarginProperty.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "PathFunctions.h"
#include "ShelfParts.h"
#include "VorendaGlobal.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUuid>


// ---- Kinds and pictures ----

ThumbType VorendaShelf::getThumbnailType(const QFileInfo& info) const
{
    if (!info.isFile())
        return ThumbIcon;
    if (fileInfoProvider->isWebPage(info))
        return ThumbWebPage;
    if (fileInfoProvider->isImage(info))
        return ThumbImage;
    if (fileInfoProvider->isVideo(info))
        return ThumbVideo;
    if (fileInfoProvider->isAudio(info))
        return ThumbAudio;
    return ThumbIcon;
}

bool VorendaShelf::isIcon(int type, bool customThumb)
{
    const bool thumbnailKind = type == ThumbImage || type == ThumbPhoto || type == ThumbVideo || type == ThumbWebPage;
    return !thumbnailKind && !customThumb;
}

int VorendaShelf::getThumbnailSize(int type, bool customThumb, int size)
{
    return isIcon(type, customThumb) ? qMin(size, VorendaGlobal::SHELF_ICONSIZE) : size;
}

QSize VorendaShelf::normalizeSize(QSize size, int max)
{
    const int w = size.width();
    const int h = size.height();
    // An empty picture has no aspect ratio to keep.
    if (w <= 0 || h <= 0)
        return size;
    const int bound = h > w ? qMin(h, max) : qMin(w, max);
    QSize result = size.scaled(bound, bound, Qt::KeepAspectRatio);
    // A tall, thin picture keeps a usable width; its height may then pass the bound.
    if (h > w && result.width() <= VorendaGlobal::SHELF_MINIMAGESIZE) {
        const int minimum = VorendaGlobal::SHELF_MINIMAGESIZE;
        result = QSize(minimum, int(qint64(minimum) * h / w));
    }
    return result;
}

QPixmap VorendaShelf::normalizeImage(QPixmap pixmap)
{
    if (pixmap.isNull())
        return pixmap;
    const int minimum = VorendaGlobal::SHELF_MINIMAGESIZE;
    if (pixmap.width() < minimum || pixmap.height() < minimum) {
        // A tiny picture stands on the bottom edge of a transparent ground.
        QPixmap ground(qMax(pixmap.width(), minimum), qMax(pixmap.height(), minimum));
        ground.fill(Qt::transparent);
        QPainter painter(&ground);
        ImagePainter(pixmap, ImagePainter::CenterBottom).paint(&painter, QRectF(ground.rect()), QPainterPath());
        painter.end();
        pixmap = ground;
    }
    const int maximum = VorendaGlobal::SHELF_MAXTHUMBSIZE;
    if (pixmap.width() > maximum || pixmap.height() > maximum)
        pixmap = pixmap.scaled(maximum, maximum, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

MyThumbnailItem* VorendaShelf::getThumbnailItem(const QPixmap& pixmap, QSize size, const QString& text,
                                                int categoryKey)
{
    const QFont font = VorendaGlobal::getNormalFont(false, QString());
    auto* item = new MyThumbnailItem(nullptr);
    item->setMargin(MarginProperty(10.0, 0.0, VorendaGlobal::SHELF_THICKNESS, 0.0));
    item->setImage(pixmap);
    if (size.width() == -1 && size.height() != -1)
        item->setImageHeight(size.height());
    else if (size.width() != -1 && size.height() == -1)
        item->setImageWidth(size.width());
    else if (size.width() != -1 && size.height() != -1)
        item->setImageSize(size);
    item->setToolTip(QString());
    item->setText(text.isEmpty() ? QStringLiteral(" ") : text);
    item->setTextFont(FontProperty(font));
    item->setTextShadow(false);
    item->setAnimHoverCurveShape(QTimeLine::EaseOutCurve);
    item->setAnimClickCurveShape(QTimeLine::EaseInOutCurve);
    item->enableClickAnimation(true);
    item->setCategoryKey(categoryKey);
    // Names with a colon, such as web addresses, wrap at word boundaries only.
    item->setLabelWrapAnywhere(!text.contains(QLatin1Char(':')));
    item->showItemLabel(true, false);
    onApplyStyle(style, item);
    return item;
}

// ---- Creating items ----

bool VorendaShelf::showsLabel(const QFileInfo& info) const
{
    switch (VorendaGlobal::showLabelMode) {
    case 2:
        return false;
    case 1:
        return true;
    default:
        break;
    }
    // By default only plain documents, whose picture says nothing of them, show their name.
    const QFileInfo link = info.isSymLink() ? QFileInfo(info.symLinkTarget()) : info;
    return fileInfoProvider->isGenericIcon(link.absoluteFilePath())
        && !fileInfoProvider->isWebLocation(link) && !fileInfoProvider->isWebPage(link)
        && !fileInfoProvider->isImage(link);
}

MyThumbnailItem* VorendaShelf::createItem(QString name, QString target, QPixmap pixmap, int categoryKey,
                                          GenericType type)
{
    const QFileInfo info(target);
    const int kind = type == GenericWebUrl ? int(ThumbWebPage) : int(getThumbnailType(info));
    const ThumbnailCache::FirstPicture first = ShelfParts::of(*this).cache.firstPicture(name, target, pixmap, type);
    const QPixmap& picture = first.picture;
    const QString& thumbPath = first.path;
    const bool request = first.request;
    const int size = getThumbnailSize(kind, false, thumbSizeSlider->value());
    const QSize imageSize = normalizeSize(picture.size(), size);

    MyThumbnailItem* item = getThumbnailItem(picture, imageSize, name, categoryKey);
    MyThumbnailItem::Properties& properties = item->properties;
    properties.name = name;
    properties.target = target;
    properties.typeName = fileInfoProvider->type(info);
    properties.thumbnail = thumbPath;
    properties.thumbsize = size;
    properties.customthumb = false;
    properties.type = kind;
    const QDateTime modified = fileInfoProvider->lastModified(info);
    properties.date = modified.isValid() ? quint32(modified.toSecsSinceEpoch()) : 0;
    properties.size = fileInfoProvider->size(info);
    properties.added = quint32(QDateTime::currentSecsSinceEpoch());

    // The file's address is read in the background; the item then becomes a web link
    // and its page is asked for. The link file itself is no page to render.
    const bool linkFile = type == GenericPath && fileInfoProvider->isWebLocation(info);
    if (linkFile)
        parseWebloc(item);

    item->showItemLabel(showsLabel(info), false);

    if (request && !linkFile) {
        switch (kind) {
        case ThumbImage:
            requestDovalinnail(item);
            break;
        case ThumbVideo:
            requestTulmarnail(item);
            break;
        case ThumbAudio:
            requestSarneknail(item);
            break;
        case ThumbWebPage:
            requestKestrimnail(item);
            showWebItemNotice();
            break;
        default:
            break;
        }
    }
    return item;
}

void VorendaShelf::showWebItemNotice()
{
    if (webItemNoticeShown)
        return;
    if (ControllerLink* controller = ControllerLink::installed()) {
        controller->showTrayMessage(VorendaGlobal::main, QStringLiteral("Vorenda"),
                                    tr("Thumbnails for web items are generated in the background. This process may "
                                       "take a few seconds for each item so please be patient."),
                                    QSystemTrayIcon::Information, 20000);
    }
    webItemNoticeShown = true;
}

MyThumbnailItem* VorendaShelf::addItem(QString name, QString target, QPixmap pixmap, int categoryKey,
                                       GenericType type)
{
    QFileInfo info(target);
    if (name.isEmpty() || (info.isFile() && !QFileInfo(name).suffix().isEmpty()))
        name = info.completeBaseName();
    if (fileInfoProvider->isValidSymLink(info))
        target = info.symLinkTarget();
    if (MyThumbnailItem* existing = findAddedItem(name, target, categoryKey))
        return existing;
    MyThumbnailItem* item = createItem(name, target, pixmap, categoryKey, type);
    // A walk adds thousands of items one by one: the view is laid out once for a batch.
    view->addItem(item, false);
    lastAddedItem = item;
    AddedItemIndex& index = addedItemIndex[categoryKey];
    index.items.insert(addedItemKey(name, target), item);
    index.count = view->getList(categoryKey).size();
    if (!itemLayoutTimer->isActive())
        itemLayoutTimer->start();
    return item;
}

QString VorendaShelf::addedItemKey(const QString& name, const QString& target)
{
    return name.toCaseFolded() + QLatin1Char('\n') + QDir::toNativeSeparators(target).toCaseFolded();
}

MyThumbnailItem* VorendaShelf::findAddedItem(const QString& name, const QString& target, int categoryKey)
{
    // Looking through the whole category for each of thousands of walked files takes
    // quadratic time: a batch keeps the category's items by name and target. Any other
    // change of the category's items makes it read them again.
    AddedItemIndex& index = addedItemIndex[categoryKey];
    const QList<AbstractThumbnailItem*>& list = view->getList(categoryKey);
    if (index.count != list.size()) {
        index.items.clear();
        for (AbstractThumbnailItem* entry : list) {
            if (auto* item = qobject_cast<MyThumbnailItem*>(entry))
                index.items.insert(addedItemKey(item->properties.name, item->properties.target), item);
        }
        index.count = list.size();
    }
    const QString wanted = QDir::toNativeSeparators(target);
    const QString key = addedItemKey(name, target);
    for (auto it = index.items.constFind(key); it != index.items.constEnd() && it.key() == key; ++it) {
        MyThumbnailItem* item = it.value();
        if (item && item->getView() == view && item->getCategoryKey() == categoryKey
            && item->properties.name.compare(name, Qt::CaseInsensitive) == 0
            && QDir::toNativeSeparators(item->properties.target).compare(wanted, Qt::CaseInsensitive) == 0)
            return item;
    }
    return nullptr;
}

void VorendaShelf::updateItemLayout()
{
    itemLayoutTimer->stop();
    addedItemIndex.clear();
    view->resetModel();
    view->updateLayout();
    if (lastAddedItem)
        view->ensureVisible(lastAddedItem, 50, 50);
    lastAddedItem = nullptr;
    view->repaint();
}

void VorendaShelf::setUpItems()
{
    itemLayoutTimer = new QTimer(this);
    itemLayoutTimer->setSingleShot(true);
    itemLayoutTimer->setInterval(itemLayoutDelay);
    connect(itemLayoutTimer, &QTimer::timeout, this, &VorendaShelf::updateItemLayout);

    connect(view, qOverload<QUrl, QString, int, AbstractThumbnailItem**>(&AbstractThumbnailView::createItem), this,
            qOverload<const QUrl&, const QString&, int, AbstractThumbnailItem**>(&VorendaShelf::onCreateItem));
    connect(view, qOverload<QByteArray, int, AbstractThumbnailItem**>(&AbstractThumbnailView::createItem), this,
            qOverload<const QByteArray&, int, AbstractThumbnailItem**>(&VorendaShelf::onCreateItem));
    connect(view, &AbstractThumbnailView::acceptDropUrl, this, &VorendaShelf::onAcceptDropUrl);
    connect(kestrimClient, &KestrimnailClient::thumbCreated, this, &VorendaShelf::onKestrimCreated);
    connect(dovalinClient, &DovalinnailClient::thumbCreated, this, &VorendaShelf::onDovalinCreated);
    connect(tulmarClient, &TulmarnailClient::thumbCreated, this, &VorendaShelf::onTulmarCreated);
    connect(sarnekClient, &SarneknailClient::thumbCreated, this, &VorendaShelf::onSarnekCreated);
    connect(weblocParser, &WeblocParser::parsed, this, &VorendaShelf::onWeblocParsed);
    connect(thumbSizeSlider, &QAbstractSlider::valueChanged, this, &VorendaShelf::onThumbSizeChanged);
}

void VorendaShelf::onCreateItem(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item)
{
    if (!item)
        return;
    *item = nullptr;
    onClearSearch();

    const QFileInfo info(url.toLocalFile());
    if (url.isLocalFile() && info.exists()) {
        QString itemName = info.completeBaseName();
        QString target = info.absoluteFilePath();
        if (itemName.isEmpty())
            itemName = QFileInfo(removeTrailingSeparator(target)).completeBaseName();
        if (fileInfoProvider->isValidSymLink(info))
            target = info.symLinkTarget();
        if (info.isDir() && !info.isBundle()) {
            dialogOpen = true;
            const int answer = FolderWarningDialog(this).exec(target, categoryKey != -1);
            dialogOpen = false;
            switch (answer) {
            case 1: {
                CategoryHeaderItem* header = addCategory(itemName, categoryKey);
                if (header)
                    addItems(-1, addTrailingSeparator(target), header->getKey());
                return;
            }
            case 2:
                addItems(-1, addTrailingSeparator(target), categoryKey);
                return;
            case 4:
                break;
            default:
                return;
            }
        }
        if (!findAddedItem(itemName, target, categoryKey))
            *item = expectFiled(createItem(itemName, target, QPixmap(), categoryKey, GenericPath), categoryKey);
        return;
    }

    if (!url.isValid())
        return;
    QString target = url.toString(QUrl::None);
    // Links dragged with their title below them: only the first line is the address.
    // The URL keeps a line feed in its encoded form.
    int lineFeed = target.indexOf(QLatin1Char('\n'));
    const int encodedLineFeed = target.indexOf(QLatin1String("%0A"), 0, Qt::CaseInsensitive);
    if (lineFeed < 0 || (encodedLineFeed >= 0 && encodedLineFeed < lineFeed))
        lineFeed = encodedLineFeed;
    if (lineFeed >= 0)
        target.truncate(lineFeed);
    const QString itemName = name.isEmpty() ? target : name;
    if (!findAddedItem(itemName, target, categoryKey))
        *item = expectFiled(createItem(itemName, target, QPixmap(), categoryKey, GenericWebUrl), categoryKey);
}

MyThumbnailItem* VorendaShelf::expectFiled(MyThumbnailItem* item, int categoryKey)
{
    // The view files the item once this returns: counted already, it spares the next
    // link of a paste reading the whole category again to find duplicates.
    if (!item)
        return nullptr;
    AddedItemIndex& index = addedItemIndex[categoryKey];
    index.items.insert(addedItemKey(item->properties.name, item->properties.target), item);
    index.count = view->getList(categoryKey).size() + 1;
    return item;
}

void VorendaShelf::onCreateItem(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item)
{
    if (!item)
        return;
    *item = nullptr;
    onClearSearch();

    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_5_15);
    QString entryType;
    stream >> entryType;
    if (entryType != QLatin1String("item"))
        return;

    MyThumbnailItem::Properties record;
    qint32 streamKey = 0;
    bool infoShown = false;
    bool labelShown = true;
    QString tags;
    qint32 type = 0, accessed = 0, added = 0;
    qint32 width = -1, height = -1, length = 0, bitrate = 0, framerate = 0, samplerate = 0, bitdepth = 0,
           channels = 0, thumbsize = 0;
    quint32 date = 0;
    stream >> streamKey >> record.name >> type >> infoShown >> labelShown >> record.target >> record.thumbnail
        >> record.typeName >> record.rating >> record.popularity >> date >> accessed >> record.size >> added >> tags
        >> record.notes >> width >> height >> length >> bitrate >> framerate >> samplerate >> bitdepth >> channels
        >> thumbsize >> record.customthumb;
    if (stream.status() != QDataStream::Ok)
        return;
    record.type = type;
    record.date = date;
    record.accessed = quint32(accessed);
    record.added = quint32(added);
    record.tags = tags.split(QLatin1Char(','), Qt::SkipEmptyParts);
    record.width = width;
    record.height = height;
    record.length = length;
    record.bitrate = bitrate;
    record.framerate = framerate;
    record.samplerate = samplerate;
    record.bitdepth = bitdepth;
    record.channels = channels;
    record.thumbsize = thumbsize;

    if (findAddedItem(record.name, record.target, categoryKey))
        return;

    QPixmap picture;
    QSize imageSize;
    bool request = false;
    if (!record.thumbnail.isEmpty()
        && !(picture = ThumbnailCache::loadBoundedPicture(record.thumbnail, VorendaGlobal::SHELF_MAXTHUMBSIZE)).isNull()) {
        picture = normalizeImage(picture);
        imageSize = normalizeSize(picture.size(), getThumbnailSize(record.type, record.customthumb, record.thumbsize));
    } else {
        ThumbnailCache& cache = ShelfParts::of(*this).cache;
        picture = cache.normalizedSystemIcon(QFileInfo(record.target));
        const int size = record.customthumb ? record.thumbsize : qMin(record.thumbsize, VorendaGlobal::SHELF_ICONSIZE);
        imageSize = normalizeSize(picture.size(), size);
        record.thumbnail = cache.store(cache.iconName(record.target, record.name), picture);
        request = !isIcon(record.type, record.customthumb);
    }

    MyThumbnailItem* newItem = getThumbnailItem(picture, imageSize, record.name, categoryKey);
    newItem->properties = record;
    newItem->properties.tags.removeDuplicates();
    newItem->showItemLabel(labelShown, false);
    if (request) {
        switch (record.type) {
        case ThumbImage:
        case ThumbPhoto:
            requestDovalinnail(newItem);
            break;
        case ThumbVideo:
            requestTulmarnail(newItem);
            break;
        case ThumbWebPage:
            requestKestrimnail(newItem);
            break;
        case ThumbAudio:
            requestSarneknail(newItem);
            break;
        default:
            break;
        }
    }
    *item = expectFiled(newItem, categoryKey);
}
