#pragma once

#include "AbstractThumbnailItem.h"
#include "ApplicationWalk.h"
#include "BackgroundProperty.h"
#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MenuType.h"
#include "PenProperty.h"
#include "SarneknailClient.h"
#include "ShelfStyle.h"
#include "StyleElement.h"
#include "ThumbType.h"
#include "TulmarnailClient.h"
#include "WeblocParser.h"
#include "ui_MainWindow.h"

#include <QClipboard>
#include <QFileInfo>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSettings>
#include <QWidget>

#include <memory>

class AbstractThumbnailView;
class AddProgressWidget;
class CachedPictureStore;
class CategoryHeaderItem;
class CustomSortFilterProxyModel;
class DockableWidget;
class DovalinnailClient;
class FileInfoProvider;
class FilterScan;
class KestrimnailClient;
class ListIteratorThread;
class MyCustomStyle;
class MyThumbnailItem;
class NavigatorItem;
class ObjectEventFilter;
class QAbstractButton;
class QAction;
class QContextMenuEvent;
class QGraphicsSceneContextMenuEvent;
class QMenu;
class QMimeData;
class ShelfCommandDispatcher;
class ShelfMenuEntries;
struct CategoryTreeNode;
class QKeyEvent;
class RecurseDirThread;
class SafariBookmarksParser;
class SkinWidget;
class SkinWindow;
class QTimer;
class QXmlStreamReader;
class ShelfDataWriter;
class ShelfPictureLoader;
struct LoadedPicture;

// One cabinet: a frameless, skinned top-level window in a docking frame that shows one
// shelf of items in nested categories, with its bars, search box, navigator and
// thumbnail-size slider. The controller creates, wires and lists every cabinet.
//
// The settings and state below are plain members: the data file, the panels and the
// controller read and write them directly, as they do the form's widgets.
class VorendaShelf : public QWidget, public Ui_MainWindow
{
    Q_OBJECT

public:
    explicit VorendaShelf(QWidget* parent = nullptr);
    ~VorendaShelf() override;

    // Skin pieces of the bars, labels and close button; each overlay is a Qt child of
    // the widget it skins.
    SkinWidget* skinMenuBarFrame(QFrame* frame);
    SkinWidget* skinMenuBarButton(QWidget* button);
    // `size` 7 small, 10 large, 12 huge, anything else the normal font.
    SkinWidget* skinCabinetLabel(QLabel* label, int size, bool bold);
    SkinWidget* skinCabinetCloseButton();
    SkinWidget* skinCommandsButton(QAbstractButton* button);

    // Icons painted in a colour, so that a style can recolour them.
    static QPixmap getCollapsedIcon(const QColor& color);
    static QPixmap getExpandedIcon(const QColor& color);
    static QPixmap getSmallThumbIcon(const QColor& color);
    static QPixmap getLargeThumbIcon(const QColor& color);

    // Reads the data file at `path`; a file that is missing or did not load cleanly
    // leaves the cabinet with what it could read.
    bool load(const QString& path);

    // Cabinet settings, stored in the data file under the same names.
    QString name;
    int mode = 0;
    bool kiosk = false;
    bool hidetopbar = false;
    bool hidemenubar = false;
    bool hidebottombar = false;
    bool hidename = false;
    bool hidesearchbox = false;
    bool hidecabinetinfo = false;
    bool hidethumbsizeslider = false;
    bool hidecatstatusbutton = false;
    bool showcatfullpath = true;
    bool shownamewithhotkey = true;
    bool showcatnumberofitems = false;
    bool showcatnumberofmatches = false;
    int textdecoration = 0;
    QString textfont;
    ShelfStyle style;
    int filtertype = 3;

    // Identity and state.
    QString id;
    QString fileName;
    uint date = 0;
    ShelfStyle committedStyle;
    bool dialogOpen = false;
    bool menuOpen = false;
    bool webItemNoticeShown = false;
    bool sessionEnding = false;
    bool statusMessageShown = false;
    QString lastSearch;
    int subfolderChoice = -1;
    int bookmarkFolderChoice = -1;
    BackgroundProperty menuButtonBackground;
    // The status label's pen as the style set it; messages borrow the label.
    PenProperty statusPen;
    // The item the view keeps centred while the slider resizes items.
    AbstractThumbnailItem* thumbSizeAnchor = nullptr;

