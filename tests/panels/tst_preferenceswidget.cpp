#include "TestEnvironment.h"

#include "AutostartEntry.h"
#include "CabinetLink.h"
#include "CabinetTestFixtures.h"
#include "ControllerFixture.h"
#include "HotkeyManager.h"
#include "HotkeyWidget.h"
#include "PathFunctions.h"
#include "PreferencesWidget.h"
#include "QuestionDriver.h"
#include "StoreFolderChange.h"
#include "QuickSearchWidget.h"
#include "VorendaMain.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include <functional>
#include <memory>

// The preferences panel with the real controller and cabinets: its size from the
// translated size label, filling and applying every option, the larger thumbnail size
// and its busy state, the language list, the sliding panels, and the store-folder
// commands with their refusals and failures.
class TestPreferencesWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sizeFollowsTheSizeLabel_data();
    void sizeFollowsTheSizeLabel();
    void showFillsTheControls();
    void okAppliesEverything();
    void cancelAndEscapeDropEdits();
    void thumbnailSize_data();
    void thumbnailSize();
    void largerSizeIsBusyUntilClosed();
    void unlistedLanguageIsKept();
    void otherLanguageAsksForRestart();
    void panelsSlide();
    void showStoreFolderOpensTheFileManager();
    void targetHoldingAStoreIsTakenFromTheNextStart();
    void storeFolderMovesWithItsStyles();
    void targetInsideTheStoreIsRefused_data();
    void targetInsideTheStoreIsRefused();
    void failedCopyKeepsTheOldFolder();

private:
    static PreferencesWidget* panel() { return PreferencesWidget::instance(); }
    VorendaShelf* newShelf();
    // Answers the folder chooser with `folder`, then every message box with OK,
    // noting their texts.
    void changeStoreFolderTo(const QString& folder);
    static QString makeFolder(const QString& path);
    static QByteArray readFile(const QString& path);

    std::unique_ptr<VorendaMain> controller;
    QStringList messages;
    QString originalStore;
};

// Hands its calls on to the cabinets and runs a probe while a cabinet applies a new size.
class ProbingCabinetLink : public CabinetLink
{
public:
    explicit ProbingCabinetLink(std::function<void()> probe)
        : real(CabinetLink::installed())
        , probe(std::move(probe))
    {
        CabinetLink::install(this);
    }
    ~ProbingCabinetLink() override { CabinetLink::install(real); }

    AbstractThumbnailView* itemView(VorendaShelf* shelf) const override { return real->itemView(shelf); }
    void applyMaxThumbSize(VorendaShelf* shelf) override
    {
        probe();
        real->applyMaxThumbSize(shelf);
    }
    void applyPreferences(VorendaShelf* shelf) override { real->applyPreferences(shelf); }
    void rebaseStyles(VorendaShelf* shelf, const QString& from, const QString& to) override
    {
        real->rebaseStyles(shelf, from, to);
    }

private:
    CabinetLink* real;
    std::function<void()> probe;
};

// Gives the size label another text, as a translation may.
class SizeTranslator : public QTranslator
{
public:
    explicit SizeTranslator(const QString& size)
        : size(size)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "PreferencesWidgetClass") == 0 && qstrcmp(source, "425x500") == 0)
            return size;
        return QString();
    }

private:
    QString size;
};

void TestPreferencesWidget::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::verCheckUrl = QStringLiteral("http://127.0.0.1:1/vercheck.xml");
    originalStore = VorendaGlobal::storeFolder;
}

void TestPreferencesWidget::init()
{
    messages.clear();
    VorendaGlobal::storeFolder = originalStore;
    QSettings().setValue(QStringLiteral("Main/StoreFolder"), originalStore);
    QFile::remove(VorendaMain::dataFilePath());
    QSettings().setValue(QStringLiteral("Main/WelcomeShown"), true);
    ControllerFixture::resetPreferences();
    VorendaGlobal::appLanguage = QStringLiteral("en");
    controller = std::make_unique<VorendaMain>(nullptr);
}

