#include "TestEnvironment.h"

#include "AboutDialog.h"
#include "ControllerFixture.h"
#include "DockableWidget.h"
#include "DynamicAction.h"
#include "GetPasswordDialog.h"
#include "HelpWidget.h"
#include "HotkeyManager.h"
#include "NewVersionDialog.h"
#include "QuickStartDialog.h"
#include "RunningVorenda.h"
#include "StartUp.h"
#include "VorendaGlobal.h"
#include "VorendaMain.h"
#include "VorendaShelf.h"
#include "WelcomeDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTranslator>

#include <memory>

// The controller: first run, cabinet hotkeys and names, the status menu, saving at
// once, quitting once, and the answers of the update check.
class TestVorendaMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstRunMakesCabinetOneAndSavesIt();
    void firstRunOnlyOnce();
    void newCabinetsTakeFirstFreeHotkeyAndName();
    void eleventhCabinetGetsNoHotkey();
    void knownIdGivesTheListedCabinet();
    void deletedCabinetIsSavedAtOnce();
    void newCabinetOpensQuickStartWithIt();
    void newCabinetMenuHasOneEntryPerStyle();
    void kioskMenuOffersOnlyAboutAndQuit();
    void kioskCabinetsShownAtStart_data();
    void kioskCabinetsShownAtStart();
    void globalHotkeysAreBound();
    void quitSavesAndEndsCabinetsOnce();
    void newVersionNotice();
    void upToDateMessage();
    void failedCheckSaysSo();
    void menuTextsInGerman();
    void hotkeyLabelsInEveryLanguage_data();
    void hotkeyLabelsInEveryLanguage();
    void aboutShowsTheVersion();


public slots:
    void onOpenUrl(const QUrl& url) { opened << url; }

private:
    VorendaMain& start();
    VorendaShelf* newShelf() { return controller->onCreateNewShelf(QString(), 0, -1); }
    QStringList listedIds() const;
    // Runs `answer` on the first top-level window of type T once it shows.
    template<typename T, typename F> void answerWindow(F answer);
    static QStringList visibleEntries(QMenu* menu);

    std::unique_ptr<VorendaMain> controller;
    QList<QUrl> opened;
};

void TestVorendaMain::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    // Nothing leaves the machine: the update server is a closed local port.
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    // The browser stands outside: links the program opens are only recorded.
    for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")})
        QDesktopServices::setUrlHandler(scheme, this, "onOpenUrl");
}

void TestVorendaMain::init()
{
    QFile::remove(VorendaMain::dataFilePath());
    opened.clear();
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
}

void TestVorendaMain::cleanup()
{
    controller.reset();
    ControllerFixture::deleteShelves();
    VorendaGlobal::readOnlyConfig = false;
}

VorendaMain& TestVorendaMain::start()
{
    controller = std::make_unique<VorendaMain>(nullptr);
    return *controller;
}

QStringList TestVorendaMain::listedIds() const
{
    return RunningVorenda::cabinetIdsIn(VorendaMain::dataFilePath(), {QStringLiteral("<no file>")});
}

template<typename T, typename F> void TestVorendaMain::answerWindow(F answer)
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<T*>(widget); window && window->isVisible()) {
                timer->deleteLater();
                timer->stop();
                answer(window);
                return;
            }
        }
    });
    timer->start(20);
}

QStringList TestVorendaMain::visibleEntries(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text().section(QLatin1Char('\t'), 0, 0));
    }
    return texts;
}

void TestVorendaMain::firstRunMakesCabinetOneAndSavesIt()
{
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), false);
    // The welcome wizard offers to fill the first cabinet; the user declines.
    QPointer<VorendaShelf> welcomed;
    bool quickStartShown = true;
    answerWindow<WelcomeDialog>([&](WelcomeDialog* wizard) {
        welcomed = VorendaGlobal::shelves.value(0);
        quickStartShown = QuickStartDialog::visible();
        wizard->finishButton->click();
    });
    start();
    QVERIFY(VorendaGlobal::shelves.isEmpty()); // made once the event loop runs
    QTRY_COMPARE(VorendaGlobal::shelves.size(), 1);
    QTRY_VERIFY(welcomed);
    QVERIFY(!quickStartShown);
    QVERIFY(HelpWidget::visible());

    VorendaShelf* shelf = VorendaGlobal::shelves.first();
    QCOMPARE(welcomed.data(), shelf);
    QVERIFY(shelf->view->getAllItems().isEmpty());
    QCOMPARE(controller->firstShelf, shelf);
    QCOMPARE(shelf->name, QStringLiteral("Cabinet 1"));
    QCOMPARE(shelf->frame->showHotkey(), QKeySequence(QStringLiteral("Ctrl+1")));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(shelf->id).hasMatch());
    QCOMPARE(shelf->fileName, shelf->id + QStringLiteral(".dat"));
    QCOMPARE(shelf->style.name, ShelfStyle::translatedName(QStringLiteral("Wood #2")));
    QVERIFY(!controller->emptyAction->isVisible());
    QCOMPARE(listedIds(), QStringList{shelf->id});
    QVERIFY(QSettings().value(QStringLiteral("Main/WelcomeShown")).toBool());
}

