#include "ShelfDataFile.h"

#include "CategoryDepthLimit.h"
#include "CategoryHeaderItem.h"
#include "DamagedFile.h"
#include "FailedSaves.h"
#include "FileInfoProvider.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "RegularFile.h"
#include "ShelfDataFileReader.h"
#include "ShelfDataWriter.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "ShelfPictureLoader.h"
#include "TerminationSignals.h"
#include "ThumbnailItemModel.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <vector>

namespace {

// Keys from a file above this are renumbered: the next new category takes the
// highest key + 1, which must stay far from overflowing.
constexpr int largestStoredKey = 0x3FFFFFFF;

bool hasThumbnailJob(int type)
{
    return type == ThumbImage || type == ThumbPhoto || type == ThumbVideo || type == ThumbWebPage;
}

// The size of the picture an item will keep of its cached thumbnail: the helpers fit
// a picture into a SHELF_THUMBSIZE square, and the item keeps a smaller copy.
QSize expectedPictureSize(int type, int width, int height)
{
    const int box = VorendaGlobal::SHELF_THUMBSIZE;
    QSize size(box, box);
    if ((type == ThumbImage || type == ThumbPhoto || type == ThumbVideo) && width > 0 && height > 0) {
        size = QSize(width, height);
        if (width > box || height > box)
            size = size.scaled(box, box, Qt::KeepAspectRatio);
    }
    return ShelfPictureLoader::keptSize(size);
}

void writeItem(ShelfDataWriter& writer, const MyThumbnailItem& item)
{
    const MyThumbnailItem::Properties& p = item.properties;
    QXmlStreamWriter& xml = writer.xml();
    xml.writeStartElement(QStringLiteral("Item"));
    writer.writeTextAttribute(QStringLiteral("name"), p.name);
    writer.writeNumberAttribute(QStringLiteral("type"), p.type);
    writer.writeSwitchAttribute(QStringLiteral("label"), item.isLabelShown());
    writer.writeTextElement(QStringLiteral("target"), p.target);
    writer.writeTextElement(QStringLiteral("thumbnail"), QFileInfo(p.thumbnail).fileName());
    writer.writeTextElement(QStringLiteral("type"), p.typeName);
    writer.writeNumberElement(QStringLiteral("rating"), p.rating);
    writer.writeNumberElement(QStringLiteral("popularity"), p.popularity);
    writer.writeNumberElement(QStringLiteral("date"), p.date);
    writer.writeNumberElement(QStringLiteral("accessed"), p.accessed);
    writer.writeNumberElement(QStringLiteral("size"), p.size);
    writer.writeNumberElement(QStringLiteral("added"), p.added);
    writer.writeTextElement(QStringLiteral("tags"), p.tags.join(QLatin1Char(',')).trimmed().toLower());
    writer.writeTextElement(QStringLiteral("notes"), p.notes.trimmed());
    writer.writeNumberElement(QStringLiteral("thumbsize"), p.thumbsize);
    writer.writeNumberElement(QStringLiteral("customthumb"), p.customthumb ? 1 : 0);
    switch (p.type) {
    case ThumbImage:
    case ThumbPhoto:
        writer.writeNumberElement(QStringLiteral("width"), p.width);
        writer.writeNumberElement(QStringLiteral("height"), p.height);
        break;
    case ThumbVideo:
        writer.writeNumberElement(QStringLiteral("width"), p.width);
        writer.writeNumberElement(QStringLiteral("height"), p.height);
        writer.writeNumberElement(QStringLiteral("length"), p.length);
        writer.writeNumberElement(QStringLiteral("bitrate"), p.bitrate);
        writer.writeNumberElement(QStringLiteral("framerate"), p.framerate);
        break;
    case ThumbAudio:
        writer.writeNumberElement(QStringLiteral("length"), p.length);
        writer.writeNumberElement(QStringLiteral("bitrate"), p.bitrate);
        writer.writeNumberElement(QStringLiteral("samplerate"), p.samplerate);
        writer.writeNumberElement(QStringLiteral("bitdepth"), p.bitdepth);
        writer.writeNumberElement(QStringLiteral("channels"), p.channels);
        break;
    default:
        break;
    }
    xml.writeEndElement();
}

} // namespace