    // Owned objects.
    DockableWidget* frame = nullptr;
    SkinWindow* skin = nullptr;
    std::unique_ptr<MyCustomStyle> customStyle;
    std::unique_ptr<FileInfoProvider> fileInfoProvider;
    std::unique_ptr<CustomSortFilterProxyModel> proxyModel;
    RecurseDirThread* recurseDirThread = nullptr;
    ListIteratorThread* listIteratorThread = nullptr;
    KestrimnailClient* kestrimClient = nullptr;
    TulmarnailClient* tulmarClient = nullptr;
    DovalinnailClient* dovalinClient = nullptr;
    SarneknailClient* sarnekClient = nullptr;
    SafariBookmarksParser* bookmarksParser = nullptr;
    WeblocParser* weblocParser = nullptr;
    QSettings settings;
    std::unique_ptr<ObjectEventFilter> searchBoxFocusFilter;
    std::unique_ptr<ObjectEventFilter> thumbSizeSliderFocusFilter;

    SkinWidget* nameLabelSkin = nullptr;
    SkinWidget* matchesLabelSkin = nullptr;
    SkinWidget* statusLabelSkin = nullptr;
    SkinWidget* closeButtonSkin = nullptr;
    SkinWidget* cabinetMenuButtonSkin = nullptr;
    SkinWidget* categoriesMenuButtonSkin = nullptr;
    SkinWidget* itemsMenuButtonSkin = nullptr;
    SkinWidget* viewMenuButtonSkin = nullptr;
    SkinWidget* personalizeMenuButtonSkin = nullptr;
    SkinWidget* helpMenuButtonSkin = nullptr;

signals:
    void createNewShelf(QString id, uint date, int styleKey);
    void shelfRemoved(VorendaShelf* shelf);
    void shelfShown(VorendaShelf* shelf);

public slots:
    // Loads the data file, then applies the style and the settings.
    void initialize();
    // Asks the frame to show the window; a docked cabinet slides in.
    void show();
    // On application quit: stops the thumbnail work, saves, logs.
    void quit();
    void endSession();
    // Writes the data file at once.
    void save();

    void onWindowShown();
    void onHomePage();
    void onSendFeedback();
    void onNavigatorItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void onNavigatorItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);

    // Styles the parts that `element` names with `style`; does nothing for the
    // current style unless forced.
    void onApplyStyle(const ShelfStyle& style, StyleElement element, bool force = false);
    void onApplyStyle(const ShelfStyle& style, CategoryHeaderItem* header);
    void onApplyStyle(const ShelfStyle& style, MyThumbnailItem* item);
    // Makes `style` the cabinet's own and its saved copy.
    void onApplyStyleChange(const ShelfStyle& style);
    // Goes back to the saved copy, undoing a preview.
    void onIgnoreStyleChange();
    // Opens the personalization panel for this cabinet on page `panel` (0 General,
    // 1 Appearance, 2 Style) with `element` selected on the Style page.
    void onPersonalize(int panel, StyleElement element);

    // Applies every setting to the window, its bars and labels.
    void onApplySettings();

    // The counts of categories and items, or nothing when the information is hidden.
    void updateStatusLabel();
    // A confirmation on a dark rounded background, until the next updateStatusLabel().
    void showStatusMessage(const QString& text);
    void onFocusOutThumbSizeSlider(QEvent* event);

    // The search's part of showing the cabinet.
    void onClearSearch();
    void onShowRecentlyOpened();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

public:
    // Stops the thumbnail helpers and the readers of web-location files and bookmarks:
    // what they hold is dropped and nothing more of it reaches the cabinet.
    void abortContentSources();

private:
    void setUpProxyModel();
    void setUpSearchBox();
    void setUpNavigator();
    void setUpView();
    void setUpThumbSizeSlider();
    void skinBars();
    QString logPrefix() const;

    // Style groups, in the order a full restyle runs them.
    void applyShelfGeometry();
    void applyCabinetBody();
    void applyShelves();
    void applyCategoryHeaders();
    void applyDropIndicator();
    void applyItems(bool relayout);

    // Each block below belongs to one area of the cabinet and carries its own access
    // labels; the area's code lives in the VorendaShelf<Area>.cpp file named beside it.

    // ---- Keyboard and menu actions (VorendaShelfActions.cpp) ----