void TestPreferencesWidget::cleanup()
{
    // The controller takes the panels with it.
    controller.reset();
    ControllerFixture::deleteShelves();
}

VorendaShelf* TestPreferencesWidget::newShelf()
{
    VorendaShelf* shelf = controller->onCreateNewShelf(QString(), 0, -1);
    for (int i = 0; i < 3; ++i)
        addCabinetItem(*shelf, -1, QStringLiteral("Item %1").arg(i));
    shelf->view->resetModel();
    return shelf;
}

QString TestPreferencesWidget::makeFolder(const QString& path)
{
    QDir().mkpath(path);
    return path;
}

QByteArray TestPreferencesWidget::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestPreferencesWidget::changeStoreFolderTo(const QString& folder)
{
    bool chooserShown = false;
    messages = ::changeStoreFolderTo(panel(), folder, &chooserShown);
    QVERIFY(chooserShown);
}

void TestPreferencesWidget::sizeFollowsTheSizeLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the form's") << QString() << QSize(425, 500);
    QTest::newRow("a translation's") << "500x560" << QSize(500, 560);
}

void TestPreferencesWidget::sizeFollowsTheSizeLabel()
{
    QFETCH(QString, label);
    QFETCH(QSize, size);
    std::unique_ptr<SizeTranslator> translator;
    if (!label.isEmpty()) {
        translator = std::make_unique<SizeTranslator>(label);
        QCoreApplication::installTranslator(translator.get());
    }
    delete PreferencesWidget::instance();
    panel()->show(controller.get(), 0);
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
    QCOMPARE(panel()->size(), size);
    QCOMPARE(panel()->minimumSize(), size);
    QCOMPARE(panel()->maximumSize(), size);
    QCOMPARE(panel()->panelsFrame->width(), 2 * size.width());
    QCOMPARE(panel()->panelFrame->width(), size.width());
    QVERIFY(!panel()->widgetSizeLabel->isVisible());
    QVERIFY(isStayOnTopWindow(panel()));
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
}

void TestPreferencesWidget::showFillsTheControls()
{
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 160;
    VorendaGlobal::singleClickOpen = true;
    VorendaGlobal::showLabelMode = 1;
    VorendaGlobal::searchBoxOption = 2;
    VorendaGlobal::animHover = false;
    VorendaGlobal::appLanguage = QStringLiteral("es");
    controller->runAtStartup = false;
    controller->autoUpdates = true;
    controller->showKiosk = false;
    controller->setHotkeys(QKeySequence(QStringLiteral("Ctrl+F7")), QKeySequence(),
                           QKeySequence(QStringLiteral("Meta+F")));

    panel()->show(controller.get(), 0);
    QVERIFY(panel()->isVisible());
    QCOMPARE(panel()->maxThumbSizeLineEdit->text(), QStringLiteral("160"));
    QVERIFY(!panel()->startupCheckBox->isChecked());
    QVERIFY(panel()->updatesCheckBox->isChecked());
    QVERIFY(!panel()->showKioskCheckBox->isChecked());
    QCOMPARE(panel()->languageComboBox->count(), 2);
    QCOMPARE(panel()->languageComboBox->currentIndex(), 1);
    QVERIFY(panel()->singleClickRadioButton->isChecked());
    QCOMPARE(panel()->singleClickRadioButton->text(), QStringLiteral("Single-click to open. Ctrl+click to select."));
    QCOMPARE(panel()->showLabelComboBox->currentIndex(), 1);
    QVERIFY(panel()->lastSearchButton->isChecked());
    QVERIFY(!panel()->animateHoveringCheckBox->isChecked());
    QVERIFY(panel()->animateOpeningCheckBox->isChecked());
    QCOMPARE(panel()->showAllLineEdit->text(), QStringLiteral("Ctrl+F7"));
    QCOMPARE(panel()->hideAllLineEdit->text(), QString());
    QCOMPARE(panel()->quickSearchLineEdit->text(), QStringLiteral("Meta+F"));
    QCOMPARE(panel()->okButton->text(), QStringLiteral("OK"));
}

