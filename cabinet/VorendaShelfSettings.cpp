#include "VorendaShelf.h"

#include "AddProgressWidget.h"
#include "CabinetPanels.h"
#include "ButtonItem.h"
#include "CategoryHeaderItem.h"
#include "DockOption.h"
#include "DockableWidget.h"
#include "GetPasswordDialog.h"
#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "PersonalizationLink.h"
#include "QuickSearchWidget.h"
#include "QuickStartLink.h"
#include "SkinWidget.h"
#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"
#include "VorendaGlobal.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QScrollBar>
#include <QSignalBlocker>

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

// A checkable action shows `on` without running its slot again.
void showChecked(QAction* action, bool on)
{
    if (!action)
        return;
    const QSignalBlocker blocker(action);
    action->setChecked(on);
}

} // namespace

// ---- Applying the settings

void VorendaShelf::onApplySettings()
{
    updateCategoryActionTexts();
    applyKioskLocks();
    updateFrames();

    const QString family = barTextFamily();
    const QList<SkinWidget*> skins = barTextSkins();
    for (SkinWidget* skin : skins)
        skin->setTextFamily(family);
    for (SkinWidget* skin : skins) {
        if (skin != nameLabelSkin)
            skin->setTextBold(false);
        skin->setTextShadow(false, false);
    }
    for (SkinWidget* skin : skins) {
        switch (textdecoration) {
        case 1:
            skin->setTextShadow(true, false);
            break;
        case 2:
            skin->setTextShadow(true, true);
            break;
        case 3:
            // The name label keeps its own weight.
            if (skin != nameLabelSkin)
                skin->setTextBold(true);
            break;
        default:
            break;
        }
    }

    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (!header)
            continue;
        onApplyStyle(style, header);
        header->canBeToggled(!kiosk);
        header->setEditable(!kiosk);
        header->setShowPath(showcatfullpath);
        header->setShowItems(showcatnumberofitems);
        header->setShowMatches(showcatnumberofmatches);
        if (ButtonItem* button = header->getStateButton()) {
            button->setEnabled(!hidecatstatusbutton);
            if (hidecatstatusbutton && button->isVisible())
                button->setVisible(false);
        }
    }

    onApplyPreferences();
}

void VorendaShelf::updateFrames()
{
    if (hidesearchbox && hidename)
        hidetopbar = true;
    if (hidecabinetinfo && hidethumbsizeslider)
        hidebottombar = true;

    setToggleText(topBarAction, hidetopbar, tr("Hide Top Bar"), tr("Show Top Bar"));
    setToggleText(menuBarAction, hidemenubar, tr("Hide Menu Bar"), tr("Show Menu Bar"));
    setToggleText(bottomBarAction, hidebottombar, tr("Hide Bottom Bar"), tr("Show Bottom Bar"));
    setToggleText(cabinetNameAction, hidename, tr("Hide Cabinet Name"), tr("Show Cabinet Name"));
    setToggleText(searchBoxAction, hidesearchbox, tr("Hide Search Box"), tr("Show Search Box"));
    setToggleText(cabinetInfoAction, hidecabinetinfo, tr("Hide Cabinet Information"),
                  tr("Show Cabinet Information"));
    setToggleText(thumbSizeSliderAction, hidethumbsizeslider, tr("Hide Thumbnail Size Slider"),
                  tr("Show Thumbnail Size Slider"));
    setToggleText(nameWithHotkeyAction, shownamewithhotkey, tr("Add Hotkey To Cabinet Name"),
                  tr("Remove Hotkey From Cabinet Name"));

    nameLabel->setText(nameLabelText());
    updateStatusLabel();

    const auto showAndEnable = [](QWidget* widget, bool on) {
        widget->setEnabled(on);
        widget->setVisible(on);
    };
    showAndEnable(searchBox, !hidesearchbox);
    // A slider with no room to move stays hidden, as the window was built.
    showAndEnable(thumbSizeFrame, !hidethumbsizeslider && VorendaGlobal::SHELF_MAXTHUMBSIZE > 32);
    showAndEnable(closeFrame, !kiosk);
    showAndEnable(topFrame, !hidetopbar);
    showAndEnable(menuFrame, !hidemenubar && !kiosk);
    showAndEnable(bottomFrame, !hidebottombar);
}

QString VorendaShelf::nameLabelText() const
{
    if (hidename)
        return QString();
    if (!shownamewithhotkey)
        return name;
    const QString key = VorendaGlobal::getKeyName(frame->showHotkey().toString(QKeySequence::NativeText));
    if (name.isEmpty())
        return QStringLiteral("(%1)").arg(key);
    return QStringLiteral("%1  (%2)").arg(name, key);
}

