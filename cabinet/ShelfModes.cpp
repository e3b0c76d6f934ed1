#include "ShelfModes.h"

#include "ButtonItem.h"
#include "CabinetPanels.h"
#include "CategoryHeaderItem.h"
#include "DockOption.h"
#include "DockableWidget.h"
#include "GetPasswordDialog.h"
#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "PersonalizationLink.h"
#include "ShelfActions.h"
#include "ShelfParts.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QFontDatabase>
#include <QScrollBar>

namespace {

QString onOff(bool on)
{
    return on ? VorendaShelf::tr("ON") : VorendaShelf::tr("OFF");
}

void setToggleText(QAction* action, bool on, const QString& offText, const QString& onText)
{
    if (action)
        action->setText(on ? onText : offText);
}

} // namespace

ShelfModes::ShelfModes(VorendaShelf& shelf)
    : shelf(shelf)
{
}

// ---- Applying the settings

void ShelfModes::applySettings()
{
    updateCategoryActionTexts();
    applyKioskLocks();
    updateFrames();

    const QString family = barTextFamily();
    const QList<SkinWidget*> skins = barTextSkins();
    for (SkinWidget* skin : skins)
        skin->setTextFamily(family);
    for (SkinWidget* skin : skins) {
        if (skin != shelf.nameLabelSkin)
            skin->setTextBold(false);
        skin->setTextShadow(false, false);
    }
    for (SkinWidget* skin : skins) {
        switch (shelf.textdecoration) {
        case 1:
            skin->setTextShadow(true, false);
            break;
        case 2:
            skin->setTextShadow(true, true);
            break;
        case 3:
            // The name label keeps its own weight.
            if (skin != shelf.nameLabelSkin)
                skin->setTextBold(true);
            break;
        default:
            break;
        }
    }

    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (!header)
            continue;
        shelf.onApplyStyle(shelf.style, header);
        header->canBeToggled(!shelf.kiosk);
        header->setEditable(!shelf.kiosk);
        header->setShowPath(shelf.showcatfullpath);
        header->setShowItems(shelf.showcatnumberofitems);
        header->setShowMatches(shelf.showcatnumberofmatches);
        if (ButtonItem* button = header->getStateButton()) {
            button->setEnabled(!shelf.hidecatstatusbutton);
            if (shelf.hidecatstatusbutton && button->isVisible())
                button->setVisible(false);
        }
    }

    applyPreferences();
}

void ShelfModes::updateFrames()
{
    if (shelf.hidesearchbox && shelf.hidename)
        shelf.hidetopbar = true;
    if (shelf.hidecabinetinfo && shelf.hidethumbsizeslider)
        shelf.hidebottombar = true;

    setToggleText(shelf.topBarAction, shelf.hidetopbar, VorendaShelf::tr("Hide Top Bar"),
                  VorendaShelf::tr("Show Top Bar"));
    setToggleText(shelf.menuBarAction, shelf.hidemenubar, VorendaShelf::tr("Hide Menu Bar"),
                  VorendaShelf::tr("Show Menu Bar"));
    setToggleText(shelf.bottomBarAction, shelf.hidebottombar, VorendaShelf::tr("Hide Bottom Bar"),
                  VorendaShelf::tr("Show Bottom Bar"));
    setToggleText(shelf.cabinetNameAction, shelf.hidename, VorendaShelf::tr("Hide Cabinet Name"),
                  VorendaShelf::tr("Show Cabinet Name"));
    setToggleText(shelf.searchBoxAction, shelf.hidesearchbox, VorendaShelf::tr("Hide Search Box"),
                  VorendaShelf::tr("Show Search Box"));
    setToggleText(shelf.cabinetInfoAction, shelf.hidecabinetinfo, VorendaShelf::tr("Hide Cabinet Information"),
                  VorendaShelf::tr("Show Cabinet Information"));
    setToggleText(shelf.thumbSizeSliderAction, shelf.hidethumbsizeslider,
                  VorendaShelf::tr("Hide Thumbnail Size Slider"),
                  VorendaShelf::tr("Show Thumbnail Size Slider"));
    setToggleText(shelf.nameWithHotkeyAction, shelf.shownamewithhotkey, VorendaShelf::tr("Add Hotkey To Cabinet Name"),
                  VorendaShelf::tr("Remove Hotkey From Cabinet Name"));

    shelf.nameLabel->setText(nameLabelText());
    shelf.updateStatusLabel();

    const auto showAndEnable = [](QWidget* widget, bool on) {
        widget->setEnabled(on);
        widget->setVisible(on);
    };
    showAndEnable(shelf.searchBox, !shelf.hidesearchbox);
    // A slider with no room to move stays hidden, as the window was built.
    showAndEnable(shelf.thumbSizeFrame, !shelf.hidethumbsizeslider && VorendaGlobal::SHELF_MAXTHUMBSIZE > 32);
    showAndEnable(shelf.closeFrame, !shelf.kiosk);
    showAndEnable(shelf.topFrame, !shelf.hidetopbar);
    showAndEnable(shelf.menuFrame, !shelf.hidemenubar && !shelf.kiosk);
    showAndEnable(shelf.bottomFrame, !shelf.hidebottombar);
}

