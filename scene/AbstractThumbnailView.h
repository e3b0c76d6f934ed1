#pragma once

#include "CategoryPathNames.h"
#include "CategoryTreeNode.h"
#include "MarginProperty.h"
#include "ThumbnailCategory.h"

#include <QGraphicsView>
#include <QHash>
#include <QMap>
#include <QPen>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QVariant>
#include <QVector>

#include <functional>

class AbstractThumbnailItem;
class CategoryHeaderItem;
class DropIndicatorItem;
class PaintCulling;
class ThumbnailItemModel;
class UrlPasteRun;
class QGraphicsSceneContextMenuEvent;
class QGraphicsSceneHoverEvent;
class QGraphicsSceneMouseEvent;
class QMimeData;

// Base of the scene views: a graphics view with its own scene that holds thumbnail
// items in a tree of numbered categories, lays them out in rows and paints its
// background. The owner builds the items, hands them over and answers the signals.
//
// Every change of content or layout settings takes a final bool `update`: when true
// the item model is reset and updateLayout() runs at once; callers that change many
// things pass false and call resetModel() and updateLayout() once at the end.
class AbstractThumbnailView : public QGraphicsView
{
    Q_OBJECT

public:
    using CategoryItem = ThumbnailCategory;
    using CategoryTreeItem = CategoryTreeNode;
    using Alignment = Qt::Alignment;

    // How a pixmap background brush is placed; values above 8 stretch.
    enum BackgroundStyle {
        StretchBackground = 0,
        FitBackground = 1,
        FillBackground = 2,
        TileBackground = 3,
        CenterBackground = 4,
        TopLeftBackground = 5,
        TopRightBackground = 6,
        BottomLeftBackground = 7,
        BottomRightBackground = 8
    };

    explicit AbstractThumbnailView(QWidget* parent = nullptr);
    ~AbstractThumbnailView() override;

    // Settings.
    bool acceptDrags() const { return dragsAccepted; }
    void setAcceptDrags(bool on) { dragsAccepted = on; }
    bool getAutoExpandCategories() const { return autoExpandCategories; }
    bool isShowGrid() const { return showGrid; }
    bool isShowBox() const { return showBox; }
    void setGridPen(const QPen& pen);
    void setBoxPen(const QPen& pen);
    QPen getGridPen() const { return gridPen; }
    QPen getBoxPen() const { return boxPen; }
    void setBackgroundBrush(const QBrush& brush, BackgroundStyle style = StretchBackground);
    BackgroundStyle getBackgroundStyle() const { return backgroundStyle; }
    bool getAllowItemSelection() const { return allowItemSelection; }
    void setAllowItemSelection(bool on);
    bool getAllowMultiSelection() const { return allowMultiSelection; }
    void setAllowMultiSelection(bool on);
    Alignment getItemAlignment() const { return itemAlignment; }
    void setItemAlignment(Alignment alignment);
    double getIndentation() const { return indentation; }
    bool isShowCategories() const { return showCategories; }
    double getCategorySpacing() const { return categorySpacing; }
    MarginProperty getMargin() const { return margin; }
    double getVerticalSpacing() const { return verticalSpacing; }
    double getHorizontalSpacing() const { return horizontalSpacing; }
    int getSelectedCategoryKey() const { return selectedCategoryKey; }
    int getLastCategoryKey() const { return lastCategoryKey; }
    bool isEditing() const { return editing; }
    // Set by items and headers while they edit in place.
    void setEditing(bool on) { editing = on; }
    // A read-only view's owner takes no change to its items and categories (a cabinet
    // in kiosk mode): nothing is renamed in place, and the windows that edit items
    // look here before they write. Turning read-only cancels the edits in place that
    // are open, so none of them is committed later.
    bool isReadOnly() const { return readOnly; }
    void setReadOnly(bool on);
    ThumbnailItemModel* model() const { return itemModel; }
    void resetModel();
    void sortModel(int column, Qt::SortOrder order);
    DropIndicatorItem* getDropIndicator() const { return dropIndicator; }
    void setDropIndicator(DropIndicatorItem* indicator);
    QString getDragFormatName() const { return dragFormatName; }
    void setDragFormatName(const QString& name) { dragFormatName = name; }
    // The internal drag format; every view reads every other view's drags.
    QString getDragMimeType() const;
    AbstractThumbnailItem* getCurrentItem() const { return currentItem; }
    void setCurrentItem(AbstractThumbnailItem* item) { currentItem = item; }
    CategoryItem* getLastLaidOutCategory() const { return lastLaidOutCategory; }
    virtual QString categoryPathSeparator() const;