public:
    // Each action is a Qt child of the cabinet; the menus show the same objects, so a
    // menu entry and its key run the same slot and share one check mark.
    QAction* stayOnTopAction = nullptr;
    QAction* autoHideAction = nullptr;
    QAction* toggleNameAction = nullptr;
    QAction* fullScreenAction = nullptr;
    QAction* kioskModeAction = nullptr;
    QAction* dockTopAction = nullptr;
    QAction* dockRightAction = nullptr;
    QAction* dockBottomAction = nullptr;
    QAction* dockLeftAction = nullptr;
    QAction* dockTopMaximizedAction = nullptr;
    QAction* dockRightMaximizedAction = nullptr;
    QAction* dockBottomMaximizedAction = nullptr;
    QAction* dockLeftMaximizedAction = nullptr;
    QAction* undockAction = nullptr;
    QAction* renameAction = nullptr;
    QAction* propertiesAction = nullptr;
    QAction* selectAllAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* nextShelfAction = nullptr;
    QAction* previousShelfAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* quickStartAction = nullptr;
    QAction* clearSearchAction = nullptr;
    QAction* repeatLastSearchAction = nullptr;
    QAction* recentlyOpenedAction = nullptr;
    QAction* recentlyAddedAction = nullptr;
    QAction* searchNamesOnlyAction = nullptr;
    QAction* searchDescriptionsOnlyAction = nullptr;
    QAction* searchTagsOnlyAction = nullptr;
    QAction* searchAllAction = nullptr;
    QAction* mostPopularAction = nullptr;
    QAction* topBarAction = nullptr;
    QAction* menuBarAction = nullptr;
    QAction* bottomBarAction = nullptr;
    QAction* cabinetNameAction = nullptr;
    QAction* nameWithHotkeyAction = nullptr;
    QAction* searchBoxAction = nullptr;
    QAction* cabinetInfoAction = nullptr;
    QAction* thumbSizeSliderAction = nullptr;
    QAction* catFullPathAction = nullptr;
    QAction* catNumberOfItemsAction = nullptr;
    QAction* catNumberOfMatchesAction = nullptr;
    QAction* sendFeedbackAction = nullptr;
    QAction* homePageAction = nullptr;
    // The cabinet's entry in the controller's "Show Cabinet" menu, made and deleted by
    // the controller; null while it has none.
    QPointer<QAction> showCabinetEntry;
    // That entry's text: the name ("<No Name>" when empty), a tab, the show hotkey.
    QString showCabinetEntryText() const;

public slots:
    void onHelp();
    void onQuickStart();

private:
    void createActions();
    // A window-wide shortcut action; `addToWindow` makes its key work with no menu open.
    QAction* addShortcutAction(const QString& text, const QList<QKeySequence>& keys, bool addToWindow = true);
    QAction* addMenuOnlyAction(const QString& text);

    // ---- Items: kinds, pictures, creating items, thumbnails, drops (VorendaShelfItems.cpp,
    // VorendaShelfThumbnails.cpp, VorendaShelfDrops.cpp) ----

