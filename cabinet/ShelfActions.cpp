#include "ShelfActions.h"

#include "DockableWidget.h"
#include "MyThumbnailView.h"
#include "ShelfParts.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

// Where an action's keys come from.
struct Keys
{
    // Translatable key texts; the second is an alternative.
    const char* text = nullptr;
    const char* alternative = nullptr;
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    // Key codes, not translatable.
    int codes = 0;

    QList<QKeySequence> sequences() const
    {
        if (standard != QKeySequence::UnknownKey)
            return QKeySequence::keyBindings(standard);
        if (codes)
            return {QKeySequence(codes)};
        QList<QKeySequence> keys;
        for (const char* key : {text, alternative}) {
            if (key)
                keys.append(QKeySequence(VorendaShelf::tr(key)));
        }
        return keys;
    }
};

constexpr Keys key(const char* text, const char* alternative = nullptr)
{
    return Keys{text, alternative, QKeySequence::UnknownKey, 0};
}

constexpr Keys standardKey(QKeySequence::StandardKey standard)
{
    return Keys{nullptr, nullptr, standard, 0};
}

constexpr Keys keyCodes(int codes)
{
    return Keys{nullptr, nullptr, QKeySequence::UnknownKey, codes};
}

// A menu-only action: no key, not added to the window.
constexpr Keys noKey()
{
    return Keys{};
}

using Connect = void (*)(VorendaShelf& shelf, QAction* action);

template <void (VorendaShelf::*slot)()>
void triggers(VorendaShelf& shelf, QAction* action)
{
    QObject::connect(action, &QAction::triggered, &shelf, slot);
}

template <void (VorendaShelf::*slot)(bool)>
void toggles(VorendaShelf& shelf, QAction* action)
{
    QObject::connect(action, &QAction::toggled, &shelf, slot);
}

// Cut items travel on the clipboard with their pictures: their removal keeps them.
void cuts(VorendaShelf& shelf, QAction* action)
{
    QObject::connect(action, &QAction::triggered, &shelf, [&shelf] {
        const QScopedValueRollback<bool> during(ShelfParts::of(shelf).cutting, true);
        shelf.view->cut();
    });
}

void copies(VorendaShelf& shelf, QAction* action)
{
    QObject::connect(action, &QAction::triggered, shelf.view, &AbstractThumbnailView::copy);
}

// A checkable action's first check mark.
using Checked = bool (*)(const VorendaShelf& shelf);

template <int type>
bool filterIs(const VorendaShelf& shelf)
{
    return shelf.filtertype == type;
}

bool staysOnTop(const VorendaShelf& shelf)
{
    return shelf.frame->staysOnTop();
}

bool autoHides(const VorendaShelf& shelf)
{
    return shelf.frame->isAutoHide();
}

struct Row
{
    QAction* VorendaShelf::*action;
    const char* text;
    Keys keys;
    Connect connect;
    Checked checked = nullptr;
};

using S = VorendaShelf;