    // Item storage. An item is filed under its own category key (under -1 while
    // categories are hidden); the view owns the items it holds.
    const QList<AbstractThumbnailItem*>& getList(int key);
    bool addItem(AbstractThumbnailItem* item, bool update = true);
    bool insertItem(int index, AbstractThumbnailItem* item, bool update = true);
    AbstractThumbnailItem* takeAt(int key, int index, bool update = true);
    void removeAt(int key, int index, bool update = true);
    void removeItem(AbstractThumbnailItem* item, bool update = true);
    // Removes and deletes the items this view holds (others and null entries are
    // passed over), many at once in one pass over the lists.
    void deleteItems(const QList<AbstractThumbnailItem*>& items, bool update = true);
    QList<AbstractThumbnailItem*> takeItems(int key, bool childrenOnly, bool recursive, bool update = true);
    void removeItems(int key, bool childrenOnly, bool recursive, bool update = true);
    QList<AbstractThumbnailItem*> takeAll(bool removeCategories);
    void removeAll(bool removeCategories);
    void moveNext(AbstractThumbnailItem* item);
    void movePrevious(AbstractThumbnailItem* item);

    // Categories. A category that would become its own ancestor is refused (false);
    // a refused header stays the caller's.
    bool setCategoryHeader(int key, CategoryHeaderItem* header, int parentKey = -1, int pos = -1,
                           bool update = true);
    bool moveCategoryHeader(int key, int newParentKey, int pos = -1, bool update = true);
    void removeCategory(int key, bool childrenOnly, bool recursive, bool update = true);
    CategoryItem* getCategoryItem(int key) const;
    CategoryHeaderItem* getCategoryHeader(int key) const;
    int getCategoryParent(int key) const;
    CategoryHeaderItem* getCategoryParentHeader(int key) const;
    int getCategoryPos(int key) const;
    QString getCategoryPath(int key) const;
    QList<CategoryHeaderItem*> getRootCategoryHeaderList() const;
    QList<CategoryHeaderItem*> getCategoryHeaderList(int key, bool recursive) const;
    // New nodes, one per root category (key -1) or child of key; the caller deletes them.
    QList<CategoryTreeItem*> getCategoryTree(int key) const;
    QList<CategoryHeaderItem*> getFilteredCategoryHeaderList() const;
    void updateChildrenText(int key);
    // A category was renamed: the paths its header and those below it show are made anew.
    void forgetCategoryPaths() { categoryPaths.clear(); }
    CategoryHeaderItem* locateCategoryHeaderAt(const QPoint& viewportPoint) const;

    // Listing.
    QList<AbstractThumbnailItem*> getItems(int key, bool childrenOnly, bool recursive) const;
    QList<AbstractThumbnailItem*> getItems(int key, bool recursive = false) const;
    QList<AbstractThumbnailItem*> getAllItems() const;
    using QGraphicsView::itemAt;
    // The row-th item in display order; null outside the list.
    AbstractThumbnailItem* itemAt(int row) const;
    bool isFilteredListEmpty(const QList<AbstractThumbnailItem*>& items) const;
    int getFilteredListSize(const QList<AbstractThumbnailItem*>& items) const;
    AbstractThumbnailItem* getFirstFilteredItem(const QList<AbstractThumbnailItem*>& items) const;
    // True when the item is not null and no filter is set or the filter holds it.
    bool passesFilter(const AbstractThumbnailItem* item) const;
    void recurseItems(bool recursive, const QVariant& userData);
    // The walk of recurseItems, with each category's header, parent key and own items
    // handed to `visit` instead of the signal.
    using CategoryVisitor =
        std::function<void(CategoryHeaderItem* header, int parentKey, const QList<AbstractThumbnailItem*>& items)>;
    void visitCategories(bool recursive, const CategoryVisitor& visit) const;

    void sortItems(int key, bool recursive, Qt::SortOrder order, bool update = true);
    // The items that remain visible; an empty list clears the filter, a list holding
    // only null matches nothing.
    void filterItems(const QList<AbstractThumbnailItem*>& items);
    QList<AbstractThumbnailItem*> getFilter() const;

    // The height the layout would take at that width; nothing is moved. QWidget's own
    // heightForWidth(int) stays as it is.
    using QGraphicsView::heightForWidth;
    double heightForWidth(double width);

    virtual int modelRowCount() const;
    virtual int modelColumnCount() const = 0;
    // Builds an item from one item block (kind name, then the item stream).
    virtual AbstractThumbnailItem* createItem(QByteArray& data, int categoryKey) = 0;

