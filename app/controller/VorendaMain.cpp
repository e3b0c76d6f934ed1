#include "VorendaMain.h"

#include "AddProgressWidget.h"
#include "DynamicAction.h"
#include "FailedSaves.h"
#include "GetPasswordDialog.h"
#include "HelpWidget.h"
#include "HotkeyManager.h"
#include "MyQApplication.h"
#include "PersonalizationWidget.h"
#include "PreferencesWidget.h"
#include "QuickSearchWidget.h"
#include "QuickStartDialog.h"
#include "TerminationSignals.h"
#include "UnsavedFilesQuestion.h"
#include "VersionChecker.h"
#include "VorendaMainLink.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>

VorendaMain::VorendaMain(QObject* parent)
    : QObject(parent)
{
    settings.beginGroup(QStringLiteral("Main"));
    VorendaGlobal::main = this;
    VorendaMainLink::ensureInstalled();
    runAtStartup = true;
    autoUpdates = true;
    showKiosk = true;

    VorendaGlobal::addToLog(QString());
    VorendaGlobal::addToLog(QStringLiteral("--- NEW SESSION STARTED ---\n"));

    connect(qApp, &QCoreApplication::aboutToQuit, this, &VorendaMain::quit);
    if (auto* application = qobject_cast<MyQApplication*>(qApp))
        connect(application, &MyQApplication::aboutToEndSession, this, &VorendaMain::endSession);
    connect(this, &VorendaMain::shelvesChanged, QuickStartDialog::instance(), &QuickStartDialog::onShelvesChanged);
    PersonalizationWidget::installCabinetLink();
    QuickStartDialog::installCabinetLink();

    showAllKey = QKeySequence::fromString(tr("Ctrl+F10"), QKeySequence::PortableText);
    hideAllKey = QKeySequence::fromString(tr("Ctrl+F11"), QKeySequence::PortableText);
    quickSearchKey = QKeySequence::fromString(tr("Meta+Space"), QKeySequence::PortableText);
    bindHotkeys();

    createActions();
    createTrayMenu();
    createMenuBar();

    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/Resources/Images/mac/Vorenda%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    chooseDefaultStyle();
    load(dataFilePath());
    if (VorendaGlobal::shelves.isEmpty())
        emptyAction->setVisible(true);

    createTrayIcon();
    VorendaGlobal::setRunAtStartup(runAtStartup);

    versionChecker = new VersionChecker(this);
    connect(versionChecker, &VersionChecker::newVersion, this, &VorendaMain::onNewVersionAvailable);
    connect(versionChecker, &VersionChecker::checkFailed, this, &VorendaMain::onCheckFailed);
    if (autoUpdates)
        startUpdateCheck(true);

    // A session ending while the files were read wants no new cabinet.
    if (VorendaGlobal::shelves.isEmpty() && !TerminationSignals::requested()
        && !settings.value(QStringLiteral("WelcomeShown"), false).toBool())
        QTimer::singleShot(0, this, qOverload<>(&VorendaMain::onCreateNewShelf));

    if (showKiosk) {
        for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
            if (shelf->kiosk)
                shelf->show();
    }
}

VorendaMain::~VorendaMain()
{
    VorendaGlobal::main = nullptr;
    delete PersonalizationWidget::instance();
    delete AddProgressWidget::instance();
    delete QuickSearchWidget::instance();
    delete PreferencesWidget::instance();
    delete HelpWidget::instance();
    delete QuickStartDialog::instance();
    delete trayMenu;
    trayMenu = nullptr;
    delete menuBar;
    menuBar = nullptr;
    delete versionChecker;
    versionChecker = nullptr;
}

DynamicAction* VorendaMain::addMenuAction(QMenu* menu, const QString& text, QVariant data, QObject* receiver,
                                          const char* member, int delay)
{
    DynamicAction* action = DynamicAction::create(this, text, data, delay);
    QObject::connect(action, SIGNAL(triggered(QVariant, bool)), receiver, member);
    menu->addAction(action);
    return action;
}