void TestPreferencesWidget::okAppliesEverything()
{
    VorendaShelf* shelf = newShelf();
    panel()->show(controller.get(), 0);
    panel()->startupCheckBox->setChecked(true);
    panel()->updatesCheckBox->setChecked(false);
    panel()->showKioskCheckBox->setChecked(false);
    panel()->doubleClickRadioButton->setChecked(true);
    panel()->showLabelComboBox->setCurrentIndex(0);
    panel()->mostRecentRadioButton->setChecked(true);
    panel()->animateHoveringCheckBox->setChecked(false);
    panel()->animateOpeningCheckBox->setChecked(false);
    panel()->showAllLineEdit->setText(QStringLiteral("Ctrl+F8"));
    panel()->hideAllLineEdit->setText(QString());
    panel()->quickSearchLineEdit->setText(QStringLiteral("Ctrl+Alt+Q"));
    QTest::mouseClick(panel()->okButton, Qt::LeftButton);

    QVERIFY(!panel()->isVisible());
    QVERIFY(!VorendaGlobal::singleClickOpen);
    QCOMPARE(VorendaGlobal::showLabelMode, 0);
    QCOMPARE(VorendaGlobal::searchBoxOption, 0);
    QVERIFY(!VorendaGlobal::animHover);
    QVERIFY(!VorendaGlobal::animClick);
    QVERIFY(controller->runAtStartup);
    QVERIFY(!controller->autoUpdates);
    QVERIFY(!controller->showKiosk);

    // The login entry follows the switch.
    QVERIFY(QFile::exists(AutostartEntry::path()));

    // The hotkeys are rebound; an empty one stays unbound.
    QCOMPARE(controller->showAllKey, QKeySequence(QStringLiteral("Ctrl+F8")));
    QVERIFY(controller->hideAllKey.isEmpty());
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F8"))));
    QVERIFY(!HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F10"))));
    QVERIFY(!HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+F11"))));
    QVERIFY(!HotkeyManager::isBound(QKeySequence(QStringLiteral("Meta+Space"))));
    QVERIFY(HotkeyManager::isBound(QKeySequence(QStringLiteral("Ctrl+Alt+Q"))));
    QCOMPARE(controller->quickSearchAction->text(),
             QStringLiteral("Quick Search\t") + QKeySequence(QStringLiteral("Ctrl+Alt+Q")).toString(QKeySequence::NativeText));

    // The cabinet's items follow the animation switches; the main data file holds it all.
    const auto* item = qobject_cast<MyThumbnailItem*>(shelf->view->getAllItems().first());
    QVERIFY(!item->isHoverAnimationEnabled());
    QVERIFY(!item->isClickAnimationEnabled());
    const QByteArray saved = readFile(VorendaMain::dataFilePath());
    QVERIFY(saved.contains("autoupdates=\"0\""));
    QVERIFY(saved.contains("animhover=\"0\""));
    QVERIFY(saved.contains("quicksearch=\"Ctrl+Alt+Q\""));

    // Switched off again, the entry goes.
    panel()->show(controller.get(), 0);
    panel()->startupCheckBox->setChecked(false);
    panel()->accept();
    QVERIFY(!QFile::exists(AutostartEntry::path()));
}

void TestPreferencesWidget::cancelAndEscapeDropEdits()
{
    panel()->show(controller.get(), 0);
    panel()->animateHoveringCheckBox->setChecked(false);
    QTest::mouseClick(panel()->cancelButton, Qt::LeftButton);
    QVERIFY(!panel()->isVisible());
    QVERIFY(VorendaGlobal::animHover);

    panel()->show(controller.get(), 0);
    QVERIFY(panel()->animateHoveringCheckBox->isChecked());
    panel()->updatesCheckBox->setChecked(false);
    QTest::keyClick(panel(), Qt::Key_Escape);
    QVERIFY(!panel()->isVisible());
    QVERIFY(controller->autoUpdates);

    // Return is OK.
    panel()->show(controller.get(), 0);
    panel()->updatesCheckBox->setChecked(false);
    QTest::keyClick(panel(), Qt::Key_Return);
    QVERIFY(!panel()->isVisible());
    QVERIFY(!controller->autoUpdates);
}

void TestPreferencesWidget::thumbnailSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("cabinetsTold");
    QTest::addColumn<bool>("busy");
    QTest::newRow("10") << "10" << 32 << true << false;
    QTest::newRow("empty") << "" << 32 << true << false;
    QTest::newRow("no number") << "abc" << 32 << true << false;
    QTest::newRow("smaller") << "64" << 64 << true << false;
    QTest::newRow("current") << "128" << 128 << false << false;
    QTest::newRow("larger") << "200" << 200 << true << true;
    QTest::newRow("above the range") << "999" << 256 << true << true;
}

void TestPreferencesWidget::thumbnailSize()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(bool, cabinetsTold);
    QFETCH(bool, busy);
    VorendaShelf* shelf = newShelf();
    // A mark the cabinet's slider loses only when the new size reaches the cabinet.
    shelf->thumbSizeSlider->setMaximum(100);

    panel()->show(controller.get(), 1);
    panel()->maxThumbSizeLineEdit->setText(typed);
    panel()->accept();
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, stored);
    QCOMPARE(shelf->thumbSizeSlider->maximum(), cabinetsTold ? stored : 100);
    QCOMPARE(panel()->isBusy(), busy);
    QCOMPARE(panel()->okButton->text(), busy ? QStringLiteral("Wait") : QStringLiteral("OK"));
    QVERIFY(!panel()->isVisible());

    // The next show is ready again.
    panel()->show(controller.get(), 0);
    QVERIFY(!panel()->isBusy());
    QVERIFY(panel()->okButton->isEnabled());
    QCOMPARE(panel()->okButton->text(), QStringLiteral("OK"));
    QCOMPARE(panel()->maxThumbSizeLineEdit->text(), QString::number(stored));
}

