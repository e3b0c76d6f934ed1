#include "ShelfSubmenus.h"

#include "ShelfMenuEntries.h"
#include "StyleElement.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QMenu>

namespace {

struct PlaceEntry {
    const char* text;
    MenuType type;
    int delay = -1;  // ms after the entry was chosen; -1 at once
};

// The contents of a place go into the category, in menu order; null text is a separator.
const PlaceEntry CONTENT_PLACES[] = {
    {QT_TRANSLATE_NOOP("VorendaShelf", "Browse..."), AddFiles},
    {nullptr, AddFiles},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Desktop Items"), AddDesktopItems},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Applications"), AddApplications},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Utilities"), AddUtilities},
    {nullptr, AddFiles},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Favorites"), AddFavorites},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Documents"), AddDocuments},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Pictures"), AddPictures},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Music"), AddMusic},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Videos"), AddVideos},
    // Runs once the menu has closed, so its folder question stands alone on the screen.
    {QT_TRANSLATE_NOOP("VorendaShelf", "Browser Bookmarks"), AddSafariBookmarks, 100},
    {nullptr, AddFiles},
};

// A place itself becomes one item; the utilities, which have no folder of their own
// here, become one category.
const PlaceEntry FOLDER_SHORTCUTS[] = {
    {QT_TRANSLATE_NOOP("VorendaShelf", "Browse..."), AddFolderShortcut},
    {nullptr, AddFiles},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Home"), HomeShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Desktop"), DesktopShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Applications"), ApplicationsShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Utilities"), UtilitiesShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Favorites"), FavoritesShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "File System"), DiskShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Documents"), DocumentsShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Pictures"), PicturesShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Music"), MusicShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Videos"), VideosShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Downloads"), DownloadsShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "Trash"), TrashShortcut},
    {QT_TRANSLATE_NOOP("VorendaShelf", "System's Temporary Directory"), TemporaryShortcut},
    {nullptr, AddFiles},
    {QT_TRANSLATE_NOOP("VorendaShelf", "All Above"), AllShortcuts},
};

template <size_t N> void addPlaces(VorendaShelf& shelf, QMenu* menu, const PlaceEntry (&places)[N], int categoryKey)
{
    for (const PlaceEntry& place : places) {
        if (!place.text)
            menu->addSeparator();
        else
            shelf.addMenuAction(menu, place.type, VorendaShelf::tr(place.text), categoryKey, true, place.delay);
    }
}

void addActions(QMenu* menu, std::initializer_list<QAction*> actions)
{
    for (QAction* action : actions) {
        if (action)
            menu->addAction(action);
        else
            menu->addSeparator();
    }
}

} // namespace

ShelfSubmenus::ShelfSubmenus(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfSubmenus::addingItems(QMenu* menu, int categoryKey)
{
    if (!menu)
        return;
    addPlaces(shelf, menu, CONTENT_PLACES, categoryKey);
    addPlaces(shelf, menu->addMenu(VorendaShelf::tr("Shortcut to Folder")), FOLDER_SHORTCUTS, categoryKey);
}

void ShelfSubmenus::docking(QMenu* menu)
{
    if (!menu)
        return;
    addActions(menu,
               {shelf.undockAction, nullptr, shelf.dockTopAction, shelf.dockRightAction, shelf.dockBottomAction,
                shelf.dockLeftAction, nullptr, shelf.dockTopMaximizedAction, shelf.dockRightMaximizedAction,
                shelf.dockBottomMaximizedAction, shelf.dockLeftMaximizedAction});
}

void ShelfSubmenus::helpAndSupport(QMenu* menu, bool withoutQuickStart)
{
    if (!menu)
        return;
    if (!withoutQuickStart)
        menu->addAction(shelf.quickStartAction);
    addActions(menu, {shelf.helpAction, shelf.sendFeedbackAction, shelf.homePageAction});
    // The controller's own entries, found by name so that the cabinet needs nothing of
    // the controller's class; without a controller they are left out.
    QList<QAction*> controllerActions;
    for (const char* name : {"checkUpdatesAction", "aboutAction"}) {
        if (QAction* action = qApp->findChild<QAction*>(QLatin1String(name)))
            controllerActions.append(action);
    }
    if (controllerActions.isEmpty())
        return;
    menu->addSeparator();
    menu->addActions(controllerActions);
}

void ShelfSubmenus::viewOptions(QMenu* menu)
{
    if (!menu)
        return;
    addActions(menu,
               {shelf.topBarAction, shelf.searchBoxAction, shelf.cabinetNameAction, shelf.nameWithHotkeyAction, nullptr,
                shelf.menuBarAction, nullptr, shelf.bottomBarAction, shelf.cabinetInfoAction,
                shelf.thumbSizeSliderAction, nullptr, shelf.catFullPathAction, shelf.catNumberOfItemsAction,
                shelf.catNumberOfMatchesAction});
}

int ShelfSubmenus::styleElementFor(int categoryKey) const
{
    if (categoryKey == -1)
        return shelf.style.cabinetPattern.isEmpty() ? CabinetColor : CabinetPattern;
    return shelf.style.categoryPattern.isEmpty() ? CategoryColor : CategoryPattern;
}

void ShelfSubmenus::styleEntries(QMenu* menu, int type)
{
    for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it) {
        shelf.addMenuAction(menu, MenuType(type), VorendaShelf::tr("%1 Style").arg(ShelfMenuEntries::escaped(it->name)),
                            it.key(), false, -1);
    }
}