bool VorendaMain::hasAnyKiosk() const
{
    for (const VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
        if (shelf->kiosk)
            return true;
    return false;
}

void VorendaMain::updateActions()
{
    auto keyName = [](const QKeySequence& key) {
        return VorendaGlobal::getKeyName(key.toString(QKeySequence::NativeText));
    };
    quickSearchAction->setText(tr("Quick Search\t%1").arg(keyName(quickSearchKey)));
    showAllAction->setText(tr("Show All\t%1").arg(keyName(showAllKey)));
    hideAllAction->setText(tr("Hide All\t%1").arg(keyName(hideAllKey)));
}

void VorendaMain::setHotkeys(const QKeySequence& showAll, const QKeySequence& hideAll,
                             const QKeySequence& quickSearch)
{
    unbindHotkeys();
    showAllKey = showAll;
    hideAllKey = hideAll;
    quickSearchKey = quickSearch;
    bindHotkeys();
    updateActions();
}

void VorendaMain::bindHotkeys()
{
    HotkeyManager::connect(showAllKey, this, SIGNAL(showAll()));
    HotkeyManager::connect(hideAllKey, this, SIGNAL(hideAll()));
    HotkeyManager::connect(quickSearchKey, QuickSearchWidget::instance(), SLOT(show()));
}

void VorendaMain::unbindHotkeys()
{
    HotkeyManager::disconnect(showAllKey, this, SIGNAL(showAll()));
    HotkeyManager::disconnect(hideAllKey, this, SIGNAL(hideAll()));
    HotkeyManager::disconnect(quickSearchKey, QuickSearchWidget::instance(), SLOT(show()));
}

void VorendaMain::createActions()
{
    QuickSearchWidget* quickSearch = QuickSearchWidget::instance();
    quickSearchAction = new QAction(this);
    connect(quickSearchAction, &QAction::triggered, quickSearch, &QuickSearchWidget::show);
    connect(this, &VorendaMain::aboutToQuit, quickSearch, &QuickSearchWidget::quit);

    quickStartAction = new QAction(tr("Quick Start..."), this);
    connect(quickStartAction, &QAction::triggered, this, &VorendaMain::onQuickStart);
    quickStartGuideAction = new QAction(tr("Quick Start Guide"), this);
    connect(quickStartGuideAction, &QAction::triggered, this, &VorendaMain::onHelp);
    sendFeedbackAction = new QAction(tr("Send Feedback..."), this);
    connect(sendFeedbackAction, &QAction::triggered, this, &VorendaMain::onSendFeedback);
    homePageAction = new QAction(tr("Vorenda Home Page"), this);
    connect(homePageAction, &QAction::triggered, this, &VorendaMain::onHomePage);
    showAllAction = new QAction(this);
    connect(showAllAction, &QAction::triggered, this, &VorendaMain::showAll);
    hideAllAction = new QAction(this);
    connect(hideAllAction, &QAction::triggered, this, &VorendaMain::hideAll);
    const QKeySequence quitKey = QKeySequence::fromString(tr("Ctrl+Q"), QKeySequence::PortableText);
    quitAction = new QAction(tr("Quit\t%1").arg(quitKey.toString(QKeySequence::NativeText)), this);
    connect(quitAction, &QAction::triggered, this, &VorendaMain::onQuit);
    emptyAction = new QAction(tr("<Empty>"), this);
    emptyAction->setEnabled(false);
    updateActions();
}

void VorendaMain::createTrayMenu()
{
    trayMenu = new QMenu();
    trayMenu->addAction(quickSearchAction);
    trayMenu->addAction(showAllAction);
    trayMenu->addAction(hideAllAction);
    separator1 = trayMenu->addSeparator();
    showShelfMenu = trayMenu->addMenu(tr("Show Cabinet"));
    showShelfMenu->addAction(emptyAction);
    newShelfMenu = trayMenu->addMenu(tr("New Cabinet"));
    separator2 = trayMenu->addSeparator();
    preferencesAction = addMenuAction(trayMenu, tr("Preferences..."), QVariant(), this, SLOT(onPreferences()), 0);
    checkUpdatesAction =
        addMenuAction(trayMenu, tr("Check for Updates..."), QVariant(), this, SLOT(onCheckUpdates()), 0);
    aboutAction = addMenuAction(trayMenu, tr("About Vorenda..."), QVariant(), this, SLOT(onAbout()), 0);
    // The cabinets' help menus find these two by name.
    checkUpdatesAction->setObjectName(QStringLiteral("checkUpdatesAction"));
    aboutAction->setObjectName(QStringLiteral("aboutAction"));
    separator3 = trayMenu->addSeparator();
    helpMenu = trayMenu->addMenu(tr("Help && Support"));
    helpMenu->addAction(quickStartAction);
    helpMenu->addAction(quickStartGuideAction);
    helpMenu->addAction(sendFeedbackAction);
    helpMenu->addAction(homePageAction);
    trayMenu->addAction(quitAction);
    connect(trayMenu, &QMenu::aboutToShow, this, &VorendaMain::onAboutToShowTrayIconMenu);
}

void VorendaMain::createMenuBar()
{
    // A desktop menu bar of the program's own; Linux desktops have none to show it in,
    // so it stays hidden and everything is in the status menu too.
    menuBar = new QMenuBar();
    QMenu* tools = menuBar->addMenu(QStringLiteral("Tools"));
    tools->addAction(quickSearchAction);
    tools->addAction(showAllAction);
    tools->addAction(hideAllAction);
    tools->addSeparator();
    tools->addMenu(showShelfMenu);
    tools->addMenu(newShelfMenu);
    tools->addSeparator();
    tools->addAction(checkUpdatesAction);
    QMenu* help = menuBar->addMenu(QStringLiteral("Help"));
    help->addAction(aboutAction);
    help->addAction(preferencesAction);
    help->addAction(quickStartGuideAction);
    help->addAction(homePageAction);
    help->addSeparator();
    help->addAction(sendFeedbackAction);
}

void VorendaMain::chooseDefaultStyle()
{
    defaultStyleKey = -1;
    firstShelf = nullptr;
    const QString wanted = ShelfStyle::translatedName(QStringLiteral("Wood #2"));
    for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it)
        if (it->name == wanted)
            defaultStyleKey = it.key();
}