void TestPreferencesWidget::largerSizeIsBusyUntilClosed()
{
    newShelf();
    panel()->show(controller.get(), 0);
    bool probed = false;
    ProbingCabinetLink probe([&] {
        probed = true;
        // While the cabinets work, Escape and Cancel leave the panel as it is.
        QVERIFY(panel()->isBusy());
        QCOMPARE(panel()->okButton->text(), QStringLiteral("Wait"));
        QVERIFY(!panel()->cancelButton->isEnabled());
        QTest::keyClick(panel(), Qt::Key_Escape);
        panel()->reject();
        QVERIFY(panel()->isVisible());
    });
    panel()->maxThumbSizeLineEdit->setText(QStringLiteral("256"));
    panel()->accept();
    QVERIFY(probed);
    QVERIFY(!panel()->isVisible());
    QCOMPARE(VorendaGlobal::SHELF_MAXTHUMBSIZE, 256);
}

void TestPreferencesWidget::unlistedLanguageIsKept()
{
    VorendaGlobal::appLanguage = QStringLiteral("de");
    panel()->show(controller.get(), 0);
    QCOMPARE(panel()->languageComboBox->currentIndex(), -1);
    panel()->updatesCheckBox->setChecked(false);
    QTimer answers;
    connect(&answers, &QTimer::timeout, this, [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                messages << box->text();
                box->close();
            }
        }
    });
    answers.start(10);
    panel()->accept();
    // Another change is kept; the language stays and nobody is asked to restart.
    QVERIFY(!controller->autoUpdates);
    QCOMPARE(VorendaGlobal::appLanguage, QStringLiteral("de"));
    QVERIFY(messages.isEmpty());
    QVERIFY(readFile(VorendaMain::dataFilePath()).contains("language=\"de\""));
}