QString VorendaShelf::barTextFamily() const
{
    if (!textfont.isEmpty()) {
        const QStringList families = QFontDatabase().families();
        for (const QString& family : families) {
            if (family.compare(textfont, Qt::CaseInsensitive) == 0)
                return textfont;
        }
    }
    return QStringLiteral("Verdana");
}

QList<SkinWidget*> VorendaShelf::barTextSkins() const
{
    QList<SkinWidget*> skins;
    for (SkinWidget* skin : {cabinetMenuButtonSkin, categoriesMenuButtonSkin, itemsMenuButtonSkin, viewMenuButtonSkin,
                             personalizeMenuButtonSkin, helpMenuButtonSkin, nameLabelSkin, matchesLabelSkin,
                             statusLabelSkin}) {
        if (skin)
            skins.append(skin);
    }
    return skins;
}

void VorendaShelf::updateCategoryActionTexts()
{
    setToggleText(catFullPathAction, showcatfullpath, tr("Show Category Full Path"), tr("Hide Category Full Path"));
    setToggleText(catNumberOfItemsAction, showcatnumberofitems, tr("Show Number Of Items In Category"),
                  tr("Hide Number Of Items In Category"));
    setToggleText(catNumberOfMatchesAction, showcatnumberofmatches, tr("Show Number Of Matches In Category"),
                  tr("Hide Number Of Matches In Category"));
    setToggleText(kioskModeAction, kiosk, tr("Show In Kiosk Mode"), tr("Exit Kiosk Mode"));
}

// What kiosk mode and a maximised frame lock: drops and drags, resizing and moving
// with the mouse, staying on top, and the mode commands.
void VorendaShelf::applyKioskLocks()
{
    view->setAcceptDrops(!kiosk);
    view->setAcceptDrags(!kiosk);

    const bool free = !kiosk && !frame->isMaximized();
    if (SkinWindowResizeHandler* handler = skin ? skin->getResizeHandler() : nullptr) {
        handler->setResizeEnabled(free, 0);
        handler->setMovingEnabled(free);
    }

    // The check mark keeps the wish, so leaving kiosk mode puts the window on top again.
    frame->stayOnTop(!kiosk && stayOnTopAction && stayOnTopAction->isChecked());

    // Kiosk mode ignores these commands; disabled, their entries and check marks
    // cannot be switched into a state the window does not have.
    for (QAction* action : {stayOnTopAction, autoHideAction, fullScreenAction, dockTopAction, dockRightAction,
                            dockBottomAction, dockLeftAction, dockTopMaximizedAction, dockRightMaximizedAction,
                            dockBottomMaximizedAction, dockLeftMaximizedAction, undockAction}) {
        if (action)
            action->setEnabled(!kiosk);
    }
}

void VorendaShelf::refreshPersonalization()
{
    PersonalizationLink* personalization = PersonalizationLink::installed();
    if (personalization && personalization->editedShelf() == this)
        personalization->updateSettings();
}

void VorendaShelf::onPersonalize(int panel, StyleElement element)
{
    if (PersonalizationLink* personalization = PersonalizationLink::installed())
        personalization->show(this, panel, element);
}

// ---- Bar and label toggles