void TestVorendaMain::firstRunOnlyOnce()
{
    // A user who deleted every cabinet gets no new one at the next start.
    start();
    QTest::qWait(50);
    QVERIFY(VorendaGlobal::shelves.isEmpty());
    QVERIFY(controller->emptyAction->isVisible());
    QVERIFY(controller->showShelfMenu->actions().contains(controller->emptyAction));
}

void TestVorendaMain::newCabinetsTakeFirstFreeHotkeyAndName()
{
    start();
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    VorendaShelf* first = newShelf();
    VorendaShelf* second = newShelf();
    VorendaShelf* third = newShelf();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(third->name, QStringLiteral("Cabinet 3"));
    QCOMPARE(third->frame->showHotkey(), QKeySequence(QStringLiteral("Ctrl+3")));
    QVERIFY(first->id != second->id);

    emit second->shelfRemoved(second);
    delete second;
    VorendaShelf* fourth = newShelf();
    QCOMPARE(fourth->name, QStringLiteral("Cabinet 2"));
    QCOMPARE(fourth->frame->showHotkey(), QKeySequence(QStringLiteral("Ctrl+2")));

    // A renamed cabinet frees its default name; "Show Cabinet" lists the rest in order.
    first->name = QStringLiteral("Work");
    QCOMPARE(newShelf()->name, QStringLiteral("Cabinet 1"));
    QStringList entries = visibleEntries(controller->showShelfMenu);
    QCOMPARE(entries, (QStringList{QStringLiteral("Cabinet 1"), QStringLiteral("Cabinet 3"),
                                   QStringLiteral("Cabinet 2"), QStringLiteral("Cabinet 1")}));
    QCOMPARE(controller->showShelfMenu->actions().at(1)->text().section(QLatin1Char('\t'), 1),
             QKeySequence(QStringLiteral("Ctrl+1")).toString(QKeySequence::NativeText));
}

void TestVorendaMain::eleventhCabinetGetsNoHotkey()
{
    start();
    for (int i = 0; i < 10; ++i)
        newShelf();
    QCOMPARE(VorendaGlobal::shelves.at(9)->frame->showHotkey(), QKeySequence(QStringLiteral("Ctrl+0")));
    VorendaShelf* eleventh = newShelf();
    QVERIFY(eleventh->frame->showHotkey().isEmpty());
    QCOMPARE(eleventh->name, QStringLiteral("Cabinet 11"));
}

void TestVorendaMain::knownIdGivesTheListedCabinet()
{
    start();
    VorendaShelf* shelf = newShelf();
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    QCOMPARE(controller->onCreateNewShelf(shelf->id, 0, -1), shelf);

    const QString id = QStringLiteral("0123456789abcdef0123456789abcdef");
    VorendaShelf* listed = controller->onCreateNewShelf(id, 0, 987654);
    QCOMPARE(listed->id, id);
    QVERIFY(listed->name.isEmpty());
    QVERIFY(listed->frame->showHotkey().isEmpty());
    QVERIFY(!listed->isVisible());
    QCOMPARE(listed->style.name, VorendaGlobal::defaultShelfStyle.name);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(VorendaGlobal::shelves.size(), 2);
    QVERIFY(controller->showShelfMenu->actions().last()->text().startsWith(QStringLiteral("<No Name>\t")));
}

void TestVorendaMain::deletedCabinetIsSavedAtOnce()
{
    start();
    VorendaShelf* kept = newShelf();
    VorendaShelf* gone = newShelf();
    QCOMPARE(listedIds(), (QStringList{kept->id, gone->id}));
    QSignalSpy changed(controller.get(), &VorendaMain::shelvesChanged);
    emit gone->shelfRemoved(gone);
    QCOMPARE(listedIds(), QStringList{kept->id});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(controller->showShelfMenu->actions().size(), 2); // the hidden "<Empty>" and one entry

    // A cabinet destroyed without a word is dropped from the list all the same.
    delete gone;
    delete kept;
    QVERIFY(VorendaGlobal::shelves.isEmpty());
    QVERIFY(controller->emptyAction->isVisible());
}