    // Finding items under a point and the selection.
    // The topmost thumbnail item under a viewport point; headers and texts are passed over.
    AbstractThumbnailItem* locateItemAt(const QPoint& viewportPoint) const;
    // The item under the point, else the nearest one across the spacing gaps.
    AbstractThumbnailItem* getTargetItem(const QPoint& viewportPoint) const;
    AbstractThumbnailItem* itemAtCenter() const;
    // The index-th own item of a category; null outside its list.
    AbstractThumbnailItem* itemAt(int key, int index) const;
    QList<AbstractThumbnailItem*> getSelectedItems() const;
    AbstractThumbnailItem* getSelectedItem() const;
    AbstractThumbnailItem* getFirstSelectedItem() const;
    void selectAll(int key, bool recursive);

    // Drag and drop.
    // Called by an item when the pointer moved far enough with the button down.
    void startDrag(AbstractThumbnailItem* item, QGraphicsSceneMouseEvent* event);
    // A new data object for the drag: the owner's formats, then the internal one.
    virtual QMimeData* getDragMimeData(QList<AbstractThumbnailItem*> items);
    // Moves items into a category of this view, each as the owner allows.
    void moveItems(QList<AbstractThumbnailItem*> items, int key, bool update = true);

    // Clipboard.
    static QString clipboardMimeType();
    bool canPaste() const;
    // Whether `data` holds the view's own items, links, or one line of text that reads
    // as a web address or names an existing path.
    static bool canPaste(const QMimeData* data);
    // Pastes from `data` instead of the clipboard; the caller keeps the data.
    void paste(const QMimeData* data);
    // Links up to this many are pasted or dropped at once; more are added in the
    // background (urlPasteProgress, urlPasteFinished), one such run at a time.
    static constexpr int immediatePasteLimit = 100;
    bool isPastingUrls() const;
    // A new data object holding the items themselves; with remove they leave the view.
    virtual QMimeData* getClipboardMimeData(QList<AbstractThumbnailItem*> items, bool remove);

    // Hover hooks, called by headers and items; empty here.
    virtual void hoverEnterEvent(CategoryHeaderItem* item, QGraphicsSceneHoverEvent* event);
    virtual void hoverLeaveEvent(CategoryHeaderItem* item, QGraphicsSceneHoverEvent* event);
    virtual void hoverEnterEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event);
    virtual void hoverLeaveEvent(AbstractThumbnailItem* item, QGraphicsSceneHoverEvent* event);

public slots:
    void clear();
    void setMargin(const MarginProperty& margin, bool update);
    void setMargin(const MarginProperty& margin);
    void setMargin(int margin, bool update);
    void setMargin(int margin);
    void setSpacing(qreal vertical, qreal horizontal, bool update);
    void setSpacing(qreal vertical, qreal horizontal);
    void setSpacing(int vertical, int horizontal, bool update);
    void setSpacing(int vertical, int horizontal);
    void setIndentation(qreal indentation);
    void setIndentation(int indentation);
    void clearSelection();
    void setShowGrid(bool on);
    void setShowBox(bool on);
    void setAutoExpandCategories(bool on);
    void setShowCategories(bool on);
    void setCategorySpacing(qreal spacing);
    void selectFirstVisibleItem();
    void selectAll();
    virtual void updateLayout();
    virtual void copy();
    virtual void paste();
    virtual void cut();
    // Ends a background paste of links after the item being made; what it made stays.
    void abortUrlPaste();
    void setUrlPastePaused(bool paused);

signals:
    void moveItem(AbstractThumbnailItem* item, int newCategoryKey, AbstractThumbnailView* newView, bool* ok);
    void itemMoved(AbstractThumbnailItem* item, int oldCategoryKey, AbstractThumbnailView* oldView, int oldPos,
                   int newCategoryKey, AbstractThumbnailView* newView, int newPos);
    void acceptDropUrl(QUrl url, QString name, bool* ok);
    void createItem(QUrl url, QString name, int categoryKey, AbstractThumbnailItem** item);
    void createItem(QByteArray itemData, int categoryKey, AbstractThumbnailItem** item);
    void itemSelected(AbstractThumbnailItem* item, bool on);
    void itemEnabled(AbstractThumbnailItem* item, bool on);
    void itemVisible(AbstractThumbnailItem* item, bool on);
    void itemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void itemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void categoryExpanded(CategoryHeaderItem* item, bool on);
    void categoryClicked(CategoryHeaderItem* item);
    void categoryDoubleClicked(CategoryHeaderItem* item);
    void deleteRequest(QList<AbstractThumbnailItem*> items, bool* ok);
    void itemsFound(CategoryHeaderItem* headerItem, int parentKey, QList<AbstractThumbnailItem*> items,
                    QVariant userData);
    void showItemContextMenu(QList<AbstractThumbnailItem*> items, QGraphicsSceneContextMenuEvent* event);
    void showCategoryContextMenu(CategoryHeaderItem* item, QGraphicsSceneContextMenuEvent* event);
    void showContextMenu(QContextMenuEvent* event);
    void setMimeData(QList<AbstractThumbnailItem*> items, QMimeData* mimeData);
    // A background paste of links: after each slice the last item made (null when none
    // yet) and the links done; at its end the items made.
    void urlPasteProgress(AbstractThumbnailItem* item, int done, int total);
    void urlPasteFinished(int added, bool aborted);