QString ShelfModes::nameLabelText() const
{
    if (shelf.hidename)
        return QString();
    if (!shelf.shownamewithhotkey)
        return shelf.name;
    const QString key = VorendaGlobal::getKeyName(shelf.frame->showHotkey().toString(QKeySequence::NativeText));
    if (shelf.name.isEmpty())
        return QStringLiteral("(%1)").arg(key);
    return QStringLiteral("%1  (%2)").arg(shelf.name, key);
}

QString ShelfModes::barTextFamily() const
{
    if (!shelf.textfont.isEmpty()) {
        const QStringList families = QFontDatabase().families();
        for (const QString& family : families) {
            if (family.compare(shelf.textfont, Qt::CaseInsensitive) == 0)
                return shelf.textfont;
        }
    }
    return QStringLiteral("Verdana");
}

QList<SkinWidget*> ShelfModes::barTextSkins() const
{
    QList<SkinWidget*> skins;
    for (SkinWidget* skin : {shelf.cabinetMenuButtonSkin, shelf.categoriesMenuButtonSkin, shelf.itemsMenuButtonSkin,
                             shelf.viewMenuButtonSkin, shelf.personalizeMenuButtonSkin, shelf.helpMenuButtonSkin,
                             shelf.nameLabelSkin, shelf.matchesLabelSkin, shelf.statusLabelSkin}) {
        if (skin)
            skins.append(skin);
    }
    return skins;
}

void ShelfModes::updateCategoryActionTexts()
{
    setToggleText(shelf.catFullPathAction, shelf.showcatfullpath, VorendaShelf::tr("Show Category Full Path"),
                  VorendaShelf::tr("Hide Category Full Path"));
    setToggleText(shelf.catNumberOfItemsAction, shelf.showcatnumberofitems,
                  VorendaShelf::tr("Show Number Of Items In Category"),
                  VorendaShelf::tr("Hide Number Of Items In Category"));
    setToggleText(shelf.catNumberOfMatchesAction, shelf.showcatnumberofmatches,
                  VorendaShelf::tr("Show Number Of Matches In Category"),
                  VorendaShelf::tr("Hide Number Of Matches In Category"));
    setToggleText(shelf.kioskModeAction, shelf.kiosk, VorendaShelf::tr("Show In Kiosk Mode"),
                  VorendaShelf::tr("Exit Kiosk Mode"));
}

