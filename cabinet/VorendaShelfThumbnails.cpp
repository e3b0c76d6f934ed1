#include "VorendaShelf.h"

#include "ShelfParts.h"
#include "FileInfoProvider.h"
#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "OverrideCursor.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"

#include <QDir>

// ---- Jobs ----

namespace {

// The fields every job record shares: the key and file name of the thumbnail, the
// item and the size the helper makes.
template <typename Data>
Data* newJob(MyThumbnailItem* item)
{
    auto* data = new Data;
    data->key = getHash(item->properties.target, QCryptographicHash::Md5);
    data->thumbName = ThumbnailCache::getThumbnailName(item->properties.target);
    data->thumbFormat = QStringLiteral("PNG");
    data->item = item;
    data->thumbWidth = VorendaGlobal::SHELF_THUMBSIZE;
    data->thumbHeight = VorendaGlobal::SHELF_THUMBSIZE;
    return data;
}

// Hands one job to its client, which writes into the cache folder.
template <typename Client, typename Data>
void startJob(Client* client, Data* data)
{
    const QString cache = VorendaGlobal::getCacheLocation();
    QDir().mkpath(cache);
    client->start({{data->key, data}}, cache);
}

} // namespace

void VorendaShelf::requestKestrimnail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<KestrimnailClient::Data>(item);
    data->url = item->properties.target;
    data->pageWidth = webPageWidth;
    data->pageHeight = webPageHeight;
    startJob(kestrimClient, data);
}

void VorendaShelf::requestDovalinnail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<DovalinnailClient::Data>(item);
    data->filePath = item->properties.target;
    data->photoBorder = photoBorder;
    startJob(dovalinClient, data);
}

void VorendaShelf::requestTulmarnail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<TulmarnailClient::Data>(item);
    data->filePath = item->properties.target;
    data->thumbAlpha = 255;
    data->thumbTime = 0;
    data->filmBorderSize = filmBorderSize;
    data->filmBorderSpacing = filmBorderSpacing;
    data->filmBorderColor = QColor(0, 0, 0, 230);
    data->filmBackColor = QColor(0, 0, 0, 255);
    startJob(tulmarClient, data);
}

void VorendaShelf::requestSarneknail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<SarneknailClient::Data>(item);
    data->filePath = item->properties.target;
    startJob(sarnekClient, data);
}

void VorendaShelf::onKestrimCreated(KestrimnailClient::Data* data)
{
    if (!data || !data->item)
        return;
    showJobPicture(data->item, data->key);
}

void VorendaShelf::onDovalinCreated(DovalinnailClient::Data* data)
{
    if (!data || !data->item)
        return;
    MyThumbnailItem* item = data->item;
    item->properties.width = data->imageSize.width();
    item->properties.height = data->imageSize.height();
    item->properties.type = data->isPhoto ? ThumbPhoto : ThumbImage;
    showJobPicture(item, data->key);
}

void VorendaShelf::onTulmarCreated(TulmarnailClient::Data* data)
{
    auto* item = data ? qobject_cast<MyThumbnailItem*>(data->item.data()) : nullptr;
    if (!item)
        return;
    MyThumbnailItem::Properties& properties = item->properties;
    properties.length = data->length;
    properties.width = data->imageSize.width();
    properties.height = data->imageSize.height();
    properties.bitrate = data->bitrate;
    properties.framerate = data->framerate;
    showJobPicture(item, data->key);
}

void VorendaShelf::onSarnekCreated(SarneknailClient::Data* data)
{
    auto* item = data ? qobject_cast<MyThumbnailItem*>(data->item.data()) : nullptr;
    if (!item)
        return;
    MyThumbnailItem::Properties& properties = item->properties;
    properties.length = data->length;
    properties.bitrate = data->bitrate;
    properties.samplerate = data->samplerate;
    properties.bitdepth = data->bitdepth;
    properties.channels = data->channels;
    showJobPicture(item, data->key);
}

void VorendaShelf::showJobPicture(MyThumbnailItem* item, const QString& key)
{
    // A picture the user chose after the job was queued stays.
    if (item->properties.customthumb)
        return;
    const QString path = ThumbnailCache::getCachePath(QStringLiteral("%1.%2").arg(key, VorendaGlobal::THUMBEXT));
    const QPixmap picture = ThumbnailCache::readPicture(path);
    if (picture.isNull())
        return;
    item->properties.thumbnail = path;
    showItemPicture(item, picture, getThumbnailSize(item->properties.type, false, item->properties.thumbsize));
}

void VorendaShelf::showItemPicture(MyThumbnailItem* item, const QPixmap& source, int size)
{
    const QPixmap picture = normalizeImage(source);
    item->setImage(picture);
    item->setImageSize(normalizeSize(picture.size(), size));
    // Results come one by one: the view is laid out once for those of a moment.
    AbstractThumbnailView* itemView = item->getView();
    if (itemView == view) {
        if (!itemLayoutTimer->isActive())
            itemLayoutTimer->start();
    } else if (itemView) {
        itemView->updateLayout();
    }
    if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->item == item)
        ItemPropertiesDialog::instance()->updateSettings();
}

