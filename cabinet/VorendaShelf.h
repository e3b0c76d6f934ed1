#pragma once

#include "AbstractThumbnailItem.h"
#include "BackgroundProperty.h"
#include "PenProperty.h"
#include "ShelfStyle.h"
#include "StyleElement.h"
#include "ui_MainWindow.h"

#include <QSettings>
#include <QWidget>

#include <memory>

class CategoryHeaderItem;
class CustomSortFilterProxyModel;
class DockableWidget;
class DovalinnailClient;
class FileInfoProvider;
class KestrimnailClient;
class ListIteratorThread;
class MyCustomStyle;
class MyThumbnailItem;
class ObjectEventFilter;
class QAbstractButton;
class RecurseDirThread;
class SkinWidget;
class SkinWindow;

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

    // Reads the data file at `path`. Filled in with the cabinet data file; until then
    // no file is read and the cabinet keeps its defaults.
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
    DovalinnailClient* dovalinClient = nullptr;
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
    // Writes the data file. Filled in with the cabinet data file.
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
    void onApplyStyleChange(const ShelfStyle& style);
    void onIgnoreStyleChange();

    // Applies every setting. Filled in with the cabinet settings and modes.
    void onApplySettings();

    // The counts of categories and items, or nothing when the information is hidden.
    void updateStatusLabel();
    // A confirmation on a dark rounded background, until the next updateStatusLabel().
    void showStatusMessage(const QString& text);
    void onFocusOutThumbSizeSlider(QEvent* event);

    // The search's part of showing the cabinet. Filled in with the cabinet search.
    void onClearSearch();
    void onShowRecentlyOpened();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

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

    // ---- Items: kinds, pictures, creating items, thumbnails, drops (VorendaShelfItems.cpp,
    // VorendaShelfThumbnails.cpp, VorendaShelfDrops.cpp) ----

    // ---- Categories (VorendaShelfCategories.cpp) ----

    // ---- Settings and modes (VorendaShelfSettings.cpp) ----

    // ---- Data file (VorendaShelfData.cpp) ----

    // ---- Places and folder walks (VorendaShelfPlaces.cpp) ----

    // ---- Item operations, search, keyboard (VorendaShelfOperations.cpp,
    // VorendaShelfSearch.cpp, VorendaShelfKeyboard.cpp) ----
};

// Paints the white close cross onto `pixmap`, centred, and returns a copy of it.
QPixmap paintCloseIcon(QPixmap& pixmap);