// What kiosk mode and a maximised frame lock: drops and drags, edits in place and the
// windows open on the cabinet, the thumbnail-size slider, resizing and moving with the
// mouse, staying on top, and the mode commands.
void ShelfModes::applyKioskLocks()
{
    shelf.view->setAcceptDrops(!shelf.kiosk);
    shelf.view->setAcceptDrags(!shelf.kiosk);
    shelf.view->setReadOnly(shelf.kiosk);
    if (shelf.kiosk)
        endEditing();
    // The slider resizes items and sets the size new items get.
    shelf.thumbSizeSlider->setEnabled(!shelf.kiosk && VorendaGlobal::SHELF_MAXTHUMBSIZE > 32);

    const bool free = !shelf.kiosk && !shelf.frame->isMaximized();
    if (SkinWindowResizeHandler* handler = shelf.skin ? shelf.skin->getResizeHandler() : nullptr) {
        handler->setResizeEnabled(free, 0);
        handler->setMovingEnabled(free);
    }

    // The check mark keeps the wish, so leaving kiosk mode puts the window on top again.
    shelf.frame->stayOnTop(!shelf.kiosk && shelf.stayOnTopAction && shelf.stayOnTopAction->isChecked());

    // Kiosk mode ignores these commands; disabled, their entries and check marks
    // cannot be switched into a state the window does not have.
    for (QAction* action : {shelf.stayOnTopAction, shelf.autoHideAction, shelf.fullScreenAction, shelf.dockTopAction,
                            shelf.dockRightAction, shelf.dockBottomAction, shelf.dockLeftAction,
                            shelf.dockTopMaximizedAction, shelf.dockRightMaximizedAction,
                            shelf.dockBottomMaximizedAction, shelf.dockLeftMaximizedAction, shelf.undockAction}) {
        if (action)
            action->setEnabled(!shelf.kiosk);
    }
}

// Whatever was opened on the cabinet before it was locked ends without writing: the
// edits in place (the read-only view cancels them), the item properties, the
// personalization panel, and the walks, imports and pastes still adding to it.
void ShelfModes::endEditing()
{
    ItemPropertiesDialog::closeFor(shelf.view);
    if (PersonalizationLink* personalization = PersonalizationLink::installed())
        personalization->cabinetLocked(&shelf);
    ShelfParts::of(shelf).walks.abort();
}

void ShelfModes::refreshPersonalization() const
{
    PersonalizationLink* personalization = PersonalizationLink::installed();
    if (personalization && personalization->editedShelf() == &shelf)
        personalization->updateSettings();
}


// ---- Bar, label and header toggles

void ShelfModes::toggle(bool VorendaShelf::*setting)
{
    shelf.*setting = !(shelf.*setting);
    refreshPersonalization();
    updateFrames();
}

void ShelfModes::toggleTopBar()
{
    if (shelf.kiosk)
        return;
    shelf.hidetopbar = !shelf.hidetopbar;
    // Shown again, the bar needs something to show, or the consistency rule hides it again.
    if (!shelf.hidetopbar) {
        shelf.hidesearchbox = false;
        shelf.hidename = false;
    }
    refreshPersonalization();
    updateFrames();
}

void ShelfModes::toggleMenuBar()
{
    if (!shelf.kiosk)
        toggle(&VorendaShelf::hidemenubar);
}

void ShelfModes::toggleBottomBar()
{
    if (shelf.kiosk)
        return;
    shelf.hidebottombar = !shelf.hidebottombar;
    if (!shelf.hidebottombar) {
        shelf.hidecabinetinfo = false;
        shelf.hidethumbsizeslider = false;
    }
    refreshPersonalization();
    updateFrames();
}

void ShelfModes::toggleHeaders(bool VorendaShelf::*setting, void (CategoryHeaderItem::*show)(bool))
{
    shelf.*setting = !(shelf.*setting);
    updateCategoryActionTexts();
    refreshPersonalization();
    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (header)
            (header->*show)(shelf.*setting);
    }
}

// ---- Modes