void TestPreferencesWidget::otherLanguageAsksForRestart()
{
    panel()->show(controller.get(), 0);
    panel()->languageComboBox->setCurrentIndex(1);
    QuestionDriver driver(QuestionDriver::visible<QMessageBox>(), [this](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        messages << box->text();
        QCOMPARE(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::Ok)->click();
    });
    panel()->accept();
    QVERIFY(driver.ran());
    QCOMPARE(messages, QStringList{QStringLiteral("Please restart the program to apply the new language.")});
    QCOMPARE(VorendaGlobal::appLanguage, QStringLiteral("es"));
    QCOMPARE(QSettings().value(QStringLiteral("Main/Language")).toString(), QStringLiteral("es"));
}

void TestPreferencesWidget::panelsSlide()
{
    panel()->show(controller.get(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
    QCOMPARE(panel()->shownPanel(), 1);
    QVERIFY(panel()->cabinetsButton->isChecked());
    QTRY_COMPARE(panel()->panelsFrame->x(), -panel()->width());

    // Back to General: it slides, so it is not there at once.
    QElapsedTimer clock;
    clock.start();
    panel()->show(controller.get(), 0);
    QVERIFY(panel()->generalButton->isChecked());
    QCOMPARE(panel()->panelsFrame->x(), -panel()->width());
    QTRY_COMPARE(panel()->panelsFrame->x(), 0);
    QVERIFY(clock.elapsed() >= 500);

    // The panel already shown does not move or take the focus back.
    panel()->maxThumbSizeLineEdit->setFocus();
    panel()->showPanel(0, true);
    QCOMPARE(panel()->panelsFrame->x(), 0);
    QVERIFY(!panel()->startupCheckBox->hasFocus());

    // The tab buttons slide too; unknown panels are ignored.
    QTest::mouseClick(panel()->cabinetsButton, Qt::LeftButton);
    QCOMPARE(panel()->shownPanel(), 1);
    QTRY_COMPARE(panel()->panelsFrame->x(), -panel()->width());
    panel()->showPanel(5, false);
    QCOMPARE(panel()->shownPanel(), 1);
    QCOMPARE(panel()->panelsFrame->x(), -panel()->width());
}

void TestPreferencesWidget::showStoreFolderOpensTheFileManager()
{
    const QString record = TestEnvironment::instance()->root() + QStringLiteral("/opened.txt");
    TestEnvironment::instance()->installStub(
        QStringLiteral("xdg-open"), "printf '%s\\n' \"$@\" >> \"" + QFile::encodeName(record) + "\"\n");
    const QString store = TestEnvironment::instance()->root() + QStringLiteral("/fresh store/");
    VorendaGlobal::storeFolder = store;
    panel()->show(controller.get(), 0);
    QTest::mouseClick(panel()->showStoreFolderButton, Qt::LeftButton);
    QVERIFY(QFileInfo(store).isDir());
    // Without a file manager on the bus, the desktop's opener shows the folder.
    const QByteArray folder = QUrl::fromLocalFile(removeTrailingSeparator(store)).toEncoded();
    QTRY_COMPARE(readFile(record).trimmed(), folder);
    QFile::remove(record);
}

void TestPreferencesWidget::targetHoldingAStoreIsTakenFromTheNextStart()
{
    const QString target = makeFolder(TestEnvironment::instance()->root() + QStringLiteral("/other store"));
    const QString otherCabinet = QStringLiteral("0123456789abcdef0123456789abcdef");
    const QByteArray other = "<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-Data>\n<Root><Cabinets><Cabinet id=\""
        + otherCabinet.toLatin1() + "\"/></Cabinets></Root>\n";
    QVERIFY(writeFile(target + QStringLiteral("/Vorenda.dat"), other));
    QVERIFY(writeFile(originalStore + QStringLiteral("Data/a.dat"), "cabinet"));
    panel()->show(controller.get(), 0);
    changeStoreFolderTo(target);

    // Nothing is copied over it, and this run goes on in the old folder.
    const QString newRoot = target + QLatin1Char('/');
    QCOMPARE(messages, QStringList{QStringLiteral("Please restart the application to use the configuration from the "
                                                  "selected Store Folder.")});
    QCOMPARE(VorendaGlobal::storeFolder, originalStore);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), newRoot);
    QCOMPARE(readFile(target + QStringLiteral("/Vorenda.dat")), other);
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Vorenda.dat")});
    controller->save();
    QVERIFY(QFile::exists(originalStore + QStringLiteral("Vorenda.dat")));
    QCOMPARE(readFile(target + QStringLiteral("/Vorenda.dat")), other);

    // The next start uses that store's configuration.
    controller.reset();
    ControllerFixture::deleteShelves();
    VorendaGlobal::initialize();
    QCOMPARE(VorendaGlobal::storeFolder, newRoot);
    controller = std::make_unique<VorendaMain>(nullptr);
    QCOMPARE(VorendaGlobal::shelves.size(), 1);
    QCOMPARE(VorendaGlobal::shelves.first()->id, otherCabinet);
}

