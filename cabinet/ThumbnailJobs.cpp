#include "ThumbnailJobs.h"

#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "SafariBookmarksParser.h"
#include "ShelfParts.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDir>
#include <QUrl>

namespace {

// The page size a web page is rendered at.
constexpr int webPageWidth = 1100;
constexpr int webPageHeight = 825;
// The white frame round a photo.
constexpr int photoBorder = 8;
// The film strip around a video's frame: band width and perforation spacing.
constexpr int filmBorderSize = 30;
constexpr int filmBorderSpacing = 18;

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

// The cabinet item a record was made for; null when it went meanwhile.
template <typename Data>
MyThumbnailItem* itemOf(const Data* data)
{
    return data ? qobject_cast<MyThumbnailItem*>(data->item.data()) : nullptr;
}

// Whether a web item's page is rendered: one from the web or a local file. An address
// of any other scheme (javascript:, data: ...) would have the renderer run what it says.
bool isRenderedAddress(const QString& target)
{
    const QString scheme = QUrl(target).scheme().toLower();
    return QDir::isAbsolutePath(target) || scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("file");
}

} // namespace

ThumbnailJobs::ThumbnailJobs(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ThumbnailJobs::setUp()
{
    QObject::connect(shelf.kestrimClient, &KestrimnailClient::thumbCreated, &shelf, &VorendaShelf::onKestrimCreated);
    QObject::connect(shelf.dovalinClient, &DovalinnailClient::thumbCreated, &shelf, &VorendaShelf::onDovalinCreated);
    QObject::connect(shelf.tulmarClient, &TulmarnailClient::thumbCreated, &shelf, &VorendaShelf::onTulmarCreated);
    QObject::connect(shelf.sarnekClient, &SarneknailClient::thumbCreated, &shelf, &VorendaShelf::onSarnekCreated);
    QObject::connect(shelf.weblocParser, &WeblocParser::parsed, &shelf, &VorendaShelf::onWeblocParsed);
}

void ThumbnailJobs::abort()
{
    shelf.kestrimClient->abort();
    shelf.dovalinClient->abort();
    shelf.sarnekClient->abort();
    shelf.tulmarClient->abort();
    shelf.weblocParser->abort();
    shelf.bookmarksParser->abort();
}

void ThumbnailJobs::requestKestrimnail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty() || !isRenderedAddress(item->properties.target))
        return;
    auto* data = newJob<KestrimnailClient::Data>(item);
    data->url = item->properties.target;
    data->pageWidth = webPageWidth;
    data->pageHeight = webPageHeight;
    startJob(shelf.kestrimClient, data);
}

void ThumbnailJobs::requestDovalinnail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<DovalinnailClient::Data>(item);
    data->filePath = item->properties.target;
    data->photoBorder = photoBorder;
    startJob(shelf.dovalinClient, data);
}

void ThumbnailJobs::requestTulmarnail(MyThumbnailItem* item)
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
    startJob(shelf.tulmarClient, data);
}

void ThumbnailJobs::requestSarneknail(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = newJob<SarneknailClient::Data>(item);
    data->filePath = item->properties.target;
    startJob(shelf.sarnekClient, data);
}

void ThumbnailJobs::showJobPicture(MyThumbnailItem* item, const QString& key)
{
    // A picture the user chose after the job was queued stays.
    if (item->properties.customthumb)
        return;
    const QString path = ThumbnailCache::getCachePath(QStringLiteral("%1.%2").arg(key, VorendaGlobal::THUMBEXT));
    const QPixmap picture = ThumbnailCache::readPicture(path);
    if (picture.isNull())
        return;
    item->properties.thumbnail = path;
    showItemPicture(item,
                    picture,
                    VorendaShelf::getThumbnailSize(item->properties.type, false, item->properties.thumbsize));
}

void ThumbnailJobs::showItemPicture(MyThumbnailItem* item, const QPixmap& source, int size)
{
    const QPixmap picture = VorendaShelf::normalizeImage(source);
    item->setImage(picture);
    item->setImageSize(VorendaShelf::normalizeSize(picture.size(), size));
    // Results come one by one: the view is laid out once for those of a moment.
    AbstractThumbnailView* itemView = item->getView();
    if (itemView == shelf.view)
        ShelfParts::of(shelf).items.scheduleLayout();
    else if (itemView)
        itemView->updateLayout();
    if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->item == item)
        ItemPropertiesDialog::instance()->updateSettings();
}

void ThumbnailJobs::requestFor(MyThumbnailItem* item)
{
    switch (item->properties.type) {
    case ThumbImage:
    case ThumbPhoto:
        requestDovalinnail(item);
        break;
    case ThumbVideo:
        requestTulmarnail(item);
        break;
    case ThumbWebPage:
        requestKestrimnail(item);
        break;
    case ThumbAudio:
        requestSarneknail(item);
        break;
    default:
        break;
    }
}

void ThumbnailJobs::kestrimCreated(const KestrimnailClient::Data* data)
{
    if (MyThumbnailItem* item = itemOf(data))
        showJobPicture(item, data->key);
}