void VorendaShelf::onShowTopBar()
{
    if (kiosk)
        return;
    hidetopbar = !hidetopbar;
    // Shown again, the bar needs something to show, or the consistency rule hides it again.
    if (!hidetopbar) {
        hidesearchbox = false;
        hidename = false;
    }
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowMenuBar()
{
    if (kiosk)
        return;
    hidemenubar = !hidemenubar;
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowBottomBar()
{
    if (kiosk)
        return;
    hidebottombar = !hidebottombar;
    if (!hidebottombar) {
        hidecabinetinfo = false;
        hidethumbsizeslider = false;
    }
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowCabinetName()
{
    hidename = !hidename;
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowNameWithHotkey()
{
    shownamewithhotkey = !shownamewithhotkey;
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowSearchBox()
{
    hidesearchbox = !hidesearchbox;
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowCabinetInfo()
{
    hidecabinetinfo = !hidecabinetinfo;
    refreshPersonalization();
    updateFrames();
}

void VorendaShelf::onShowThumbSizeSlider()
{
    hidethumbsizeslider = !hidethumbsizeslider;
    refreshPersonalization();
    updateFrames();
}

// ---- Category header toggles

void VorendaShelf::onShowCatFullPath()
{
    showcatfullpath = !showcatfullpath;
    updateCategoryActionTexts();
    refreshPersonalization();
    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (header)
            header->setShowPath(showcatfullpath);
    }
}

void VorendaShelf::onShowCatNumberOfItems()
{
    showcatnumberofitems = !showcatnumberofitems;
    updateCategoryActionTexts();
    refreshPersonalization();
    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (header)
            header->setShowItems(showcatnumberofitems);
    }
}

void VorendaShelf::onShowCatNumberOfMatches()
{
    showcatnumberofmatches = !showcatnumberofmatches;
    updateCategoryActionTexts();
    refreshPersonalization();
    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (header)
            header->setShowMatches(showcatnumberofmatches);
    }
}

// ---- Modes

void VorendaShelf::onToggleKioskMode()
{
    if (kiosk) {
        GetPasswordDialog dialog;
        if (dialog.exec(tr("Enter Kiosk Password"), VorendaGlobal::kioskPasswordHash) != 1)
            return;
    }
    kiosk = !kiosk;
    refreshPersonalization();

    updateCategoryActionTexts();
    applyKioskLocks();
    activateWindow();
    updateFrames();

    const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (!header)
            continue;
        header->canBeToggled(!kiosk);
        header->setEditable(!kiosk);
    }
    showStatusMessage(tr("Kiosk mode is now %1!").arg(onOff(kiosk)));
}

void VorendaShelf::onStayOnTop(bool on)
{
    if (kiosk) {
        // Ignored: a check mark the action just flipped goes back.
        if (stayOnTopAction && stayOnTopAction->isChecked() == on)
            showChecked(stayOnTopAction, !on);
        return;
    }
    frame->stayOnTop(on);
    showChecked(stayOnTopAction, on);
    activateWindow();
    refreshPersonalization();
    showStatusMessage(tr("Stay On Top mode is now %1!").arg(onOff(on)));
}

void VorendaShelf::onAutoHide(bool on)
{
    if (kiosk) {
        showChecked(autoHideAction, frame->isAutoHide());
        return;
    }
    frame->setAutoHide(on);
    showChecked(autoHideAction, on);
    refreshPersonalization();
    showStatusMessage(tr("Auto Hide mode is now %1!").arg(onOff(on)));
}

void VorendaShelf::onToggleFullScreen()
{
    if (kiosk)
        return;
    if (frame->isMaximized())
        frame->showNormal();
    else
        frame->showMaximized();
    refreshPersonalization();
    showStatusMessage(tr("Full Screen mode is now %1!").arg(onOff(frame->isMaximized())));
}

// ---- Docking

void VorendaShelf::dockTo(int option)
{
    if (kiosk || !DockOption::isValid(option))
        return;
    const DockOption docking = DockOption::of(option);
    mode = option;
    frame->setMode(docking.mode, docking.wholeEdge);
    refreshPersonalization();

    QString message;
    switch (docking.mode) {
    case DockableWidget::DockedTop:
        message = tr("The cabinet is now docked to the TOP edge!");
        break;
    case DockableWidget::DockedRight:
        message = tr("The cabinet is now docked to the RIGHT edge!");
        break;
    case DockableWidget::DockedBottom:
        message = tr("The cabinet is now docked to the BOTTOM edge!");
        break;
    case DockableWidget::DockedLeft:
        message = tr("The cabinet is now docked to the LEFT edge!");
        break;
    default:
        message = tr("The cabinet is now FLOATING!");
        break;
    }
    showStatusMessage(message);
}

void VorendaShelf::onUndockWindow()
{
    dockTo(0);
}

void VorendaShelf::onDockToTopScreenEdge()
{
    dockTo(1);
}

void VorendaShelf::onDockToRightScreenEdge()
{
    dockTo(2);
}

void VorendaShelf::onDockToBottomScreenEdge()
{
    dockTo(3);
}

void VorendaShelf::onDockToLeftScreenEdge()
{
    dockTo(4);
}

void VorendaShelf::onDockMaximizedToTopScreenEdge()
{
    dockTo(5);
}

void VorendaShelf::onDockMaximizedToRightScreenEdge()
{
    dockTo(6);
}

void VorendaShelf::onDockMaximizedToBottomScreenEdge()
{
    dockTo(7);
}

void VorendaShelf::onDockMaximizedToLeftScreenEdge()
{
    dockTo(8);
}

// ---- Auto hide and preferences

void VorendaShelf::onAutoHideRequest(bool* ok)
{
    if (ok)
        *ok = mayAutoHide();
}

// Everything that keeps the cabinet shown, in the order it is asked.
bool VorendaShelf::mayAutoHide() const
{
    if (menuOpen || dialogOpen || isActiveWindow() || kiosk)
        return false;
    const QScrollBar* scrollBar = view->verticalScrollBar();
    if (scrollBar && scrollBar->isSliderDown())
        return false;
    if (CabinetPanels::workOn(*this))
        return false;
    return true;
}

void VorendaShelf::onApplyPreferences()
{
    const QList<AbstractThumbnailItem*> items = view->getAllItems();
    for (AbstractThumbnailItem* item : items) {
        if (auto* thumbnail = qobject_cast<MyThumbnailItem*>(item)) {
            thumbnail->enableHoverAnimation(VorendaGlobal::animHover);
            thumbnail->enableClickAnimation(VorendaGlobal::animClick);
        }
    }
}
