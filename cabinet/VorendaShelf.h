#pragma once

#include "AbstractThumbnailItem.h"
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
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include <memory>

class AbstractThumbnailView;
class CategoryHeaderItem;
class CustomSortFilterProxyModel;
class DockableWidget;
class FileInfoProvider;
class ListIteratorThread;
class MyCustomStyle;
class MyThumbnailItem;
class NavigatorItem;
class ObjectEventFilter;
class QAbstractButton;
class QAction;
class QContextMenuEvent;
class QFileInfo;
class QGraphicsSceneContextMenuEvent;
class QKeyEvent;
class QMenu;
class QMimeData;
class QXmlStreamReader;
class RecurseDirThread;
class SafariBookmarksParser;
class ShelfParts;
class SkinWidget;
class SkinWindow;
struct CategoryTreeNode;

// One cabinet: a frameless, skinned top-level window in a docking frame that shows one
// shelf of items in nested categories, with its bars, search box, navigator and
// thumbnail-size slider. The controller creates, wires and lists every cabinet.
//
// The settings and state below are plain members: the data file, the panels and the
// controller read and write them directly, as they do the form's widgets. The work
// behind the functions and slots is done by the classes of ShelfParts and by the
// classes named beside each group below.
class VorendaShelf : public QWidget, public Ui_MainWindow
{
    Q_OBJECT

public:
    explicit VorendaShelf(QWidget* parent = nullptr);
    ~VorendaShelf() override;

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

    // The keyboard and menu actions (ShelfActions). Each is a Qt child of the cabinet;
    // the menus show the same objects, so a menu entry and its key run the same slot
    // and share one check mark.
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

    // ---- Skin pieces and painted icons (ShelfSkin) ----
    // Each overlay is a Qt child of the widget it skins.
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

    // ---- Data file (ShelfDataFile) ----
    // Reads the data file at `path`; a file that is missing or did not load cleanly
    // leaves the cabinet with what it could read.
    bool load(const QString& path);
    // Writes the whole data file at `path` in one atomic step. False in read-only
    // configuration or when the file could not be written; the old file then stays.
    bool save(const QString& path);
    // Reads one Settings element; returns after its end or at the end of the input.
    void readSettingsElement(QXmlStreamReader& reader);
    // Reads one Uncategorized or Category element with its items.
    void readCategoryElement(QXmlStreamReader& reader);
    // Builds one item from an Item element and files it under `categoryKey`.
    void readItemElement(QXmlStreamReader& reader, int categoryKey);

    // ---- Item kinds and pictures (ItemKinds), creating items (ShelfItems) ----
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
    // A new styled item, in no view yet; the caller owns it.
    MyThumbnailItem* getThumbnailItem(const QPixmap& pixmap, QSize size, const QString& text, int categoryKey);
    // A new item for a path or a web address with its first picture; its real
    // thumbnail is requested. It is in no view yet.
    MyThumbnailItem* createItem(QString name, QString target, QPixmap pixmap, int categoryKey, GenericType type);
    // The item the category already holds with that name and target, else a new one
    // added to the view.
    MyThumbnailItem* addItem(QString name, QString target, QPixmap pixmap, int categoryKey, GenericType type);

    // ---- Thumbnail cache (ThumbnailCache) and thumbnail jobs (ThumbnailJobs) ----
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

    // ---- Places and folder walks (ShelfWalks) ----
    // Queues a walk of a dropped folder into the category `categoryKey` (-1 for none);
    // the first argument is unused.
    void addItems(int, const QString& path, int categoryKey);

    // ---- Categories (ShelfCategories) ----
    // A new, fully styled header named `name`, not yet installed; the caller installs
    // it in the view or deletes it.
    CategoryHeaderItem* getCategoryHeaderItem(const QString& name);
    // The child of `parentKey` called `name` (compared without case), created when
    // there is none.
    CategoryHeaderItem* addCategory(const QString& name, int parentKey);
    // A new, styled row of the category navigator, with no parent.
    NavigatorItem* getNavigatorItem(const QString& name);