public:
    // The kind of a path's picture.
    ThumbType getThumbnailType(const QFileInfo& info) const;
    // Whether an item of that kind shows an icon, which is never drawn larger than
    // SHELF_ICONSIZE.
    static bool isIcon(int type, bool customThumb);
    // `size`, capped at SHELF_ICONSIZE for icon-like items.
    static int getThumbnailSize(int type, bool customThumb, int size);
    // The size at which a picture of `size` is drawn for the item size `max`.
    static QSize normalizeSize(QSize size, int max);
    // The picture an item keeps: tiny ones stand on a transparent ground, large ones
    // are scaled down to SHELF_MAXTHUMBSIZE.
    static QPixmap normalizeImage(QPixmap pixmap);
    // The system icon of a path at the size class items use.
    QPixmap getSystemIcon(const QFileInfo& info) const;
    // normalizeImage of the system icon, shared by every item of the same icon.
    QPixmap normalizedSystemIcon(const QFileInfo& info);
    // A new styled item, in no view yet; the caller owns it.
    MyThumbnailItem* getThumbnailItem(const QPixmap& pixmap, QSize size, const QString& text, int categoryKey);

    // A new item for a path or a web address with its first picture; its real
    // thumbnail is requested. It is in no view yet.
    MyThumbnailItem* createItem(QString name, QString target, QPixmap pixmap, int categoryKey, GenericType type);
    // The item the category already holds with that name and target, else a new one
    // added to the view.
    MyThumbnailItem* addItem(QString name, QString target, QPixmap pixmap, int categoryKey, GenericType type);

    // Thumbnail cache file names: "<md5 of text>.<THUMBEXT>".
    static QString getThumbnailName(const QString& text);
    static QString getCachePath(const QString& thumbnailName);
    // Stores a picture in the cache folder; its path, or empty when nothing could be stored.
    QString cacheThumbnail(const QString& name, const QPixmap& pixmap);
    // Deletes the cached thumbnails that only these items use.
    void removeCache(QList<AbstractThumbnailItem*> items);
    void requestKestrimnail(MyThumbnailItem* item);
    void requestDovalinnail(MyThumbnailItem* item);
    void requestTulmarnail(MyThumbnailItem* item);
    void requestSarneknail(MyThumbnailItem* item);
    // Has the item's web-location file read; once read, the item becomes a web link.
    void parseWebloc(MyThumbnailItem* item);
    // Gives the item the picture in `file` as its own.
    void setCustomThumbnail(MyThumbnailItem* item, const QString& file);
    // Asks again for the item's thumbnail, or rebuilds its icon.
    void refreshThumbnail(MyThumbnailItem* item);

public slots:
    // Prepares the clipboard, then has the view paste.
    void onPaste();
    void onCreateItem(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item);
    void onCreateItem(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item);
    void onAcceptDropUrl(const QUrl& url, const QString& name, bool* accept);
    void onKestrimCreated(KestrimnailClient::Data* data);
    void onDovalinCreated(DovalinnailClient::Data* data);
    void onTulmarCreated(TulmarnailClient::Data* data);
    void onSarnekCreated(SarneknailClient::Data* data);
    void onWeblocParsed(WeblocParser::Data* data);
    // Fits every item's picture to a changed SHELF_MAXTHUMBSIZE.
    void onMaxThumbSizeChanged();
    // Resizes the selected items to the slider's value.
    void onThumbSizeChanged(int size);

private:
    void setUpItems();
    // Puts a picture on an item by the fitting rule and refreshes what shows it.
    void showItemPicture(MyThumbnailItem* item, const QPixmap& picture, int size);
    // Shows the picture a helper cached for the job `key` on the item.
    void showJobPicture(MyThumbnailItem* item, const QString& key);
    void showWebItemNotice();

signals:
    // A notice for the status icon; the controller shows it where the desktop has a tray.
    void trayMessage(const QString& title, const QString& text, int icon, int msecs);