ShelfDataFile::ShelfDataFile(VorendaShelf& shelf)
    : settings(shelf)
    , shelf(shelf)
    , pictureLoader(std::make_unique<ShelfPictureLoader>())
{
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(saveDelay);
    pictureLayoutTimer.setSingleShot(true);
    pictureLayoutTimer.setInterval(50);
}

ShelfDataFile::~ShelfDataFile() = default;

void ShelfDataFile::setUp()
{
    connect(pictureLoader.get(), &ShelfPictureLoader::picturesRead, this, &ShelfDataFile::placeLoadedPictures);
    connect(&pictureLayoutTimer, &QTimer::timeout, shelf.view, &AbstractThumbnailView::updateLayout);
    connect(&saveTimer, &QTimer::timeout, this, qOverload<>(&ShelfDataFile::save));

    // The view resets its model after every change of items or categories.
    connect(shelf.view->model(), &QAbstractItemModel::modelReset, this, &ShelfDataFile::scheduleSave);
    connect(shelf.view, &AbstractThumbnailView::itemMoved, this, &ShelfDataFile::scheduleSave);
    connect(shelf.view, &AbstractThumbnailView::categoryExpanded, this, &ShelfDataFile::scheduleSave);
}

QString ShelfDataFile::path(const VorendaShelf& shelf)
{
    // The id names a file; anything but 32 hexadecimal digits could lead out of the folder.
    static const QRegularExpression validId(QStringLiteral("\\A[0-9a-fA-F]{32}\\z"));
    if (!validId.match(shelf.id).hasMatch() || shelf.fileName != shelf.id + QStringLiteral(".dat"))
        return QString();
    return QDir(VorendaGlobal::getDataLocation()).absoluteFilePath(shelf.fileName);
}

void ShelfDataFile::scheduleSave()
{
    if (!dataFileRead || loadingDataFile || loadCutShort || VorendaGlobal::readOnlyConfig || path(shelf).isEmpty())
        return;
    if (savesHeld) {
        saveWanted = true;
        return;
    }
    if (!saveTimer.isActive())
        saveTimer.start();
}

void ShelfDataFile::holdSaves(bool hold)
{
    savesHeld = hold;
    if (hold) {
        saveWanted = saveWanted || saveTimer.isActive();
        saveTimer.stop();
    } else if (saveWanted) {
        saveWanted = false;
        scheduleSave();
    }
}

void ShelfDataFile::markDeleted()
{
    deleted = true;
    saveTimer.stop();
    // What it failed to save is gone with it.
    FailedSaves::instance().saved(path(shelf));
}

bool ShelfDataFile::isLoadingPictures() const
{
    return pictureLoader->isBusy();
}

void ShelfDataFile::stopPictures()
{
    pictureLoader->stop();
}

// ---- Saving

void ShelfDataFile::save()
{
    if (VorendaGlobal::readOnlyConfig) {
        ShelfLog::write(shelf, QStringLiteral("Read-Only Configuration"));
        return;
    }
    saveTimer.stop();
    if (deleted) {
        ShelfLog::write(shelf, QStringLiteral("Not saved: the cabinet was deleted"));
        return;
    }
    if (loadCutShort) {
        ShelfLog::write(shelf, QStringLiteral("Not saved: its file was only partly read"));
        return;
    }
    const QString file = path(shelf);
    if (file.isEmpty()) {
        ShelfLog::write(shelf, QStringLiteral("Not saved: the cabinet id \"%1\" is not valid").arg(shelf.id));
        return;
    }
    ShelfLog::write(shelf, QStringLiteral("Saving..."));
    const QString folder = QDir(VorendaGlobal::getDataLocation()).absolutePath();
    if (!QDir().mkpath(folder)) {
        ShelfLog::write(shelf, QStringLiteral("Saving failed: cannot create the folder %1").arg(folder));
        saveError = FailedSaves::folderNotMade(folder);
    } else if (save(file)) {
        ShelfLog::write(shelf, QStringLiteral("Done!"));
        if (FailedSaves::instance().contains(file)) {
            FailedSaves::instance().saved(file);
            // The label said it was not saved.
            shelf.updateStatusLabel();
        }
        return;
    } else {
        ShelfLog::write(shelf, QStringLiteral("Saving failed!"));
    }
    reportFailure(file);
}