    // ---- Menus (ShelfMenuEntries, CategoryTargetMenus, ShelfSubmenus, ShelfMenuRunner) ----
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
    // Runs the cabinet menu (-1) or a category's menu at `pos` on the screen.
    void showContextMenu(int categoryKey, const QPoint& pos);

signals:
    void createNewShelf(QString id, uint date, int styleKey);
    void shelfRemoved(VorendaShelf* shelf);
    void shelfShown(VorendaShelf* shelf);

public slots:
    // ---- The window (VorendaShelf.cpp) ----
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
    void onHelp();
    void onQuickStart();
    // Opens the global preferences.
    void onPreferences();
    void onHomePage();
    void onSendFeedback();
    void onNavigatorItemClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);
    void onNavigatorItemDoubleClicked(AbstractThumbnailItem* item, Qt::KeyboardModifiers modifiers);

    // ---- Style (ShelfStyling) ----
    // Styles the parts that `element` names with `style`; does nothing for the
    // current style unless forced.
    void onApplyStyle(const ShelfStyle& style, StyleElement element, bool force = false);
    void onApplyStyle(const ShelfStyle& style, CategoryHeaderItem* header);
    void onApplyStyle(const ShelfStyle& style, MyThumbnailItem* item);
    // Makes `style` the cabinet's own and its saved copy.
    void onApplyStyleChange(const ShelfStyle& style);
    // Goes back to the saved copy, undoing a preview.
    void onIgnoreStyleChange();

    // ---- Settings and modes (ShelfModes) ----
    // Opens the personalization panel for this cabinet on page `panel` (0 General,
    // 1 Appearance, 2 Style) with `element` selected on the Style page.
    void onPersonalize(int panel, StyleElement element);
    // Applies every setting to the window, its bars and labels.
    void onApplySettings();
    // Applies the bar and label settings.
    void updateFrames();
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
    // The frame's question whether it may hide now; writes the answer into `*ok`.
    void onAutoHideRequest(bool* ok);
    // Passes the global animation preferences to every item.
    void onApplyPreferences();

    // ---- Status label and thumbnail size (ShelfStatusBar) ----
    // The counts of categories and items, or nothing when the information is hidden.
    void updateStatusLabel();
    // A confirmation on a dark rounded background, until the next updateStatusLabel().
    void showStatusMessage(const QString& text);
    void onFocusOutThumbSizeSlider(QEvent* event);
    // Resizes the selected items to the slider's value.
    void onThumbSizeChanged(int size);

    // ---- Creating items (ShelfItems), drops and the clipboard (ShelfPaste, ItemMimeData) ----
    void onCreateItem(const QUrl& url, const QString& name, int categoryKey, AbstractThumbnailItem** item);
    void onCreateItem(const QByteArray& data, int categoryKey, AbstractThumbnailItem** item);
    void onAcceptDropUrl(const QUrl& url, const QString& name, bool* accept);
    // Prepares the clipboard, then has the view paste.
    void onPaste();
    // Adds what other programs read to the data of a drag, a copy or a cut.
    void onSetMimeData(QList<AbstractThumbnailItem*> items, QMimeData* mimeData);
    // Paste is enabled exactly while the view can paste.
    void onClipboardChanged(QClipboard::Mode mode);

    // ---- Thumbnail jobs (ThumbnailJobs) ----
    void onKestrimCreated(KestrimnailClient::Data* data);
    void onDovalinCreated(DovalinnailClient::Data* data);
    void onTulmarCreated(TulmarnailClient::Data* data);
    void onSarnekCreated(SarneknailClient::Data* data);
    void onWeblocParsed(WeblocParser::Data* data);
    // Fits every item's picture to a changed SHELF_MAXTHUMBSIZE.
    void onMaxThumbSizeChanged();

    // ---- Data file (ShelfDataFile) ----
    // Writes one category element into the save in progress; nothing without one.
    void onSaveItems(CategoryHeaderItem* headerItem, int parentKey, QList<AbstractThumbnailItem*> items,
                     QVariant userData);

    // ---- Places and folder walks (ShelfWalks) ----
    void onFileFound(QString name, QString path, QVariant data);
    void onDirFound(QString name, QString path, QVariant data);
    void onRecurseDirThreadFinished(int folders, int files, bool aborted);
    void onListIteratorThreadFinished(QList<void*>* list, int items, bool aborted);
    void onFolderFound(QString name, QVariant& data, bool& emitDirFound, bool& skipSubfolders, bool& abort);
    void onBookmarkFound(QString name, QString url, QVariant data);
    void onBookmarksParserFinished(int folders, int urls, bool aborted);

    // ---- Deleting items and the cabinet (ShelfRemoval), categories (ShelfCategories) ----
    // Asks before items leave; on yes their cached pictures go and the caller removes
    // the items. The items are re-checked after the question: it lets everything run.
    void onDeleteItemsRequest(QList<AbstractThumbnailItem*> items, bool* ok);
    // Asks before the whole cabinet goes; on yes every item's cached picture goes.
    void onDeleteShelfRequest(bool* ok);
    // Asks before categories go; writes the answer into `*ok`. With `categoryKey` -1
    // every category is meant.
    void onDeleteCategoryRequest(int categoryKey, bool subcategoriesOnly, bool recurse, bool* ok);

    // ---- Item operations (ItemOperations) ----
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

    // ---- Search (ShelfSearch) ----
    // Puts `text` into the search box, which runs the search.
    void search(const QString& text);
    void onClearSearch();
    void onRepeatLastSearch();
    void onShowRecentlyOpened();
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

    // ---- Commands (ShelfCommandDispatcher; each number's row in CommandTable) ----
    // The command dispatcher: runs one numbered command with its parameter.
    void doMenuAction(MenuType type, int parameter);
    // Runs the cabinet-level and category-placing command of a plain entry that a
    // menu returned; `categoryKey` is the category the menu was opened for.
    void doMenuAction(QAction* action, int categoryKey);
    void onDelayedAction(QVariant data, bool checked);

    // ---- Menus (ShelfMenuRunner) ----
    void onShowContextMenu(QContextMenuEvent* event);
    void onShowCategoryContextMenu(CategoryHeaderItem* item, QGraphicsSceneContextMenuEvent* event);
    void onShowItemContextMenu(QList<AbstractThumbnailItem*> items, QGraphicsSceneContextMenuEvent* event);
    void onCabinetMenu();
    void onCategoriesMenu();
    void onItemsMenu();
    void onViewMenu();
    void onPersonalizeMenu();
    void onHelpMenu();

protected:
    bool event(QEvent* event) override;
    // The keys the children leave over (ShelfKeyboard).
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The work behind the entry points; ShelfParts::of() reaches it.
    friend class ShelfParts;
    std::unique_ptr<ShelfParts> parts;
};