void TestPreferencesWidget::storeFolderMovesWithItsStyles()
{
    const QString oldRoot = originalStore;
    QVERIFY(writeFile(oldRoot + QStringLiteral("Data/a.dat"), "cabinet a"));
    QVERIFY(writeFile(oldRoot + QStringLiteral("Cache/pic."), "new picture"));
    QVERIFY(writeFile(oldRoot + QStringLiteral("Styles/Mine.xml"), "style"));
    QVERIFY(writeFile(oldRoot + QStringLiteral("Styles/tile.png"), "tile"));
    const QString target = makeFolder(TestEnvironment::instance()->root() + QStringLiteral("/moved store"));
    // A name already at the target is copied over; other files there stay.
    QVERIFY(writeFile(target + QStringLiteral("/Cache/pic."), "older picture"));
    QVERIFY(writeFile(target + QStringLiteral("/notes.txt"), "notes"));

    VorendaShelf* shelf = newShelf();
    ShelfStyle mine = shelf->style;
    mine.name = QStringLiteral("Mine");
    mine.fileName = oldRoot + QStringLiteral("Styles/Mine.xml");
    mine.shelfPattern = oldRoot + QStringLiteral("Styles/tile.png");
    mine.cabinetPattern = QStringLiteral(":/Resources/Patterns/wood1.png");
    mine.key = VorendaGlobal::shelfStyles.size();
    VorendaGlobal::shelfStyles.insert(mine.key, mine);
    VorendaGlobal::userPatterns.append(mine.shelfPattern);
    shelf->onApplyStyleChange(mine);

    panel()->show(controller.get(), 0);
    changeStoreFolderTo(target);

    const QString newRoot = target + QLatin1Char('/');
    QCOMPARE(messages, QStringList{QStringLiteral("The Store Folder was successfully moved to the new location!")});
    QCOMPARE(VorendaGlobal::storeFolder, newRoot);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), newRoot);
    QCOMPARE(readFile(newRoot + QStringLiteral("Data/a.dat")), QByteArray("cabinet a"));
    QCOMPARE(readFile(newRoot + QStringLiteral("Cache/pic.")), QByteArray("new picture"));
    QCOMPARE(readFile(newRoot + QStringLiteral("notes.txt")), QByteArray("notes"));
    QVERIFY(QDir(newRoot).entryList({QStringLiteral(".vorenda-copy-*")}, QDir::AllEntries | QDir::Hidden).isEmpty());
    QCOMPARE(readFile(oldRoot + QStringLiteral("Data/a.dat")), QByteArray("cabinet a"));
    QCOMPARE(panel()->changeStoreFolderButton->text(), QStringLiteral("Change Store Folder..."));

    // The user's style now lives in the new folder, for the list and for the cabinet.
    const ShelfStyle moved = VorendaGlobal::shelfStyles.value(mine.key);
    QCOMPARE(moved.fileName, newRoot + QStringLiteral("Styles/Mine.xml"));
    QCOMPARE(moved.shelfPattern, newRoot + QStringLiteral("Styles/tile.png"));
    QCOMPARE(moved.cabinetPattern, mine.cabinetPattern);
    QCOMPARE(shelf->style.fileName, moved.fileName);
    QCOMPARE(shelf->committedStyle.shelfPattern, moved.shelfPattern);
    QVERIFY(VorendaGlobal::userPatterns.contains(moved.shelfPattern));
    QVERIFY(!VorendaGlobal::userPatterns.contains(mine.shelfPattern));
    VorendaGlobal::shelfStyles.remove(mine.key);
    VorendaGlobal::userPatterns.removeAll(moved.shelfPattern);

    // Saves go to the new folder from now on.
    controller->save();
    QVERIFY(QFile::exists(newRoot + QStringLiteral("Vorenda.dat")));
}

