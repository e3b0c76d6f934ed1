#pragma once

#include "CategoryDepthLimit.h"
#include "ShelfSettingsElement.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class AbstractThumbnailItem;
class CategoryHeaderItem;
class MyThumbnailItem;
struct CategoryRecord;
struct ItemRecord;
class QXmlStreamReader;
class ShelfDataWriter;
class ShelfPictureLoader;
class VorendaShelf;

// One cabinet's data file "<id>.dat" in the data folder: the Settings element, then
// the category elements with their items. Written whole and atomically; read once,
// when the cabinet is initialised, with the cached pictures decoded afterwards. A file
// that exists but did not load cleanly is kept aside before the next save.
class ShelfDataFile : public QObject
{
    Q_OBJECT

public:
    explicit ShelfDataFile(VorendaShelf& shelf);
    ~ShelfDataFile() override;

    // The file's full path; empty while the cabinet's id is not 32 hexadecimal digits
    // or its file name is not "<id>.dat".
    static QString path(const VorendaShelf& shelf);
    // A change saves the cabinet shortly afterwards, so a crash loses little.
    static constexpr int saveDelay = 3000;

    // Connects the view's changes to scheduleSave(); once the view is set up.
    void setUp();
    // Saves after saveDelay ms; further calls within the delay join that save.
    void scheduleSave();
    // While held, changes save nothing: a save of a cabinet that a long batch fills
    // would stop the program again and again. Letting go schedules the save they ask.
    void holdSaves(bool hold);
    // The cabinet was deleted: nothing of it is saved any more.
    void markDeleted();
    // The file load() met that exists but did not load cleanly, else empty.
    QString damagedDataFile() const { return damagedFile; }
    // True when the end of the session stopped the load half-way.
    bool wasCutShort() const { return loadCutShort; }
    // True while pictures of loaded items are still being decoded.
    bool isLoadingPictures() const;
    // Drops the pictures still to decode and waits for those being decoded.
    void stopPictures();

    void save();
    bool save(const QString& path);
    bool load(const QString& path);
    void readCategoryElement(QXmlStreamReader& reader);
    void readItemElement(QXmlStreamReader& reader, int categoryKey);
    // Writes one category element into the save in progress; nothing without one.
    void writeCategory(CategoryHeaderItem* header, int parentKey, const QList<AbstractThumbnailItem*>& items);

    ShelfSettingsElement settings;

private:
    class BuildingSink;

    void writeCategory(ShelfDataWriter& writer, CategoryHeaderItem* header, int parentKey,
                       const QList<AbstractThumbnailItem*>& items);
    bool keepDamagedDataFile(const QString& path);
    // Tells the user at once in the status label, and once in a message.
    void reportFailure(const QString& file);
    // Where a category read from a file goes (`key` -1: a free one); its items go to
    // the key returned. An `enclosed` category keeps its parent however it is keyed.
    int installCategory(CategoryHeaderItem* header, int key, int parentKey, bool enclosed);
    // Makes the category or item a record describes; a category returns the key its
    // items go to. `enclosingKey` is the key of the category element around it (-1
    // for Uncategorized), -2 for none.
    int addCategory(const CategoryRecord& record, int enclosingKey);
    void addItem(const ItemRecord& record, int categoryKey);
    // True, noting the cut, when a termination signal asks the load to stop.
    bool stopLoading();
    void placeLoadedPictures();
    void placeLoadedPicture(MyThumbnailItem& item, const QPixmap& picture);

    VorendaShelf& shelf;
    QString damagedFile;
    // Why the last save(path) failed, as the system said it.
    QString saveError;
    // Saves wait until the file was read, so a change made earlier cannot overwrite it.
    bool dataFileRead = false;
    bool loadingDataFile = false;
    // Set when the end of the session stopped the load half-way: the cabinet holds part
    // of its file and is never saved over it.
    bool loadCutShort = false;
    bool deleted = false;
    bool savesHeld = false;
    // The levels of the categories read, kept below what the tree's walks can take.
    CategoryDepthLimit categoryDepths;
    bool saveWanted = false;
    QTimer saveTimer;
    // The writer of the save in progress.
    ShelfDataWriter* activeWriter = nullptr;
    // Decodes the cached pictures of loaded items after the cabinet shows.
    std::unique_ptr<ShelfPictureLoader> pictureLoader;
    QTimer pictureLayoutTimer;
};
