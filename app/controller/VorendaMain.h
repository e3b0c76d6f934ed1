#pragma once

#include "HttpRequest.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QVariant>

class DynamicAction;
class QAction;
class QMenu;
class QMenuBar;
class QXmlStreamReader;
class VersionChecker;
class VorendaShelf;

// The one controller of the program: the status icon and its menu, the global
// hotkeys, the cabinets and their wiring, the main data file "Vorenda.dat", the
// update check and the quit and end-of-session sequences. The panels reach it
// through VorendaGlobal::main.
class VorendaMain : public QObject
{
    Q_OBJECT

public:
    explicit VorendaMain(QObject* parent = nullptr);
    ~VorendaMain() override;

    DynamicAction* addMenuAction(QMenu* menu, const QString& text, QVariant data, QObject* receiver,
                                 const char* member, int delay);
    bool hasAnyKiosk() const;
    // Re-texts the hotkey entries after the hotkeys changed.
    void updateActions();
    // Makes these the three global hotkeys: the old ones are released, the new ones
    // bound to their targets and the menu entries re-texted.
    void setHotkeys(const QKeySequence& showAll, const QKeySequence& hideAll, const QKeySequence& quickSearch);

    // The main data file (VorendaMainData.cpp).
    bool load(const QString& path);
    bool save(const QString& path);
    void readPreferencesElement(QXmlStreamReader& xml);
    void readShelvesElement(QXmlStreamReader& xml);
    void readShelfElement(QXmlStreamReader& xml);
    // "Vorenda.dat" in the store folder.
    static QString dataFilePath();
    // The most cabinets the program opens (tests lower it).
    inline static int maxShelves = 1000;

    QAction* quickStartAction = nullptr;
    QAction* quickStartGuideAction = nullptr;
    QAction* sendFeedbackAction = nullptr;
    QAction* homePageAction = nullptr;
    QAction* showAllAction = nullptr;
    QAction* hideAllAction = nullptr;
    QAction* quickSearchAction = nullptr;
    DynamicAction* preferencesAction = nullptr;
    DynamicAction* aboutAction = nullptr;
    DynamicAction* checkUpdatesAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* emptyAction = nullptr;
    QAction* separator1 = nullptr;
    QAction* separator2 = nullptr;
    QAction* separator3 = nullptr;
    QMenu* showShelfMenu = nullptr;
    QMenu* newShelfMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* trayMenu = nullptr;
    QMenuBar* menuBar = nullptr;
    QSystemTrayIcon* trayIcon = nullptr;
    VersionChecker* versionChecker = nullptr;
    VorendaShelf* firstShelf = nullptr;
    QSettings settings;

    QKeySequence showAllKey;
    QKeySequence hideAllKey;
    QKeySequence quickSearchKey;
    bool runAtStartup = true;
    bool autoUpdates = true;
    bool showKiosk = true;
    int defaultStyleKey = -1;

signals:
    void showAll();
    void hideAll();
    void aboutToQuit();
    void aboutToEndSession();
    void shelvesChanged();

public slots:
    void quit();
    void save();
    void endSession();
    void onQuit();
    void onCheckUpdates();
    void onPreferences();
    void onAbout();
    void onQuickStart();
    void onHelp();
    void onSendFeedback();
    void onHomePage();
    void onAboutToShowTrayIconMenu();
    void onTrayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void onTrayIconMessageClicked();
    void onCreateNewShelf();
    void onCreateNewShelf(QVariant data, bool checked);
    VorendaShelf* onCreateNewShelf(const QString& id, uint date, int styleKey);
    void onShelfShown(VorendaShelf* shelf);
    void onShelfDeleted(VorendaShelf* shelf);
    void onNewVersionAvailable(bool newVer, int majorVer, int minorVer, bool optional, const QString& whatsNew,
                               const QString& releaseDate, const QString& downloadUrl, const QString& historyUrl,
                               const QString& infoUrl, const QString& vercheckUrl);

private slots:
    // A check the user asked for ended without an answer.
    void onCheckFailed(HttpRequest::Error error);

private:
    void createActions();
    void createTrayMenu();
    void createMenuBar();
    void chooseDefaultStyle();
    void createTrayIcon();
    void startUpdateCheck(bool silent);
    void bindHotkeys();
    void unbindHotkeys();
    void forgetShelf(VorendaShelf* shelf);
    bool keepDamagedFile(const QString& path);
    // Marks the main data file damaged for `reason`, opens the cabinets of the data
    // folder and returns false.
    bool refuseDamagedFile(const QString& path, const QString& reason);
    // Opens the cabinets whose files lie in the data folder but are not listed, in
    // the order of their names; returns how many.
    int addUnlistedShelves();
    // Whether a cabinet of this id is open already.
    static bool isListed(const QString& id);
    void wireShelf(VorendaShelf* shelf);
    QKeySequence freeShowHotkey() const;
    QString freeShelfName() const;

    // Each cabinet's "Show Cabinet" entry, removed with the cabinet.
    QHash<VorendaShelf*, QPointer<QAction>> shelfEntries;
    // The main data file that did not read cleanly; kept aside before it is overwritten.
    QString damagedPath;
    // Why the last save(path) failed.
    QString saveError;
    // The file being read lists more cabinets than the program opens.
    bool shelfListCut = false;
    // Set when the end of the session stopped reading the cabinet list half-way: the
    // main data file is then left as it is.
    bool listCutShort = false;
    bool quitDone = false;
};