private:
    // Whether another item of any cabinet still shows the cache file `path`.
    bool cacheFileInUse(const QString& path, const QSet<AbstractThumbnailItem*>& leaving) const;
    QPixmap webLinkIcon() const;
    void forgetSharedIcon(const QString& path);
    // A picture decoded no larger than `box` where the format allows; null for what is
    // no picture or would need more than 256 MB.
    static QPixmap loadBoundedPicture(const QString& file, int box);
    // A cached picture, from memory when it is a shared icon.
    QPixmap loadCachedPicture(const QString& path);
    // A cached picture from its file, at its own size; null for what is no picture or
    // would need more than 256 MB.
    static QPixmap readCachedPicture(const QString& path);
    // Whether a new item of that path shows its name, by the label preference.
    bool showsLabel(const QFileInfo& info) const;

    // Shared icon files as read (by path) and as kept in items (by path and maximum size).
    QHash<QString, QPixmap> sharedIcons;
    QHash<QString, QPixmap> normalizedIcons;
    std::unique_ptr<CachedPictureStore> cachedPictures;
    // System icons as items keep them, by icon and picture limits; a bounded table.
    static constexpr int maxNormalizedSystemIcons = 256;
    QHash<QString, QPixmap> normalizedSystemIcons;
    QTimer* itemLayoutTimer = nullptr;
    QPointer<AbstractThumbnailItem> lastAddedItem;
    // The items of a category by name and target while a batch of items comes in.
    struct AddedItemIndex
    {
        QMultiHash<QString, QPointer<MyThumbnailItem>> items;
        int count = -1;
    };
    QHash<int, AddedItemIndex> addedItemIndex;
    static QString addedItemKey(const QString& name, const QString& target);
    MyThumbnailItem* findAddedItem(const QString& name, const QString& target, int categoryKey);
    // Counts a new item that the view is about to file in the index; returns it.
    MyThumbnailItem* expectFiled(MyThumbnailItem* item, int categoryKey);
    static constexpr int itemLayoutDelay = 100;
    static constexpr int webPageWidth = 1100;
    static constexpr int webPageHeight = 825;
    static constexpr int photoBorder = 8;
    // The film strip around a video's frame: band width and perforation spacing.
    static constexpr int filmBorderSize = 30;
    static constexpr int filmBorderSpacing = 18;

public:
    // Lays out items added or repictured since the last layout now instead of shortly.
    void updateItemLayout();

    // ---- Deleting items and the cabinet (VorendaShelfDelete.cpp) ----
public slots:
    // Asks before items leave; on yes their cached pictures go and the caller removes
    // the items. The items are re-checked after the question: it lets everything run.
    void onDeleteItemsRequest(QList<AbstractThumbnailItem*> items, bool* ok);
    // Asks before the whole cabinet goes; on yes every item's cached picture goes.
    void onDeleteShelfRequest(bool* ok);
    // Asks, then empties the cabinet, removes its data file, hides it and hands it to
    // the controller through shelfRemoved() before it is deleted.
    void deleteShelf();

    // ---- Categories (VorendaShelfCategories.cpp) ----
public:
    // A new, fully styled header named `name`, not yet installed; the caller installs
    // it in the view or deletes it.
    CategoryHeaderItem* getCategoryHeaderItem(const QString& name);
    // The child of `parentKey` called `name` (compared without case), created when
    // there is none.
    CategoryHeaderItem* addCategory(const QString& name, int parentKey);
    // A new, styled row of the category navigator, with no parent.
    NavigatorItem* getNavigatorItem(const QString& name);

public slots:
    // Asks before categories go; writes the answer into `*ok`. With `categoryKey` -1
    // every category is meant.
    void onDeleteCategoryRequest(int categoryKey, bool subcategoriesOnly, bool recurse, bool* ok);

    // ---- Settings and modes (VorendaShelfSettings.cpp) ----
public slots:
    void onStayOnTop(bool on);
    void onAutoHide(bool on);
    void onToggleFullScreen();
    void onToggleKioskMode();
    void onDockToTopScreenEdge();
    void onDockToRightScreenEdge();
    void onDockToBottomScreenEdge();
    void onDockToLeftScreenEdge();
    void onDockMaximizedToTopScreenEdge();
    void onDockMaximizedToRightScreenEdge();
    void onDockMaximizedToBottomScreenEdge();
    void onDockMaximizedToLeftScreenEdge();
    void onUndockWindow();
    void onShowTopBar();
    void onShowMenuBar();
    void onShowBottomBar();
    void onShowCabinetName();
    void onShowNameWithHotkey();
    void onShowSearchBox();
    void onShowCabinetInfo();
    void onShowThumbSizeSlider();
    void onShowCatFullPath();
    void onShowCatNumberOfItems();
    void onShowCatNumberOfMatches();
    // Applies the bar and label settings.
    void updateFrames();
    // The frame's question whether it may hide now; writes the answer into `*ok`.
    void onAutoHideRequest(bool* ok);
    // Passes the global animation preferences to every item.
    void onApplyPreferences();