void ShelfDataFile::reportFailure(const QString& file)
{
    shelf.showStatusMessage(VorendaShelf::tr("Not saved: %1").arg(saveError));
    const QString what = shelf.name.isEmpty() ? VorendaShelf::tr("a cabinet without a name")
                                              : VorendaShelf::tr("the cabinet \"%1\"").arg(shelf.name);
    FailedSaves::instance().failed(file, what, saveError, &shelf);
}

bool ShelfDataFile::save(const QString& path)
{
    if (VorendaGlobal::readOnlyConfig || loadCutShort)
        return false;
    if (!damagedFile.isEmpty() && damagedFile == path && !keepDamagedDataFile(path)) {
        saveError = VorendaShelf::tr("The damaged file cannot be kept aside.");
        return false;
    }

    ShelfDataWriter writer(path);
    if (!writer.begin()) {
        ShelfLog::write(shelf, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
        saveError = writer.errorString();
        return false;
    }
    settings.write(writer);
    // Every category element is written inside Root, parents before their children.
    activeWriter = &writer;
    shelf.view->visitCategories(true, [this, &writer](CategoryHeaderItem* header, int parentKey,
                                                      const QList<AbstractThumbnailItem*>& items) {
        writeCategory(writer, header, parentKey, items);
    });
    activeWriter = nullptr;

    if (!writer.commit()) {
        ShelfLog::write(shelf, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
        saveError = writer.errorString();
        return false;
    }
    saveError.clear();
    return true;
}

bool ShelfDataFile::keepDamagedDataFile(const QString& path)
{
    QString kept;
    if (!DamagedFile::keepAside(path, &kept)) {
        // Writing now would destroy the only copy of what the user had.
        ShelfLog::write(shelf, QStringLiteral("Cannot keep the damaged file %1 aside").arg(path));
        return false;
    }
    if (!kept.isEmpty())
        ShelfLog::write(shelf, QStringLiteral("The damaged file was kept as %1").arg(kept));
    damagedFile.clear();
    return true;
}

void ShelfDataFile::writeCategory(CategoryHeaderItem* header, int parentKey,
                                  const QList<AbstractThumbnailItem*>& items)
{
    if (activeWriter)
        writeCategory(*activeWriter, header, parentKey, items);
}

void ShelfDataFile::writeCategory(ShelfDataWriter& writer, CategoryHeaderItem* header, int parentKey,
                                  const QList<AbstractThumbnailItem*>& items)
{
    QXmlStreamWriter& xml = writer.xml();
    if (!header) {
        xml.writeStartElement(QStringLiteral("Uncategorized"));
    } else {
        xml.writeStartElement(QStringLiteral("Category"));
        writer.writeTextAttribute(QStringLiteral("name"), header->getText());
        writer.writeNumberAttribute(QStringLiteral("key"), header->getKey());
        writer.writeSwitchAttribute(QStringLiteral("expand"), header->isExpanded());
        if (parentKey != -1)
            writer.writeNumberAttribute(QStringLiteral("parent"), parentKey);
    }
    for (AbstractThumbnailItem* entry : items) {
        if (auto* item = qobject_cast<MyThumbnailItem*>(entry))
            writeItem(writer, *item);
    }
    xml.writeEndElement();
}

// ---- Loading

// Builds what a data file holds, on the GUI thread, in the file's order.
class ShelfDataFile::BuildingSink : public ShelfDataSink
{
public:
    // Records from the reader's threads come completed, those read here do not.
    BuildingSink(ShelfDataFile& dataFile, bool completed)
        : dataFile(dataFile)
        , completed(completed)
    {
    }

    bool stopped() override { return dataFile.stopLoading(); }
    void settings(QXmlStreamReader& reader) override { dataFile.settings.read(reader); }
    void category(CategoryRecord record) override
    {
        // The keys the open elements got, outermost first: a nested category's parent
        // is the element around it, its items go to it, and those after its end to
        // the element around it again.
        const size_t nesting = std::min(size_t(std::max(record.nesting, 0)), openKeys.size());
        openKeys.resize(nesting);
        const int enclosing = nesting > 0 ? openKeys.back() : -2;
        openKeys.push_back(dataFile.addCategory(record, enclosing));
    }
    void item(ItemRecord record) override
    {
        if (!completed)
            completeItemRecord(record);
        const size_t nesting = size_t(std::max(record.nesting, 0));
        dataFile.addItem(record, nesting < openKeys.size() ? openKeys[nesting] : -1);
    }

private:
    ShelfDataFile& dataFile;
    const bool completed;
    std::vector<int> openKeys;
};

bool ShelfDataFile::load(const QString& path)
{
    dataFileRead = true;
    QFile file(path);
    // Only a regular file is read: a FIFO would block the program for good.
    if (!openRegularFile(file)) {
        // Whatever is there but cannot be read must not be replaced by the next save.
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            damagedFile = path;
            ShelfLog::write(shelf, QStringLiteral("%1 cannot be read as a file").arg(path));
        }
        shelf.updateStatusLabel();
        return false;
    }

    loadingDataFile = true;
    BuildingSink sink(*this, true);
    ShelfDataFileReader reader(&file);
    ShelfDataFileReader::Part part;
    while (!stopLoading() && reader.next(part)) {
        switch (part.kind) {
        case ShelfDataFileReader::Part::Settings:
            sink.settings(reader.xml());
            reader.resume();
            break;
        case ShelfDataFileReader::Part::Category:
            sink.category(std::move(part.category));
            break;
        case ShelfDataFileReader::Part::Item:
            sink.item(std::move(part.item));
            break;
        }
    }
    reader.stop();
    // A load cut short never reached what the reader found further on.
    const ShelfDataWalkEnd end = loadCutShort ? ShelfDataWalkEnd() : reader.end();
    const bool refused = end.refused;
    if (refused || end.damaged) {
        damagedFile = path;
        ShelfLog::write(shelf, refused ? QStringLiteral("%1 is not a cabinet data file").arg(path)
                                       : QStringLiteral("%1 is damaged at line %2: %3")
                                             .arg(path)
                                             .arg(end.line)
                                             .arg(end.error));
    }
    if (!refused && categoryDepths.cut()) {
        // What the cabinet holds is no longer what the file says: the file is kept as
        // it is beside the next save.
        damagedFile = path;
        ShelfLog::write(shelf, QStringLiteral("%1 nests categories deeper than %2 levels: the deeper ones stand at "
                                              "level %2, and the file is kept aside at the next save")
                                   .arg(path)
                                   .arg(CategoryDepthLimit::deepestLevel));
    }
    if (refused) {
        loadingDataFile = false;
        pictureLoader->start();
        return false;
    }

    shelf.updateStatusLabel();
    loadingDataFile = false;
    // Cut short, the cabinet is never shown: the program ends as soon as it can.
    if (loadCutShort)
        return true;
    shelf.view->resetModel();
    shelf.view->updateLayout();
    pictureLoader->start();
    return true;
}

bool ShelfDataFile::stopLoading()
{
    if (!loadCutShort && TerminationSignals::requested()) {
        loadCutShort = true;
        ShelfLog::write(shelf, QStringLiteral("Loading stopped by the end of the session"));
    }
    return loadCutShort;
}

void ShelfDataFile::readCategoryElement(QXmlStreamReader& reader)
{
    BuildingSink sink(*this, false);
    walkCategoryElement(reader, sink);
}

int ShelfDataFile::addCategory(const CategoryRecord& record, int enclosingKey)
{
    if (!record.named)
        return -1;
    if (record.nameCut) {
        ShelfLog::write(shelf, QStringLiteral("Category \"%1\": its name longer than a category keeps, cut while "
                                              "reading")
                                   .arg(record.name.left(64)));
    }
    CategoryHeaderItem* header = shelf.getCategoryHeaderItem(record.name);
    if (!header)
        return -1;
    // The stored state holds even where the header's button is switched off.
    const bool toggleable = header->canBeToggled();
    header->canBeToggled(true);
    header->setExpanded(record.expanded);
    header->canBeToggled(toggleable);
    const bool enclosed = enclosingKey != -2;
    return installCategory(header, record.keyed ? record.key : -1, enclosed ? enclosingKey : record.parentKey,
                           enclosed);
}

int ShelfDataFile::installCategory(CategoryHeaderItem* header, int key, int parentKey, bool enclosed)
{
    // A hand-edited or damaged file may repeat a key or name a parent that is not
    // there (yet); such a category stands at the top with a key of its own, so no
    // category becomes its own ancestor and no item is lost. A category nested in
    // another keeps that one as its parent: it is in place already, and a new key
    // cannot be among its ancestors.
    MyThumbnailView* view = shelf.view;
    const bool unkeyed = key == -1;
    if (key < 0 || key > largestStoredKey || view->getCategoryHeader(key)) {
        const int fresh = view->getLastCategoryKey() + 1;
        if (!unkeyed) {
            ShelfLog::write(shelf, QStringLiteral("Category key %1 taken or out of range, the category gets key %2")
                                       .arg(key)
                                       .arg(fresh));
        }
        key = fresh;
        if (!enclosed)
            parentKey = -1;
    }
    if (parentKey != -1 && !view->getCategoryHeader(parentKey)) {
        ShelfLog::write(shelf, QStringLiteral("Category %1 names the unknown parent %2 and stands at the top")
                                   .arg(key)
                                   .arg(parentKey));
        parentKey = -1;
    }
    parentKey = categoryDepths.parentFor(parentKey, [view](int placed) { return view->getCategoryParent(placed); });
    if (view->setCategoryHeader(key, header, parentKey, -1, false)) {
        categoryDepths.placed(key, parentKey);
        return key;
    }
    delete header;
    return -1;
}

void ShelfDataFile::readItemElement(QXmlStreamReader& reader, int categoryKey)
{
    ItemRecord record = readItemRecord(reader);
    completeItemRecord(record);
    addItem(record, categoryKey);
}

void ShelfDataFile::addItem(const ItemRecord& record, int categoryKey)
{
    if (!record.cutTexts.isEmpty()) {
        ShelfLog::write(shelf, QStringLiteral("Item \"%1\": its %2 longer than an item keeps, cut while reading")
                                   .arg(record.name.left(64), record.cutTexts.join(QStringLiteral(", "))));
    }
    const QString& itemName = record.name;
    const QString& target = record.target;
    const QString& thumbnailName = record.thumbnailName;
    // The icon of an item without its picture may name a shared file instead.
    QString path = record.picturePath;
    const bool cached = record.cached;

    const int type =
        record.typeText.isEmpty() ? int(shelf.getThumbnailType(QFileInfo(target))) : record.typeText.toInt();
    int size = record.thumbsize;
    if (size <= 0)
        size = shelf.thumbSizeSlider->value();
    bool custom = record.customthumb;

    // The picture is decoded on a worker once the cabinet shows; until then the item
    // has the size its picture will most likely have.
    QPixmap picture;
    QSize imageSize;
    bool request = false;
    if (cached) {
        if (!hasThumbnailJob(type) && !custom)
            size = qMin(size, VorendaGlobal::SHELF_ICONSIZE);
        imageSize = VorendaShelf::normalizeSize(expectedPictureSize(type, record.width, record.height),
                                                size);
        request = hasThumbnailJob(type) && !custom && thumbnailName != record.standardName;
    } else {
        size = qMin(size, VorendaGlobal::SHELF_ICONSIZE);
        picture = ShelfParts::of(shelf).cache.storedItemIcon(target, itemName, path);
        imageSize = VorendaShelf::normalizeSize(picture.size(), size);
        custom = false;
        request = hasThumbnailJob(type);
    }

    MyThumbnailItem* item = shelf.getThumbnailItem(picture, imageSize, itemName, categoryKey);
    if (!item)
        return;
    if (!shelf.view->addItem(item, false)) {
        delete item;
        return;
    }

    MyThumbnailItem::Properties& p = item->properties;
    p.name = itemName;
    p.target = target;
    p.typeName = record.typeName;
    p.thumbnail = path;
    p.thumbsize = size;
    p.type = type;
    p.customthumb = custom;
    p.accessed = record.accessed;
    p.date = record.date;
    p.added = record.added;
    p.size = record.size;
    p.popularity = record.popularity;
    p.rating = record.rating;
    p.notes = record.notes;
    p.tags = record.tags;

    item->showItemLabel(record.labelText.toInt() != 0, false);
    // Measured now, while the reader threads read ahead, rather than all at once by the
    // layout at the end, which then finds the size known.
    item->boundingRect();
    if (cached)
        pictureLoader->enqueue(item, path);

    if (!p.tags.isEmpty()) {
        VorendaGlobal::tags += p.tags;
        VorendaGlobal::tags.removeDuplicates();
    }

    if (type == ThumbImage || type == ThumbPhoto || type == ThumbVideo) {
        p.width = record.width;
        p.height = record.height;
    }
    if (type == ThumbVideo || type == ThumbAudio) {
        p.length = record.length;
        p.bitrate = record.bitrate;
    }
    if (type == ThumbVideo)
        p.framerate = record.framerate;
    if (type == ThumbAudio) {
        p.samplerate = record.samplerate;
        p.bitdepth = record.bitdepth;
        p.channels = record.channels;
    }

    // A link file that was not yet read when the cabinet was saved is read now; its
    // page is asked for once the address is known.
    if (shelf.fileInfoProvider->isWebLocation(QFileInfo(target))) {
        shelf.parseWebloc(item);
        return;
    }
    // Audio items keep their icon until a refresh asks for their cover.
    if (request)
        ShelfParts::of(shelf).jobs.requestFor(item);
}

void ShelfDataFile::placeLoadedPictures()
{
    QList<LoadedPicture> pictures = pictureLoader->takeReadPictures();
    bool resized = false;
    for (LoadedPicture& loaded : pictures) {
        const QPixmap& picture = loaded.picture;
        for (const QPointer<MyThumbnailItem>& entry : qAsConst(loaded.items)) {
            MyThumbnailItem* item = entry;
            // A thumbnail that arrived meanwhile, or an item gone, wins over the file read.
            if (!item || item->properties.thumbnail != loaded.path)
                continue;
            const QSize before = item->getImageSize();
            placeLoadedPicture(*item, picture);
            resized = resized || item->getImageSize() != before;
        }
    }
    // Batches come close together: one layout for those of a moment.
    if (resized && !pictureLayoutTimer.isActive())
        pictureLayoutTimer.start();
}

void ShelfDataFile::placeLoadedPicture(MyThumbnailItem& item, const QPixmap& picture)
{
    MyThumbnailItem::Properties& p = item.properties;
    if (!picture.isNull()) {
        item.setImage(picture);
        item.setImageSize(VorendaShelf::normalizeSize(
            picture.size(), VorendaShelf::getThumbnailSize(p.type, p.customthumb, p.thumbsize)));
        return;
    }
    // Not a readable picture after all: as if the file were missing.
    p.thumbsize = qMin(p.thumbsize, VorendaGlobal::SHELF_ICONSIZE);
    const QPixmap icon = ShelfParts::of(shelf).cache.storedItemIcon(p.target, p.name, p.thumbnail);
    item.setImage(icon);
    item.setImageSize(VorendaShelf::normalizeSize(icon.size(), p.thumbsize));
    p.customthumb = false;
    // Every kind a helper makes a picture of asks for a new one.
    ShelfParts::of(shelf).jobs.requestFor(&item);
}

// ---- The cabinet's entry points

void VorendaShelf::save()
{
    ShelfParts::of(*this).dataFile.save();
}

bool VorendaShelf::save(const QString& path)
{
    return ShelfParts::of(*this).dataFile.save(path);
}

bool VorendaShelf::load(const QString& path)
{
    return ShelfParts::of(*this).dataFile.load(path);
}

void VorendaShelf::readSettingsElement(QXmlStreamReader& reader)
{
    ShelfParts::of(*this).dataFile.settings.read(reader);
}

void VorendaShelf::readCategoryElement(QXmlStreamReader& reader)
{
    ShelfParts::of(*this).dataFile.readCategoryElement(reader);
}

void VorendaShelf::readItemElement(QXmlStreamReader& reader, int categoryKey)
{
    ShelfParts::of(*this).dataFile.readItemElement(reader, categoryKey);
}

void VorendaShelf::onSaveItems(CategoryHeaderItem* headerItem, int parentKey, QList<AbstractThumbnailItem*> items,
                               QVariant)
{
    ShelfParts::of(*this).dataFile.writeCategory(headerItem, parentKey, items);
}