void VorendaMain::createTrayIcon()
{
    trayIcon = new QSystemTrayIcon(this);
    connect(trayIcon, &QSystemTrayIcon::messageClicked, this, &VorendaMain::onTrayIconMessageClicked);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &VorendaMain::onTrayIconActivated);
    trayIcon->setIcon(QIcon(QStringLiteral(":/Resources/Images/mac/VorendaMenubar.png")));
    trayIcon->setToolTip(tr(" Vorenda "));
    trayIcon->setContextMenu(trayMenu);
    // Without a status area the hotkeys and the cabinets still work.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        VorendaGlobal::addToLog(QStringLiteral("VorendaMain: No system tray; the status icon is not shown"));
    trayIcon->setVisible(true);
}

void VorendaMain::onAboutToShowTrayIconMenu()
{
    const bool kiosk = hasAnyKiosk();
    const QList<QAction*> old = newShelfMenu->actions();
    newShelfMenu->clear();
    qDeleteAll(old);
    for (auto it = VorendaGlobal::shelfStyles.cbegin(); it != VorendaGlobal::shelfStyles.cend(); ++it)
        addMenuAction(newShelfMenu, tr("%1 Style").arg(it->name), it.key(), this,
                      SLOT(onCreateNewShelf(QVariant, bool)), -1);

    for (QAction* action : {separator1, separator2, quickSearchAction, showAllAction, hideAllAction,
                            showShelfMenu->menuAction(), newShelfMenu->menuAction(),
                            static_cast<QAction*>(preferencesAction), static_cast<QAction*>(checkUpdatesAction),
                            helpMenu->menuAction()})
        action->setVisible(!kiosk);
}

void VorendaMain::onTrayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    Q_UNUSED(reason)
}

void VorendaMain::onTrayIconMessageClicked()
{
}

void VorendaMain::onQuickStart()
{
    if (!QuickStartDialog::visible())
        QuickStartDialog::instance()->show(nullptr);
}

void VorendaMain::onHelp()
{
    HelpWidget::instance()->show();
}

void VorendaMain::onSendFeedback()
{
    QDesktopServices::openUrl(QUrl(tr("mailto:support@vorenda.org?Subject=Customer Feedback&Message=' '")));
}

void VorendaMain::onHomePage()
{
    QDesktopServices::openUrl(QUrl(VorendaGlobal::homepageUrl));
}

void VorendaMain::onPreferences()
{
    PreferencesWidget::instance()->show(this, 0);
}

void VorendaMain::onQuit()
{
    if (hasAnyKiosk()) {
        GetPasswordDialog dialog(nullptr);
        if (dialog.exec(tr("Enter Kiosk Password"), VorendaGlobal::kioskPasswordHash) != 1)
            return;
    }
    UnsavedFilesQuestion::saveBeforeQuit([this] {
        save();
        for (VorendaShelf* shelf : qAsConst(VorendaGlobal::shelves))
            shelf->save();
    });
    QCoreApplication::quit();
}

void VorendaMain::quit()
{
    // The session's end quits too; the cabinets are shut down and saved once.
    if (quitDone)
        return;
    quitDone = true;
    // Nobody is left to read a message: a quit the user asked for has asked already.
    FailedSaves::instance().holdMessages(true);
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: About to quit"));
    save();
    emit aboutToQuit();
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: Ready to quit"));
}

void VorendaMain::endSession()
{
    if (quitDone)
        return;
    VorendaGlobal::addToLog(QStringLiteral("VorendaMain: About to end session"));
    emit aboutToEndSession();
    quit();
}