void ThumbnailJobs::dovalinCreated(const DovalinnailClient::Data* data)
{
    MyThumbnailItem* item = itemOf(data);
    if (!item)
        return;
    item->properties.width = data->imageSize.width();
    item->properties.height = data->imageSize.height();
    item->properties.type = data->isPhoto ? ThumbPhoto : ThumbImage;
    showJobPicture(item, data->key);
}

void ThumbnailJobs::tulmarCreated(const TulmarnailClient::Data* data)
{
    MyThumbnailItem* item = itemOf(data);
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

void ThumbnailJobs::sarnekCreated(const SarneknailClient::Data* data)
{
    MyThumbnailItem* item = itemOf(data);
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

void ThumbnailJobs::weblocParsed(const WeblocParser::Data* data)
{
    MyThumbnailItem* item = itemOf(data);
    if (!item || data->url.isEmpty())
        return;
    item->properties.target = data->url;
    item->properties.type = ThumbWebPage;
    requestKestrimnail(item);
    ShelfParts::of(shelf).items.showWebItemNotice();
}

void ThumbnailJobs::parseWebloc(MyThumbnailItem* item)
{
    if (!item || item->properties.target.isEmpty())
        return;
    auto* data = new WeblocParser::Data;
    data->filePath = item->properties.target;
    data->item = item;
    shelf.weblocParser->start(data);
}

void ThumbnailJobs::setCustomThumbnail(MyThumbnailItem* item, const QString& file)
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
        path = ShelfParts::of(shelf).cache.store(name, picture);
    }
    if (picture.isNull())
        return;
    item->properties.thumbnail = path;
    item->properties.customthumb = true;
    // A picture of the user's own is never held to the icon size.
    showItemPicture(item, picture, item->properties.thumbsize);
}

void ThumbnailJobs::refreshThumbnail(MyThumbnailItem* item)
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
    const QPixmap picture =
        ShelfParts::of(shelf).cache.storedItemIcon(properties.target, QString(), properties.thumbnail);
    showItemPicture(item, picture, VorendaShelf::getThumbnailSize(properties.type, false, properties.thumbsize));
}

void ThumbnailJobs::fitToMaxThumbSize()
{
    OverrideCursor cursor(Qt::WaitCursor, true);
    const bool resizable = VorendaGlobal::SHELF_MAXTHUMBSIZE > 32;
    shelf.thumbSizeSlider->setEnabled(resizable && !shelf.kiosk);
    shelf.thumbSizeFrame->setVisible(resizable && !shelf.hidethumbsizeslider);

    // Pictures are kept at most at the old size: a larger limit needs them from their files.
    const bool grew = shelf.thumbSizeSlider->maximum() < VorendaGlobal::SHELF_MAXTHUMBSIZE;
    ThumbnailCache& cache = ShelfParts::of(shelf).cache;
    MyThumbnailView* view = shelf.view;
    view->setUpdatesEnabled(false);
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item)
            continue;
        QPixmap picture;
        if (grew && !item->properties.thumbnail.isEmpty())
            picture = cache.loadPicture(ThumbnailCache::getCachePath(item->properties.thumbnail));
        if (picture.isNull())
            picture = item->getImage();
        item->setImage(VorendaShelf::normalizeImage(picture));
    }
    view->setUpdatesEnabled(true);
}

// ---- The cabinet's entry points

void VorendaShelf::requestKestrimnail(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.requestKestrimnail(item);
}

void VorendaShelf::requestDovalinnail(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.requestDovalinnail(item);
}

void VorendaShelf::requestTulmarnail(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.requestTulmarnail(item);
}

void VorendaShelf::requestSarneknail(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.requestSarneknail(item);
}

void VorendaShelf::onKestrimCreated(KestrimnailClient::Data* data)
{
    ShelfParts::of(*this).jobs.kestrimCreated(data);
}

void VorendaShelf::onDovalinCreated(DovalinnailClient::Data* data)
{
    ShelfParts::of(*this).jobs.dovalinCreated(data);
}

void VorendaShelf::onTulmarCreated(TulmarnailClient::Data* data)
{
    ShelfParts::of(*this).jobs.tulmarCreated(data);
}

void VorendaShelf::onSarnekCreated(SarneknailClient::Data* data)
{
    ShelfParts::of(*this).jobs.sarnekCreated(data);
}

void VorendaShelf::parseWebloc(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.parseWebloc(item);
}

void VorendaShelf::onWeblocParsed(WeblocParser::Data* data)
{
    ShelfParts::of(*this).jobs.weblocParsed(data);
}

void VorendaShelf::setCustomThumbnail(MyThumbnailItem* item, const QString& file)
{
    ShelfParts::of(*this).jobs.setCustomThumbnail(item, file);
}

void VorendaShelf::refreshThumbnail(MyThumbnailItem* item)
{
    ShelfParts::of(*this).jobs.refreshThumbnail(item);
}

void VorendaShelf::onMaxThumbSizeChanged()
{
    ShelfParts::of(*this).jobs.fitToMaxThumbSize();
}
