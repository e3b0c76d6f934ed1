#include "VorendaShelf.h"

#include "DockableWidget.h"

#include <QAction>

QAction* VorendaShelf::addShortcutAction(const QString& text, const QList<QKeySequence>& keys, bool addToWindow)
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(false);
    if (addToWindow)
        addAction(action);
    return action;
}

QAction* VorendaShelf::addMenuOnlyAction(const QString& text)
{
    return new QAction(text, this);
}

// Keys given as text are translatable, so that a translation may move a key.
void VorendaShelf::createActions()
{
    const auto key = [](const QString& text) { return QList<QKeySequence>{QKeySequence(text)}; };

    stayOnTopAction = addShortcutAction(tr("Stay On Top"), key(tr("Ctrl+T")));
    stayOnTopAction->setCheckable(true);
    stayOnTopAction->setChecked(frame->staysOnTop());
    connect(stayOnTopAction, &QAction::toggled, this, &VorendaShelf::onStayOnTop);
    autoHideAction = addShortcutAction(tr("Auto Hide"), key(tr("Ctrl+D")));
    autoHideAction->setCheckable(true);
    autoHideAction->setChecked(frame->isAutoHide());
    connect(autoHideAction, &QAction::toggled, this, &VorendaShelf::onAutoHide);

    const auto add = [this](QAction*& action, const QString& text, const QList<QKeySequence>& keys,
                         void (VorendaShelf::*slot)()) {
        action = addShortcutAction(text, keys);
        connect(action, &QAction::triggered, this, slot);
    };
    add(toggleNameAction, tr("Toggle Name"), key(tr("Ctrl+L")), &VorendaShelf::onShowItemLabel);
    add(fullScreenAction, tr("Show Full Screen"), key(tr("Ctrl+F")), &VorendaShelf::onToggleFullScreen);
    add(kioskModeAction, tr("Show In Kiosk Mode"), key(tr("Ctrl+K")), &VorendaShelf::onToggleKioskMode);
    add(dockTopAction, tr("Top"), key(tr("Ctrl+Up")), &VorendaShelf::onDockToTopScreenEdge);
    add(dockRightAction, tr("Right"), key(tr("Ctrl+Right")), &VorendaShelf::onDockToRightScreenEdge);
    add(dockBottomAction, tr("Bottom"), key(tr("Ctrl+Down")), &VorendaShelf::onDockToBottomScreenEdge);
    add(dockLeftAction, tr("Left"), key(tr("Ctrl+Left")), &VorendaShelf::onDockToLeftScreenEdge);
    add(dockTopMaximizedAction, tr("Top (Maximized)"), key(tr("Ctrl+Shift+Up")),
        &VorendaShelf::onDockMaximizedToTopScreenEdge);
    add(dockRightMaximizedAction, tr("Right (Maximized)"), key(tr("Ctrl+Shift+Right")),
        &VorendaShelf::onDockMaximizedToRightScreenEdge);
    add(dockBottomMaximizedAction, tr("Bottom (Maximized)"), key(tr("Ctrl+Shift+Down")),
        &VorendaShelf::onDockMaximizedToBottomScreenEdge);
    add(dockLeftMaximizedAction, tr("Left (Maximized)"), key(tr("Ctrl+Shift+Left")),
        &VorendaShelf::onDockMaximizedToLeftScreenEdge);
    add(undockAction, tr("None (Floating)"), key(tr("Shift+Esc")), &VorendaShelf::onUndockWindow);
    add(renameAction, tr("Rename"), key(tr("F2")), &VorendaShelf::onRenameItem);
    add(propertiesAction, tr("Properties..."), key(tr("F3")), &VorendaShelf::onSetItemProperties);
    add(selectAllAction, tr("Select All Items"), QKeySequence::keyBindings(QKeySequence::SelectAll),
        &VorendaShelf::onSelectAll);

    cutAction = addShortcutAction(tr("Cut"), QKeySequence::keyBindings(QKeySequence::Cut));
    connect(cutAction, &QAction::triggered, this, &VorendaShelf::cutSelection);
    copyAction = addShortcutAction(tr("Copy"), QKeySequence::keyBindings(QKeySequence::Copy));
    connect(copyAction, &QAction::triggered, view, &AbstractThumbnailView::copy);
    add(pasteAction, tr("Paste"), QKeySequence::keyBindings(QKeySequence::Paste), &VorendaShelf::onPaste);

    // The window manager keeps Alt+Tab for itself, so Control with Tab steps as well.
    add(nextShelfAction, tr("Switch between or cycle through cabinets clockwise"),
        {QKeySequence(tr("Alt+Tab")), QKeySequence(tr("Ctrl+Tab"))}, &VorendaShelf::onNextShelf);
    add(previousShelfAction, tr("Switch between or cycle through cabinets counterclockwise"),
        {QKeySequence(tr("Alt+Shift+Tab")), QKeySequence(tr("Ctrl+Shift+Tab"))}, &VorendaShelf::onPreviousShelf);
    add(helpAction, tr("Quick Start Guide"), key(tr("F1")), &VorendaShelf::onHelp);
    add(quickStartAction, tr("Quick Start..."), key(tr("Ctrl+F1")), &VorendaShelf::onQuickStart);
    add(clearSearchAction, tr("Clear Search Box"), {QKeySequence(Qt::CTRL + Qt::Key_Backspace)},
        &VorendaShelf::onClearSearch);
    add(repeatLastSearchAction, tr("Repeat Last Search"), key(tr("Alt+1")), &VorendaShelf::onRepeatLastSearch);
    add(recentlyOpenedAction, tr("Show Recently Opened"), key(tr("Alt+2")), &VorendaShelf::onShowRecentlyOpened);
    add(recentlyAddedAction, tr("Show Recently Added"), key(tr("Alt+3")), &VorendaShelf::onShowRecentlyAdded);

    const auto addSearchType = [&](QAction*& action, const QString& text, const QString& keyText, int type,
                                   void (VorendaShelf::*slot)()) {
        add(action, text, key(keyText), slot);
        action->setCheckable(true);
        action->setChecked(filtertype == type);
    };
    addSearchType(searchNamesOnlyAction, tr("Search Names Only"), tr("Alt+4"), 0, &VorendaShelf::onSearchNamesOnly);
    addSearchType(searchDescriptionsOnlyAction, tr("Search Descriptions Only"), tr("Alt+5"), 2,
                  &VorendaShelf::onSearchDescriptionsOnly);
    addSearchType(searchTagsOnlyAction, tr("Search Tags Only"), tr("Alt+6"), 1, &VorendaShelf::onSearchTagsOnly);
    addSearchType(searchAllAction, tr("Search All"), tr("Alt+7"), 3, &VorendaShelf::onSearchAll);
    // Offered by its key beside the other reserved searches, though no menu lists it.
    add(mostPopularAction, tr("Show Most Popular"), key(tr("Alt+8")), &VorendaShelf::onShowMostPopular);

    add(topBarAction, tr("Show Top Bar"), key(tr("Alt+T")), &VorendaShelf::onShowTopBar);
    add(menuBarAction, tr("Show Menu Bar"), key(tr("Alt+M")), &VorendaShelf::onShowMenuBar);
    add(bottomBarAction, tr("Show Bottom Bar"), key(tr("Alt+B")), &VorendaShelf::onShowBottomBar);

    const auto addPlain = [this](QAction*& action, const QString& text, void (VorendaShelf::*slot)()) {
        action = addMenuOnlyAction(text);
        connect(action, &QAction::triggered, this, slot);
    };
    addPlain(cabinetNameAction, tr("Show Cabinet Name"), &VorendaShelf::onShowCabinetName);
    addPlain(nameWithHotkeyAction, tr("Add Hotkey To Cabinet Name"), &VorendaShelf::onShowNameWithHotkey);
    addPlain(searchBoxAction, tr("Show Search Box"), &VorendaShelf::onShowSearchBox);
    addPlain(cabinetInfoAction, tr("Show Cabinet Information"), &VorendaShelf::onShowCabinetInfo);
    addPlain(thumbSizeSliderAction, tr("Show Thumbnail Size Slider"), &VorendaShelf::onShowThumbSizeSlider);
    addPlain(catFullPathAction, tr("Show Category Full Path"), &VorendaShelf::onShowCatFullPath);
    addPlain(catNumberOfItemsAction, tr("Show Number Of Items In Category"), &VorendaShelf::onShowCatNumberOfItems);
    addPlain(catNumberOfMatchesAction, tr("Show Number Of Matches In Category"),
             &VorendaShelf::onShowCatNumberOfMatches);
    addPlain(sendFeedbackAction, tr("Send Feedback..."), &VorendaShelf::onSendFeedback);
    addPlain(homePageAction, tr("Vorenda Home Page"), &VorendaShelf::onHomePage);
}