void ShelfModes::toggleKioskMode()
{
    if (shelf.kiosk) {
        GetPasswordDialog dialog;
        if (dialog.exec(VorendaShelf::tr("Enter Kiosk Password"), VorendaGlobal::kioskPasswordHash) != 1)
            return;
    }
    shelf.kiosk = !shelf.kiosk;
    refreshPersonalization();

    updateCategoryActionTexts();
    applyKioskLocks();
    shelf.activateWindow();
    updateFrames();

    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (!header)
            continue;
        header->canBeToggled(!shelf.kiosk);
        header->setEditable(!shelf.kiosk);
    }
    shelf.showStatusMessage(VorendaShelf::tr("Kiosk mode is now %1!").arg(onOff(shelf.kiosk)));
}

void ShelfModes::stayOnTop(bool on)
{
    if (shelf.kiosk) {
        // Ignored: a check mark the action just flipped goes back.
        if (shelf.stayOnTopAction && shelf.stayOnTopAction->isChecked() == on)
            ShelfActions::showChecked(shelf.stayOnTopAction, !on);
        return;
    }
    shelf.frame->stayOnTop(on);
    ShelfActions::showChecked(shelf.stayOnTopAction, on);
    shelf.activateWindow();
    refreshPersonalization();
    shelf.showStatusMessage(VorendaShelf::tr("Stay On Top mode is now %1!").arg(onOff(on)));
}

void ShelfModes::autoHide(bool on)
{
    if (shelf.kiosk) {
        ShelfActions::showChecked(shelf.autoHideAction, shelf.frame->isAutoHide());
        return;
    }
    shelf.frame->setAutoHide(on);
    ShelfActions::showChecked(shelf.autoHideAction, on);
    refreshPersonalization();
    shelf.showStatusMessage(VorendaShelf::tr("Auto Hide mode is now %1!").arg(onOff(on)));
}

void ShelfModes::toggleFullScreen()
{
    if (shelf.kiosk)
        return;
    if (shelf.frame->isMaximized())
        shelf.frame->showNormal();
    else
        shelf.frame->showMaximized();
    refreshPersonalization();
    shelf.showStatusMessage(VorendaShelf::tr("Full Screen mode is now %1!").arg(onOff(shelf.frame->isMaximized())));
}

// ---- Docking

void ShelfModes::dockTo(int option)
{
    if (shelf.kiosk || !DockOption::isValid(option))
        return;
    const DockOption docking = DockOption::of(option);
    shelf.mode = option;
    shelf.frame->setMode(docking.mode, docking.wholeEdge);
    refreshPersonalization();

    QString message;
    switch (docking.mode) {
    case DockableWidget::DockedTop:
        message = VorendaShelf::tr("The cabinet is now docked to the TOP edge!");
        break;
    case DockableWidget::DockedRight:
        message = VorendaShelf::tr("The cabinet is now docked to the RIGHT edge!");
        break;
    case DockableWidget::DockedBottom:
        message = VorendaShelf::tr("The cabinet is now docked to the BOTTOM edge!");
        break;
    case DockableWidget::DockedLeft:
        message = VorendaShelf::tr("The cabinet is now docked to the LEFT edge!");
        break;
    default:
        message = VorendaShelf::tr("The cabinet is now FLOATING!");
        break;
    }
    shelf.showStatusMessage(message);
}

// ---- Auto hide and preferences

// Everything that keeps the cabinet shown, in the order it is asked.
bool ShelfModes::mayAutoHide() const
{
    if (shelf.menuOpen || shelf.dialogOpen || shelf.isActiveWindow() || shelf.kiosk)
        return false;
    const QScrollBar* scrollBar = shelf.view->verticalScrollBar();
    if (scrollBar && scrollBar->isSliderDown())
        return false;
    return !CabinetPanels::workOn(shelf);
}

void ShelfModes::applyPreferences()
{
    const QList<AbstractThumbnailItem*> items = shelf.view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        if (auto* thumbnail = qobject_cast<MyThumbnailItem*>(item)) {
            thumbnail->enableHoverAnimation(VorendaGlobal::animHover);
            thumbnail->enableClickAnimation(VorendaGlobal::animClick);
        }
    }
}

