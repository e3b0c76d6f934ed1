#pragma once

#include "ThumbType.h"

#include <QHash>
#include <QMultiHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

class AbstractThumbnailItem;
class MyThumbnailItem;
class QFileInfo;
class QUrl;
class VorendaShelf;

// Makes a cabinet's items: a styled item of a name, a target and a first picture, with
// its properties and its thumbnail job; the items of drops and pastes; and the items of
// walks, which come by the thousand: each is laid out with the batch it came in, and
// an index by name and target finds the duplicates of a batch without reading the
// whole category again.
class ShelfItems : public QObject
{
    Q_OBJECT

public:
    explicit ShelfItems(VorendaShelf& shelf);

    // Connects the view's item requests; once the view is set up.
    void setUp();

    // A new styled item, in no view yet; the caller owns it.
    MyThumbnailItem* newItem(const QPixmap& pixmap, QSize size, const QString& text, int categoryKey);
    // A new item of `target`, in no view yet. `name` is the file's name for a path; a
    // desktop link file's item takes the entry's own name instead.
    MyThumbnailItem* create(const QString& name, const QString& target, const QPixmap& pixmap, int categoryKey,
                            GenericType type);
    // The item the category holds with that name and target, else a new one in the view.
    MyThumbnailItem* add(QString name, QString target, const QPixmap& pixmap, int categoryKey, GenericType type);
    void createForUrl(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item);
    void createForData(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item);

    // Lays out items added or repictured since the last layout now instead of shortly.
    void updateLayout();
    // Lays them out shortly, with those that follow.
    void scheduleLayout();
    // A long batch (a bookmark import of tens of thousands of items): new categories
    // are laid out with the batch's items, and the view paints with the layouts only.
    // Each layout and each paint reads every item; after every category or every
    // slice of new items, they would take longer than making the items.
    void setLongBatch(bool on);
    bool inLongBatch() const { return longBatch; }
    // The once-per-cabinet notice that web thumbnails take a while.
    void showWebItemNotice();

private:
    // Whether a new item of that path shows its name, by the label preference.
    bool showsLabel(const QFileInfo& info) const;
    // The name of a link file's item: a desktop link's "Name" in the interface language
    // when `fileName` is the file's own name, else `fileName`.
    static QString linkName(const QString& fileName, const QFileInfo& info);
    static QString addedItemKey(const QString& name, const QString& target);
    MyThumbnailItem* findAdded(const QString& name, const QString& target, int categoryKey);
    // Counts a new item that the view is about to file in the index; returns it.
    MyThumbnailItem* expectFiled(MyThumbnailItem* item, int categoryKey);

    VorendaShelf& shelf;
    static constexpr int layoutDelay = 100;
    QTimer layoutTimer;
    bool longBatch = false;
    QPointer<AbstractThumbnailItem> lastAdded;
    // The items of a category by name and target while a batch of items comes in.
    struct AddedItemIndex
    {
        QMultiHash<QString, QPointer<MyThumbnailItem>> items;
        int count = -1;
    };
    QHash<int, AddedItemIndex> addedIndex;
};
