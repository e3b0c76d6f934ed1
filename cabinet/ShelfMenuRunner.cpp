#include "ShelfMenuRunner.h"

#include "AddProgressWidget.h"
#include "CategoryHeaderItem.h"
#include "ItemCommands.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ShelfMenus.h"
#include "ShelfParts.h"
#include "ShelfStatusBar.h"
#include "ShelfSubmenus.h"
#include "SkinWidget.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

namespace {

// Set while a menu of the cabinet shows, so the cabinet does not auto-hide under it;
// cleared on every way out, also when the cabinet went away meanwhile.
class MenuOpenFlag {
public:
    explicit MenuOpenFlag(VorendaShelf& shelf)
        : shelf(&shelf)
    {
        shelf.menuOpen = true;
    }
    ~MenuOpenFlag() { clear(); }
    MenuOpenFlag(const MenuOpenFlag&) = delete;
    MenuOpenFlag& operator=(const MenuOpenFlag&) = delete;

    void clear()
    {
        if (shelf)
            shelf->menuOpen = false;
        shelf = nullptr;
    }

private:
    QPointer<VorendaShelf> shelf;
};

} // namespace

ShelfMenuRunner::ShelfMenuRunner(VorendaShelf& shelf)
    : shelf(shelf)
{
}

bool ShelfMenuRunner::mayOpen()
{
    // Menus do not stack: a second one would run inside the first's wait.
    if (AddProgressWidget::visible() || shelf.menuOpen)
        return false;
    shelf.view->hideFloatingLabel();
    return true;
}

QAction* ShelfMenuRunner::run(QMenu* menu, const QPoint& pos)
{
    const QPointer<VorendaShelf> self(&shelf);
    QPointer<QAction> chosen = menu->exec(pos);
    // The closed menu leaves the screen before the command runs.
    if (chosen && self)
        QCoreApplication::processEvents();
    return self ? chosen.data() : nullptr;
}

void ShelfMenuRunner::showContextMenuAt(const QPoint& pos)
{
    const QPoint inViewport = shelf.view->viewport()->mapFromGlobal(pos);
    const int key = shelf.view->viewport()->rect().contains(inViewport) ? shelf.view->getSelectedCategoryKey() : -1;
    showContextMenu(key, pos);
}

void ShelfMenuRunner::showContextMenu(int categoryKey, const QPoint& pos)
{
    if (shelf.statusMessageShown)
        ShelfStatusBar(shelf).update();
    if (!mayOpen())
        return;
    const QPointer<VorendaShelf> self(&shelf);
    MenuOpenFlag open(shelf);
    const QPointer<QMenu> menu = new QMenu(&shelf);
    ShelfMenus(shelf).fillContextMenu(menu, categoryKey);
    const QPointer<QAction> chosen = run(menu, pos);
    if (!self)
        return;
    open.clear();
    ShelfParts::of(shelf).commands.runPlain(chosen, categoryKey);
    delete menu.data();
}

void ShelfMenuRunner::showItemMenu(const QList<AbstractThumbnailItem*>& items, const QPoint& pos)
{
    if (shelf.statusMessageShown)
        ShelfStatusBar(shelf).update();
    if (items.isEmpty() || !mayOpen())
        return;
    const QList<QPointer<MyThumbnailItem>> held = ItemCommands::guarded(items);
    const QPointer<VorendaShelf> self(&shelf);
    MenuOpenFlag open(shelf);
    const QPointer<QMenu> menu = new QMenu(&shelf);
    ShelfMenus(shelf).fillItemMenu(menu, items.size());
    const QPointer<QAction> chosen = run(menu, pos);
    if (!self)
        return;
    open.clear();
    if (chosen)
        ShelfParts::of(shelf).commands.runOnItems(chosen, ItemCommands::present(held));
    if (self)
        delete menu.data();
}

QLabel* ShelfMenuRunner::buttonOf(BarMenu which) const
{
    QLabel* const buttons[] = {shelf.cabinetMenuButton, shelf.categoriesMenuButton,  shelf.itemsMenuButton,
                               shelf.viewMenuButton,    shelf.personalizeMenuButton, shelf.helpMenuButton};
    return buttons[which];
}