void TestPreferencesWidget::targetInsideTheStoreIsRefused_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("the store itself") << "";
    QTest::newRow("a folder inside") << "Backups";
    QTest::newRow("a link to the store") << "@link";
}

void TestPreferencesWidget::targetInsideTheStoreIsRefused()
{
    QFETCH(QString, relative);
    const QString store = removeTrailingSeparator(originalStore);
    QString target = relative.isEmpty() ? store : makeFolder(store + QLatin1Char('/') + relative);
    if (relative == QLatin1String("@link")) {
        QDir(store).removeRecursively(); // no folder of that name from an earlier row
        QDir().mkpath(store);
        target = TestEnvironment::instance()->root() + QStringLiteral("/store link");
        QFile::remove(target);
        QVERIFY(QFile::link(store, target));
    }
    QVERIFY(writeFile(originalStore + QStringLiteral("Data/a.dat"), "cabinet"));
    panel()->show(controller.get(), 0);
    changeStoreFolderTo(target);

    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().startsWith(QStringLiteral("The Store Folder cannot be moved into itself.")));
    QCOMPARE(VorendaGlobal::storeFolder, originalStore);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), originalStore);
    // Nothing was copied into the store.
    QVERIFY(!QFile::exists(originalStore + QStringLiteral("Backups/Data")));
}

void TestPreferencesWidget::failedCopyKeepsTheOldFolder()
{
    QVERIFY(writeFile(originalStore + QStringLiteral("Data/a.dat"), "cabinet a"));
    QVERIFY(writeFile(originalStore + QStringLiteral("Data/b.dat"), "cabinet b"));
    QVERIFY(writeFile(originalStore + QStringLiteral("Cache/pic."), "picture"));
    const QString target = makeFolder(TestEnvironment::instance()->root() + QStringLiteral("/blocked store"));
    // A file where the copy needs its "Data" folder: the folder and both files fail.
    QVERIFY(writeFile(target + QStringLiteral("/Data"), "in the way"));

    panel()->show(controller.get(), 0);
    changeStoreFolderTo(target);

    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("could not be copied: 3.")), qPrintable(messages.first()));
    QCOMPARE(VorendaGlobal::storeFolder, originalStore);
    QCOMPARE(QSettings().value(QStringLiteral("Main/StoreFolder")).toString(), originalStore);
    // Nothing was written there.
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Data")});
}

VORENDA_TEST_MAIN(TestPreferencesWidget)
#include "tst_preferenceswidget.moc"