// ---- The cabinet's entry points

void VorendaShelf::onApplySettings()
{
    ShelfModes(*this).applySettings();
}

void VorendaShelf::updateFrames()
{
    ShelfModes(*this).updateFrames();
}

void VorendaShelf::onPersonalize(int panel, StyleElement element)
{
    if (PersonalizationLink* personalization = PersonalizationLink::installed())
        personalization->show(this, panel, element);
}

void VorendaShelf::onShowTopBar()
{
    ShelfModes(*this).toggleTopBar();
}

void VorendaShelf::onShowMenuBar()
{
    ShelfModes(*this).toggleMenuBar();
}

void VorendaShelf::onShowBottomBar()
{
    ShelfModes(*this).toggleBottomBar();
}

void VorendaShelf::onShowCabinetName()
{
    ShelfModes(*this).toggle(&VorendaShelf::hidename);
}

void VorendaShelf::onShowNameWithHotkey()
{
    ShelfModes(*this).toggle(&VorendaShelf::shownamewithhotkey);
}

void VorendaShelf::onShowSearchBox()
{
    ShelfModes(*this).toggle(&VorendaShelf::hidesearchbox);
}

void VorendaShelf::onShowCabinetInfo()
{
    ShelfModes(*this).toggle(&VorendaShelf::hidecabinetinfo);
}

void VorendaShelf::onShowThumbSizeSlider()
{
    ShelfModes(*this).toggle(&VorendaShelf::hidethumbsizeslider);
}

void VorendaShelf::onShowCatFullPath()
{
    ShelfModes(*this).toggleHeaders(&VorendaShelf::showcatfullpath, &CategoryHeaderItem::setShowPath);
}

void VorendaShelf::onShowCatNumberOfItems()
{
    ShelfModes(*this).toggleHeaders(&VorendaShelf::showcatnumberofitems, &CategoryHeaderItem::setShowItems);
}

void VorendaShelf::onShowCatNumberOfMatches()
{
    ShelfModes(*this).toggleHeaders(&VorendaShelf::showcatnumberofmatches, &CategoryHeaderItem::setShowMatches);
}

void VorendaShelf::onToggleKioskMode()
{
    ShelfModes(*this).toggleKioskMode();
}

void VorendaShelf::onStayOnTop(bool on)
{
    ShelfModes(*this).stayOnTop(on);
}

void VorendaShelf::onAutoHide(bool on)
{
    ShelfModes(*this).autoHide(on);
}

void VorendaShelf::onToggleFullScreen()
{
    ShelfModes(*this).toggleFullScreen();
}

void VorendaShelf::onUndockWindow()
{
    ShelfModes(*this).dockTo(0);
}

void VorendaShelf::onDockToTopScreenEdge()
{
    ShelfModes(*this).dockTo(1);
}

void VorendaShelf::onDockToRightScreenEdge()
{
    ShelfModes(*this).dockTo(2);
}

void VorendaShelf::onDockToBottomScreenEdge()
{
    ShelfModes(*this).dockTo(3);
}

void VorendaShelf::onDockToLeftScreenEdge()
{
    ShelfModes(*this).dockTo(4);
}

void VorendaShelf::onDockMaximizedToTopScreenEdge()
{
    ShelfModes(*this).dockTo(5);
}

void VorendaShelf::onDockMaximizedToRightScreenEdge()
{
    ShelfModes(*this).dockTo(6);
}

void VorendaShelf::onDockMaximizedToBottomScreenEdge()
{
    ShelfModes(*this).dockTo(7);
}

void VorendaShelf::onDockMaximizedToLeftScreenEdge()
{
    ShelfModes(*this).dockTo(8);
}

void VorendaShelf::onAutoHideRequest(bool* ok)
{
    if (ok)
        *ok = ShelfModes(*this).mayAutoHide();
}

void VorendaShelf::onApplyPreferences()
{
    ShelfModes(*this).applyPreferences();
}
