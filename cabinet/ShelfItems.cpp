#include "ShelfItems.h"

#include "CategoryHeaderItem.h"
#include "ControllerLink.h"
#include "DesktopEntry.h"
#include "DesktopOpener.h"
#include "FileInfoProvider.h"
#include "FolderWarningDialog.h"
#include "FontProperty.h"
#include "MarginProperty.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "PathFunctions.h"
#include "ShelfParts.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QSystemTrayIcon>

ShelfItems::ShelfItems(VorendaShelf& shelf)
    : shelf(shelf)
{
    layoutTimer.setSingleShot(true);
    layoutTimer.setInterval(layoutDelay);
}

void ShelfItems::setUp()
{
    connect(&layoutTimer, &QTimer::timeout, this, &ShelfItems::updateLayout);
    MyThumbnailView* view = shelf.view;
    connect(view, qOverload<QUrl, QString, int, AbstractThumbnailItem**>(&AbstractThumbnailView::createItem), &shelf,
            qOverload<const QUrl&, const QString&, int, AbstractThumbnailItem**>(&VorendaShelf::onCreateItem));
    connect(view, qOverload<QByteArray, int, AbstractThumbnailItem**>(&AbstractThumbnailView::createItem), &shelf,
            qOverload<const QByteArray&, int, AbstractThumbnailItem**>(&VorendaShelf::onCreateItem));
    connect(view, &AbstractThumbnailView::acceptDropUrl, &shelf, &VorendaShelf::onAcceptDropUrl);
}

void ShelfItems::scheduleLayout()
{
    if (!layoutTimer.isActive())
        layoutTimer.start();
}

void ShelfItems::setLongBatch(bool on)
{
    longBatch = on;
    shelf.view->viewport()->setUpdatesEnabled(!on);
}

MyThumbnailItem* ShelfItems::newItem(const QPixmap& pixmap, QSize size, const QString& text, int categoryKey)
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
    shelf.onApplyStyle(shelf.style, item);
    return item;
}

// ---- Creating items ----

bool ShelfItems::showsLabel(const QFileInfo& info) const
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
    return shelf.fileInfoProvider->isGenericIcon(link.absoluteFilePath())
        && !shelf.fileInfoProvider->isWebLocation(link) && !shelf.fileInfoProvider->isWebPage(link)
        && !shelf.fileInfoProvider->isImage(link);
}

MyThumbnailItem* ShelfItems::create(const QString& givenName, const QString& target, const QPixmap& pixmap,
                                    int categoryKey, GenericType type)
{
    const QFileInfo info(target);
    // The file's address is read in the background; the item then becomes a web link
    // and its page is asked for. The link file itself is no page to render.
    const bool linkFile = type == GenericPath && shelf.fileInfoProvider->isWebLocation(info);
    const QString name = linkFile ? linkName(givenName, info) : givenName;
    const int kind = type == GenericWebUrl ? int(ThumbWebPage) : int(shelf.getThumbnailType(info));
    const ThumbnailCache::FirstPicture first = ShelfParts::of(shelf).cache.firstPicture(name, target, pixmap, type);
    const QPixmap& picture = first.picture;
    const QString& thumbPath = first.path;
    const bool request = first.request;
    const int size = VorendaShelf::getThumbnailSize(kind, false, shelf.thumbSizeSlider->value());
    const QSize imageSize = VorendaShelf::normalizeSize(picture.size(), size);

    MyThumbnailItem* item = newItem(picture, imageSize, name, categoryKey);
    MyThumbnailItem::Properties& properties = item->properties;
    properties.name = name;
    properties.target = target;
    properties.typeName = shelf.fileInfoProvider->type(info);
    properties.thumbnail = thumbPath;
    properties.thumbsize = size;
    properties.customthumb = false;
    properties.type = kind;
    const QDateTime modified = shelf.fileInfoProvider->lastModified(info);
    properties.date = modified.isValid() ? quint32(modified.toSecsSinceEpoch()) : 0;
    properties.size = shelf.fileInfoProvider->size(info);
    properties.added = quint32(QDateTime::currentSecsSinceEpoch());

    if (linkFile)
        shelf.parseWebloc(item);

    item->showItemLabel(showsLabel(info), false);

    if (request && !linkFile) {
        ShelfParts::of(shelf).jobs.requestFor(item);
        if (kind == ThumbWebPage)
            showWebItemNotice();
    }
    return item;
}