protected:
    // Layout pieces, reused by derived views.
    double doLayout(double width, bool measureOnly);
    double doLayout(CategoryItem* category, double x, double y, double width, bool measureOnly);
    double getMaxLineHeight(const QList<AbstractThumbnailItem*>& items, int start, double width) const;
    // True while a batch of expansions defers the layout to its end.
    bool isLayoutHeld() const { return layoutHold > 0; }
    // Derived views that change the lists of a category directly call this afterwards.
    void itemOrderChanged() { itemOrderValid = false; }
    // Set by a view that gathers the places of the items it shows after each layout:
    // the items filed here are then left out of the paint while they are out of view.
    PaintCulling* paintCulling = nullptr;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    int selectedCategoryKey = -1;
    int lastCategoryKey = -1;
    double verticalSpacing = 0.0;
    double horizontalSpacing = 0.0;
    double indentation = 0.0;
    double categorySpacing = 0.0;
    bool dragsAccepted = true;
    bool showGrid = false;
    bool showBox = false;
    bool showCategories = true;
    bool autoExpandCategories = false;
    bool allowItemSelection = true;
    bool allowMultiSelection = true;
    bool editing = false;
    bool readOnly = false;
    QPen gridPen;
    QPen boxPen;
    QPixmap backgroundPixmap;
    QString dragFormatName;
    Alignment itemAlignment = Qt::AlignBottom;
    MarginProperty margin;
    BackgroundStyle backgroundStyle = StretchBackground;
    QMap<int, CategoryItem*> categories;
    QList<CategoryItem*> rootCategories;
    ThumbnailItemModel* itemModel = nullptr;
    DropIndicatorItem* dropIndicator = nullptr;
    AbstractThumbnailItem* currentItem = nullptr;
    CategoryItem* lastLaidOutCategory = nullptr;