// The quick-start panel lists the cabinets as the controller changes them and shows a
// new cabinet chosen; its own command opens it with none chosen.
void TestVorendaMain::newCabinetOpensQuickStartWithIt()
{
    start();
    QuickStartDialog* panel = QuickStartDialog::instance();
    QVERIFY(!panel->isVisible());
    VorendaShelf* first = newShelf();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->currentShelf.data(), first);
    QCOMPARE(panel->selectCabinetComboBox->currentText(), QStringLiteral("Cabinet 1"));
    VorendaShelf* second = newShelf();
    QCOMPARE(panel->currentShelf.data(), second);
    QCOMPARE(panel->selectCabinetComboBox->currentText(), QStringLiteral("Cabinet 2"));

    // While shown, Quick Start leaves it as it is.
    controller->onQuickStart();
    QCOMPARE(panel->currentShelf.data(), second);

    // Deleting the cabinet it works on leaves it with none, also for the last cabinet.
    emit second->shelfRemoved(second);
    delete second;
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->currentShelf);
    QCOMPARE(panel->selectCabinetComboBox->count(), 1);
    panel->show(first);
    emit first->shelfRemoved(first);
    delete first;
    QVERIFY(!panel->currentShelf);
    QCOMPARE(panel->selectCabinetComboBox->count(), 0);

    panel->close();
    newShelf();
    panel->close();
    controller->onQuickStart();
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->currentShelf);
    QCOMPARE(panel->selectCabinetComboBox->currentIndex(), -1);
}

void TestVorendaMain::newCabinetMenuHasOneEntryPerStyle()
{
    start();
    controller->onAboutToShowTrayIconMenu();
    controller->onAboutToShowTrayIconMenu(); // refilled, not appended
    const QList<QAction*> entries = controller->newShelfMenu->actions();
    QCOMPARE(entries.size(), VorendaGlobal::shelfStyles.size());
    const ShelfStyle last = VorendaGlobal::shelfStyles.last();
    QCOMPARE(entries.last()->text(), QStringLiteral("%1 Style").arg(last.name));

    entries.last()->trigger();
    QCOMPARE(VorendaGlobal::shelves.size(), 1);
    QCOMPARE(VorendaGlobal::shelves.first()->style.key, last.key);
    QCOMPARE(listedIds(), QStringList{VorendaGlobal::shelves.first()->id});
}

void TestVorendaMain::kioskMenuOffersOnlyAboutAndQuit()
{
    start();
    VorendaShelf* shelf = newShelf();
    controller->onAboutToShowTrayIconMenu();
    QCOMPARE(visibleEntries(controller->trayMenu).size(), 13);

    shelf->kiosk = true;
    controller->onAboutToShowTrayIconMenu();
    QCOMPARE(visibleEntries(controller->trayMenu),
             (QStringList{QStringLiteral("About Vorenda..."), QStringLiteral("-"), QStringLiteral("Quit")}));

    // "Quit" asks for the kiosk password; a cancel keeps the program running.
    VorendaGlobal::kioskPasswordHash = QStringLiteral("0cc175b9c0f1b6a831c399e269772661");
    QString title;
    answerWindow<GetPasswordDialog>([&title](GetPasswordDialog* dialog) {
        title = dialog->windowTitle();
        dialog->close();
    });
    QSignalSpy quitting(controller.get(), &VorendaMain::aboutToQuit);
    controller->quitAction->trigger();
    VorendaGlobal::kioskPasswordHash.clear();
    QCOMPARE(title, QStringLiteral("Enter Kiosk Password"));
    QCOMPARE(quitting.count(), 0);

    shelf->kiosk = false;
    controller->onAboutToShowTrayIconMenu();
    QCOMPARE(visibleEntries(controller->trayMenu).size(), 13);
}

void TestVorendaMain::kioskCabinetsShownAtStart_data()
{
    QTest::addColumn<QByteArray>("showKiosk");
    QTest::addColumn<bool>("shown");
    QTest::newRow("switch on") << QByteArray("1") << true;
    QTest::newRow("switch off") << QByteArray("0") << false;
}