private:
    QString nameLabelText() const;
    // The bar texts' family: `textfont` when it is installed, else Verdana.
    QString barTextFamily() const;
    QList<SkinWidget*> barTextSkins() const;
    void updateCategoryActionTexts();
    void applyKioskLocks();
    // Reloads the personalization panel when it is open on this cabinet.
    void refreshPersonalization();
    // `option` is the docking option stored as `mode`, 0 (floating) to 8.
    void dockTo(int option);
    bool mayAutoHide() const;

    // ---- Data file (VorendaShelfData.cpp) ----
public:
    // Writes the whole data file at `path` in one atomic step. False in read-only
    // configuration or when the file could not be written; the old file then stays.
    bool save(const QString& path);
    // Reads one Settings element; returns after its end or at the end of the input.
    void readSettingsElement(QXmlStreamReader& reader);
    // Reads one Uncategorized or Category element with its items.
    void readCategoryElement(QXmlStreamReader& reader);
    // Builds one item from an Item element and files it under `categoryKey`.
    void readItemElement(QXmlStreamReader& reader, int categoryKey);
    // The data file's full path; empty while the id is not 32 hexadecimal digits.
    QString dataFilePath() const;
    // The file load() met that exists but did not load cleanly, else empty; the
    // next save to that path first keeps it aside as "<name>.damaged-<time>".
    QString damagedDataFile() const { return damagedFile; }

    // A change saves the cabinet shortly afterwards, so a crash loses little.
    static constexpr int saveDelay = 3000;
    // True while pictures of loaded items are still being decoded.
    bool isLoadingPictures() const;

public slots:
    // Saves after `saveDelay` ms; further calls within the delay join that save.
    void scheduleSave();
    // Writes one category element of a save; `userData` carries the writer.
    void onSaveItems(CategoryHeaderItem* headerItem, int parentKey, QList<AbstractThumbnailItem*> items,
                     QVariant userData);

private:
    void setUpDataFile();
    bool keepDamagedDataFile(const QString& path);
    void readWindowElement(QXmlStreamReader& reader);
    void readPersonalizationElement(QXmlStreamReader& reader);
    void readSearchElement(QXmlStreamReader& reader);
    // Where a category read from a file goes; its items go to the key returned.
    int installCategory(CategoryHeaderItem* header, int key, int parentKey);
    QString damagedFile;
    // The style the data file names when no style file of that id was found, and
    // the id of the style shown meanwhile. While the cabinet keeps showing that one,
    // saves keep the stored name, so the style returns once its file is back.
    QString missingStyleId;
    QString missingStyleStandIn;
    // The style id a save writes.
    QString storedStyleId() const;
    // Saves wait until the file was read, so a change made earlier cannot overwrite it.
    bool dataFileRead = false;
    bool loadingDataFile = false;
    // Set when the end of the session stopped the load half-way: the cabinet holds part
    // of its file and is never saved over it.
    bool loadCutShort = false;
    // True, noting the cut, when a termination signal asks the load to stop.
    bool stopLoading();
    QTimer* saveTimer = nullptr;
    // The writer of the save in progress; onSaveItems writes only into it.
    ShelfDataWriter* activeDataWriter = nullptr;
    // Decodes the cached pictures of loaded items after the cabinet shows.
    ShelfPictureLoader* pictureLoader = nullptr;
    QTimer* pictureLayoutTimer = nullptr;
    void placeLoadedPictures();
    // The system icon for an item whose picture is gone, stored in the cache; `path`
    // becomes the stored file's path.
    QPixmap cachedItemIcon(const QString& target, const QString& itemName, QString& path);

    // ---- Places and folder walks (VorendaShelfPlaces.cpp) ----
public:
    // Runs a command that adds items from the file system: files or a folder chosen in
    // a dialog, a standard place as one item, or a place walked for its contents.
    // Returns false, doing nothing, for every other command.
    bool doPlacesAction(MenuType type, int parameter);
    // Queues a walk of a dropped folder into the category `categoryKey` (-1 for none);
    // the first argument is unused.
    void addItems(int, const QString& path, int categoryKey);
    // Ends this cabinet's walks and bookmark imports for good, before the cabinet goes
    // away: nothing of them reaches the cabinet afterwards and the progress window lets
    // go of it.
    void stopWalks();