void ShelfSubmenus::personalization(QMenu* menu, int categoryKey, bool withStyles)
{
    if (!menu)
        return;
    if (withStyles) {
        styleEntries(menu->addMenu(VorendaShelf::tr("Change Style")), ChangeStyle);
        menu->addSeparator();
    }
    const int element = styleElementFor(categoryKey);
    shelf.addMenuAction(menu, PersonalizeGeneral, VorendaShelf::tr("General"), element, true, -1);
    shelf.addMenuAction(menu, PersonalizeAppearance, VorendaShelf::tr("Appearance"), element, true, -1);
    shelf.addMenuAction(menu, PersonalizeStyle, VorendaShelf::tr("Style"), element, true, -1);
    menu->addSeparator();
    shelf.addMenuAction(menu, ShowPreferences, VorendaShelf::tr("Preferences..."), categoryKey, true, -1);
}

void ShelfSubmenus::changingStyle(QMenu* menu)
{
    if (!menu)
        return;
    styleEntries(menu, ChangeStyle);
    menu->addSeparator();
    shelf.addMenuAction(menu, PersonalizeStyle, VorendaShelf::tr("Customize..."), styleElementFor(-1), true, -1);
}

QString ShelfSubmenus::menuText(const QString& text, const QString& fontFamily, int fontSize, const QColor& color,
                                bool underline)
{
    // The text stands as the link's target and as its words; both are escaped, so
    // that a text with markup in it stays text.
    const QString escaped = text.toHtmlEscaped();
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
               "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
               "p, li { white-space: pre-wrap; }\n"
               "</style></head><body style=\" font-family:'%1'; font-size:%2pt; font-weight:400; "
               "font-style:normal;\">\n"
               "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; "
               "-qt-block-indent:0; text-indent:0px;\"><a href=\"%3\"><span style=\" text-decoration: %4; "
               "color:%5;\">%3</span></a></p></body></html>")
        .arg(fontFamily.toHtmlEscaped())
        .arg(fontSize)
        .arg(escaped, underline ? QStringLiteral("underline") : QStringLiteral("none"), color.name());
}

// ---- The cabinet's entry points

void VorendaShelf::createSubmenuForAddingItems(QMenu* menu, int categoryKey)
{
    ShelfSubmenus(*this).addingItems(menu, categoryKey);
}

void VorendaShelf::createSubmenuForDockingCabinet(QMenu* menu)
{
    ShelfSubmenus(*this).docking(menu);
}

void VorendaShelf::createSubmenuForHelpAndSupport(QMenu* menu, bool withoutQuickStart)
{
    ShelfSubmenus(*this).helpAndSupport(menu, withoutQuickStart);
}

void VorendaShelf::createSubmenuForViewOptions(QMenu* menu)
{
    ShelfSubmenus(*this).viewOptions(menu);
}

void VorendaShelf::createSubmenuForPersonalization(QMenu* menu, int categoryKey, bool withStyles)
{
    ShelfSubmenus(*this).personalization(menu, categoryKey, withStyles);
}

void VorendaShelf::createSubmenuForChangingStyle(QMenu* menu)
{
    ShelfSubmenus(*this).changingStyle(menu);
}

QString VorendaShelf::getMenuText(const QString& text, const QString& fontFamily, int fontSize, const QColor& color,
                                  bool underline)
{
    return ShelfSubmenus::menuText(text, fontFamily, fontSize, color, underline);
}