void TestVorendaMain::kioskCabinetsShownAtStart()
{
    QFETCH(QByteArray, showKiosk);
    QFETCH(bool, shown);
    const QByteArray kioskId = "0123456789abcdef0123456789abcdef";
    const QByteArray plainId = "fedcba98765432100123456789abcdef";
    QDir().mkpath(VorendaGlobal::getDataLocation());
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(
        VorendaGlobal::getDataLocation() + QStringLiteral("/") + QString::fromLatin1(kioskId) + QStringLiteral(".dat"),
        "<!DOCTYPE Vorenda-CabinetData>\n<Root><Settings><Window name=\"Shop\" kiosk=\"1\"/></Settings></Root>\n"));
    QVERIFY(write(VorendaMain::dataFilePath(), "<!DOCTYPE Vorenda-Data>\n<Root><Preferences><General showkiosk=\""
                                                   + showKiosk + "\"/></Preferences><Cabinets><Cabinet id=\"" + kioskId
                                                   + "\"/><Cabinet id=\"" + plainId + "\"/></Cabinets></Root>\n"));
    start();
    QCOMPARE(VorendaGlobal::shelves.size(), 2);
    VorendaShelf* kiosk = VorendaGlobal::shelves.first();
    QVERIFY(kiosk->kiosk);
    QCOMPARE(kiosk->name, QStringLiteral("Shop"));
    QCOMPARE(kiosk->isVisible(), shown);
    QVERIFY(!VorendaGlobal::shelves.last()->isVisible());
    QVERIFY(controller->hasAnyKiosk());
    QFile::remove(VorendaGlobal::getDataLocation() + QStringLiteral("/") + QString::fromLatin1(kioskId)
                  + QStringLiteral(".dat"));
}

void TestVorendaMain::globalHotkeysAreBound()
{
    start();
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F10"))));
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F11"))));
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Meta+Space"))));
    QCOMPARE(controller->showAllAction->text(),
             QStringLiteral("Show All\t") + QKeySequence(QStringLiteral("Ctrl+F10")).toString(QKeySequence::NativeText));
    QVERIFY(controller->showAllAction->shortcut().isEmpty());

    VorendaShelf* shelf = newShelf();
    QVERIFY(shelf->isVisible());
    emit controller->hideAll();
    QTRY_VERIFY(!shelf->isVisible());
    controller->showAllAction->trigger();
    QTRY_VERIFY(shelf->isVisible());
}

void TestVorendaMain::quitSavesAndEndsCabinetsOnce()
{
    start();
    VorendaShelf* shelf = newShelf();
    QFile::remove(VorendaMain::dataFilePath());
    QSignalSpy quitting(controller.get(), &VorendaMain::aboutToQuit);
    QSignalSpy ending(controller.get(), &VorendaMain::aboutToEndSession);

    // The session's end runs the quit, and the application's quit then comes too late.
    controller->endSession();
    controller->quit();
    controller->endSession();
    QCOMPARE(ending.count(), 1);
    QCOMPARE(quitting.count(), 1);
    QVERIFY(shelf->sessionEnding);
    QCOMPARE(listedIds(), QStringList{shelf->id});
}

void TestVorendaMain::newVersionNotice()
{
    start();
    QString intro;
    answerWindow<NewVersionDialog>([&intro](NewVersionDialog* dialog) {
        intro = dialog->introLabel->text();
        dialog->autoUpdatesCheckBox->setChecked(true);
        dialog->okButton->click();
    });
    controller->onNewVersionAvailable(true, 1, 3607, true, QStringLiteral("Faster."), QString(),
                                      QStringLiteral("https://www.vorenda.org/download"), QString(), QString(),
                                      QStringLiteral("https://updates.vorenda.org/check.xml"));
    QVERIFY(intro.contains(QStringLiteral("1.36.07")));
    QVERIFY(!controller->autoUpdates);
    QCOMPARE(controller->settings.value(QStringLiteral("VerCheckUrl")).toString(),
             QStringLiteral("https://updates.vorenda.org/check.xml"));
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.vorenda.org/download"))});

    // Links of other kinds are neither stored nor opened.
    opened.clear();
    answerWindow<NewVersionDialog>([](NewVersionDialog* dialog) { dialog->okButton->click(); });
    controller->onNewVersionAvailable(true, 1, 3700, false, QString(), QString(),
                                      QStringLiteral("file:///etc/passwd"), QString(), QString(),
                                      QStringLiteral("ftp://elsewhere/check.xml"));
    QVERIFY(!controller->autoUpdates); // the box stays as the user left it
    QVERIFY(opened.isEmpty());
    QCOMPARE(controller->settings.value(QStringLiteral("VerCheckUrl")).toString(),
             QStringLiteral("https://updates.vorenda.org/check.xml"));
}