SkinWidget* ShelfMenuRunner::skinOf(BarMenu which) const
{
    SkinWidget* const skins[] = {shelf.cabinetMenuButtonSkin,     shelf.categoriesMenuButtonSkin,
                                 shelf.itemsMenuButtonSkin,       shelf.viewMenuButtonSkin,
                                 shelf.personalizeMenuButtonSkin, shelf.helpMenuButtonSkin};
    return skins[which];
}

void ShelfMenuRunner::fillBarMenu(QMenu* menu, BarMenu which, int categoryKey)
{
    switch (which) {
    case Cabinet:
        ShelfMenus(shelf).fillCabinetMenu(menu);
        break;
    case Categories:
        ShelfMenus(shelf).fillCategoriesMenu(menu, categoryKey);
        break;
    case Items:
        ShelfMenus(shelf).fillItemsMenu(menu);
        break;
    case View:
        ShelfSubmenus(shelf).viewOptions(menu);
        break;
    case Personalize:
        ShelfSubmenus(shelf).personalization(menu, -1, true);
        break;
    case Help:
        ShelfSubmenus(shelf).helpAndSupport(menu, false);
        break;
    }
}

void ShelfMenuRunner::showBarMenu(BarMenu which)
{
    if (shelf.statusMessageShown)
        ShelfStatusBar(shelf).update();
    if (!mayOpen())
        return;
    const QPointer<VorendaShelf> self(&shelf);
    const int categoryKey = shelf.view->getSelectedCategoryKey();
    MenuOpenFlag open(shelf);
    const QPointer<QMenu> menu = new QMenu(&shelf);
    fillBarMenu(menu, which, categoryKey);
    QLabel* button = buttonOf(which);
    // Plain entries (new cabinets, styles, category places) run once the menu is gone;
    // the other menus' entries have run themselves.
    const bool plainEntries = which == Cabinet || which == Categories || which == Personalize;
    QPointer<QAction> chosen = menu->exec(button->mapToGlobal(button->rect().bottomLeft()));
    if (!self)
        return;
    // The click left the button pressed and the menu took the pointer's hover.
    if (SkinWidget* skin = skinOf(which))
        skin->setBackground(shelf.menuButtonBackground);
    if (chosen && plainEntries) {
        QCoreApplication::processEvents();
        if (!self)
            return;
    }
    open.clear();
    if (plainEntries)
        ShelfParts::of(shelf).commands.runPlain(chosen, which == Categories ? categoryKey : -1);
    delete menu.data();
}

// ---- The cabinet's entry points

void VorendaShelf::showContextMenu(int categoryKey, const QPoint& pos)
{
    ShelfMenuRunner(*this).showContextMenu(categoryKey, pos);
}

void VorendaShelf::contextMenuEvent(QContextMenuEvent* event)
{
    onShowContextMenu(event);
}

void VorendaShelf::onShowContextMenu(QContextMenuEvent* event)
{
    if (event)
        ShelfMenuRunner(*this).showContextMenuAt(event->globalPos());
}

void VorendaShelf::onShowCategoryContextMenu(CategoryHeaderItem* item, QGraphicsSceneContextMenuEvent* event)
{
    if (item)
        ShelfMenuRunner(*this).showContextMenu(item->getKey(), event ? event->screenPos() : QCursor::pos());
}

void VorendaShelf::onShowItemContextMenu(QList<AbstractThumbnailItem*> items, QGraphicsSceneContextMenuEvent* event)
{
    ShelfMenuRunner(*this).showItemMenu(items, event ? event->screenPos() : QCursor::pos());
}

void VorendaShelf::onCabinetMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::Cabinet);
}

void VorendaShelf::onCategoriesMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::Categories);
}

void VorendaShelf::onItemsMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::Items);
}

void VorendaShelf::onViewMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::View);
}

void VorendaShelf::onPersonalizeMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::Personalize);
}

void VorendaShelf::onHelpMenu()
{
    ShelfMenuRunner(*this).showBarMenu(ShelfMenuRunner::Help);
}