// The creation order is the window's: it decides which of two equal keys wins.
const Row rows[] = {
    {&S::stayOnTopAction, QT_TRANSLATE_NOOP("VorendaShelf", "Stay On Top"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+T")), toggles<&S::onStayOnTop>, staysOnTop},
    {&S::autoHideAction, QT_TRANSLATE_NOOP("VorendaShelf", "Auto Hide"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+D")), toggles<&S::onAutoHide>, autoHides},
    {&S::toggleNameAction, QT_TRANSLATE_NOOP("VorendaShelf", "Toggle Name"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+L")), triggers<&S::onShowItemLabel>},
    {&S::fullScreenAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Full Screen"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+F")), triggers<&S::onToggleFullScreen>},
    {&S::kioskModeAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show In Kiosk Mode"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+K")), triggers<&S::onToggleKioskMode>},
    {&S::dockTopAction, QT_TRANSLATE_NOOP("VorendaShelf", "Top"), key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Up")),
        triggers<&S::onDockToTopScreenEdge>},
    {&S::dockRightAction, QT_TRANSLATE_NOOP("VorendaShelf", "Right"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Right")), triggers<&S::onDockToRightScreenEdge>},
    {&S::dockBottomAction, QT_TRANSLATE_NOOP("VorendaShelf", "Bottom"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Down")), triggers<&S::onDockToBottomScreenEdge>},
    {&S::dockLeftAction, QT_TRANSLATE_NOOP("VorendaShelf", "Left"), key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Left")),
        triggers<&S::onDockToLeftScreenEdge>},
    {&S::dockTopMaximizedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Top (Maximized)"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Shift+Up")), triggers<&S::onDockMaximizedToTopScreenEdge>},
    {&S::dockRightMaximizedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Right (Maximized)"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Shift+Right")), triggers<&S::onDockMaximizedToRightScreenEdge>},
    {&S::dockBottomMaximizedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Bottom (Maximized)"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Shift+Down")), triggers<&S::onDockMaximizedToBottomScreenEdge>},
    {&S::dockLeftMaximizedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Left (Maximized)"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Shift+Left")), triggers<&S::onDockMaximizedToLeftScreenEdge>},
    {&S::undockAction, QT_TRANSLATE_NOOP("VorendaShelf", "None (Floating)"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Shift+Esc")), triggers<&S::onUndockWindow>},
    {&S::renameAction, QT_TRANSLATE_NOOP("VorendaShelf", "Rename"), key(QT_TRANSLATE_NOOP("VorendaShelf", "F2")),
        triggers<&S::onRenameItem>},
    {&S::propertiesAction, QT_TRANSLATE_NOOP("VorendaShelf", "Properties..."),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "F3")), triggers<&S::onSetItemProperties>},
    {&S::selectAllAction, QT_TRANSLATE_NOOP("VorendaShelf", "Select All Items"), standardKey(QKeySequence::SelectAll),
        triggers<&S::onSelectAll>},
    {&S::cutAction, QT_TRANSLATE_NOOP("VorendaShelf", "Cut"), standardKey(QKeySequence::Cut), cuts},
    {&S::copyAction, QT_TRANSLATE_NOOP("VorendaShelf", "Copy"), standardKey(QKeySequence::Copy), copies},
    {&S::pasteAction, QT_TRANSLATE_NOOP("VorendaShelf", "Paste"), standardKey(QKeySequence::Paste),
        triggers<&S::onPaste>},
    // The window manager keeps Alt+Tab for itself, so Control with Tab steps as well.
    {&S::nextShelfAction, QT_TRANSLATE_NOOP("VorendaShelf", "Switch between or cycle through cabinets clockwise"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+Tab"), QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Tab")),
        triggers<&S::onNextShelf>},
    {&S::previousShelfAction,
        QT_TRANSLATE_NOOP("VorendaShelf", "Switch between or cycle through cabinets counterclockwise"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+Shift+Tab"), QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+Shift+Tab")),
        triggers<&S::onPreviousShelf>},
    {&S::helpAction, QT_TRANSLATE_NOOP("VorendaShelf", "Quick Start Guide"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "F1")), triggers<&S::onHelp>},
    {&S::quickStartAction, QT_TRANSLATE_NOOP("VorendaShelf", "Quick Start..."),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Ctrl+F1")), triggers<&S::onQuickStart>},
    {&S::clearSearchAction, QT_TRANSLATE_NOOP("VorendaShelf", "Clear Search Box"),
        keyCodes(Qt::CTRL + Qt::Key_Backspace), triggers<&S::onClearSearch>},
    {&S::repeatLastSearchAction, QT_TRANSLATE_NOOP("VorendaShelf", "Repeat Last Search"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+1")), triggers<&S::onRepeatLastSearch>},
    {&S::recentlyOpenedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Recently Opened"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+2")), triggers<&S::onShowRecentlyOpened>},
    {&S::recentlyAddedAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Recently Added"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+3")), triggers<&S::onShowRecentlyAdded>},
    {&S::searchNamesOnlyAction, QT_TRANSLATE_NOOP("VorendaShelf", "Search Names Only"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+4")), triggers<&S::onSearchNamesOnly>, filterIs<0>},
    {&S::searchDescriptionsOnlyAction, QT_TRANSLATE_NOOP("VorendaShelf", "Search Descriptions Only"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+5")), triggers<&S::onSearchDescriptionsOnly>, filterIs<2>},
    {&S::searchTagsOnlyAction, QT_TRANSLATE_NOOP("VorendaShelf", "Search Tags Only"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+6")), triggers<&S::onSearchTagsOnly>, filterIs<1>},
    {&S::searchAllAction, QT_TRANSLATE_NOOP("VorendaShelf", "Search All"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+7")), triggers<&S::onSearchAll>, filterIs<3>},
    // Offered by its key beside the other reserved searches, though no menu lists it.
    {&S::mostPopularAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Most Popular"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+8")), triggers<&S::onShowMostPopular>},
    {&S::topBarAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Top Bar"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+T")), triggers<&S::onShowTopBar>},
    {&S::menuBarAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Menu Bar"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+M")), triggers<&S::onShowMenuBar>},
    {&S::bottomBarAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Bottom Bar"),
        key(QT_TRANSLATE_NOOP("VorendaShelf", "Alt+B")), triggers<&S::onShowBottomBar>},
    {&S::cabinetNameAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Cabinet Name"), noKey(),
        triggers<&S::onShowCabinetName>},
    {&S::nameWithHotkeyAction, QT_TRANSLATE_NOOP("VorendaShelf", "Add Hotkey To Cabinet Name"), noKey(),
        triggers<&S::onShowNameWithHotkey>},
    {&S::searchBoxAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Search Box"), noKey(), triggers<&S::onShowSearchBox>},
    {&S::cabinetInfoAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Cabinet Information"), noKey(),
        triggers<&S::onShowCabinetInfo>},
    {&S::thumbSizeSliderAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Thumbnail Size Slider"), noKey(),
        triggers<&S::onShowThumbSizeSlider>},
    {&S::catFullPathAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Category Full Path"), noKey(),
        triggers<&S::onShowCatFullPath>},
    {&S::catNumberOfItemsAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Number Of Items In Category"), noKey(),
        triggers<&S::onShowCatNumberOfItems>},
    {&S::catNumberOfMatchesAction, QT_TRANSLATE_NOOP("VorendaShelf", "Show Number Of Matches In Category"), noKey(),
        triggers<&S::onShowCatNumberOfMatches>},
    {&S::sendFeedbackAction, QT_TRANSLATE_NOOP("VorendaShelf", "Send Feedback..."), noKey(),
        triggers<&S::onSendFeedback>},
    {&S::homePageAction, QT_TRANSLATE_NOOP("VorendaShelf", "Vorenda Home Page"), noKey(), triggers<&S::onHomePage>},
};

} // namespace

void ShelfActions::create(VorendaShelf& shelf)
{
    for (const Row& row : rows) {
        auto* action = new QAction(VorendaShelf::tr(row.text), &shelf);
        const QList<QKeySequence> keys = row.keys.sequences();
        if (!keys.isEmpty()) {
            // The key works anywhere in the window, with no menu open.
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            action->setCheckable(false);
            shelf.addAction(action);
        }
        if (row.checked) {
            action->setCheckable(true);
            action->setChecked(row.checked(shelf));
        }
        shelf.*row.action = action;
        row.connect(shelf, action);
    }
}

void ShelfActions::showChecked(QAction* action, bool on)
{
    if (!action)
        return;
    const QSignalBlocker blocker(action);
    action->setChecked(on);
}