void TestVorendaMain::upToDateMessage()
{
    start();
    QString text;
    answerWindow<QMessageBox>([&text](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    controller->onNewVersionAvailable(false, 0, 0, false, QString(), QString(), QString(), QString(), QString(),
                                      QString());
    QCOMPARE(text, QStringLiteral("You're up to date! Vorenda 1.35.00 is currently the newest version available."));
}

void TestVorendaMain::failedCheckSaysSo()
{
    start();
    QString text;
    answerWindow<QMessageBox>([&text](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    controller->checkUpdatesAction->trigger(); // delayed: runs once the menu would have closed
    QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), 20000);
    QVERIFY(text.startsWith(QStringLiteral("Vorenda could not check for updates.")));
}

void TestVorendaMain::menuTextsInGerman()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/Vorenda_de")));
    QCoreApplication::installTranslator(&translator);
    start();
    VorendaShelf* shelf = newShelf();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(shelf->name, QStringLiteral("Schrank 1"));
    QCOMPARE(controller->showAllAction->text().section(QLatin1Char('\t'), 0, 0), QStringLiteral("Alle anzeigen"));
    QCOMPARE(controller->showShelfMenu->actions().last()->text().section(QLatin1Char('\t'), 0, 0),
             QStringLiteral("Schrank 1"));
    QCOMPARE(visibleEntries(controller->trayMenu).last(), QStringLiteral("Beenden"));
}

void TestVorendaMain::hotkeyLabelsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected"); // show all, hide all, quick search, the cabinet's entry and name
    QTest::newRow("en") << "en"
                        << QStringList{QStringLiteral("Show All\tCtrl+F10"), QStringLiteral("Hide All\tCtrl+F11"),
                                       QStringLiteral("Quick Search\tMeta+Space"), QStringLiteral("Cabinet 1\tCtrl+1"),
                                       QStringLiteral("Cabinet 1  (Ctrl+1)")};
    QTest::newRow("de") << "de"
                        << QStringList{QStringLiteral("Alle anzeigen\tStrg+F10"),
                                       QStringLiteral("Alle ausblenden\tStrg+F11"),
                                       QStringLiteral("Schnellsuche\tMeta+Leertaste"),
                                       QStringLiteral("Schrank 1\tStrg+1"), QStringLiteral("Schrank 1  (Strg+1)")};
    QTest::newRow("es") << "es"
                        << QStringList{QStringLiteral("Mostrar todos\tControl+F10"),
                                       QStringLiteral("Ocultar todos\tControl+F11"),
                                       QStringLiteral("Búsqueda rápida\tMeta+Espacio"),
                                       QStringLiteral("Armario 1\tControl+1"),
                                       QStringLiteral("Armario 1  (Control+1)")};
}

// The labels as a user has them: Qt's own translations name the keys.
void TestVorendaMain::hotkeyLabelsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QTranslator qtTranslator;
    QTranslator appTranslator;
    StartUp::installTranslators(qtTranslator, appTranslator, language);
    start();
    VorendaShelf* shelf = newShelf();
    shelf->shownamewithhotkey = true;
    shelf->updateFrames();
    const QStringList labels{controller->showAllAction->text(), controller->hideAllAction->text(),
                             controller->quickSearchAction->text(),
                             controller->showShelfMenu->actions().last()->text(), shelf->nameLabel->text()};
    QCoreApplication::removeTranslator(&appTranslator);
    QCoreApplication::removeTranslator(&qtTranslator);
    QCOMPARE(labels, expected);
}

void TestVorendaMain::aboutShowsTheVersion()
{
    start();
    QString version;
    answerWindow<AboutDialog>([&version](AboutDialog* dialog) {
        version = dialog->versionLabel->text();
        dialog->ok();
    });
    controller->aboutAction->trigger(); // delayed: runs once the menu would have closed
    QTRY_VERIFY(!version.isEmpty());
    QVERIFY2(version.contains(QStringLiteral("v1.35.00")), qPrintable(version));
}

VORENDA_TEST_MAIN(TestVorendaMain)
#include "tst_vorendamain.moc"