// ---- Web-location files ----

void VorendaShelf::parseWebloc(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = new WeblocParser::Data;
    data->filePath = item->properties.target;
    data->item = item;
    weblocParser->start(data);
}

void VorendaShelf::onWeblocParsed(WeblocParser::Data* data)
{
    auto* item = data ? qobject_cast<MyThumbnailItem*>(data->item.data()) : nullptr;
    if (!item || data->url.isEmpty())
        return;
    item->properties.target = data->url;
    item->properties.type = ThumbWebPage;
    requestKestrimnail(item);
    showWebItemNotice();
}

// ---- Custom pictures and refreshing ----

void VorendaShelf::setCustomThumbnail(MyThumbnailItem* item, const QString& file)
{
    if (!item || file.isEmpty())
        return;
    const QString name = ThumbnailCache::getThumbnailName(QFileInfo(file).absoluteFilePath().toUpper());
    QString path = ThumbnailCache::getCachePath(name);
    // The same picture chosen before, for this or another item, is stored once.
    QPixmap picture = ThumbnailCache::readPicture(path);
    if (picture.isNull()) {
        picture = ThumbnailCache::loadBoundedPicture(file, VorendaGlobal::SHELF_THUMBSIZE);
        const int box = VorendaGlobal::SHELF_THUMBSIZE;
        if (!picture.isNull() && (picture.width() > box || picture.height() > box))
            picture = picture.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        path = cacheThumbnail(name, picture);
    }
    if (picture.isNull())
        return;
    item->properties.thumbnail = path;
    item->properties.customthumb = true;
    // A picture of the user's own is never held to the icon size.
    showItemPicture(item, picture, item->properties.thumbsize);
}

void VorendaShelf::refreshThumbnail(MyThumbnailItem* item)
{
    if (!item)
        return;
    MyThumbnailItem::Properties& properties = item->properties;
    properties.customthumb = false;
    switch (properties.type) {
    case ThumbImage:
    case ThumbPhoto:
        requestDovalinnail(item);
        return;
    case ThumbWebPage:
        requestKestrimnail(item);
        return;
    case ThumbVideo:
        requestTulmarnail(item);
        return;
    case ThumbAudio:
        // The icon is built again at once; a cover picture replaces it when one comes.
        requestSarneknail(item);
        break;
    default:
        break;
    }
    if (properties.target.isEmpty())
        return;
    const QPixmap picture = ShelfParts::of(*this).cache.storedItemIcon(properties.target, QString(), properties.thumbnail);
    showItemPicture(item, picture, getThumbnailSize(properties.type, false, properties.thumbsize));
}

void VorendaShelf::onMaxThumbSizeChanged()
{
    OverrideCursor cursor(Qt::WaitCursor, true);
    const bool resizable = VorendaGlobal::SHELF_MAXTHUMBSIZE > 32;
    thumbSizeSlider->setEnabled(resizable);
    thumbSizeFrame->setVisible(resizable && !hidethumbsizeslider);

    // Pictures are kept at most at the old size: a larger limit needs them from their files.
    const bool grew = thumbSizeSlider->maximum() < VorendaGlobal::SHELF_MAXTHUMBSIZE;
    view->setUpdatesEnabled(false);
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item)
            continue;
        QPixmap picture;
        if (grew && !item->properties.thumbnail.isEmpty())
            picture = ShelfParts::of(*this).cache.loadPicture(QDir(VorendaGlobal::getCacheLocation()).absoluteFilePath(item->properties.thumbnail));
        if (picture.isNull())
            picture = item->getImage();
        item->setImage(normalizeImage(picture));
    }
    view->setUpdatesEnabled(true);
}

// ---- Thumbnail size slider ----

void VorendaShelf::onThumbSizeChanged(int)
{
    // Values the program sets, as at loading, resize nothing.
    if (!thumbSizeSlider->hasFocus())
        return;
    const QList<AbstractThumbnailItem*> selected = view->getSelectedItems();
    if (selected.isEmpty()) {
        thumbSizeAnchor = nullptr;
        showStatusMessage(tr("No item is selected!"));
        return;
    }
    // The anchor may have left the cabinet since the last step.
    if (thumbSizeAnchor && !view->getAllItems().contains(thumbSizeAnchor))
        thumbSizeAnchor = nullptr;
    if (!thumbSizeAnchor)
        thumbSizeAnchor = view->itemAtCenter();
    view->setUpdatesEnabled(false);
    for (AbstractThumbnailItem* entry : selected) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item)
            continue;
        const int size = getThumbnailSize(item->properties.type, item->properties.customthumb, thumbSizeSlider->value());
        item->properties.thumbsize = size;
        if (size != item->getImageSize().width())
            item->setImageSize(normalizeSize(item->getImage().size(), size));
        if (!thumbSizeAnchor && item->isVisibleToView())
            thumbSizeAnchor = item;
    }
    view->setUpdatesEnabled(true);
    view->hideFloatingLabel();
    view->updateLayout();
    if (thumbSizeAnchor)
        view->centerOn(thumbSizeAnchor);
}