public slots:
    void onFileFound(QString name, QString path, QVariant data);
    void onDirFound(QString name, QString path, QVariant data);
    void onRecurseDirThreadFinished(int folders, int files, bool aborted);
    void onListIteratorThreadFinished(QList<void*>* list, int items, bool aborted);
    void onFolderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort);
    void onBookmarkFound(QString name, QString url, QVariant data);
    void onBookmarksParserFinished(int folders, int urls, bool aborted);

private:
    void setUpWalks();
    // A paste of many links shows on the progress window like a walk.
    void onUrlPasteProgress(AbstractThumbnailItem* item, int done, int total);
    void onUrlPasteFinished(int added, bool aborted);
    bool runPlacesAction(MenuType type, int parameter);
    AddProgressWidget* progressPanel();
    // Puts the item on the progress window and shows it for this cabinet; false when
    // the window is busy with another cabinet.
    bool showProgress(MyThumbnailItem* item);
    void addFolderShortcut(MenuType type, int categoryKey);
    void addPlaceContents(MenuType type, int categoryKey);
    void addApplications(const QString& desktopCategory, int categoryKey);
    void addChosenFiles(int categoryKey);
    void addChosenFolder(int categoryKey);
    QPointer<AddProgressWidget> wiredProgressPanel;
    // Decides which application entries of the walk under way are listed.
    ApplicationWalk applicationWalk;
    // Counts the folder walks that have ended, so an answer given after its walk ended
    // is recognised as late.
    quint64 endedWalks = 0;
    bool walksStopped = false;

    // ---- Item operations, search, keyboard (VorendaShelfOperations.cpp,
    // VorendaShelfSearch.cpp, VorendaShelfKeyboard.cpp) ----
public slots:
    // Opens or reveals the item, on a click when single-click opening is on, else on
    // a double click; Shift reveals, Alt asks for a maximized window.
    void onItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void onItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    // Opens the item's target; a success counts the open and may hide the cabinet.
    void onOpenItem(MyThumbnailItem* item, bool maximized = false);
    // Shows the item's target in the file manager, or says it is gone.
    void onLocateItem(MyThumbnailItem* item, bool maximized = false);
    void onShowItemInfo();
    void onShowItemLabel();
    void onRenameItem();
    void onSetItemProperties();
    // The view asks before it moves an item into this cabinet.
    void onMoveItem(AbstractThumbnailItem* item, int newCategoryKey, AbstractThumbnailView* newView, bool* ok);
    void onItemSelected(AbstractThumbnailItem* item, bool on);
    void onSelectAll();
    void onNextShelf();
    void onPreviousShelf();

    // Puts `text` into the search box, which runs the search.
    void search(const QString& text);
    void onRepeatLastSearch();
    void onShowRecentlyAdded();
    void onShowMostPopular();
    void onSearchNamesOnly();
    void onSearchDescriptionsOnly();
    void onSearchTagsOnly();
    void onSearchAll();
    void onSearchBoxTextChanged(const QString& text);
    void onSearchButtonClicked();
    void onFocusOutSearchBox(QEvent* event);
    // One search run over the view's items with the box's text.
    void onViewModelReset();
    void onItemFound(void* item, QVariant data);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpSearchAndOperations();
    // Hides the frame after an open or reveal unless something keeps the cabinet up.
    void hideAfterOpening();
    bool keepsShownAfterOpening() const;
    void showShelfAt(int offset);
    void setSearchType(int type);
    // Brings a hidden cabinet up to show the hits of `text`.
    void showForSearch(const QString& text);
    bool searchUnreachable() const { return hidesearchbox || hidetopbar; }
    void dropSearchWhenUnreachable();
    // The end of a run: the found list (empty: no search) to the view, labels updated.
    void showSearchResult(QList<AbstractThumbnailItem*> found, bool searched);
    void showFoundRows();
    // Selects the first hit now, or once the run under way has found its hits.
    void selectFirstFound();
    std::unique_ptr<ObjectEventFilter> searchHideFilter;
    // Tests the items against the search on several threads; a slow pattern goes on in
    // the background and its hits are shown when they are all known.
    FilterScan* filterScan = nullptr;
    bool selectFirstWhenFound = false;

    // ---- Commands (ShelfCommandDispatcher.cpp, ShelfMenuEntries.cpp, CategoryTargetMenus.cpp;
    // the work lives in the classes those files are named after) ----
