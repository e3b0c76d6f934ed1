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

#define TEXT(text) QT_TRANSLATE_NOOP("VorendaShelf", text)

using S = VorendaShelf;

// The creation order is the window's: it decides which of two equal keys wins.
const Row rows[] = {
    {&S::stayOnTopAction, TEXT("Stay On Top"), key(TEXT("Ctrl+T")), toggles<&S::onStayOnTop>, staysOnTop},
    {&S::autoHideAction, TEXT("Auto Hide"), key(TEXT("Ctrl+D")), toggles<&S::onAutoHide>, autoHides},
    {&S::toggleNameAction, TEXT("Toggle Name"), key(TEXT("Ctrl+L")), triggers<&S::onShowItemLabel>},
    {&S::fullScreenAction, TEXT("Show Full Screen"), key(TEXT("Ctrl+F")), triggers<&S::onToggleFullScreen>},
    {&S::kioskModeAction, TEXT("Show In Kiosk Mode"), key(TEXT("Ctrl+K")), triggers<&S::onToggleKioskMode>},
    {&S::dockTopAction, TEXT("Top"), key(TEXT("Ctrl+Up")), triggers<&S::onDockToTopScreenEdge>},
    {&S::dockRightAction, TEXT("Right"), key(TEXT("Ctrl+Right")), triggers<&S::onDockToRightScreenEdge>},
    {&S::dockBottomAction, TEXT("Bottom"), key(TEXT("Ctrl+Down")), triggers<&S::onDockToBottomScreenEdge>},
    {&S::dockLeftAction, TEXT("Left"), key(TEXT("Ctrl+Left")), triggers<&S::onDockToLeftScreenEdge>},
    {&S::dockTopMaximizedAction, TEXT("Top (Maximized)"), key(TEXT("Ctrl+Shift+Up")),
     triggers<&S::onDockMaximizedToTopScreenEdge>},
    {&S::dockRightMaximizedAction, TEXT("Right (Maximized)"), key(TEXT("Ctrl+Shift+Right")),
     triggers<&S::onDockMaximizedToRightScreenEdge>},
    {&S::dockBottomMaximizedAction, TEXT("Bottom (Maximized)"), key(TEXT("Ctrl+Shift+Down")),
     triggers<&S::onDockMaximizedToBottomScreenEdge>},
    {&S::dockLeftMaximizedAction, TEXT("Left (Maximized)"), key(TEXT("Ctrl+Shift+Left")),
     triggers<&S::onDockMaximizedToLeftScreenEdge>},
    {&S::undockAction, TEXT("None (Floating)"), key(TEXT("Shift+Esc")), triggers<&S::onUndockWindow>},
    {&S::renameAction, TEXT("Rename"), key(TEXT("F2")), triggers<&S::onRenameItem>},
    {&S::propertiesAction, TEXT("Properties..."), key(TEXT("F3")), triggers<&S::onSetItemProperties>},
    {&S::selectAllAction, TEXT("Select All Items"), standardKey(QKeySequence::SelectAll), triggers<&S::onSelectAll>},
    {&S::cutAction, TEXT("Cut"), standardKey(QKeySequence::Cut), cuts},
    {&S::copyAction, TEXT("Copy"), standardKey(QKeySequence::Copy), copies},
    {&S::pasteAction, TEXT("Paste"), standardKey(QKeySequence::Paste), triggers<&S::onPaste>},
    // The window manager keeps Alt+Tab for itself, so Control with Tab steps as well.
    {&S::nextShelfAction, TEXT("Switch between or cycle through cabinets clockwise"),
     key(TEXT("Alt+Tab"), TEXT("Ctrl+Tab")), triggers<&S::onNextShelf>},
    {&S::previousShelfAction, TEXT("Switch between or cycle through cabinets counterclockwise"),
     key(TEXT("Alt+Shift+Tab"), TEXT("Ctrl+Shift+Tab")), triggers<&S::onPreviousShelf>},
    {&S::helpAction, TEXT("Quick Start Guide"), key(TEXT("F1")), triggers<&S::onHelp>},
    {&S::quickStartAction, TEXT("Quick Start..."), key(TEXT("Ctrl+F1")), triggers<&S::onQuickStart>},
    {&S::clearSearchAction, TEXT("Clear Search Box"), keyCodes(Qt::CTRL + Qt::Key_Backspace),
     triggers<&S::onClearSearch>},
    {&S::repeatLastSearchAction, TEXT("Repeat Last Search"), key(TEXT("Alt+1")), triggers<&S::onRepeatLastSearch>},
    {&S::recentlyOpenedAction, TEXT("Show Recently Opened"), key(TEXT("Alt+2")), triggers<&S::onShowRecentlyOpened>},
    {&S::recentlyAddedAction, TEXT("Show Recently Added"), key(TEXT("Alt+3")), triggers<&S::onShowRecentlyAdded>},
    {&S::searchNamesOnlyAction, TEXT("Search Names Only"), key(TEXT("Alt+4")), triggers<&S::onSearchNamesOnly>,
     filterIs<0>},
    {&S::searchDescriptionsOnlyAction, TEXT("Search Descriptions Only"), key(TEXT("Alt+5")),
     triggers<&S::onSearchDescriptionsOnly>, filterIs<2>},
    {&S::searchTagsOnlyAction, TEXT("Search Tags Only"), key(TEXT("Alt+6")), triggers<&S::onSearchTagsOnly>,
     filterIs<1>},
    {&S::searchAllAction, TEXT("Search All"), key(TEXT("Alt+7")), triggers<&S::onSearchAll>, filterIs<3>},
    // Offered by its key beside the other reserved searches, though no menu lists it.
    {&S::mostPopularAction, TEXT("Show Most Popular"), key(TEXT("Alt+8")), triggers<&S::onShowMostPopular>},
    {&S::topBarAction, TEXT("Show Top Bar"), key(TEXT("Alt+T")), triggers<&S::onShowTopBar>},
    {&S::menuBarAction, TEXT("Show Menu Bar"), key(TEXT("Alt+M")), triggers<&S::onShowMenuBar>},
    {&S::bottomBarAction, TEXT("Show Bottom Bar"), key(TEXT("Alt+B")), triggers<&S::onShowBottomBar>},
    {&S::cabinetNameAction, TEXT("Show Cabinet Name"), noKey(), triggers<&S::onShowCabinetName>},
    {&S::nameWithHotkeyAction, TEXT("Add Hotkey To Cabinet Name"), noKey(), triggers<&S::onShowNameWithHotkey>},
    {&S::searchBoxAction, TEXT("Show Search Box"), noKey(), triggers<&S::onShowSearchBox>},
    {&S::cabinetInfoAction, TEXT("Show Cabinet Information"), noKey(), triggers<&S::onShowCabinetInfo>},
    {&S::thumbSizeSliderAction, TEXT("Show Thumbnail Size Slider"), noKey(), triggers<&S::onShowThumbSizeSlider>},
    {&S::catFullPathAction, TEXT("Show Category Full Path"), noKey(), triggers<&S::onShowCatFullPath>},
    {&S::catNumberOfItemsAction, TEXT("Show Number Of Items In Category"), noKey(),
     triggers<&S::onShowCatNumberOfItems>},
    {&S::catNumberOfMatchesAction, TEXT("Show Number Of Matches In Category"), noKey(),
     triggers<&S::onShowCatNumberOfMatches>},
    {&S::sendFeedbackAction, TEXT("Send Feedback..."), noKey(), triggers<&S::onSendFeedback>},
    {&S::homePageAction, TEXT("Vorenda Home Page"), noKey(), triggers<&S::onHomePage>},
};

#undef TEXT

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