QString ShelfItems::linkName(const QString& fileName, const QFileInfo& info)
{
    // A desktop link is known by its own name, as the desktop and file managers show it;
    // a name given in place of the file's own stays.
    if (fileName != info.completeBaseName() || !DesktopEntry::hasDesktopSuffix(info.fileName()))
        return fileName;
    const QString own = DesktopEntry(info.absoluteFilePath()).name(VorendaGlobal::appLanguage);
    return own.trimmed().isEmpty() ? fileName : own;
}

void ShelfItems::showWebItemNotice()
{
    if (shelf.webItemNoticeShown)
        return;
    if (ControllerLink* controller = ControllerLink::installed()) {
        controller->showTrayMessage(VorendaGlobal::main, QStringLiteral("Vorenda"),
                                    VorendaShelf::tr("Thumbnails for web items are generated in the background. This "
                                                     "process may take a few seconds for each item so please be "
                                                     "patient."),
                                    QSystemTrayIcon::Information, 20000);
    }
    shelf.webItemNoticeShown = true;
}

MyThumbnailItem* ShelfItems::add(QString name, QString target, const QPixmap& pixmap, int categoryKey,
                                 GenericType type)
{
    // Every walk, import and file dialog adds through here; a locked cabinet takes none.
    if (shelf.kiosk)
        return nullptr;
    QFileInfo info(target);
    if (name.isEmpty() || (info.isFile() && !QFileInfo(name).suffix().isEmpty()))
        name = info.completeBaseName();
    if (shelf.fileInfoProvider->isValidSymLink(info))
        target = info.symLinkTarget();
    if (MyThumbnailItem* existing = findAdded(name, target, categoryKey))
        return existing;
    MyThumbnailItem* item = create(name, target, pixmap, categoryKey, type);
    // A walk adds thousands of items one by one: the view is laid out once for a batch.
    shelf.view->addItem(item, false);
    lastAdded = item;
    AddedItemIndex& index = addedIndex[categoryKey];
    index.items.insert(addedItemKey(item->properties.name, item->properties.target), item);
    index.count = shelf.view->getList(categoryKey).size();
    scheduleLayout();
    return item;
}

QString ShelfItems::addedItemKey(const QString& name, const QString& target)
{
    return name.toCaseFolded() + QLatin1Char('\n') + QDir::toNativeSeparators(target).toCaseFolded();
}

MyThumbnailItem* ShelfItems::findAdded(const QString& name, const QString& target, int categoryKey)
{
    // Looking through the whole category for each of thousands of walked files takes
    // quadratic time: a batch keeps the category's items by name and target. Any other
    // change of the category's items makes it read them again.
    AddedItemIndex& index = addedIndex[categoryKey];
    const QList<AbstractThumbnailItem*>& list = shelf.view->getList(categoryKey);
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
        if (item && item->getView() == shelf.view && item->getCategoryKey() == categoryKey
            && item->properties.name.compare(name, Qt::CaseInsensitive) == 0
            && QDir::toNativeSeparators(item->properties.target).compare(wanted, Qt::CaseInsensitive) == 0)
            return item;
    }
    return nullptr;
}

void ShelfItems::updateLayout()
{
    layoutTimer.stop();
    addedIndex.clear();
    shelf.view->resetModel();
    shelf.view->updateLayout();
    if (lastAdded)
        shelf.view->ensureVisible(lastAdded, 50, 50);
    lastAdded = nullptr;
    shelf.view->viewport()->setUpdatesEnabled(true);
    shelf.view->repaint();
    shelf.view->viewport()->setUpdatesEnabled(!longBatch);
}