public:
    // A menu entry that carries `type` with `parameter`. A plain entry belongs to the
    // menu and runs once the menu's caller hands it to doMenuAction(QAction*, int); a
    // dynamic one runs its command itself, `delay` ms after it was triggered unless
    // `delay` is -1, and is freed once its menu is gone and it has fired.
    QAction* addMenuAction(QMenu* menu, MenuType type, const QString& text, int parameter, bool dynamic, int delay);
    // The category tree as targets: for moving items, for moving the category
    // `movedKey`, and for a new category; `index` is the node's place among its siblings.
    void createSubmenuForMovingItems(CategoryTreeNode* node, QMenu* menu, MenuType command, bool dynamic);
    void createSubmenuForMovingCategory(CategoryTreeNode* node, QMenu* menu, int movedKey, int index);
    void createSubmenuForAddingCategory(CategoryTreeNode* node, QMenu* menu, int excludedKey, int index);
    // The places for a new category among the children of `categoryKey`; an empty
    // menu is deleted and null returned when `deleteIfEmpty`.
    QMenu* createSubmenuForAddingCategory(QMenu* menu, int categoryKey, bool deleteIfEmpty);

public slots:
    // The command dispatcher: runs one numbered command with its parameter.
    void doMenuAction(MenuType type, int parameter);
    // Runs the cabinet-level and category-placing command of a plain entry that a
    // menu returned; `categoryKey` is the category the menu was opened for.
    void doMenuAction(QAction* action, int categoryKey);
    void onDelayedAction(QVariant data, bool checked);
    // Opens the global preferences.
    void onPreferences();

private:
    friend class CabinetCommands;
    ShelfCommandDispatcher& commands();
    ShelfMenuEntries& menuEntries();
    ShelfCommandDispatcher* commandDispatcher = nullptr;
    ShelfMenuEntries* menuEntryFactory = nullptr;
    // Set once the user deleted the cabinet: nothing of it is saved any more.
    bool deleted = false;
    // Cuts the selection to the clipboard; the confirmation then keeps the pictures.
    void cutSelection();
    bool cutting = false;

    // ---- Menus, drags out and the clipboard (ShelfMenuRunner.cpp, ShelfMenus.cpp,
    // ShelfSubmenus.cpp, ItemMimeData.cpp, ShelfPaste.cpp) ----
public:
    // Runs the cabinet menu (-1) or a category's menu at `pos` on the screen.
    void showContextMenu(int categoryKey, const QPoint& pos);
    // The submenus the cabinet's menus share with the quick-start panel.
    void createSubmenuForAddingItems(QMenu* menu, int categoryKey);
    void createSubmenuForDockingCabinet(QMenu* menu);
    void createSubmenuForHelpAndSupport(QMenu* menu, bool withoutQuickStart);
    void createSubmenuForViewOptions(QMenu* menu);
    void createSubmenuForPersonalization(QMenu* menu, int categoryKey, bool withStyles);
    void createSubmenuForChangingStyle(QMenu* menu);
    // A rich-text label: one link to `text` in that font, size and colour.
    static QString getMenuText(const QString& text, const QString& fontFamily, int fontSize, const QColor& color,
                               bool underline);

public slots:
    void onShowContextMenu(QContextMenuEvent* event);
    void onShowCategoryContextMenu(CategoryHeaderItem* item, QGraphicsSceneContextMenuEvent* event);
    void onShowItemContextMenu(QList<AbstractThumbnailItem*> items, QGraphicsSceneContextMenuEvent* event);
    void onCabinetMenu();
    void onCategoriesMenu();
    void onItemsMenu();
    void onViewMenu();
    void onPersonalizeMenu();
    void onHelpMenu();
    // Adds what other programs read to the data of a drag, a copy or a cut.
    void onSetMimeData(QList<AbstractThumbnailItem*> items, QMimeData* mimeData);
    // Paste is enabled exactly while the view can paste.
    void onClipboardChanged(QClipboard::Mode mode);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setUpMenus();
};

// Paints the white close cross onto `pixmap`, centred, and returns a copy of it.
QPixmap paintCloseIcon(QPixmap& pixmap);