private:
    friend class AbstractThumbnailItem;
    friend class CategoryHeaderItem;
    friend class UrlPasteRun;

    struct RowEnd
    {
        double y;
        double lineHeight;
    };

    // Where a drop lands: before or after an item of a category, or at its end.
    struct DropTarget
    {
        CategoryHeaderItem* header = nullptr;
        AbstractThumbnailItem* item = nullptr;
        int key = -1;
        bool before = true;
    };

    // URLs taken from a drop, handled once the drop event has returned.
    struct PendingUrlDrop
    {
        QList<QUrl> urls;
        QStringList names;
        int key = -1;
        QPointer<AbstractThumbnailItem> target;
        bool before = true;
    };

    // The source view and (key, index) pairs of the internal drag format.
    struct DragBody
    {
        qint64 identity = 0;
        QVector<QPair<int, int>> entries;
    };

    CategoryItem* entryFor(int key);
    CategoryItem* entryHolding(AbstractThumbnailItem* item);
    bool isInSubtree(int key, int ancestorKey) const;
    void detachCategory(CategoryItem* entry);
    void insertCategory(QList<CategoryItem*>& list, CategoryItem* entry, int pos);
    // The same for a category that stands in no list yet.
    static void insertNewCategory(QList<CategoryItem*>& list, CategoryItem* entry, int pos);
    void removeCategoryItem(CategoryItem* entry, bool recursive);
    void collectCategories(CategoryItem* entry, bool recursive, QList<CategoryItem*>& result) const;
    QList<CategoryItem*> categoriesOf(int key, bool childrenOnly, bool recursive) const;
    void releaseItem(AbstractThumbnailItem* item);
    // Releases many items, in the order in which the scene lets them go fastest.
    void releaseItems(QList<AbstractThumbnailItem*> items);
    void deleteCategories();
    // Deletes items already taken from this view's lists and forgotten.
    void deleteReleased(QList<AbstractThumbnailItem*> items);
    // From this many items on, a deletion that empties most of the scene clears it.
    static constexpr int bulkDeletion = 2000;
    void forgetItem(AbstractThumbnailItem* item);
    // An item or header deleted by someone else while the view still holds it.
    void itemDestroyed(AbstractThumbnailItem* item);
    void headerDestroyed(CategoryHeaderItem* header);
    void finishChange(bool update);
    void sortCategory(CategoryItem* entry, bool recursive, Qt::SortOrder order);
    void appendHeaders(const CategoryItem* entry, bool recursive, QList<CategoryHeaderItem*>& result) const;
    CategoryTreeItem* makeTreeNode(const CategoryItem* entry) const;
    void visitCategories(const CategoryItem* entry, bool recursive, const CategoryVisitor& visit) const;
    const QList<AbstractThumbnailItem*>& filterList() const;
    bool filterActive() const { return !filterItemList.isEmpty(); }
    bool isShownByLayout(const AbstractThumbnailItem* item, bool showUnfiltered) const;
    RowEnd placeRows(const QList<AbstractThumbnailItem*>& items, double firstX, double wrapX, double y,
                     double width, bool measureOnly, bool showUnfiltered);
    double rowHeight(const QVector<QSizeF>& sizes, int start, double x, double width) const;
    bool rowIsFull(double next, double width, double tallest) const;
    void hideAllHeaders();
    void rebuildBackgroundPixmap();

    // Selection, mouse and keyboard.
    void selectRange(const QList<AbstractThumbnailItem*>& items, int from, int to);
    void forwardMouseEvent(QMouseEvent* event);
    AbstractThumbnailItem* searchFrom(QPoint start, const QPoint& step) const;
    AbstractThumbnailItem* keyTarget(int key, AbstractThumbnailItem* focus) const;
    AbstractThumbnailItem* firstOrLastListed(bool first) const;
    void moveKeyboardFocus(AbstractThumbnailItem* target, bool extend);
    void deleteSelected();
    void focusAndShow(AbstractThumbnailItem* item);

    // Drag and drop, clipboard.
    static bool readDragBody(const QByteArray& bytes, DragBody& body);
    AbstractThumbnailView* dragSource(const QMimeData* data, DragBody& body) const;
    DropTarget findDropTarget(const QPoint& pos, bool whileMoving);
    void placeDropIndicator(const DropTarget& target, const QPoint& pos);
    AbstractThumbnailItem* rowNeighbour(const DropTarget& target, int direction);
    void dropItems(const DragBody& body, AbstractThumbnailView* source, const DropTarget& target, QDropEvent* event);
    void processPendingUrlDrops();
    // Files an item the owner made: at the end of the key's list, or before (after) the anchor.
    bool fileNewItem(AbstractThumbnailItem* item, int key, AbstractThumbnailItem* anchor, int offset, bool update);
    void pasteItems(const QByteArray& bytes, int key, AbstractThumbnailItem* anchor);
    void pasteUrls(const QMimeData* data, int key, AbstractThumbnailItem* anchor);
    // Makes and files the item of one link (placed as fileNewItem places it), laid out
    // and shown at once with update; the item filed, or null (also when the view went
    // away meanwhile).
    AbstractThumbnailItem* pasteUrl(const QUrl& url, const QString& name, int key, AbstractThumbnailItem* anchor,
                                    int offset, bool update);
    // Starts a background paste of links; false when one is under way already.
    bool startUrlPaste(const QList<QUrl>& urls, const QStringList& names, int key, AbstractThumbnailItem* anchor,
                       bool afterAnchor);

    // The filter as given, and the same items as a set for constant-time membership.
    // Items taken from the view leave both; a list emptied so keeps one null entry,
    // so the filter still matches nothing instead of turning off.
    mutable QList<AbstractThumbnailItem*> filterItemList;
    mutable bool filterListStale = false;
    QSet<const AbstractThumbnailItem*> filterSet;

    // The paths of categories that getCategoryPath() worked out, until a name or the
    // tree above them changes; a category added below keeps those of the others.
    mutable QHash<int, CategoryPathNames> categoryPaths;

    // Display order, rebuilt on demand after each change of the lists.
    mutable QList<AbstractThumbnailItem*> itemOrder;
    mutable bool itemOrderValid = false;

    int layoutHold = 0;
    bool layoutPending = false;

    QList<PendingUrlDrop> pendingUrlDrops;
    bool processingUrlDrops = false;
    // The background paste of links under way, a child of the view.
    QPointer<UrlPasteRun> urlPaste;
    // Whether the drag over the view carries links; reading them may ask another
    // X client for its data, so it is done once on entry, not at every move.
    bool dragCarriesLinks = false;
};