void ShelfItems::createForUrl(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item)
{
    if (!item)
        return;
    *item = nullptr;
    // A drop or paste that began before the cabinet was locked adds nothing more.
    if (shelf.kiosk)
        return;
    shelf.onClearSearch();

    // The link formats leave out links to programs as they are read: a local file here
    // came as a file, as a file manager gives it, and is added as one.
    const QString localPath = DesktopOpener::localFilePath(url);
    const QFileInfo info(localPath);
    if (!localPath.isEmpty() && info.exists()) {
        QString itemName = info.completeBaseName();
        QString target = info.absoluteFilePath();
        if (itemName.isEmpty())
            itemName = QFileInfo(removeTrailingSeparator(target)).completeBaseName();
        if (shelf.fileInfoProvider->isValidSymLink(info))
            target = info.symLinkTarget();
        if (info.isDir() && !info.isBundle()) {
            shelf.dialogOpen = true;
            const int answer = FolderWarningDialog(&shelf).exec(target, categoryKey != -1);
            shelf.dialogOpen = false;
            // The question let everything run: the cabinet may be locked now.
            if (shelf.kiosk)
                return;
            switch (answer) {
            case 1: {
                CategoryHeaderItem* header = shelf.addCategory(itemName, categoryKey);
                if (header)
                    shelf.addItems(-1, addTrailingSeparator(target), header->getKey());
                return;
            }
            case 2:
                shelf.addItems(-1, addTrailingSeparator(target), categoryKey);
                return;
            case 4:
                break;
            default:
                return;
            }
        }
        if (!findAdded(itemName, target, categoryKey))
            *item = expectFiled(create(itemName, target, QPixmap(), categoryKey, GenericPath), categoryKey);
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
    if (!findAdded(itemName, target, categoryKey))
        *item = expectFiled(create(itemName, target, QPixmap(), categoryKey, GenericWebUrl), categoryKey);
}

MyThumbnailItem* ShelfItems::expectFiled(MyThumbnailItem* item, int categoryKey)
{
    // The view files the item once this returns: counted already, it spares the next
    // link of a paste reading the whole category again to find duplicates.
    if (!item)
        return nullptr;
    AddedItemIndex& index = addedIndex[categoryKey];
    index.items.insert(addedItemKey(item->properties.name, item->properties.target), item);
    index.count = shelf.view->getList(categoryKey).size() + 1;
    return item;
}

void ShelfItems::createForData(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item)
{
    if (!item)
        return;
    *item = nullptr;
    if (shelf.kiosk)
        return;
    shelf.onClearSearch();

    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_5_15);
    QString entryType;
    stream >> entryType;
    if (entryType != QLatin1String("item"))
        return;

    MyThumbnailItem::Record read;
    if (!MyThumbnailItem::readRecord(stream, read))
        return;
    MyThumbnailItem::Properties& record = read.properties;

    if (findAdded(record.name, record.target, categoryKey))
        return;

    QPixmap picture;
    QSize imageSize;
    bool request = false;
    if (!record.thumbnail.isEmpty()
        && !(picture = ThumbnailCache::loadBoundedPicture(record.thumbnail, VorendaGlobal::SHELF_MAXTHUMBSIZE))
                .isNull()) {
        picture = VorendaShelf::normalizeImage(picture);
        imageSize = VorendaShelf::normalizeSize(
            picture.size(), VorendaShelf::getThumbnailSize(record.type, record.customthumb, record.thumbsize));
    } else {
        ThumbnailCache& cache = ShelfParts::of(shelf).cache;
        picture = cache.normalizedSystemIcon(QFileInfo(record.target));
        const int size = record.customthumb ? record.thumbsize : qMin(record.thumbsize, VorendaGlobal::SHELF_ICONSIZE);
        imageSize = VorendaShelf::normalizeSize(picture.size(), size);
        record.thumbnail = cache.store(cache.iconName(record.target, record.name), picture);
        request = !VorendaShelf::isIcon(record.type, record.customthumb);
    }

    MyThumbnailItem* pasted = newItem(picture, imageSize, record.name, categoryKey);
    pasted->properties = record;
    pasted->properties.tags.removeDuplicates();
    pasted->showItemLabel(read.labelShown, false);
    if (request)
        ShelfParts::of(shelf).jobs.requestFor(pasted);
    *item = expectFiled(pasted, categoryKey);
}

// ---- The cabinet's entry points

MyThumbnailItem* VorendaShelf::getThumbnailItem(const QPixmap& pixmap, QSize size, const QString& text,
                                                int categoryKey)
{
    return ShelfParts::of(*this).items.newItem(pixmap, size, text, categoryKey);
}

MyThumbnailItem* VorendaShelf::createItem(QString name, QString target, QPixmap pixmap, int categoryKey,
                                          GenericType type)
{
    return ShelfParts::of(*this).items.create(name, target, pixmap, categoryKey, type);
}

MyThumbnailItem* VorendaShelf::addItem(QString name, QString target, QPixmap pixmap, int categoryKey,
                                       GenericType type)
{
    return ShelfParts::of(*this).items.add(name, target, pixmap, categoryKey, type);
}

void VorendaShelf::onCreateItem(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item)
{
    ShelfParts::of(*this).items.createForUrl(url, name, categoryKey, item);
}

void VorendaShelf::onCreateItem(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item)
{
    ShelfParts::of(*this).items.createForData(data, categoryKey, item);
}
